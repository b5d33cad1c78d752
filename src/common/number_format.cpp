#include "common/number_format.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "common/decimal_digits.h"

namespace pave {

namespace {

constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;

std::string NonFinite(double v) {
  if (std::isnan(v)) return "NaN";
  return v < 0 ? "-Inf" : "Inf";
}

// s with leading zeros up to `min` digits.
std::string ZeroPadded(std::string s, int min) {
  if (static_cast<int>(s.size()) < min) s.insert(0, min - s.size(), '0');
  return s;
}

// The exponent part: the letter, the sign ("-", or "+" when `plus`), at least `min` digits.
std::string ExponentText(int e, char letter, bool plus, int min) {
  std::string out(1, letter);
  if (e < 0) {
    out += '-';
  } else if (plus) {
    out += '+';
  }
  return out + ZeroPadded(std::to_string(std::abs(e)), min);
}

// The digits of a general-format number without sign and blanks.
std::string GeneralDigits(const DecimalDigits& d, int precision) {
  if (d.digits.empty()) return "0";
  const int n = static_cast<int>(d.digits.size());
  const int e = d.exp;
  bool plain;
  if (e >= 0) {
    plain = e + 1 <= precision;
  } else {
    // At most six zeros between the point and the first digit, and no more digits than the
    // precision has, zeros included.
    plain = -e - 1 <= 6 && (-e - 1) + n <= precision;
  }
  std::string out;
  if (plain) {
    if (e >= 0) {
      if (n <= e + 1) {
        out = d.digits + std::string(e + 1 - n, '0');
      } else {
        out = d.digits.substr(0, e + 1);
        out += '.';
        out += d.digits.substr(e + 1);
      }
    } else {
      out = '.';
      out.append(-e - 1, '0');
      out += d.digits;
    }
    return out;
  }
  out = d.digits.substr(0, 1);
  if (n > 1) {
    out += '.';
    out += d.digits.substr(1);
  }
  return out + ExponentText(e, 'E', true, 2);
}

std::string GeneralReal(double v, int precision) {
  if (!std::isfinite(v)) return NonFinite(v) + " ";
  const DecimalDigits d = ToDecimalDigits(std::fabs(v), precision);
  const bool negative = v < 0 && !d.digits.empty();
  std::string s(1, negative ? '-' : ' ');
  s += GeneralDigits(d, precision);
  s += ' ';
  return s;
}

std::string GeneralWhole(long v) {
  // Written via unsigned so that the most negative value needs no negation.
  const unsigned long magnitude = v < 0 ? 0UL - static_cast<unsigned long>(v) : static_cast<unsigned long>(v);
  std::string s(1, v < 0 ? '-' : ' ');
  s += std::to_string(magnitude);
  s += ' ';
  return s;
}

std::string DropTrailingBlank(std::string s) {
  if (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

// The parts of a format mask.
struct Mask {
  int int_places = 0;     // "0" and "#" before the point
  int int_zeros = 0;      // "0" among them: the minimum number of integer digits
  bool point = false;
  int dec_places = 0;     // "0" and "#" after the point
  int dec_min = 0;        // decimals always written: up to the last "0" after the point
  bool exponent = false;
  bool exp_plus = false;  // "E+": the sign is always written
  char exp_letter = 'E';
  int exp_min = 1;        // minimum exponent digits
  std::string prefix, suffix;  // literal characters around the digits
};

Mask ParseMask(std::string_view m) {
  Mask k;
  std::size_t i = 0;
  auto is_place = [](char c) { return c == '0' || c == '#'; };
  // Literal characters before the first place or point.
  while (i < m.size() && !is_place(m[i]) && m[i] != '.') k.prefix += m[i++];
  while (i < m.size() && is_place(m[i])) {
    ++k.int_places;
    if (m[i] == '0') ++k.int_zeros;
    ++i;
  }
  if (i < m.size() && m[i] == '.') {
    k.point = true;
    ++i;
    while (i < m.size() && is_place(m[i])) {
      ++k.dec_places;
      if (m[i] == '0') k.dec_min = k.dec_places;
      ++i;
    }
  }
  if (i + 1 < m.size() && (m[i] == 'E' || m[i] == 'e') && (m[i + 1] == '+' || m[i + 1] == '-')) {
    std::size_t j = i + 2;
    int places = 0, zeros = 0;
    while (j < m.size() && is_place(m[j])) {
      ++places;
      if (m[j] == '0') ++zeros;
      ++j;
    }
    if (places > 0) {
      k.exponent = true;
      k.exp_letter = m[i];
      k.exp_plus = m[i + 1] == '+';
      k.exp_min = zeros > 0 ? zeros : 1;
      i = j;
    }
  }
  k.suffix = std::string(m.substr(i));
  return k;
}

// Integer and decimal digits of a value already rounded to `decimals` places; the integer part is
// empty when it is 0.
void SplitFixed(const DecimalDigits& d, int decimals, std::string& int_part, std::string& dec_part) {
  int_part.clear();
  dec_part.assign(decimals, '0');
  const int n = static_cast<int>(d.digits.size());
  if (n == 0) return;
  if (d.exp >= 0) {
    for (int i = 0; i <= d.exp; ++i) int_part += i < n ? d.digits[i] : '0';
  }
  for (int j = 1; j <= decimals; ++j) {
    const int i = d.exp + j;
    if (i >= 0 && i < n) dec_part[j - 1] = d.digits[i];
  }
}

std::string DecimalsShown(std::string dec_part, int min_decimals) {
  while (static_cast<int>(dec_part.size()) > min_decimals && dec_part.back() == '0') dec_part.pop_back();
  return dec_part;
}

// The digits of a value already rounded for the mask: the integer part (at least as many digits as
// the mask has "0"s before the point), then the point and the decimals shown.
std::string FixedBody(const DecimalDigits& d, const Mask& k) {
  std::string int_part, dec_part;
  SplitFixed(d, k.dec_places, int_part, dec_part);
  std::string body = ZeroPadded(int_part, k.int_zeros);
  if (k.point) {
    body += '.';
    body += DecimalsShown(dec_part, k.dec_min);
  }
  return body;
}

std::string FormatDigits(bool negative, const DecimalDigits& value, const Mask& k) {
  DecimalDigits d = value;
  std::string body;
  if (!k.exponent) {
    RoundToDecimals(d, k.dec_places);
    body = FixedBody(d, k);
  } else {
    // Mantissa with int_places integer digits (scaled below 1 when the mask has none).
    int exponent = 0;
    if (!d.digits.empty()) {
      RoundToSignificant(d, std::max(k.int_places + k.dec_places, 1));
      exponent = d.exp + 1 - k.int_places;
      d.exp -= exponent;  // now the mantissa
    }
    body = FixedBody(d, k) + ExponentText(exponent, k.exp_letter, k.exp_plus, k.exp_min);
  }
  const bool zero = d.digits.empty();
  return (negative && !zero ? "-" : "") + k.prefix + body + k.suffix;
}

std::string Trim(const std::string& s) {
  const std::size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return {};
  const std::size_t e = s.find_last_not_of(' ');
  return s.substr(b, e - b + 1);
}

std::string PadLeft(std::string s, int width) {
  if (static_cast<int>(s.size()) < width) s.insert(0, width - s.size(), ' ');
  return s;
}

std::string FormatReal(double v, int precision, std::string_view mask) {
  if (!std::isfinite(v)) return NonFinite(v);
  if (mask.empty()) return Trim(GeneralReal(v, precision));
  return FormatDigits(v < 0, ToDecimalDigits(std::fabs(v), precision), ParseMask(mask));
}

}  // namespace

std::string GenNum(float v) { return GeneralReal(v, kSingleDigits); }
std::string GenNum(double v) { return GeneralReal(v, kDoubleDigits); }
std::string GenNum(std::int16_t v) { return GeneralWhole(v); }
std::string GenNum(int v) { return GeneralWhole(v); }
std::string GenNum(long v) { return GeneralWhole(v); }

std::string Str(float v) { return DropTrailingBlank(GenNum(v)); }
std::string Str(double v) { return DropTrailingBlank(GenNum(v)); }
std::string Str(std::int16_t v) { return DropTrailingBlank(GenNum(v)); }
std::string Str(int v) { return DropTrailingBlank(GenNum(v)); }
std::string Str(long v) { return DropTrailingBlank(GenNum(v)); }

namespace {
std::string DropSignBlank(std::string s) {
  if (!s.empty() && s.front() == ' ') s.erase(0, 1);
  return s;
}
}  // namespace

std::string BareStr(float v) { return DropSignBlank(Str(v)); }
std::string BareStr(double v) { return DropSignBlank(Str(v)); }
std::string BareStr(long v) { return DropSignBlank(Str(v)); }

std::string FormatMask(double v, std::string_view mask) { return FormatReal(v, kDoubleDigits, mask); }
std::string FormatMask(float v, std::string_view mask) { return FormatReal(v, kSingleDigits, mask); }

namespace {

// The masks a value that fills its field is tried in next, in order: the field's own mask with
// fewer decimals, down to none (one where the mask has no digit before the point); then the
// exponent form of the reports from three decimals down to none.
std::vector<std::string> NarrowerMasks(std::string_view mask) {
  std::vector<std::string> masks;
  const std::size_t point = mask.find('.');
  if (point == std::string_view::npos) return masks;   // a whole number keeps its digits
  std::size_t end = point + 1;
  while (end < mask.size() && (mask[end] == '0' || mask[end] == '#')) ++end;
  const std::size_t places = end - point - 1;
  const bool digits_before = point > 0 && (mask[point - 1] == '0' || mask[point - 1] == '#');
  const std::size_t fewest = digits_before ? 0 : 1;
  for (std::size_t k = places; k-- > fewest;) {
    std::string narrower(mask.substr(0, point));
    if (k > 0) narrower += std::string(mask.substr(point, k + 1));
    masks.push_back(narrower + std::string(mask.substr(end)));
  }
  for (const char* exponent : {"0.000E+00", "0.00E+00", "0.0E+00", "0E+00"}) {
    if (std::find(masks.begin(), masks.end(), exponent) == masks.end() && mask != exponent) masks.emplace_back(exponent);
  }
  return masks;
}

// The field rule: the value takes at most `room` of the field's fL columns, right-aligned, the
// columns in front of it blanks; fL - 1 keeps a blank for the number before the field.
template <typename T>
std::string Field(T var, int fL, std::string_view FM, int room) {
  const std::string text = Trim(FormatMask(var, FM));
  if (fL <= 0) return text;
  if (static_cast<int>(text.size()) <= room) return PadLeft(text, fL);
  for (const std::string& mask : NarrowerMasks(FM)) {
    const std::string narrower = Trim(FormatMask(var, mask));
    if (static_cast<int>(narrower.size()) <= room) return PadLeft(narrower, fL);
  }
  return room < fL ? " " + text : text;
}

}  // namespace

std::string LnUp(double var, int fL, std::string_view FM) { return Field(var, fL, FM, fL - 1); }
std::string LnUp(float var, int fL, std::string_view FM) { return Field(var, fL, FM, fL - 1); }
std::string LnUpFirst(double var, int fL, std::string_view FM) { return Field(var, fL, FM, fL); }
std::string LnUpFirst(float var, int fL, std::string_view FM) { return Field(var, fL, FM, fL); }

}  // namespace pave
