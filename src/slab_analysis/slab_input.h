// Input routines of the slab analysis: slab and load records, foundation and joint records.
#pragma once

#include <string>

#include "common/value_ranges.h"
#include "slab_analysis/slab_run.h"

namespace pave::slab {

void SlaInp(SlabRun& r);  // records (5) to (21)
void LiqInp(SlabRun& r);  // liquid foundation, records (24), (25)
void BouInp(SlabRun& r);  // solid foundation, record (28)
void BurInp(SlabRun& r);  // layered foundation, records (30) to (33)
void DowInp(SlabRun& r);  // joints and dowels, records (34) to (36)

// The message of a value that has no physical or counting sense: "<item> IS v WHICH SHOULD <rule>,
// SO COMPUTATION STOPS."
std::string ValueMessage(const std::string& item, double value, const std::string& rule, const std::string& unit = "");
// Shows that message and stops the problem (the end path).
[[noreturn]] void RefuseValue(SlabRun& r, const std::string& item, double value, const std::string& rule,
                              const std::string& unit = "");
// Refuses a count that is not a whole number from `low` to `high`.
void CheckCount(SlabRun& r, const std::string& item, double value, double low, double high);
// Refuses a Poisson's ratio outside 0 to 0.5.
void CheckPoisson(SlabRun& r, const std::string& item, double value);
// Refuses a thickness, modulus or other size that is not greater than 0.
void CheckPositive(SlabRun& r, const std::string& item, double value);
// Refuses a value outside the range of its kind: "... WHICH SHOULD BE FROM .001 TO 1000, ...".
void CheckRange(SlabRun& r, const std::string& item, double value, const ValueRange& range);

}  // namespace pave::slab
