// A drawing surface for tests: every line, box, circle and text is recorded with the state it was
// drawn in. Texts are measured as a fixed-pitch font: each character 0.6 of the font size wide,
// a line 1.15 of it high.
#pragma once

#include <string>
#include <vector>

#include "platform/drawing_surface.h"

namespace pave {

class RecordingSurface : public DrawingSurface {
 public:
  enum class Kind { Line, Box, Circle, Text, Clear };
  struct Op {
    Kind kind = Kind::Line;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;   // line and box ends; circle centre and text corner in x1, y1
    double radius = 0;
    int colour = 0;                          // colour number of the line, outline or text
    int pen_width = 1;
    LineStyle style = LineStyle::Solid;
    int fill = -1;                           // fill colour number of a filled circle, else -1
    std::string text;
    SurfaceFont font;
  };

  RecordingSurface(int width_twips, int height_twips) : DrawingSurface(width_twips, height_twips) {}

  // A white picture of the surface's size in pixels (15 twips a pixel).
  Image Picture() const override;

  // Everything drawn since the start (clears included, as Kind::Clear).
  std::vector<Op> ops;
  // The texts printed since the last clear, in order.
  std::vector<std::string> Texts() const;
  // The ops of one kind since the last clear.
  std::vector<Op> Since(Kind kind) const;

 protected:
  void DrawLine(double x1, double y1, double x2, double y2, const Pen& pen) override;
  void DrawBox(double x1, double y1, double x2, double y2, const Pen& pen) override;
  void DrawCircle(double x, double y, double radius, const Pen& pen, int fill_colour) override;
  void DrawText(double x, double y, std::string_view text, const SurfaceFont& font, int colour) override;
  double MeasureWidth(std::string_view text, const SurfaceFont& font) const override;
  double MeasureHeight(const SurfaceFont& font) const override;
  void Erase() override;
};

}  // namespace pave
