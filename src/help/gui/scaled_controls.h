// The controls of a window that grows as a whole: each control's place and font as the window was
// laid out, and the same drawn larger, so that a figure with its labels and the text beside it grow
// with the window. The menu bar keeps its height; what lies under it scales from its top.
#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

#include <vector>

namespace pave {

class ScaledControls {
 public:
  // Keeps the window's controls (its direct children but the menu bar) as they stand, laid out for
  // the inner size `laid_out`; `top` is the height of the menu bar above them, in pixels.
  void Keep(QWidget& window, int top, QSize laid_out);

  // The largest scale at which the controls fit an inner size (1 at the size they were laid out
  // for).
  double FittingScale(QSize inner) const;
  // The inner size of the window at a scale.
  QSize InnerSize(double scale) const;
  // Places and sizes the controls, and sets their fonts, at a scale.
  void Apply(double scale);
  double Scale() const { return scale_; }
  bool Kept() const { return !controls_.empty(); }

 private:
  struct Control {
    QWidget* widget;
    QRect place;
    double points;   // font size; 0 for a font given in pixels
  };
  std::vector<Control> controls_;
  int top_ = 0;
  QSize laid_out_;
  double scale_ = 1;
};

}  // namespace pave
