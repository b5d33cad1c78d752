// The drawing surface of the graph windows: a picture in twips (origin at the top left, y growing
// downwards) with the drawing state of the window it belongs to: the text position, the foreground
// colour by the 16 colour numbers, the font, the pen width and line style of lines, and the fill of
// circles. Texts are printed at the text position, which then moves on (to the next line after a
// line end, else just behind the text). Everything drawn stays on the picture until Clear. The
// surface keeps what it has drawn since then as figures, so that a page can be drawn again
// elsewhere (on the printer, at its resolution).
//
// This class keeps the state and the text layout; an implementation draws the primitives: the Qt
// one on an image (platform/gui/qt_drawing_surface.h), the recording one for tests
// (platform/recording_surface.h).
#pragma once

#include <cstdint>
#include <string>
#include <span>
#include <string_view>
#include <vector>

#include "platform/page_clip.h"
#include "platform/printer.h"

namespace pave {

// The 16 colour numbers of the windows: 0 black, 1 blue, 2 green, 3 cyan, 4 red, 5 magenta,
// 6 yellow (brown), 7 white (light grey), 8 grey, 9 light blue, 10 light green, 11 light cyan,
// 12 light red, 13 light magenta, 14 light yellow, 15 bright white.
inline constexpr int kColourNumbers = 16;
// 0xRRGGBB of a colour number; std::invalid_argument outside 0..15.
std::uint32_t ColourNumberRgb(int number);

enum class LineStyle { Solid, Dotted };
enum class FillStyle { Transparent, Solid };

struct SurfaceFont {
  std::string name = "Courier New";
  double size = 9.75;   // points
  bool bold = false;
  bool operator==(const SurfaceFont&) const = default;
};

// A figure or text as drawn: where, in twips, and in what colour, pen and font.
struct DrawnFigure {
  enum class Kind { Line, Box, Circle, Ellipse, Text, Clear };
  Kind kind = Kind::Line;
  // Line and box ends; circle or ellipse centre in x1, y1; a text's top left corner in x1, y1 and its
  // right end and the bottom of its line, as measured where it was placed, in x2, y2.
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  double radius = 0;     // of a circle; the horizontal radius of an ellipse
  double radius_y = 0;   // the vertical radius of an ellipse
  int colour = 0;                          // colour number of the line, outline or text
  int pen_width = 1;
  LineStyle style = LineStyle::Solid;
  int fill = -1;                           // fill colour number of a filled circle, else -1
  std::string text;
  SurfaceFont font;
};

class DrawingSurface {
 public:
  // Size of the picture in twips; white, text position at the top left, foreground black,
  // "Courier New" of 9.75 points, pen width 1, solid lines, transparent fill.
  DrawingSurface(int width_twips, int height_twips);
  virtual ~DrawingSurface() = default;
  DrawingSurface(const DrawingSurface&) = delete;
  DrawingSurface& operator=(const DrawingSurface&) = delete;

  int WidthTwips() const { return width_; }
  int HeightTwips() const { return height_; }

  // Foreground colour of texts and of lines drawn without a colour of their own.
  void SetForeColour(int number);
  int ForeColour() const { return fore_; }
  void SetFontName(std::string_view name) { font_.name = name; }
  void SetFontSize(double points) { font_.size = points; }
  void SetFontBold(bool bold) { font_.bold = bold; }
  const SurfaceFont& Font() const { return font_; }
  // Pen width in pixels (at least 1) and line style of every line, box and circle outline.
  void SetPenWidth(int pixels) { pen_width_ = pixels < 1 ? 1 : pixels; }
  int PenWidth() const { return pen_width_; }
  void SetLineStyle(LineStyle style) { line_style_ = style; }
  LineStyle GetLineStyle() const { return line_style_; }
  // Fill of circles: transparent, or solid in the fill colour.
  void SetFillStyle(FillStyle style) { fill_style_ = style; }
  FillStyle GetFillStyle() const { return fill_style_; }
  void SetFillColour(int number);
  int FillColour() const { return fill_colour_; }

  // Text position in twips.
  double CurrentX() const { return x_; }
  double CurrentY() const { return y_; }
  void SetPosition(double x, double y) {
    x_ = x;
    y_ = y;
  }
  void SetCurrentX(double x) { x_ = x; }
  void SetCurrentY(double y) { y_ = y; }

