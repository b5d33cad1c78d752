#include "common/numeric_value.h"

#include <charconv>
#include <string>

namespace pave {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest number at the start of s: [sign] digits [. digits] [(E|D) [sign] digits],
// with at least one mantissa digit; 0 when s does not begin with a number. `canonical` receives the
// number in the form that from_chars takes (no "+", "E" as exponent letter).
std::size_t ScanNumber(std::string_view s, std::string& canonical) {
  std::size_t i = 0;
  canonical.clear();
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') canonical += '-';
    ++i;
  }
  int mantissa_digits = 0;
  while (i < s.size() && IsDigit(s[i])) {
    canonical += s[i++];
    ++mantissa_digits;
  }
  if (i < s.size() && s[i] == '.') {
    canonical += s[i++];
    while (i < s.size() && IsDigit(s[i])) {
      canonical += s[i++];
      ++mantissa_digits;
    }
  }
  if (mantissa_digits == 0) {
    canonical.clear();
    return 0;
  }
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = i + 1;
    std::string exp = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
      if (s[j] == '-') exp += '-';
      ++j;
    }
    const std::size_t first = j;
    while (j < s.size() && IsDigit(s[j])) exp += s[j++];
    if (j > first) {
      canonical += exp;
      i = j;
    }
  }
  return i;
}

// Converts a canonical number text; nothing when it lies beyond the range of a double (a value too
// small to represent becomes 0).
std::optional<double> Convert(const std::string& canonical) {
  double value = 0;
  const char* first = canonical.data();
  const char* last = first + canonical.size();
  const auto [ptr, ec] = std::from_chars(first, last, value);
  if (ec == std::errc()) return value;
  if (ec == std::errc::result_out_of_range) {
    // Decide between overflow and underflow from the decimal magnitude.
    std::size_t i = canonical[0] == '-' ? 1 : 0;
    long magnitude = 0;  // position of the first significant digit, relative to the point
    bool seen_point = false, seen_digit = false;
    long int_digits = 0, leading_frac_zeros = 0;
    for (; i < canonical.size() && canonical[i] != 'e'; ++i) {
      const char c = canonical[i];
      if (c == '.') {
        seen_point = true;
      } else if (!seen_point) {
        if (seen_digit || c != '0') {
          seen_digit = true;
          ++int_digits;
        }
      } else if (!seen_digit) {
        if (c == '0') {
          ++leading_frac_zeros;
        } else {
          seen_digit = true;
        }
      }
    }
    magnitude = int_digits > 0 ? int_digits : -leading_frac_zeros;
    long exp = 0;
    const std::size_t e = canonical.find('e');
    if (e != std::string::npos) {
      const std::string_view digits(canonical.data() + e + 1, canonical.size() - e - 1);
      const bool neg = !digits.empty() && digits[0] == '-';
      for (char c : digits.substr(neg ? 1 : 0)) {
        if (exp < 100000) exp = exp * 10 + (c - '0');
      }
      if (neg) exp = -exp;
    }
    if (magnitude + exp < 0) return canonical[0] == '-' ? -0.0 : 0.0;
    return std::nullopt;
  }
  return std::nullopt;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

}  // namespace

double NumericValue(std::string_view text) {
  std::string compact;
  compact.reserve(text.size());
  for (char c : text) {
    if (!IsBlank(c)) compact += c;
  }
  std::string canonical;
  if (ScanNumber(compact, canonical) == 0) return 0;
  return Convert(canonical).value_or(0);
}

std::optional<double> ParseNumber(std::string_view text) {
  std::size_t b = 0, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  text = text.substr(b, e - b);
  std::string canonical;
  if (text.empty() || ScanNumber(text, canonical) != text.size()) return std::nullopt;
  return Convert(canonical);
}

}  // namespace pave
