// Values whose defaults depend on the unit system of a data set (NUNIT: 0 English, else SI). The
// General forms fill them the first time a new file is given its general information; when NUNIT
// changes afterwards, the user is offered the new system's defaults for every such value that still
// holds the old system's default, and told which values in use hold anything else: those stay as
// they are, in the units they were entered in.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "common/entry_array.h"

namespace pave {

// A default in both unit systems.
struct UnitPair {
  double english, si;
  constexpr double In(bool si_units) const { return si_units ? si : english; }
};

struct UnitDefault {
  std::string array;                              // "gLayeredViscoLayer"
  std::vector<long> index;                        // the indexes after the data set
  std::string field;                              // "BETA"
  std::string owner;                              // "viscoelastic layer 1" (empty: a single value)
  std::vector<UnitPair> values;                   // its defaults
  bool in_use = true;                             // the data set uses it (the note names only these)
};

// What NUNIT's change from the other system to `si` finds among `entries` of data set `set`.
struct UnitDefaultReview {
  std::vector<std::pair<const UnitDefault*, double>> at_old_defaults;   // with the new default
  std::vector<std::pair<const UnitDefault*, Value>> entered;            // in use, neither system's
  std::vector<std::string> fields;                                      // the fields in their order
};
UnitDefaultReview ReviewUnitDefaults(const ArrayDirectory& arrays, int set, const std::vector<UnitDefault>& entries,
                                     bool si);

// The question put to the user (empty when nothing holds the old defaults) and the note on values
// entered in the other system's units (empty when there are none).
std::string UnitDefaultQuestion(const UnitDefaultReview& review, bool si);
std::string UnitDefaultNote(const UnitDefaultReview& review, bool si);

// After NUNIT of data set `set` changed to `si`: asks whether the values at the old system's
// defaults take the new system's (Yes sets them, No keeps them, Cancel and Escape keep the unit
// change from being stored), or, when none is at a default, tells which values are still in the
// other system's units. Messages carry `title`. False when the user cancelled: the caller then
// stores nothing and leaves its form open.
bool OfferUnitDefaults(const ArrayDirectory& arrays, int set, const std::vector<UnitDefault>& entries, bool si,
                       const std::string& title);

}  // namespace pave
