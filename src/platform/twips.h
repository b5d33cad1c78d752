// Twips, the unit in which windows and controls are placed: 15 twips make one pixel.
#pragma once

namespace pave {

inline constexpr int kTwipsPerPixel = 15;

// Nearest whole pixel.
constexpr int TwipsToPixels(int twips) {
  return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                    : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}
constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

struct TwipsPoint {
  int left = 0;
  int top = 0;
};

// The windows' placement: centred horizontally, 200 twips above the vertical centre of the screen
// (Top = screen height / 2 - height / 2 - 200, Left = screen width / 2 - width / 2, whole twips).
constexpr TwipsPoint CentredWindowPosition(int screen_width, int screen_height, int width,
                                           int height) {
  return {screen_width / 2 - width / 2, screen_height / 2 - height / 2 - 200};
}

}  // namespace pave
