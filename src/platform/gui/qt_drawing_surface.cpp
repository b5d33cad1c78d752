#include "platform/gui/qt_drawing_surface.h"

#include <QFontMetricsF>

#include "platform/gui/widget_image.h"
#include "platform/symbol_font.h"
#include "platform/twips.h"

namespace pave {

namespace {
constexpr int kDotsPerMetre = 3780;   // 96 dots per inch: 1440 twips an inch, 15 a pixel

double Px(double twips) { return twips / kTwipsPerPixel; }
QColor Colour(std::uint32_t rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); }
}  // namespace

QtDrawingSurface::QtDrawingSurface(int width_twips, int height_twips)
    : DrawingSurface(width_twips, height_twips),
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

pave::Image QtDrawingSurface::Picture() const { return FromQImage(Image()); }

void QtDrawingSurface::SetPen(const Pen& pen) {
  QPen qpen(Colour(pen.rgb));
  qpen.setWidthF(pen.width);
  qpen.setStyle(pen.style == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
  qpen.setCapStyle(Qt::RoundCap);   // a short thick line shows as a dot
  Painter().setPen(qpen);
}

void QtDrawingSurface::DrawLine(double x1, double y1, double x2, double y2, const Pen& pen) {
  SetPen(pen);
  Painter().drawLine(QPointF(Px(x1), Px(y1)), QPointF(Px(x2), Px(y2)));
}

void QtDrawingSurface::DrawBox(double x1, double y1, double x2, double y2, const Pen& pen) {
  SetPen(pen);
  Painter().setBrush(Qt::NoBrush);
  Painter().drawRect(QRectF(QPointF(Px(x1), Px(y1)), QPointF(Px(x2), Px(y2))).normalized());
}

void QtDrawingSurface::DrawCircle(double x, double y, double radius, const Pen& pen, int fill_colour) {
  SetPen(pen);
  if (fill_colour >= 0) {
    Painter().setBrush(Colour(ColourNumberRgb(fill_colour)));
  } else {
    Painter().setBrush(Qt::NoBrush);
  }
  Painter().drawEllipse(QPointF(Px(x), Px(y)), Px(radius), Px(radius));
}

QFont QtDrawingSurface::FontOf(const SurfaceFont& font) const {
  QFont qfont(QString::fromStdString(font.name));
  qfont.setPointSizeF(font.size);
  qfont.setBold(font.bold);
  return qfont;
}

namespace {
QString TextIn(std::string_view text, const SurfaceFont& font) {
  if (font.name == kSymbolFontName) return QString::fromStdString(SymbolFontText(text));
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

void QtDrawingSurface::DrawText(double x, double y, std::string_view text, const SurfaceFont& font,
                                int colour) {
  QPainter& p = Painter();
  QFont qfont = FontOf(font);
  p.setFont(qfont);
  p.setPen(Colour(ColourNumberRgb(colour)));
  QFontMetricsF metrics(qfont, &image_);
  p.drawText(QPointF(Px(x), Px(y) + metrics.ascent()), TextIn(text, font));
}

double QtDrawingSurface::MeasureWidth(std::string_view text, const SurfaceFont& font) const {
  QFontMetricsF metrics(FontOf(font), &image_);
  return metrics.horizontalAdvance(TextIn(text, font)) * kTwipsPerPixel;
}

double QtDrawingSurface::MeasureHeight(const SurfaceFont& font) const {
  QFontMetricsF metrics(FontOf(font), &image_);
  return metrics.height() * kTwipsPerPixel;
}

void QtDrawingSurface::Erase() {
  Image();
  image_.fill(Qt::white);
}

}  // namespace pave
