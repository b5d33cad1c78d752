#include "platform/gui/widget_image.h"

#include <QPixmap>
#include <QWidget>

#include "platform/gui/qt_drawing_surface.h"
#include "platform/platform.h"
#include "platform/twips.h"

namespace pave {

namespace {

// A part of a widget as a printed page, in twips of its pixels.
class WidgetPage : public PrintablePage {
 public:
  WidgetPage(QWidget& widget, const QRect& area) : widget_(widget), area_(area) {}
  int WidthTwips() const override { return PixelsToTwips(area_.width()); }
  int HeightTwips() const override { return PixelsToTwips(area_.height()); }
  PageOrientation Orientation() const override { return PageOrientation::Portrait; }
  // The widget paints itself on a painter's page; a surface without a painter gets nothing.
  void Draw(DrawingSurface& surface) const override {
    auto* page = dynamic_cast<QtPageSurface*>(&surface);
    if (!page) return;
    QPainter& painter = page->PagePainter();
    painter.save();
    const double dots_per_pixel = kTwipsPerPixel / page->TwipsPerDot();
    painter.scale(dots_per_pixel, dots_per_pixel);
    widget_.render(&painter, QPoint(0, 0), QRegion(area_));
    painter.restore();
  }

 private:
  QWidget& widget_;
  QRect area_;
};

}  // namespace

bool PrintWidget(QWidget& widget, const QRect& area) {
  const QRect inside = area.intersected(widget.rect());
  if (inside.isEmpty()) return false;
  return platform().printer().PrintPage(WidgetPage(widget, inside));
}

bool SaveWidgetPng(QWidget& widget, const QString& path) {
  return widget.grab().toImage().save(path, "PNG");
}

}  // namespace pave
