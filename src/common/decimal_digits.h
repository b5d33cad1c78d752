// Decimal digits of a number, as the number formats take them: the value rounded to a number of
// significant digits, then rounded half away from zero at a decimal place where a format asks.
#pragma once

#include <string>

namespace pave {

// value = d1.d2d3... x 10^exp; digits has no trailing zeros; empty digits mean zero.
struct DecimalDigits {
  std::string digits;
  int exp = 0;
};

// The digits of |v| (finite) rounded to `significant` significant digits.
DecimalDigits ToDecimalDigits(double v, int significant);
// Rounds half away from zero to `decimals` places after the point (may give zero).
void RoundToDecimals(DecimalDigits& d, int decimals);
// Rounds half away from zero to `significant` (>= 1) significant digits.
void RoundToSignificant(DecimalDigits& d, int significant);

}  // namespace pave
