#include "platform/box_placement.h"

#include <algorithm>
#include <array>

namespace pave {

namespace {
constexpr int kGap = 8;   // between the window and the box

int Clamp(int value, int low, int size, int extent) {
  return std::max(low, std::min(value, low + size - extent));
}
}  // namespace

long long OverlapArea(const ScreenRect& a, const ScreenRect& b) {
  const long long w = std::min(a.left + a.width, b.left + b.width) - std::max(a.left, b.left);
  const long long h = std::min(a.top + a.height, b.top + b.height) - std::max(a.top, b.top);
  return w > 0 && h > 0 ? w * h : 0;
}

ScreenPoint PlaceClearOf(const ScreenRect& window, int width, int height, const ScreenRect& screen) {
  return PlaceClearOf(window, window, width, height, screen);
}

ScreenPoint PlaceClearOf(const ScreenRect& window, const ScreenRect& keep, int width, int height,
                         const ScreenRect& screen) {
  const int right = window.left + window.width, bottom = window.top + window.height;
  const int screen_right = screen.left + screen.width, screen_bottom = screen.top + screen.height;
  const std::array<ScreenPoint, 8> candidates = {{
      {right + kGap, window.top},
      {window.left - width - kGap, window.top},
      {window.left, bottom + kGap},
      {window.left, window.top - height - kGap},
      {screen_right - width, screen.top},
      {screen_right - width, screen_bottom - height},
      {screen.left, screen_bottom - height},
      {screen.left, screen.top},
  }};
  ScreenPoint best{};
  long long least_kept = -1, least = -1;
  for (ScreenPoint at : candidates) {
    at.left = Clamp(at.left, screen.left, screen.width, width);
    at.top = Clamp(at.top, screen.top, screen.height, height);
    const ScreenRect box{at.left, at.top, width, height};
    const long long kept = OverlapArea(keep, box), covered = OverlapArea(window, box);
    if (least < 0 || kept < least_kept || (kept == least_kept && covered < least)) {
      least_kept = kept;
      least = covered;
      best = at;
    }
    if (covered == 0) break;
  }
  return best;
}

}  // namespace pave
