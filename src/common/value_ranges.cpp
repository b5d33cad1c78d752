#include "common/value_ranges.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "common/number_format.h"

namespace pave {

namespace {

// An English limit in SI units: converted, then rounded to six significant digits.
double InSi(double english, const Unit& u) {
  const double si = english * u.siPerEnglish + u.siAtEnglishZero;
  if (si == english) return english;
  char text[32];
  std::snprintf(text, sizeof text, "%.5e", si);
  return std::strtod(text, nullptr);
}

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

double ValueRange::Least(bool si) const { return si ? InSi(least, unit) : least; }
double ValueRange::Greatest(bool si) const { return si ? InSi(greatest, unit) : greatest; }

bool ValueRange::Holds(double v, bool si) const {
  if (!(std::fabs(v) <= std::numeric_limits<float>::max())) return false;
  const float f = static_cast<float>(v);
  return (zeroToo && f == 0) || (f >= static_cast<float>(Least(si)) && f <= static_cast<float>(Greatest(si)));
}

std::string UnitName(const ValueRange& r, bool si, bool upper) {
  const std::string name = si ? r.unit.si : r.unit.english;
  return upper ? Upper(name) : name;
}

std::string RangeRule(const ValueRange& r, bool si, bool upper) {
  const std::string least = BareStr(static_cast<float>(r.Least(si)));
  const std::string greatest = BareStr(static_cast<float>(r.Greatest(si)));
  const std::string unit = UnitName(r, si, upper);
  std::string range = (upper ? "FROM " : "from ") + least + (upper ? " TO " : " to ") + greatest;
  if (!unit.empty()) range += " " + unit;
  if (!r.zeroToo) return range;
  return (upper ? "0 OR " : "0 or ") + range;
}

}  // namespace pave
