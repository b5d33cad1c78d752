// The contour levels of a contour page: the page's values are divided by a power of ten (the scale),
// the levels run down from just above the page's largest value to just below its smallest, at the
// interval the user chooses, and every second level, starting with the second, is a major one.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace pave::graphs {

inline constexpr int kMaxContourLevels = 200;

struct ContourRange {
  float scale = 1;      // ConScale
  float hi = 0;         // ConHi, the first level
  float lo = 0;         // ConLo
  float range = 0;      // ConRange = hi - lo
  float default_interval = 0;
};

// `page_max` is the page's largest tension at the bottom (0 or negative), `page_min` its largest
// value of the other sign; `moments`: the values are moments per unit width (another set of scales).
ContourRange ContourRangeOf(float page_max, float page_min, bool moments);

struct ContourLevels {
  int count = 0;                                                // Nc (0 or less: none)
  std::array<float, kMaxContourLevels + 1> level{};             // Cons(1..count), descending
  std::array<std::int16_t, kMaxContourLevels + 1> major{};      // 1 major, 0 minor
};

// The levels at `interval` (an interval of 0 or less, or one larger than the range, gives none).
// Nothing when the interval would give more than 200 levels.
std::optional<ContourLevels> LevelsAt(const ContourRange& r, float interval);

// The interval the user typed: a number, giving at most 200 levels. Nothing otherwise.
std::optional<float> IntervalAnswer(const ContourRange& r, const std::string& answer);

// What IntervalAnswer takes for this range, as the user is told after a refused answer.
std::string IntervalRule(const ContourRange& r);

}  // namespace pave::graphs
