#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

#include "platform/gui/qt_services.h"
#include "platform/gui/widget_image.h"

namespace pave {
namespace {

// Screen pixels per inch of a window's image: 15 twips a pixel, 1440 twips an inch.
constexpr double kScreenDotsPerInch = 1440.0 / 15.0;

QString ProgramName() {
  QString name = QCoreApplication::applicationName();
  return name.isEmpty() ? QString("print") : name;
}

}  // namespace

QtPrinter::QtPrinter(bool force_pdf)
    : pdf_(force_pdf || QPrinterInfo::availablePrinterNames().isEmpty()) {}

QtPrinter::~QtPrinter() { CloseDocument(); }

bool QtPrinter::SetFontName(const std::string& name) {
  if (name.empty()) return false;
  family_ = name;
  return true;
}

bool QtPrinter::SetFontSize(double points) {
  if (!(points > 0 && points < 1000)) return false;
  points_ = points;
  return true;
}

bool QtPrinter::SetFontBold(bool bold) {
  bold_ = bold;
  return true;
}

std::unique_ptr<QPrinter> QtPrinter::NewPrinter() {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (!pdf_) return printer;
  QDir dir(data_directory_.empty() ? QDir::currentPath() : QString::fromStdString(data_directory_));
  QString stem = ProgramName() + "-print-" +
                 QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss");
  QString path = dir.filePath(stem + ".pdf");
  for (int n = 2; QFileInfo::exists(path); ++n) {
    path = dir.filePath(stem + "-" + QString::number(n) + ".pdf");
  }
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(path);
  last_pdf_ = path.toStdString();
  return printer;
}

bool QtPrinter::BeginDocument() {
  if (painter_) return true;
  printer_ = NewPrinter();
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(printer_.get())) {
    painter_.reset();
    printer_.reset();
    return false;
  }
  y_ = 0;
  page_used_ = false;
  document_ended_ = false;
  return true;
}

bool QtPrinter::NextPage() {
  if (!document_ended_) return true;
  document_ended_ = false;
  if (!page_used_) return true;
  if (!printer_->newPage()) return false;
  y_ = 0;
  page_used_ = false;
  return true;
}

void QtPrinter::BeginCommand() { ++command_depth_; }

void QtPrinter::EndCommand() {
  if (command_depth_ > 0 && --command_depth_ == 0) CloseDocument();
}

bool QtPrinter::CloseDocument() {
  if (!painter_) return true;
  bool ended = painter_->end();
  painter_.reset();
  printer_.reset();
  return ended;
}

bool QtPrinter::PrintLine(const std::string& text, int column) {
  if (!BeginDocument() || !NextPage()) return false;
  QFont font(QString::fromStdString(family_));
  font.setPointSizeF(points_);
  font.setBold(bold_);
  QFontMetricsF metrics(font, printer_.get());
  double page_height = printer_->pageRect(QPrinter::DevicePixel).height();
  if (y_ > 0 && y_ + metrics.height() > page_height) {
    if (!printer_->newPage()) return false;
    y_ = 0;
  }
  painter_->setFont(font);
  double x = (column > 1 ? column - 1 : 0) * metrics.averageCharWidth();
  if (!text.empty()) painter_->drawText(QPointF(x, y_ + metrics.ascent()), QString::fromStdString(text));
  y_ += metrics.lineSpacing();
  page_used_ = true;
  return true;
}

bool QtPrinter::EndDocument() {
  if (!painter_) return true;
  if (InPdfCommand()) {
    // The command's file stays open; the next document begins on a new page.
    document_ended_ = true;
    return true;
  }
  return CloseDocument();
}

bool QtPrinter::PrintImage(const Image& image) {
  if (image.width <= 0 || image.height <= 0) return false;
  // Outside a command's PDF the image is a document of its own.
  if (!InPdfCommand() && !CloseDocument()) return false;
  if (!BeginDocument()) return false;
  document_ended_ = true;
  if (!NextPage()) return false;
  QRectF page = printer_->pageRect(QPrinter::DevicePixel);
  double scale = printer_->resolution() / kScreenDotsPerInch;
  double width = image.width * scale, height = image.height * scale;
  double fit = std::min({1.0, page.width() / width, page.height() / height});
  painter_->drawImage(QRectF(0, 0, width * fit, height * fit), ToQImage(image));
  page_used_ = true;
  document_ended_ = true;
  return InPdfCommand() ? true : CloseDocument();
}

}  // namespace pave
