#include "graphs/plot_kit.h"

#include <cmath>
#include <limits>

namespace pave::graphs {

namespace {
std::string RangeText(float lo, float hi) { return "from " + BareStr(lo) + " to " + BareStr(hi); }

// One coordinate: ((v - lo) / (hi - lo) * (p2 - p1) + p1) / 100 * (e2 - e1) + e1.
float Map(float v, float lo, float hi, float p1, float p2, float e1, float e2) {
  if (!std::isfinite(v) || !std::isfinite(lo) || !std::isfinite(hi))
    throw GraphError("a position reckoned from its values lies beyond single precision");
  const float range = hi - lo;
  if (range == 0) throw GraphError("the page would show the range " + RangeText(lo, hi) + ", which has no extent");
  if (!std::isfinite(range)) {
    throw GraphError("the page would show the range " + RangeText(lo, hi) + ", which is wider than single precision holds");
  }
  const float at = ((v - lo) / range * (p2 - p1) + p1) / 100.0f * (e2 - e1) + e1;
  if (!std::isfinite(at)) {
    throw GraphError("the value " + BareStr(v) + " lies too far from the range " + RangeText(lo, hi) +
                     " that the page shows");
  }
  return at;
}

float CheckedLabel(float v) {
  if (!std::isfinite(v)) throw GraphError("an axis number of the page lies beyond single precision");
  return v;
}

// A number too wide for its pattern in the general number format of single precision (7 digits),
// or in exponent form with 7 digits beyond single precision.
template <class T>
std::string FittedNumber(T v, std::string_view pattern) {
  std::string text = FormatMask(v, pattern);
  if (text.size() <= pattern.size()) return text;
  const bool single = std::fabs(v) <= std::numeric_limits<float>::max();
  std::string short_form = single ? BareStr(static_cast<float>(v)) : FormatMask(v, "0.######E+00");
  return short_form.size() < text.size() ? short_form : text;
}
}  // namespace

std::string Formatted(float v, std::string_view pattern) { return FittedNumber(v, pattern); }
std::string Formatted(double v, std::string_view pattern) { return FittedNumber(v, pattern); }

std::string Formatted(const Value& v, std::string_view pattern) {
  if (v.IsText()) return v.Text();
  return Formatted(v.Number(), pattern);
}

void PlotKit::QScreen(int width, int height) {
  ix1_ = 0;
  ix2_ = static_cast<float>(width);
  iy1_ = static_cast<float>(height);
  iy2_ = 0;
}

void PlotKit::QPlotSetup(float jc1, float jc2, float jr1, float jr2, float xx_min, float xx_max, float yy_min,
                         float yy_max) {
  jc1_ = jc1, jc2_ = jc2, jr1_ = jr1, jr2_ = jr2;
  xx_min_ = xx_min, xx_max_ = xx_max, yy_min_ = yy_min, yy_max_ = yy_max;
}

float PlotKit::QRtoIX(float x) const { return Map(x, xx_min_, xx_max_, jc1_, jc2_, ix1_, ix2_); }

float PlotKit::QRtoIY(float y) const { return Map(y, yy_min_, yy_max_, jr1_, jr2_, iy1_, iy2_); }

void PlotKit::QLine(float xs, float ys, float xe, float ye, int colour) {
  const WindowPos a = QRtoI(xs, ys), b = QRtoI(xe, ye);
  surface_.Line(Margin(a.x), Margin(a.y), Margin(b.x), Margin(b.y), colour);
}

void PlotKit::PaintRCT(float x0, float x1, float y0, float y1, int colour) {
  QLine(x0, y0, x1, y0, colour);
  QLine(x1, y0, x1, y1, colour);
  QLine(x1, y1, x0, y1, colour);
  QLine(x0, y1, x0, y0, colour);
}

void PlotKit::QGTxt(std::string_view text, int colour, float jcol, float jrow) {
  surface_.SetForeColour(colour);
  surface_.SetPosition(Margin(jcol), Margin(jrow));
  surface_.Print(text, true);
  surface_.SetForeColour(0);
}

void PlotKit::QGtxtY(std::string_view text, int colour, float jcol, float jrow) {
  surface_.SetForeColour(colour);
  surface_.SetCurrentY(Margin(jrow));
  for (char c : text) {
    surface_.SetCurrentX(Margin(jcol));
    surface_.Print(std::string_view(&c, 1), true);
  }
  surface_.SetForeColour(0);
}

void PlotKit::ShowAt(float jcol, float jrow, const std::string& text) {
  surface_.SetPosition(Margin(jcol), Margin(jrow));
  surface_.Print(text, false);
}

void PlotKit::QXaxis(float x_min_pix, float y_min_pix) {
  for (int i = 0; i <= 5; ++i) {
    const float x = x_min_pix + std::nearbyint(static_cast<float>(i) * dxPix);
    Line(x, y_min_pix + 100, x, y_min_pix);
    const float label = xx_min_ + static_cast<float>(i) * dxVal;
    surface_.SetPosition(Margin(x_min_pix + static_cast<float>(i) * dxPix - 200), Margin(5250));
    surface_.Print(GenNum(CheckedLabel(label)), true);
  }
}

void PlotKit::QYaxis(float x_min_pix, float y_min_pix, float label_col) {
  for (int i = 0; i <= 3; ++i) {
    const float y = y_min_pix - static_cast<float>(i) * dyPix;
    Line(x_min_pix - 550, y, x_min_pix - 450, y);
    const float label = yy_min_ + static_cast<float>(i) * dyVal;
    surface_.SetPosition(Margin(label_col), Margin(y - 100));
    surface_.Print(GenNum(CheckedLabel(label)), true);
  }
}

void PlotKit::Line(float x1, float y1, float x2, float y2, int colour) {
  surface_.Line(Margin(x1), Margin(y1), Margin(x2), Margin(y2), colour);
}

void PlotKit::Circle(float x, float y, float radius, int colour) {
  surface_.Circle(Margin(x), Margin(y), radius, colour);
}

void PlotKit::Ellipse(float x, float y, float rx, float ry, int colour) {
  surface_.Ellipse(Margin(x), Margin(y), rx, ry, colour);
}

void PlotKit::Box(float x1, float y1, float x2, float y2, int colour) {
  surface_.Box(Margin(x1), Margin(y1), Margin(x2), Margin(y2), colour);
}

}  // namespace pave::graphs
