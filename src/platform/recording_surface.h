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
  using Op = DrawnFigure;
  using Kind = DrawnFigure::Kind;

  RecordingSurface(int width_twips, int height_twips) : DrawingSurface(width_twips, height_twips) {}

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
  void DrawEllipse(double x, double y, double rx, double ry, const Pen& pen, int fill_colour) override;
  void DrawText(double x, double y, double width, std::string_view text, const SurfaceFont& font,
                int colour) override;
  double MeasureWidth(std::string_view text, const SurfaceFont& font) const override;
  double MeasureHeight(const SurfaceFont& font) const override;
  void Erase() override;
};

}  // namespace pave