  // Figures and texts at a place that is not a finite number are left out, and so is what lies far
  // off the page (beyond the page's larger side from its edges); a figure reaching out that far is
  // cut there (page_clip.h), so that what shows on the page stays as it was.
  // A straight line; colour -1 takes the foreground colour.
  void Line(double x1, double y1, double x2, double y2, int colour = -1);
  // The outline of the rectangle with corners (x1, y1) and (x2, y2).
  void Box(double x1, double y1, double x2, double y2, int colour = -1);
  // A circle around (x, y): outline in `colour` (-1: foreground), filled by the fill style.
  void Circle(double x, double y, double radius, int colour = -1);
  // An ellipse around (x, y) with the horizontal radius rx and the vertical radius ry, upright, like
  // a circle otherwise (a circle where the two are equal).
  void Ellipse(double x, double y, double rx, double ry, int colour = -1);
  // Prints text with its top-left corner at the text position, in the font and the foreground
  // colour, over what is there. With a line end the position then goes to x = 0, one line height
  // down; without, to just behind the text on the same line.
  void Print(std::string_view text, bool line_end = true);
  // Width of a text and height of a line in the current font, in twips.
  double TextWidth(std::string_view text) const { return MeasureWidth(text, font_); }
  double TextHeight() const { return MeasureHeight(font_); }
  // Erases the picture to white and puts the text position back to the top left.
  void Clear();

  // The figures and texts drawn since the last Clear, in the order drawn: the page as it stands.
  const std::vector<DrawnFigure>& Drawing() const { return drawing_; }
  // Draws figures (another surface's drawing) at their places in their own colours, pens and
  // fonts; the text position, font and colours of this surface stay as they are.
  void Redraw(std::span<const DrawnFigure> figures);

 protected:
  struct Pen {
    std::uint32_t rgb = 0;
    int colour = 0;   // its colour number
    int width = 1;
    LineStyle style = LineStyle::Solid;
  };
  virtual void DrawLine(double x1, double y1, double x2, double y2, const Pen& pen) = 0;
  virtual void DrawBox(double x1, double y1, double x2, double y2, const Pen& pen) = 0;
  // fill_colour < 0: not filled.
  virtual void DrawCircle(double x, double y, double radius, const Pen& pen, int fill_colour) = 0;
  virtual void DrawEllipse(double x, double y, double rx, double ry, const Pen& pen, int fill_colour) = 0;
  // `width`: the width the text takes, as measured where it was placed (a surface of another
  // resolution fits the text to it).
  virtual void DrawText(double x, double y, double width, std::string_view text, const SurfaceFont& font,
                        int colour) = 0;
  virtual double MeasureWidth(std::string_view text, const SurfaceFont& font) const = 0;
  virtual double MeasureHeight(const SurfaceFont& font) const = 0;
  virtual void Erase() = 0;

 private:
  Pen PenOf(int colour) const;
  ClipRegion Region() const;
  void Draw(const DrawnFigure& figure, const Pen& pen);
  // A circle or an ellipse as the page region keeps it: the figure of `kind`, a piece of its
  // outline, or nothing.
  void DrawRound(DrawnFigure::Kind kind, const EllipseShape& shape, bool filled, const Pen& pen);

  int width_, height_;
  int fore_ = 0;
  SurfaceFont font_;
  int pen_width_ = 1;
  LineStyle line_style_ = LineStyle::Solid;
  FillStyle fill_style_ = FillStyle::Transparent;
  int fill_colour_ = 0;
  double x_ = 0, y_ = 0;
  std::vector<DrawnFigure> drawing_;
};

// A surface's drawing as a printed page of the surface's size: the printer draws it again at its
// own resolution.
class DrawingPage : public PrintablePage {
 public:
  DrawingPage(const DrawingSurface& surface, PageOrientation orientation)
      : surface_(surface), orientation_(orientation) {}
  int WidthTwips() const override { return surface_.WidthTwips(); }
  int HeightTwips() const override { return surface_.HeightTwips(); }
  PageOrientation Orientation() const override { return orientation_; }
  void Draw(DrawingSurface& onto) const override { onto.Redraw(surface_.Drawing()); }

 private:
  const DrawingSurface& surface_;
  PageOrientation orientation_;
};

}  // namespace pave
