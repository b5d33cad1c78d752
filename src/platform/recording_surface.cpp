#include "platform/recording_surface.h"

namespace pave {

namespace {
RecordingSurface::Op PenOp(RecordingSurface::Kind kind, int colour, int width, LineStyle style) {
  RecordingSurface::Op op;
  op.kind = kind;
  op.colour = colour;
  op.pen_width = width;
  op.style = style;
  return op;
}

std::size_t Characters(std::string_view text) {
  std::size_t n = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;   // UTF-8 continuation bytes not counted
  return n;
}
}  // namespace

std::vector<std::string> RecordingSurface::Texts() const {
  std::vector<std::string> out;
  for (const Op& op : ops) {
    if (op.kind == Kind::Clear) out.clear();
    if (op.kind == Kind::Text) out.push_back(op.text);
  }
  return out;
}

std::vector<RecordingSurface::Op> RecordingSurface::Since(Kind kind) const {
  std::vector<Op> out;
  for (const Op& op : ops) {
    if (op.kind == Kind::Clear) out.clear();
    if (op.kind == kind) out.push_back(op);
  }
  return out;
}

void RecordingSurface::DrawLine(double x1, double y1, double x2, double y2, const Pen& pen) {
  Op op = PenOp(Kind::Line, pen.colour, pen.width, pen.style);
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
  ops.push_back(op);
}

void RecordingSurface::DrawBox(double x1, double y1, double x2, double y2, const Pen& pen) {
  Op op = PenOp(Kind::Box, pen.colour, pen.width, pen.style);
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
  ops.push_back(op);
}

void RecordingSurface::DrawCircle(double x, double y, double radius, const Pen& pen, int fill_colour) {
  Op op = PenOp(Kind::Circle, pen.colour, pen.width, pen.style);
  op.x1 = x, op.y1 = y, op.radius = radius, op.fill = fill_colour;
  ops.push_back(op);
}

void RecordingSurface::DrawEllipse(double x, double y, double rx, double ry, const Pen& pen, int fill_colour) {
  Op op = PenOp(Kind::Ellipse, pen.colour, pen.width, pen.style);
  op.x1 = x, op.y1 = y, op.radius = rx, op.radius_y = ry, op.fill = fill_colour;
  ops.push_back(op);
}

void RecordingSurface::DrawText(double x, double y, double, std::string_view text, const SurfaceFont& font,
                                int colour) {
  Op op;
  op.kind = Kind::Text;
  op.x1 = x, op.y1 = y;
  op.colour = colour;
  op.text = text;
  op.font = font;
  ops.push_back(op);
}

double RecordingSurface::MeasureWidth(std::string_view text, const SurfaceFont& font) const {
  return static_cast<double>(Characters(text)) * font.size * 12.0;   // 0.6 em, 20 twips a point
}

double RecordingSurface::MeasureHeight(const SurfaceFont& font) const { return font.size * 23.0; }

void RecordingSurface::Erase() {
  Op op;
  op.kind = Kind::Clear;
  ops.push_back(op);
}

}  // namespace pave
