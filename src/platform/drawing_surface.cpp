#include "platform/drawing_surface.h"

#include <array>
#include <cmath>
#include <initializer_list>
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

void DrawingSurface::Line(double x1, double y1, double x2, double y2, int colour) {
  const Pen pen = PenOf(colour);
  if (Finite({x1, y1, x2, y2})) DrawLine(x1, y1, x2, y2, pen);
}

void DrawingSurface::Box(double x1, double y1, double x2, double y2, int colour) {
  const Pen pen = PenOf(colour);
  if (Finite({x1, y1, x2, y2})) DrawBox(x1, y1, x2, y2, pen);
}

void DrawingSurface::Circle(double x, double y, double radius, int colour) {
  const Pen pen = PenOf(colour);
  if (Finite({x, y, radius})) DrawCircle(x, y, radius, pen, fill_style_ == FillStyle::Solid ? fill_colour_ : -1);
}

void DrawingSurface::Print(std::string_view text, bool line_end) {
  if (!text.empty() && Finite({x_, y_})) DrawText(x_, y_, text, font_, fore_);
  if (line_end) {
    x_ = 0;
    y_ += MeasureHeight(font_);
  } else {
    x_ += MeasureWidth(text, font_);
  }
}

void DrawingSurface::Clear() {
  Erase();
  x_ = 0;
  y_ = 0;
}

}  // namespace pave
