#include "platform/gui/widget_image.h"

#include <QPixmap>
#include <QWidget>

#include <cstring>

#include "platform/platform.h"

namespace pave {

QImage ToQImage(const Image& image) {
  QImage result(image.width, image.height, QImage::Format_ARGB32);
  for (int y = 0; y < image.height; ++y) {
    std::memcpy(result.scanLine(y), image.pixels.data() + static_cast<std::size_t>(y) * image.width,
                static_cast<std::size_t>(image.width) * sizeof(std::uint32_t));
  }
  return result;
}

Image FromQImage(const QImage& source) {
  QImage image = source.convertToFormat(QImage::Format_ARGB32);
  Image result;
  result.width = image.width();
  result.height = image.height();
  result.pixels.resize(static_cast<std::size_t>(result.width) * result.height);
  for (int y = 0; y < result.height; ++y) {
    std::memcpy(result.pixels.data() + static_cast<std::size_t>(y) * result.width, image.constScanLine(y),
                static_cast<std::size_t>(result.width) * sizeof(std::uint32_t));
  }
  return result;
}

Image ImageOfWidget(QWidget& widget) { return FromQImage(widget.grab().toImage()); }

bool PrintWidget(QWidget& widget) { return platform().printer().PrintImage(ImageOfWidget(widget)); }

bool SaveWidgetPng(QWidget& widget, const QString& path) {
  return widget.grab().toImage().save(path, "PNG");
}

}  // namespace pave
