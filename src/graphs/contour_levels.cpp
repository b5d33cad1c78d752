#include "graphs/contour_levels.h"

#include <cmath>

#include "common/entry_array.h"
#include "common/number_format.h"
#include "common/numeric_value.h"
#include "graphs/plot_kit.h"

namespace pave::graphs {

ContourRange ContourRangeOf(float page_max, float page_min, bool moments) {
  ContourRange r;
  const float big = std::fabs(page_max) >= page_min ? std::fabs(page_max) : page_min;
  if (moments) {
    r.scale = big > 1e7f ? 1e7f : big > 1e6f ? 1e6f : big > 1e5f ? 1e5f : big > 1e4f ? 1e4f : big > 1000 ? 1000.0f : 100.0f;
  } else {
    r.scale = big > 1000 ? 1000.0f : big > 100 ? 100.0f : big > 10 ? 10.0f : 1.0f;
  }
  r.hi = std::floor(page_min / r.scale) + 1;
  r.lo = std::floor(page_max / r.scale) - 1;
  r.range = r.hi - r.lo;
  if (r.range > 18) {
    r.default_interval = std::floor(r.range / 18);
  } else if (r.range > 9) {
    r.default_interval = 0.5f;
  } else if (r.range > 4.5f) {
    r.default_interval = 0.2f;
  } else {
    r.default_interval = 0.1f;
  }
  return r;
}

std::optional<ContourLevels> LevelsAt(const ContourRange& r, float interval) {
  ContourLevels levels;
  if (!(interval > 0)) return levels;   // none: the page is drawn without contours
  const double count = std::floor(static_cast<double>(r.range) / static_cast<double>(interval));
  if (!(count <= kMaxContourLevels)) return std::nullopt;
  levels.count = count > 0 ? static_cast<int>(count) : 0;   // a range upside down has no levels
  for (int m = 1; m <= levels.count; ++m) {
    levels.level[m] = r.hi - static_cast<float>(m - 1) * interval;
    levels.major[m] = m % 2 == 0 ? 1 : 0;
  }
  return levels;
}

std::optional<float> IntervalAnswer(const ContourRange& r, const std::string& answer) {
  const std::optional<double> number = ParseNumber(answer);
  float interval = 0;
  if (!number || !ToSingle(*number, interval)) return std::nullopt;
  if (interval == 0 || !LevelsAt(r, interval)) return std::nullopt;
  return interval;
}

std::string IntervalRule(const ContourRange& r) {
  const std::string limit = kSingleLimitText;
  if (!(r.range > 0)) {
    // Any interval gives no levels: only 0 and numbers beyond single precision are refused.
    return "The contour interval should be a number other than 0, from -" + limit + " to " + limit + ".";
  }
  // LevelsAt refuses floor(range / interval) > 200, that is an interval of range / 201 or less.
  std::string least = Formatted(static_cast<float>(static_cast<double>(r.range) / (kMaxContourLevels + 1)),
                                "0.##########");
  if (!least.empty() && least.back() == '.') least.pop_back();
  return "The contour interval should be a number greater than " + least + " and not greater than " + limit +
         ": a smaller interval would give more than " + std::to_string(kMaxContourLevels) +
         " contour levels. A negative interval draws the page without contours.";
}

}  // namespace pave::graphs
