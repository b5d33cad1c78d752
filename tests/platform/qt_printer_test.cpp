// The Qt printer where no printer is installed: each document becomes a PDF in the data directory.
#include <gtest/gtest.h>

#include <QPrinterInfo>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/drawing_surface.h"
#include "platform/gui/qt_services.h"
#include "platform/print_file_name.h"
#include "qt_app.h"
#include "support/file_text.h"
#include "support/pdf_facts.h"

namespace pave {
namespace {

namespace fs = std::filesystem;

std::string Head(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string head(5, '\0');
  in.read(head.data(), 5);
  return head;
}

// The page count of a PDF written by Qt (its page tree's /Count).
int Sheets(const std::string& path) {
  const std::string text = pave::testing::FileText(path);
  auto at = text.find("/Type /Pages");
  if (at == std::string::npos) return -1;
  at = text.find("/Count ", at);
  return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + 7);
}

fs::path FreshDir(const std::string& name) { return testing::FreshDirectory(fs::path(PAVE_OUTPUT_DIR) / name); }

// A page of 6000 x 3000 twips: a frame round its edge, a cross, a circle and a text.
class SketchPage : public PrintablePage {
 public:
  explicit SketchPage(PageOrientation orientation) : orientation_(orientation) {}
  int WidthTwips() const override { return 6000; }
  int HeightTwips() const override { return 3000; }
  PageOrientation Orientation() const override { return orientation_; }
  void Draw(DrawingSurface& surface) const override {
    surface.Box(0, 0, 6000, 3000);
    surface.Line(0, 0, 6000, 3000, 4);
    surface.Line(0, 3000, 6000, 0, 1);
    surface.Circle(3000, 1500, 600);
    surface.SetFontName("Arial");
    surface.SetFontSize(24);
    surface.SetPosition(300, 300);
    surface.Print("Sketch of a page");
  }

