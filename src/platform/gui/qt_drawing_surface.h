// The drawing surface over QPainter. QtPainterSurface draws the figures on any paint device at a
// given number of twips per device dot, fonts sized to match: a text takes the same share of the
// picture at any resolution. Fonts are taken by the names the windows use (mapped to the installed
// faces by InstallFontSubstitutes); text in the "Symbol" font shows its letters as the Greek letters
// that font has in their places.
//
// QtDrawingSurface is the graph windows' picture: an image of 96 dots per inch, so that 15 twips
// make one pixel and font sizes in points come out as on the screen. QtPageSurface draws with a
// painter that is already drawing (the printer's), its origin at the page's top left.
#pragma once

#include <QImage>
#include <QPainter>

#include <memory>

#include "platform/drawing_surface.h"

namespace pave {

class QtPainterSurface : public DrawingSurface {
 public:
  QtPainterSurface(int width_twips, int height_twips, double twips_per_dot);

  double TwipsPerDot() const { return twips_per_dot_; }

 protected:
  virtual QPainter& Painter() = 0;
  // The device drawn on, for measuring fonts.
  virtual const QPaintDevice& Device() const = 0;

  void DrawLine(double x1, double y1, double x2, double y2, const Pen& pen) override;
  void DrawBox(double x1, double y1, double x2, double y2, const Pen& pen) override;
  void DrawCircle(double x, double y, double radius, const Pen& pen, int fill_colour) override;
  void DrawEllipse(double x, double y, double rx, double ry, const Pen& pen, int fill_colour) override;
  void DrawText(double x, double y, double width, std::string_view text, const SurfaceFont& font,
                int colour) override;
  double MeasureWidth(std::string_view text, const SurfaceFont& font) const override;
  double MeasureHeight(const SurfaceFont& font) const override;

 private:
  double Dots(double twips) const { return twips / twips_per_dot_; }
  void SetPen(const Pen& pen);
  QFont FontOf(const SurfaceFont& font) const;

  double twips_per_dot_;
};

class QtDrawingSurface : public QtPainterSurface {
 public:
  QtDrawingSurface(int width_twips, int height_twips);
  ~QtDrawingSurface() override;

  // The picture as drawn so far (ends the painting in progress; the next drawing resumes it).
  const QImage& Image() const;

 protected:
  QPainter& Painter() override;
  const QPaintDevice& Device() const override { return image_; }
  void Erase() override;

 private:
  QImage image_;
  mutable std::unique_ptr<QPainter> painter_;
};

class QtPageSurface : public QtPainterSurface {
 public:
  // `painter` is active; one twip of the page is 1 / twips_per_dot of its dots.
  QtPageSurface(int width_twips, int height_twips, QPainter& painter, double twips_per_dot)
      : QtPainterSurface(width_twips, height_twips, twips_per_dot), painter_(painter) {}

  // The painter, for what is drawn on the page other than figures (a window's controls).
  QPainter& PagePainter() { return painter_; }

 protected:
  QPainter& Painter() override { return painter_; }
  const QPaintDevice& Device() const override { return *painter_.device(); }
  void Erase() override {}

 private:
  QPainter& painter_;
};

}  // namespace pave
