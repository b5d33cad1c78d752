#include "common/decimal_digits.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace pave {

namespace {

void StripTrailingZeros(DecimalDigits& d) {
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
}

// Keeps the first `keep` digits, rounding half away from zero on the digit that follows.
void KeepDigits(DecimalDigits& d, int keep) {
  const int n = static_cast<int>(d.digits.size());
  if (keep >= n) return;
  if (keep < 0) {
    d.digits.clear();
    d.exp = 0;
    return;
  }
  const bool up = d.digits[keep] >= '5';
  d.digits.resize(keep);
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[i] == '9') {
      d.digits[i] = '0';
      --i;
    }
    if (i >= 0) {
      ++d.digits[i];
    } else {
      d.digits.insert(d.digits.begin(), '1');
      ++d.exp;
    }
  }
  StripTrailingZeros(d);
  if (d.digits.empty()) d.exp = 0;
}

}  // namespace

DecimalDigits ToDecimalDigits(double v, int significant) {
  DecimalDigits d;
  v = std::fabs(v);
  if (v == 0 || !std::isfinite(v)) return d;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", significant - 1, v);
  // buf: d.ddddde[+-]xx
  const char* p = buf;
  for (; *p && *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') d.digits += *p;
  }
  d.exp = *p == 'e' ? std::atoi(p + 1) : 0;
  StripTrailingZeros(d);
  if (d.digits.empty()) d.exp = 0;
  return d;
}

void RoundToDecimals(DecimalDigits& d, int decimals) {
  if (d.digits.empty()) return;
  const int keep = d.exp + 1 + decimals;
  if (keep == 0) {
    // Only the first digit decides: 0.5 and more becomes one unit of the last place.
    const bool up = d.digits[0] >= '5';
    d.digits = up ? "1" : "";
    d.exp = up ? -decimals : 0;
    return;
  }
  KeepDigits(d, keep);
}

void RoundToSignificant(DecimalDigits& d, int significant) {
  if (d.digits.empty()) return;
  KeepDigits(d, significant < 1 ? 1 : significant);
}

}  // namespace pave
