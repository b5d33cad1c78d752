// Where a box opens that must not hide a window: beside the window where the screen has room,
// otherwise in the place on the screen that covers least of it. Pixels of the screen.
#pragma once

namespace pave {

struct ScreenRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct ScreenPoint {
  int left = 0;
  int top = 0;
};

// The top left corner of a box of `width` by `height` on `screen` that keeps clear of `window`
// (its outer rectangle): to its right, its left, below or above it, in that order of preference,
// each moved inside the screen; when none of these is clear, whichever of them and of the screen's
// four corners covers the least of the window.
ScreenPoint PlaceClearOf(const ScreenRect& window, int width, int height, const ScreenRect& screen);

// The same for a window of which one part must stay in sight above all (the last lines of a log):
// where none of these places is clear of the window, the one that covers least of `keep`, and of
// those the one that covers least of the window.
ScreenPoint PlaceClearOf(const ScreenRect& window, const ScreenRect& keep, int width, int height,
                         const ScreenRect& screen);

// The area the two rectangles share, in square pixels.
long long OverlapArea(const ScreenRect& a, const ScreenRect& b);

}  // namespace pave
