#include "platform/gui/qt_drawing_surface.h"

#include <QFontMetricsF>

#include <cmath>

#include "platform/symbol_font.h"
#include "platform/twips.h"

namespace pave {

namespace {
constexpr int kDotsPerMetre = 3780;        // 96 dots per inch: 1440 twips an inch, 15 a pixel
constexpr double kTwipsPerInch = 1440.0;

QColor Colour(std::uint32_t rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); }

QString TextIn(std::string_view text, const SurfaceFont& font) {
  if (font.name == kSymbolFontName) return QString::fromStdString(SymbolFontText(text));
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

QtPainterSurface::QtPainterSurface(int width_twips, int height_twips, double twips_per_dot)
    : DrawingSurface(width_twips, height_twips), twips_per_dot_(twips_per_dot) {}

void QtPainterSurface::SetPen(const Pen& pen) {
  QPen qpen(Colour(pen.rgb));
  // A pen's width is counted in screen pixels of 15 twips.
  qpen.setWidthF(pen.width * kTwipsPerPixel / twips_per_dot_);
  qpen.setStyle(pen.style == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
  qpen.setCapStyle(Qt::RoundCap);   // a short thick line shows as a dot
  Painter().setPen(qpen);
}

void QtPainterSurface::DrawLine(double x1, double y1, double x2, double y2, const Pen& pen) {
  SetPen(pen);
  Painter().drawLine(QPointF(Dots(x1), Dots(y1)), QPointF(Dots(x2), Dots(y2)));
}

void QtPainterSurface::DrawBox(double x1, double y1, double x2, double y2, const Pen& pen) {
  SetPen(pen);
  Painter().setBrush(Qt::NoBrush);
  Painter().drawRect(QRectF(QPointF(Dots(x1), Dots(y1)), QPointF(Dots(x2), Dots(y2))).normalized());
}

void QtPainterSurface::DrawCircle(double x, double y, double radius, const Pen& pen, int fill_colour) {
  DrawEllipse(x, y, radius, radius, pen, fill_colour);
}

void QtPainterSurface::DrawEllipse(double x, double y, double rx, double ry, const Pen& pen, int fill_colour) {
  SetPen(pen);
  if (fill_colour >= 0) {
    Painter().setBrush(Colour(ColourNumberRgb(fill_colour)));
  } else {
    Painter().setBrush(Qt::NoBrush);
  }
  Painter().drawEllipse(QPointF(Dots(x), Dots(y)), Dots(rx), Dots(ry));
}

QFont QtPainterSurface::FontOf(const SurfaceFont& font) const {
  // A point is 20 twips of the picture, whatever the device's own dots per inch: on the screen's
  // 96 dots per inch at 15 twips a dot the size stays as given.
  const double scale = kTwipsPerInch / (twips_per_dot_ * Device().logicalDpiY());
  QFont qfont(QString::fromStdString(font.name));
  qfont.setPointSizeF(font.size * scale);
  qfont.setBold(font.bold);
  return qfont;
}

void QtPainterSurface::DrawText(double x, double y, double width, std::string_view text, const SurfaceFont& font,
                                int colour) {
  QPainter& p = Painter();
  const QFont qfont = FontOf(font);
  const QString shown = TextIn(text, font);
  const QFontMetricsF metrics(qfont, &Device());
  p.setFont(qfont);
  p.setPen(Colour(ColourNumberRgb(colour)));
  const QPointF at(Dots(x), Dots(y) + metrics.ascent());
  // Texts set one behind the other were placed by the widths they had where they were first drawn;
  // at another resolution the font's own widths differ a little, so the text is fitted to its width.
  const double natural = metrics.horizontalAdvance(shown);
  const double fit = natural > 0 && width > 0 ? Dots(width) / natural : 1;
  if (std::abs(fit - 1) < 1e-6) {
    p.drawText(at, shown);
    return;
  }
  p.save();
  p.translate(at);
  p.scale(fit, 1);
  p.drawText(QPointF(0, 0), shown);
  p.restore();
}

double QtPainterSurface::MeasureWidth(std::string_view text, const SurfaceFont& font) const {
  QFontMetricsF metrics(FontOf(font), &Device());
  return metrics.horizontalAdvance(TextIn(text, font)) * twips_per_dot_;
}

double QtPainterSurface::MeasureHeight(const SurfaceFont& font) const {
  QFontMetricsF metrics(FontOf(font), &Device());
  return metrics.height() * twips_per_dot_;
}

QtDrawingSurface::QtDrawingSurface(int width_twips, int height_twips)
    : QtPainterSurface(width_twips, height_twips, kTwipsPerPixel),
      image_(std::max(1, TwipsToPixels(width_twips)), std::max(1, TwipsToPixels(height_twips)),
             QImage::Format_ARGB32_Premultiplied) {
  image_.setDotsPerMeterX(kDotsPerMetre);
  image_.setDotsPerMeterY(kDotsPerMetre);
  image_.fill(Qt::white);
}

QtDrawingSurface::~QtDrawingSurface() {
  if (painter_) painter_->end();
}

QPainter& QtDrawingSurface::Painter() {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, true);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
  }
  return *painter_;
}

const QImage& QtDrawingSurface::Image() const {
  if (painter_) {
    painter_->end();
    painter_.reset();
  }
  return image_;
}

void QtDrawingSurface::Erase() {
  Image();
  image_.fill(Qt::white);
}

}  // namespace pave
