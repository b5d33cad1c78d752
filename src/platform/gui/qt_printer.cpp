#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/gui/qt_services.h"
#include "platform/gui/qt_drawing_surface.h"
#include "platform/print_file_name.h"

namespace pave {
namespace {

QPageLayout::Orientation Turned(PageOrientation orientation) {
  return orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// A sheet turned as given, its margins at least kLeastPrintMarginMm on every side, or the wider
// margins the printer itself needs; a PDF sheet where asked.
std::unique_ptr<QPrinter> NewSheet(bool pdf, PageOrientation orientation) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (pdf) printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setPageOrientation(Turned(orientation));
  // In whole points, as a PDF sheet keeps them: the least margin rounded up.
  QPageLayout layout = printer->pageLayout();
  layout.setUnits(QPageLayout::Point);
  const double least_points = std::ceil(kLeastPrintMarginMm / 25.4 * 72);
  const QMarginsF device = layout.minimumMargins();
  layout.setMargins(QMarginsF(std::max(least_points, device.left()), std::max(least_points, device.top()),
                              std::max(least_points, device.right()), std::max(least_points, device.bottom())));
  printer->setPageLayout(layout);
  return printer;
}

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

std::unique_ptr<QPrinter> QtPrinter::NewPrinter(PageOrientation orientation) {
  auto printer = NewSheet(pdf_, orientation);
  if (!pdf_) return printer;
  QDir dir(data_directory_.empty() ? QDir::currentPath() : QString::fromStdString(data_directory_));
  const std::string program = ProgramName().toStdString();
  const std::string stamp = QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss").toStdString();
  std::vector<std::string> existing;
  for (const QString& name : dir.entryList({QString::fromStdString(program + "-print-" + stamp + "-*")}, QDir::Files))
    existing.push_back(name.toStdString());
  QString path = dir.filePath(QString::fromStdString(NextPrintFileName(program, stamp, existing, command_name_)));
  printer->setOutputFileName(path);
  last_pdf_ = path.toStdString();
  return printer;
}

bool QtPrinter::BeginDocument(PageOrientation orientation) {
  if (painter_) return true;
  printer_ = NewPrinter(orientation);
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

bool QtPrinter::NextPage(PageOrientation orientation) {
  if (!document_ended_) return true;
  document_ended_ = false;
  if (!page_used_) return true;
  printer_->setPageOrientation(Turned(orientation));
  if (!printer_->newPage()) return false;
  y_ = 0;
  page_used_ = false;
  return true;
}

void QtPrinter::BeginCommand(const std::string& what) {
  if (command_depth_++ == 0) command_name_ = what;
}

void QtPrinter::EndCommand() {
  if (command_depth_ > 0 && --command_depth_ == 0) {
    CloseDocument();
    command_name_.clear();
  }
}

bool QtPrinter::CloseDocument() {
  if (!painter_) return true;
  bool ended = painter_->end();
  painter_.reset();
  printer_.reset();
  return ended;
}

QFont QtPrinter::Font() const {
  QFont font(QString::fromStdString(family_));
  font.setPointSizeF(points_);
  font.setBold(bold_);
  return font;
}

int QtPrinter::LineColumns() {
  // The sheet of the document being printed, else the sheet a new document would get.
  std::unique_ptr<QPrinter> probe;
  QPrinter* sheet = printer_.get();
  if (!sheet) {
    probe = NewSheet(pdf_, PageOrientation::Portrait);
    sheet = probe.get();
  }
  const QFontMetricsF metrics(Font(), sheet);
  const double width = sheet->pageRect(QPrinter::DevicePixel).width();
  const double column = std::max(metrics.averageCharWidth(), metrics.horizontalAdvance(QChar('0')));
  if (!(column > 0) || !(width > 0)) return 0;
  return static_cast<int>(width / column);
}

bool QtPrinter::PrintLine(const std::string& text, int column) {
  if (!BeginDocument(PageOrientation::Portrait) || !NextPage(PageOrientation::Portrait)) return false;
  const QFont font = Font();
  QFontMetricsF metrics(font, printer_.get());
  double page_height = printer_->pageRect(QPrinter::DevicePixel).height();
  if (y_ > 0 && y_ + metrics.height() > page_height) {
    if (!printer_->newPage()) return false;
    y_ = 0;
  }
  // Nothing is inked beyond the printable area (the callers break long lines to fit it).
  painter_->setClipRect(QRectF(QPointF(0, 0), printer_->pageRect(QPrinter::DevicePixel).size()));
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

bool QtPrinter::PrintPage(const PrintablePage& page) {
  const int width = page.WidthTwips(), height = page.HeightTwips();
  if (width <= 0 || height <= 0) return false;
  // Outside a command's PDF the page is a document of its own.
  if (!InPdfCommand() && !CloseDocument()) return false;
  if (!BeginDocument(page.Orientation())) return false;
  document_ended_ = true;
  if (!NextPage(page.Orientation())) return false;
  // The page fills the printable area as far as its proportions allow, centred across, from the top.
  const QRectF area = printer_->pageRect(QPrinter::DevicePixel);
  const double dots_per_twip = std::min(area.width() / width, area.height() / height);
  painter_->save();
  painter_->translate((area.width() - width * dots_per_twip) / 2, 0);
  painter_->setClipRect(QRectF(0, 0, width * dots_per_twip, height * dots_per_twip));
  painter_->setRenderHint(QPainter::Antialiasing, true);
  QtPageSurface surface(width, height, *painter_, 1 / dots_per_twip);
  page.Draw(surface);
  painter_->restore();
  page_used_ = true;
  document_ended_ = true;
  return InPdfCommand() ? true : CloseDocument();
}

}  // namespace pave
