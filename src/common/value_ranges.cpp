#include "common/value_ranges.h"

#include <cctype>
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
  std::string rule = (r.zeroToo ? "0 OR FROM " : "FROM ") + BareStr(static_cast<float>(r.least)) + " TO " + BareStr(static_cast<float>(r.greatest));
  if (!upper) {
    // The words in lower case; the numbers keep their exponent letter.
    for (std::size_t i = 0; i < rule.size(); ++i)
      if (std::isalpha(static_cast<unsigned char>(rule[i])) && (i == 0 || !std::isdigit(static_cast<unsigned char>(rule[i - 1]))))
        rule[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(rule[i])));
  }
  return rule;
}

}  // namespace pave
