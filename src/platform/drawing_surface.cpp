#include "platform/drawing_surface.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <stdexcept>

namespace pave {

std::uint32_t ColourNumberRgb(int number) {
  static constexpr std::array<std::uint32_t, kColourNumbers> kRgb = {
      0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
      0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  if (number < 0 || number >= kColourNumbers)
    throw std::invalid_argument("colour number " + std::to_string(number) + " is not one of 0 to 15");
  return kRgb[static_cast<std::size_t>(number)];
}

DrawingSurface::DrawingSurface(int width_twips, int height_twips)
    : width_(width_twips), height_(height_twips) {}

void DrawingSurface::SetForeColour(int number) {
  ColourNumberRgb(number);
  fore_ = number;
}

void DrawingSurface::SetFillColour(int number) {
  ColourNumberRgb(number);
  fill_colour_ = number;
}

DrawingSurface::Pen DrawingSurface::PenOf(int colour) const {
  Pen pen;
  pen.colour = colour < 0 ? fore_ : colour;
  pen.rgb = ColourNumberRgb(pen.colour);
  pen.width = pen_width_;
  pen.style = line_style_;
  return pen;
}

namespace {
// A figure at a place that is not a number (values beyond what a page can map) has no place on the
// page: it is left out rather than drawn somewhere.
bool Finite(std::initializer_list<double> values) {
  for (double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}
}  // namespace

void DrawingSurface::Draw(const DrawnFigure& figure, const Pen& pen) {
  switch (figure.kind) {
    case DrawnFigure::Kind::Line:
      DrawLine(figure.x1, figure.y1, figure.x2, figure.y2, pen);
      break;
    case DrawnFigure::Kind::Box:
      DrawBox(figure.x1, figure.y1, figure.x2, figure.y2, pen);
      break;
    case DrawnFigure::Kind::Circle:
      DrawCircle(figure.x1, figure.y1, figure.radius, pen, figure.fill);
      break;
    case DrawnFigure::Kind::Ellipse:
      DrawEllipse(figure.x1, figure.y1, figure.radius, figure.radius_y, pen, figure.fill);
      break;
    case DrawnFigure::Kind::Text:
      DrawText(figure.x1, figure.y1, figure.x2 - figure.x1, figure.text, figure.font, figure.colour);
      break;
    case DrawnFigure::Kind::Clear:
      return;
  }
  drawing_.push_back(figure);
}

namespace {
DrawnFigure Figure(DrawnFigure::Kind kind, double x1, double y1, double x2, double y2) {
  DrawnFigure figure;
  figure.kind = kind;
  figure.x1 = x1, figure.y1 = y1, figure.x2 = x2, figure.y2 = y2;
  return figure;
}
}  // namespace

ClipRegion DrawingSurface::Region() const { return RegionAroundPage(width_, height_); }

void DrawingSurface::Line(double x1, double y1, double x2, double y2, int colour) {
  const Pen pen = PenOf(colour);
  if (!Finite({x1, y1, x2, y2})) return;
  const std::optional<Segment> kept = ClipSegment({x1, y1, x2, y2}, Region());
  if (!kept) return;
  DrawnFigure figure = Figure(DrawnFigure::Kind::Line, kept->x1, kept->y1, kept->x2, kept->y2);
  figure.colour = pen.colour, figure.pen_width = pen.width, figure.style = pen.style;
  Draw(figure, pen);
}

void DrawingSurface::Box(double x1, double y1, double x2, double y2, int colour) {
  const Pen pen = PenOf(colour);
  if (!Finite({x1, y1, x2, y2})) return;
  const std::optional<Segment> kept = ClipRectangle({x1, y1, x2, y2}, Region());
  if (!kept) return;
  DrawnFigure figure = Figure(DrawnFigure::Kind::Box, kept->x1, kept->y1, kept->x2, kept->y2);
  figure.colour = pen.colour, figure.pen_width = pen.width, figure.style = pen.style;
  Draw(figure, pen);
}

void DrawingSurface::Circle(double x, double y, double radius, int colour) {
  const Pen pen = PenOf(colour);
  if (!Finite({x, y, radius})) return;
  const bool filled = fill_style_ == FillStyle::Solid;
  const CircleShape c = FitCircle(x, y, radius, filled, Region());
  DrawRound(DrawnFigure::Kind::Circle, {c.kind, c.x, c.y, c.radius, c.radius, c.chord}, filled, pen);
}

void DrawingSurface::Ellipse(double x, double y, double rx, double ry, int colour) {
  if (rx == ry) return Circle(x, y, rx, colour);
  const Pen pen = PenOf(colour);
  if (!Finite({x, y, rx, ry})) return;
  const bool filled = fill_style_ == FillStyle::Solid;
  DrawRound(DrawnFigure::Kind::Ellipse, FitEllipse(x, y, rx, ry, filled, Region()), filled, pen);
}

void DrawingSurface::DrawRound(DrawnFigure::Kind kind, const EllipseShape& shape, bool filled, const Pen& pen) {
  DrawnFigure figure;
  switch (shape.kind) {
    case CircleShape::Kind::Hidden:
      return;
    case CircleShape::Kind::Chord:
      figure = Figure(DrawnFigure::Kind::Line, shape.chord.x1, shape.chord.y1, shape.chord.x2, shape.chord.y2);
      break;
    case CircleShape::Kind::Circle:
      figure = Figure(kind, shape.x, shape.y, 0, 0);
      figure.radius = shape.radius;
      if (kind == DrawnFigure::Kind::Ellipse) figure.radius_y = shape.radius_y;
      figure.fill = filled ? fill_colour_ : -1;
      break;
  }
  figure.colour = pen.colour, figure.pen_width = pen.width, figure.style = pen.style;
  Draw(figure, pen);
}

void DrawingSurface::Print(std::string_view text, bool line_end) {
  const double width = MeasureWidth(text, font_);
  const ClipRegion region = Region();
  const bool within = x_ <= region.right && x_ + width >= region.left && y_ <= region.bottom &&
                      y_ + MeasureHeight(font_) >= region.top;
  if (!text.empty() && Finite({x_, y_}) && within) {
    DrawnFigure figure = Figure(DrawnFigure::Kind::Text, x_, y_, x_ + width, y_ + MeasureHeight(font_));
    figure.text = text;
    figure.font = font_;
    figure.colour = fore_;
    Draw(figure, PenOf(fore_));
  }
  if (line_end) {
    x_ = 0;
    y_ += MeasureHeight(font_);
  } else {
    x_ += width;
  }
}

void DrawingSurface::Redraw(std::span<const DrawnFigure> figures) {
  for (const DrawnFigure& figure : figures) {
    if (figure.kind == DrawnFigure::Kind::Clear) continue;
    Pen pen;
    pen.colour = figure.colour;
    pen.rgb = ColourNumberRgb(figure.colour);
    pen.width = figure.pen_width;
    pen.style = figure.style;
    Draw(figure, pen);
  }
}

void DrawingSurface::Clear() {
  Erase();
  drawing_.clear();
  x_ = 0;
  y_ = 0;
}

}  // namespace pave
