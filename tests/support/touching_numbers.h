// Two numbers of a report that touch: a number followed, with no blank between them, by another
// that begins with a digit, a decimal point or a minus sign ("54.809-2440.657",
// "0.00000100000000000.00000", "1.000E+05-3.2"). A number is read as far as it goes: digits with
// at most one decimal point, and an exponent ("E+05") right behind them. Digits that follow a
// letter or an underscore belong to a word ("LAY1SI", "JONO1") and start no number.
#pragma once

#include <cctype>
#include <cstddef>
#include <string>

namespace pave::testing {

namespace touching_detail {

inline bool Digit(const std::string& t, std::size_t i) {
  return i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]));
}

// Whether a number starts at i: a digit, or a point or minus sign in front of one (a minus sign
// also in front of ".5").
inline bool NumberStarts(const std::string& t, std::size_t i) {
  if (Digit(t, i)) return true;
  if (i < t.size() && t[i] == '.') return Digit(t, i + 1);
  if (i < t.size() && t[i] == '-') return Digit(t, i + 1) || (i + 1 < t.size() && t[i + 1] == '.' && Digit(t, i + 2));
  return false;
}

// The end of the number that starts at i.
inline std::size_t NumberEnd(const std::string& t, std::size_t i) {
  if (t[i] == '-') ++i;
  bool point = false;
  while (Digit(t, i) || (i < t.size() && t[i] == '.' && !point)) {
    point = point || t[i] == '.';
    ++i;
  }
  if (i + 1 < t.size() && t[i] == 'E' && (t[i + 1] == '+' || t[i + 1] == '-') && Digit(t, i + 2)) {
    i += 2;
    while (Digit(t, i)) ++i;
  }
  return i;
}

inline bool WordCharacter(const std::string& t, std::size_t i) {
  const unsigned char c = static_cast<unsigned char>(t[i]);
  return std::isalnum(c) || c == '_';
}

}  // namespace touching_detail

// The first line of `text` on which two numbers touch; empty when there is none.
inline std::string TouchingNumbers(const std::string& text) {
  using touching_detail::NumberEnd;
  using touching_detail::NumberStarts;
  using touching_detail::WordCharacter;
  std::size_t i = 0;
  while (i < text.size()) {
    if (std::isalpha(static_cast<unsigned char>(text[i])) || text[i] == '_') {
      while (i < text.size() && WordCharacter(text, i)) ++i;   // a word, digits and all
      continue;
    }
    if (!NumberStarts(text, i)) {
      ++i;
      continue;
    }
    const std::size_t end = NumberEnd(text, i);
    if (end < text.size() && NumberStarts(text, end)) {
      const std::size_t newline = text.rfind('\n', i);
      const std::size_t from = newline == std::string::npos ? 0 : newline + 1;
      std::size_t to = text.find_first_of("\r\n", end);
      if (to == std::string::npos) to = text.size();
      return text.substr(from, to - from);
    }
    i = end;
  }
  return {};
}

}  // namespace pave::testing
