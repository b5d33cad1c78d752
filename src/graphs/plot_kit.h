// The plotting kit of the graph windows: maps data coordinates onto a plot window given in percent
// of the page, and draws lines, rectangles, texts, labelled numbers and axis ticks on the window's
// drawing surface. Positions handed to the kit are twips of the page before the page margin; the kit
// adds the margin (1200 twips right and down) to everything it draws.
//
// Rows count in percent from the bottom of the page, columns from the left; the page's extents are
// set by QScreen. x and y have independent scales and nothing is clipped. Mapping is done in single
// precision; a data range whose two ends are equal, or a position beyond single precision, throws
// GraphError, whose text names the value and the range.
#pragma once

#include <concepts>
#include <stdexcept>
#include <string>
#include <string_view>

#include "common/number_format.h"
#include "common/value.h"
#include "platform/drawing_surface.h"

namespace pave::graphs {

// A drawing that cannot be done (the arithmetic of a mapping fails).
class GraphError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The page margin: every drawing is shifted this far right and down, and the windows are this much
// larger than the page.
inline constexpr int kPageOffset = 1200;

struct WindowPos {
  float x = 0;
  float y = 0;
};

// A number as the kit shows it with a pattern (FormatMask); a text value is shown as it is. A number
// too wide for its pattern is shown with the 7 digits of the general number format (exponent form
// from 1E+07) when that is shorter, so that a value far beyond what the page was laid out for
// (8.9E+33 with "#########0.0") stays one short number instead of a row of digits running over its
// neighbours.
std::string Formatted(const Value& v, std::string_view pattern);
std::string Formatted(float v, std::string_view pattern);
std::string Formatted(double v, std::string_view pattern);
template <std::integral T>
std::string Formatted(T v, std::string_view pattern) { return FormatMask(v, pattern); }

class PlotKit {
 public:
  explicit PlotKit(DrawingSurface& surface) : surface_(surface) {}

  DrawingSurface& Surface() { return surface_; }
  int PageOffset() const { return kPageOffset; }

  // The page's extents in twips: ix1 = 0, ix2 = width, iy1 = height, iy2 = 0.
  void QScreen(int width, int height);
  // The plot window (columns jc1..jc2 from the left, rows jr1..jr2 from the bottom, in percent of
  // the page) and the data range mapped onto it; either end of a range may be the larger.
  void QPlotSetup(float jc1, float jc2, float jr1, float jr2, float xx_min, float xx_max, float yy_min,
                  float yy_max);
  float QRtoIX(float x) const;
  float QRtoIY(float y) const;
  WindowPos QRtoI(float x, float y) const { return {QRtoIX(x), QRtoIY(y)}; }

  // A line between two data points in colour number `colour`, with the current pen.
  void QLine(float xs, float ys, float xe, float ye, int colour);
  // The outline of a data rectangle: (x0, y0)-(x1, y0), (x1, y0)-(x1, y1), (x1, y1)-(x0, y1),
  // (x0, y1)-(x0, y0).
  void PaintRCT(float x0, float x1, float y0, float y1, int colour);

  // Horizontal text at a position, in the colour number, then a line end; the foreground colour is
  // black afterwards.
  void QGTxt(std::string_view text, int colour, float jcol, float jrow);
  void QGTxtX(std::string_view text, int colour, float jcol, float jrow) { QGTxt(text, colour, jcol, jrow); }
  // Vertical text: one character a line, each at the same x, the first at jrow.
  void QGtxtY(std::string_view text, int colour, float jcol, float jrow);

  // A label and a formatted number at a position, the line left open; the colour is the caller's.
  template <class V>
  void SHOWnum(float jcol, float jrow, std::string_view msg, std::string_view pattern, const V& v) {
    ShowAt(jcol, jrow, std::string(msg) + Formatted(v, pattern));
  }
  // A formatted number at a position, the line left open.
  template <class V>
  void SHOWn(float jcol, float jrow, std::string_view pattern, const V& v) {
    ShowAt(jcol, jrow, Formatted(v, pattern));
  }
  // A label and a formatted number at the text position, continuing the open line.
  template <class V>
  void PRN(std::string_view msg, std::string_view pattern, const V& v) {
    surface_.Print(std::string(msg) + Formatted(v, pattern), false);
  }
  // Prints a text at the text position (line end or not).
  void Print(std::string_view text, bool line_end = false) { surface_.Print(text, line_end); }

  // Tick spacings in twips and in data units, set before QXaxis / QYaxis.
  float dxPix = 0, dxVal = 0, dyPix = 0, dyVal = 0;
  // Six ticks hanging 100 twips below yMinPix, from xMinPix in steps of dxPix, labelled from the
  // x range's minimum in steps of dxVal on the row 5250.
  void QXaxis(float x_min_pix, float y_min_pix);
  // Four ticks from 550 to 450 twips left of xMinPix, upwards from yMinPix in steps of dyPix,
  // labelled from the y range's minimum in steps of dyVal in the column `label_col`.
  void QYaxis(float x_min_pix, float y_min_pix, float label_col = 450);

  // Lines, circles and boxes drawn on the window directly, at page positions (the margin added here).
  void Line(float x1, float y1, float x2, float y2, int colour = -1);
  void Circle(float x, float y, float radius, int colour = -1);
  // An upright ellipse with the horizontal radius rx and the vertical radius ry.
  void Ellipse(float x, float y, float rx, float ry, int colour = -1);
  void Box(float x1, float y1, float x2, float y2, int colour = -1);

  float XMin() const { return xx_min_; }
  float YMin() const { return yy_min_; }

 private:
  void ShowAt(float jcol, float jrow, const std::string& text);
  float Margin(float v) const { return v + static_cast<float>(kPageOffset); }

  DrawingSurface& surface_;
  float ix1_ = 0, ix2_ = 0, iy1_ = 0, iy2_ = 0;
  float jc1_ = 0, jc2_ = 0, jr1_ = 0, jr2_ = 0;
  float xx_min_ = 0, xx_max_ = 0, yy_min_ = 0, yy_max_ = 0;
};

}  // namespace pave::graphs
