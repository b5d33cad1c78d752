// What a printed PDF holds, as the poppler tools tell it: each page's size, the pictures embedded
// in it, its text, and where its first page is inked once rendered. Tests of printing use it to tell
// a page drawn as lines and text from a picture pasted on a page, and to measure the margins of
// every printed page.
#pragma once

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pave::testing {

struct PdfFacts {
  bool read = false;              // the tools ran on the file
  std::vector<QSizeF> pages;      // sizes in points
  int pictures = 0;               // embedded images
  int least_ppi = 0;              // the lowest resolution of any of them, pixels an inch
  std::string text;               // the text of every page
  QSize first_page;               // first page rendered at 36 dots per inch, in dots
  QRect first_page_ink;           // the part of it that is not white
};

// A directory for a test's print files, emptied (made where missing).
inline std::filesystem::path FreshDirectory(const std::filesystem::path& dir) {
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

inline bool RunTool(const QString& tool, const QStringList& arguments, QString* out) {
  QProcess process;
  process.start(tool, arguments);
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return false;
  if (out) *out = QString::fromUtf8(process.readAllStandardOutput());
  return true;
}

// The part of a rendered page that is not white (an empty rectangle on a blank page).
inline QRect InkOf(const QImage& rendered) {
  const QImage page = rendered.convertToFormat(QImage::Format_RGB32);
  int left = page.width(), top = page.height(), right = -1, bottom = -1;
  for (int y = 0; y < page.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(page.constScanLine(y));
    for (int x = 0; x < page.width(); ++x) {
      if ((line[x] & 0xFFFFFF) == 0xFFFFFF) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  return right >= 0 ? QRect(QPoint(left, top), QPoint(right, bottom)) : QRect();
}

inline PdfFacts ReadPdf(const std::string& path) {
  PdfFacts facts;
  const QString file = QString::fromStdString(path);
  QString info, images, text;
  if (!RunTool("pdfinfo", {"-f", "1", "-l", "9999", file}, &info) ||
      !RunTool("pdfimages", {"-list", file}, &images) || !RunTool("pdftotext", {"-layout", file, "-"}, &text))
    return facts;
  const QRegularExpression size(R"(Page\s+\d+\s+size:\s+([\d.]+)\s+x\s+([\d.]+))");
  for (auto m = size.globalMatch(info); m.hasNext();) {
    const auto match = m.next();
    facts.pages.emplace_back(match.captured(1).toDouble(), match.captured(2).toDouble());
  }
  // The list has two heading lines, then one line an image; its 13th column is the resolution.
  const QStringList listed = images.split('\n', Qt::SkipEmptyParts);
  for (qsizetype i = 2; i < listed.size(); ++i) {
    const QStringList columns = listed[i].split(' ', Qt::SkipEmptyParts);
    const int ppi = columns.size() > 12 ? columns[12].toInt() : 0;
    facts.least_ppi = facts.pictures++ == 0 ? ppi : std::min(facts.least_ppi, ppi);
  }
  facts.text = text.toStdString();

  QTemporaryDir dir;
  const QString stem = dir.filePath("page");
  if (!RunTool("pdftoppm", {"-png", "-r", "36", "-f", "1", "-l", "1", "-singlefile", file, stem}, nullptr))
    return facts;
  const QImage page(stem + ".png");
  facts.first_page = page.size();
  facts.first_page_ink = InkOf(page);
  facts.read = true;
  return facts;
}

// A page of a PDF rendered at some resolution: its size and where it is inked, in dots.
struct PageInk {
  QSize page;
  QRect ink;
};

// Every page of a PDF rendered at `dpi` dots an inch; empty when the file could not be rendered.
inline std::vector<PageInk> PageInks(const std::string& path, int dpi) {
  std::vector<PageInk> pages;
  QTemporaryDir dir;
  const QString stem = dir.filePath("page");
  if (!RunTool("pdftoppm", {"-png", "-r", QString::number(dpi), QString::fromStdString(path), stem}, nullptr))
    return pages;
  QStringList files = QDir(dir.path()).entryList({"page*.png"}, QDir::Files, QDir::Name);
  // Numbered with as many digits as the last page needs: sorted by name they are in order.
  for (const QString& name : files) {
    const QImage page(dir.filePath(name));
    pages.push_back({page.size(), InkOf(page)});
  }
  return pages;
}

// A line as the PDF's text compares with it: without blanks, which the text tools space freely.
inline std::string WithoutBlanks(std::string_view line) {
  std::string out;
  for (char c : line) {
    if (c != ' ' && c != '\t' && c != '\r' && c != '\f') out += c;
  }
  return out;
}

// The lines of a printed text in a PDF's text: without blanks, each continuation
// line (one that begins with "+") joined to the line it continues.
inline std::vector<std::string> PrintedLines(const std::string& pdf_text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < pdf_text.size()) {
    std::size_t end = pdf_text.find('\n', start);
    if (end == std::string::npos) end = pdf_text.size();
    const std::string bare = WithoutBlanks(std::string_view(pdf_text).substr(start, end - start));
    if (bare.rfind('+', 0) == 0 && !lines.empty()) {
      lines.back() += bare.substr(1);
    } else {
      lines.push_back(bare);
    }
    start = end + 1;
  }
  return lines;
}

}  // namespace pave::testing