 private:
  PageOrientation orientation_;
};

class EmptyPage : public PrintablePage {
 public:
  int WidthTwips() const override { return 0; }
  int HeightTwips() const override { return 100; }
  PageOrientation Orientation() const override { return PageOrientation::Portrait; }
  void Draw(DrawingSurface&) const override {}
};

TEST(QtPrinterTest, WithoutPrinterEachDocumentIsAPdf) {
  testing::TestApp();
  QtPrinter system_printer;
  EXPECT_EQ(system_printer.writes_pdf(), QPrinterInfo::availablePrinterNames().isEmpty());

  fs::path dir = FreshDir("pdf text");
  QtPrinter printer(/*force_pdf=*/true);
  printer.SetDataDirectory(dir.string() + "/");
  EXPECT_TRUE(printer.EndDocument());   // nothing printed: no file
  EXPECT_TRUE(printer.last_pdf().empty());

  // A long document runs on over a second sheet; a short one is a job of its own.
  for (int lines : {150, 3}) {
    EXPECT_TRUE(printer.SetFontName("Courier New"));
    EXPECT_TRUE(printer.SetFontBold(true));
    EXPECT_TRUE(printer.SetFontSize(10));
    for (int i = 0; i < lines; ++i) EXPECT_TRUE(printer.PrintLine("line " + std::to_string(i), 12));
    EXPECT_TRUE(printer.EndDocument());
    EXPECT_EQ(Sheets(printer.last_pdf()), lines == 150 ? 3 : 1);
  }
  EXPECT_FALSE(printer.SetFontSize(0));

  std::vector<fs::path> pdfs;
  for (const auto& entry : fs::directory_iterator(dir)) pdfs.push_back(entry.path());
  ASSERT_EQ(pdfs.size(), 2u);   // two documents, two distinct files
  for (const fs::path& pdf : pdfs) {
    EXPECT_EQ(pdf.extension(), ".pdf");
    EXPECT_EQ(Head(pdf.string()), "%PDF-");
    EXPECT_GT(fs::file_size(pdf), 500u);
  }
  EXPECT_EQ(fs::path(printer.last_pdf()).parent_path(), dir);
}

TEST(QtPrinterTest, WithoutPrinterOnePrintCommandIsOnePdf) {
  testing::TestApp();
  fs::path dir = FreshDir("pdf command");
  QtPrinter printer(/*force_pdf=*/true);
  printer.SetDataDirectory(dir.string() + "/");
  {
    const PrintCommand outer(printer);
    const PrintCommand inner(printer);   // nested commands make one
    for (int lines : {150, 3}) {
      for (int i = 0; i < lines; ++i) EXPECT_TRUE(printer.PrintLine("line " + std::to_string(i), 12));
      EXPECT_TRUE(printer.EndDocument());
    }
    EXPECT_TRUE(printer.EndDocument());   // an empty document adds no page
    EXPECT_TRUE(printer.PrintPage(SketchPage(PageOrientation::Landscape)));
    EXPECT_TRUE(printer.PrintLine("after the page"));
    EXPECT_TRUE(printer.EndDocument());
  }
  std::vector<fs::path> pdfs;
  for (const auto& entry : fs::directory_iterator(dir)) pdfs.push_back(entry.path());
  ASSERT_EQ(pdfs.size(), 1u);
  EXPECT_EQ(Sheets(pdfs.front().string()), 3 + 1 + 1 + 1);
  // The drawn page alone is turned; the text after it is upright again.
  const testing::PdfFacts facts = testing::ReadPdf(pdfs.front().string());
  ASSERT_TRUE(facts.read);
  ASSERT_EQ(facts.pages.size(), 6u);
  for (std::size_t i = 0; i < facts.pages.size(); ++i) {
    const QSizeF page = facts.pages[i];
    EXPECT_EQ(page.width() > page.height(), i == 4) << "sheet " << i + 1;
  }

  // After the command each document is a file of its own again.
  EXPECT_TRUE(printer.PrintLine("alone"));
  EXPECT_TRUE(printer.EndDocument());
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

// A drawn page is drawn anew on the sheet: lines and text, no picture, filling the printable
// area as far as the page's proportions allow.
TEST(QtPrinterTest, DrawnPageFillsTheTurnedSheetWithLinesAndText) {
  testing::TestApp();
  fs::path dir = FreshDir("pdf page");
  QtPrinter printer(/*force_pdf=*/true);
  printer.SetDataDirectory(dir.string());
  for (PageOrientation orientation : {PageOrientation::Landscape, PageOrientation::Portrait}) {
    const bool landscape = orientation == PageOrientation::Landscape;
    SCOPED_TRACE(landscape ? "landscape" : "portrait");
    ASSERT_TRUE(printer.PrintPage(SketchPage(orientation)));
    const testing::PdfFacts facts = testing::ReadPdf(printer.last_pdf());
    ASSERT_TRUE(facts.read);
    ASSERT_EQ(facts.pages.size(), 1u);
    EXPECT_EQ(facts.pages[0].width() > facts.pages[0].height(), landscape);
    EXPECT_EQ(facts.pictures, 0);
    EXPECT_NE(facts.text.find("Sketch of a page"), std::string::npos);
    // The frame spans the sheet's width less its margins (about 5% a side), twice as wide as high.
    const QRect ink = facts.first_page_ink;
    EXPECT_GT(ink.width(), facts.first_page.width() * 0.85);
    EXPECT_NEAR(ink.width(), 2.0 * ink.height(), 3);
    EXPECT_LT(ink.top(), facts.first_page.height() * 0.1);
  }
  EXPECT_FALSE(printer.PrintPage(EmptyPage()));
}

// Where no printer is installed, the PDFs of print commands made one after the other sort by name
// in the order they were printed, also within one second, and each name says what was printed.
TEST(QtPrinterTest, PdfNamesSortInTheOrderPrintedAndSayWhat) {
  testing::TestApp();
  fs::path dir = FreshDir("pdf names");
  QtPrinter printer(/*force_pdf=*/true);
  printer.SetDataDirectory(dir.string() + "/");
  const std::vector<std::string> printed = {"LAY5 TOLMER page 1", "LAY5 TOLMER page 2", "LAY5 TOLMER page 3",
                                            "SLA4.TXT", "Use of Main Screen"};
  for (const std::string& what : printed) {
    const PrintCommand command(printer, what);
    ASSERT_TRUE(printer.PrintPage(SketchPage(PageOrientation::Landscape)));
  }
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  ASSERT_EQ(names.size(), printed.size());
  const std::vector<std::string> labels = {"-LAY5-TOLMER-page-1.pdf", "-LAY5-TOLMER-page-2.pdf",
                                           "-LAY5-TOLMER-page-3.pdf", "-SLA4.TXT.pdf", "-Use-of-Main-Screen.pdf"};
  for (std::size_t i = 0; i < names.size(); ++i) {
    EXPECT_TRUE(names[i].ends_with(labels[i])) << names[i];
    EXPECT_EQ(names[i].rfind("pave_tests-print-", 0), 0u) << names[i];
  }
}

// The number after the time counts the files of that second; what was printed is told in the
// characters a file name keeps.
TEST(PrintFileNameTest, NumberedWithinTheSecondAndNamedAfterWhatWasPrinted) {
  struct Case {
    const char* name;
    std::vector<std::string> existing;
    const char* what;
    const char* expected;
  } cases[] = {
      {"first of its second", {"other.pdf", "rovante-print-20240101-120000-004.pdf"}, "SLA4.TXT",
       "rovante-print-20240101-120001-001-SLA4.TXT.pdf"},
      {"after the highest of its second",
       {"rovante-print-20240101-120001-001-a.pdf", "rovante-print-20240101-120001-009-b.pdf",
        "rovante-print-20240101-120001-002-c.pdf", "morvelin-print-20240101-120001-020.pdf"},
       "LAY5 TOLMER page 2", "rovante-print-20240101-120001-010-LAY5-TOLMER-page-2.pdf"},
      {"nothing named", {}, "", "rovante-print-20240101-120001-001.pdf"},
      {"blanks, slashes and dots at the ends", {}, " ../Use of  Main/Screen. ",
       "rovante-print-20240101-120001-001-Use-of-Main-Screen.pdf"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NextPrintFileName("rovante", "20240101-120001", c.existing, c.what), c.expected) << c.name;
  }
  EXPECT_EQ(PrintLabel(std::string(200, 'x')).size(), 80u);
}

}  // namespace
}  // namespace pave
