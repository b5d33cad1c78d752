#include "common/value_ranges.h"

#include <cmath>
#include <limits>

#include "common/number_format.h"

namespace pave {

bool ValueRange::Holds(double v) const {
  if (!(std::fabs(v) <= std::numeric_limits<float>::max())) return false;
  const float f = static_cast<float>(v);
  return (zeroToo && f == 0) || (f >= static_cast<float>(least) && f <= static_cast<float>(greatest));
}

std::string RangeRule(const ValueRange& r, bool upper) {
  const std::string least = BareStr(static_cast<float>(r.least)), greatest = BareStr(static_cast<float>(r.greatest));
  const std::string range = upper ? "FROM " + least + " TO " + greatest : "from " + least + " to " + greatest;
  if (!r.zeroToo) return range;
  return (upper ? "0 OR " : "0 or ") + range;
}

}  // namespace pave
