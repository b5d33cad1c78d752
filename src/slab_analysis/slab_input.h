// Input routines of the slab analysis: slab and load records, foundation and joint records.
#pragma once

#include <cmath>
#include <string>

#include "common/number_format.h"
#include "common/value_ranges.h"
#include "slab_analysis/slab_run.h"

namespace pave::slab {

void SlaInp(SlabRun& r);  // records (5) to (21)
void LiqInp(SlabRun& r);  // liquid foundation, records (24), (25)
void BouInp(SlabRun& r);  // solid foundation, record (28)
void BurInp(SlabRun& r);  // layered foundation, records (30) to (33)
void DowInp(SlabRun& r);  // joints and dowels, records (34) to (36)

// The item with the line of the data file its value was read from, when it was read into the
// state: "THE THICKNESS (T) OF SLAB LAYER 1 (LINE 10)".
std::string PlacedItem(SlabRun& r, const std::string& item, const void* value);

// The message of a value that has no physical or counting sense: "<item> IS v WHICH SHOULD <rule>,
// SO COMPUTATION STOPS."
std::string ValueMessage(const std::string& item, double value, const std::string& rule, const std::string& unit = "");
// Shows that message for an item already placed and stops the problem (the end path).
[[noreturn]] void StopWithValue(SlabRun& r, const std::string& item, double value, const std::string& rule,
                                const std::string& unit);
// The rules below refuse a value of the state by that message, naming its line.
template <class T>
[[noreturn]] void RefuseValue(SlabRun& r, const std::string& item, const T& value, const std::string& rule,
                              const std::string& unit = "") {
  StopWithValue(r, PlacedItem(r, item, &value), static_cast<double>(value), rule, unit);
}
// Refuses a count that is not a whole number from `low` to `high`.
template <class T>
void CheckCount(SlabRun& r, const std::string& item, const T& value, double low, double high) {
  const double v = value;
  if (!(v >= low && v <= high && v == std::floor(v)))
    RefuseValue(r, item, value, "BE A WHOLE NUMBER FROM" + Str(low) + " TO" + Str(high));
}
// Refuses a Poisson's ratio outside 0 to 0.5.
template <class T>
void CheckPoisson(SlabRun& r, const std::string& item, const T& value) {
  if (!(value >= 0 && value <= 0.5)) RefuseValue(r, item, value, "BE FROM 0 TO 0.5");
}
// Refuses a value outside the range of its kind: "... IS 1200 CM WHICH SHOULD BE FROM .00254 TO 2540
// CM, ...".
template <class T>
void CheckRange(SlabRun& r, const std::string& item, const T& value, const ValueRange& range) {
  const bool si = r.s.NUNIT != 0;
  if (!range.Holds(value, si)) RefuseValue(r, item, value, "BE " + RangeRule(range, si), UnitName(range, si));
}

}  // namespace pave::slab
