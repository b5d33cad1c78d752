// A form: a top-level Qt window known to the window registry and placed in twips (15 twips make
// one pixel). Window sizes in twips are outer sizes, title bar and borders included, as the
// windows are specified; the inner area is smaller by a fixed frame allowance.
#pragma once

#include <QWidget>

#include "platform/twips.h"
#include "platform/window_registry.h"

namespace pave {

// Frame allowance: borders of 4 pixels and a title bar of 22 pixels.
inline constexpr int kFrameWidthTwips = 120;
inline constexpr int kFrameHeightTwips = 450;

class Form : public QWidget, public Window {
  Q_OBJECT

 public:
  explicit Form(QWidget* parent = nullptr);

  // Shows the window modeless and brings it to the front.
  void Show() override;

  // Outer size in twips; the inner area follows from the frame allowance.
  void SetSizeTwips(int width, int height);
  // Outer size in twips, placed by the windows' rule: centred horizontally, 200 twips above the
  // vertical centre of the screen.
  void SetSizeTwipsCentred(int width, int height);
  // Outer position and size in twips.
  void SetGeometryTwips(int left, int top, int width, int height);
  // The inner area in twips (what the window's own coordinates cover).
  int ScaleWidthTwips() const { return PixelsToTwips(width()); }
  int ScaleHeightTwips() const { return PixelsToTwips(height()); }

 protected:
  // A form closed by the user leaves the registry (it is unloaded).
  void closeEvent(QCloseEvent* event) override;
  // Unloading hides the form and deletes it once its events are done.
  void Destroy() override;
};

// The screen size in twips.
int ScreenWidthTwips();
int ScreenHeightTwips();

// Places a control inside its window: left, top, width and height in twips.
void PlaceTwips(QWidget& control, int left, int top, int width, int height);

}  // namespace pave
