// The drawing surface of the graph windows over QPainter on an image of 96 dots per inch, so that
// 15 twips make one pixel and font sizes in points come out as on the screen. Fonts are taken by
// the names the windows use (mapped to the installed faces by InstallFontSubstitutes); text in the
// "Symbol" font shows its letters as the Greek letters that font has in their places.
#pragma once

#include <QImage>
#include <QPainter>

#include <memory>

#include "platform/drawing_surface.h"

namespace pave {

class QtDrawingSurface : public DrawingSurface {
 public:
  QtDrawingSurface(int width_twips, int height_twips);
  ~QtDrawingSurface() override;

  // The picture as drawn so far (ends the painting in progress; the next drawing resumes it).
  const QImage& Image() const;
  pave::Image Picture() const override;

 protected:
  void DrawLine(double x1, double y1, double x2, double y2, const Pen& pen) override;
  void DrawBox(double x1, double y1, double x2, double y2, const Pen& pen) override;
  void DrawCircle(double x, double y, double radius, const Pen& pen, int fill_colour) override;
  void DrawText(double x, double y, std::string_view text, const SurfaceFont& font, int colour) override;
  double MeasureWidth(std::string_view text, const SurfaceFont& font) const override;
  double MeasureHeight(const SurfaceFont& font) const override;
  void Erase() override;

 private:
  QPainter& Painter();
  void SetPen(const Pen& pen);
  QFont FontOf(const SurfaceFont& font) const;

  QImage image_;
  mutable std::unique_ptr<QPainter> painter_;
};

}  // namespace pave
