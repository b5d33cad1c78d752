// The numbers of a report line as printed, each with the unit of its last digit, so that two reports
// can be compared to the digits they print. Fields that run together ("54.809-2440.657") are split
// where a sign follows a digit.
#pragma once

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace pave::testing {

struct Printed {
  double value = 0;
  double unit = 0;  // one unit of the last printed digit: .001 for "-2440.657", 1E-07 for "1.032E-04"
};

// The numbers of `line` in order; words that are not numbers are passed over.
inline std::vector<Printed> PrintedNumbers(std::string_view line) {
  std::vector<Printed> out;
  std::size_t i = 0;
  bool justEnded = false;  // a number ended where `i` stands
  auto digit = [&](std::size_t k) { return k < line.size() && std::isdigit(static_cast<unsigned char>(line[k])); };
  while (i < line.size()) {
    const std::size_t start = i;
    std::size_t k = i;
    if (line[k] == '-' || line[k] == '+') ++k;
    const bool wordStart = start == 0 || !std::isalnum(static_cast<unsigned char>(line[start - 1])) ||
                           (justEnded && k > start);
    justEnded = false;
    if (!wordStart || !(digit(k) || (k < line.size() && line[k] == '.' && digit(k + 1)))) {
      ++i;
      continue;
    }
    int decimals = 0;
    while (digit(k)) ++k;
    if (k < line.size() && line[k] == '.') {
      ++k;
      while (digit(k)) ++k, ++decimals;
    }
    int exponent = 0;
    if (k + 1 < line.size() && (line[k] == 'E' || line[k] == 'e') &&
        (digit(k + 1) || ((line[k + 1] == '-' || line[k + 1] == '+') && digit(k + 2)))) {
      exponent = std::atoi(std::string(line.substr(k + 1, 4)).c_str());
      k += 2;
      while (digit(k)) ++k;
    }
    if (k < line.size() && std::isalpha(static_cast<unsigned char>(line[k]))) {  // a word such as "2ND"
      i = k;
      continue;
    }
    out.push_back({std::strtod(std::string(line.substr(start, k - start)).c_str(), nullptr),
                   std::pow(10.0, exponent - decimals)});
    i = k;
    justEnded = true;
  }
  return out;
}

}  // namespace pave::testing
