// The Qt printer where no printer is installed: each document becomes a PDF in the data directory.
#include <gtest/gtest.h>

#include <QPrinterInfo>
#include <QWidget>

#include <filesystem>
#include <cstdlib>
#include <fstream>

#include "platform/gui/qt_services.h"
#include "qt_app.h"
#include "support/file_text.h"

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

fs::path FreshDir(const std::string& name) {
  fs::path dir = fs::path(PAVE_OUTPUT_DIR) / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

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
  Image image{4, 3, std::vector<std::uint32_t>(12, 0xFF00FF00u)};
  {
    const PrintCommand outer(printer);
    const PrintCommand inner(printer);   // nested commands make one
    for (int lines : {150, 3}) {
      for (int i = 0; i < lines; ++i) EXPECT_TRUE(printer.PrintLine("line " + std::to_string(i), 12));
      EXPECT_TRUE(printer.EndDocument());
    }
    EXPECT_TRUE(printer.EndDocument());   // an empty document adds no page
    EXPECT_TRUE(printer.PrintImage(image));
    EXPECT_TRUE(printer.PrintLine("after the image"));
    EXPECT_TRUE(printer.EndDocument());
  }
  std::vector<fs::path> pdfs;
  for (const auto& entry : fs::directory_iterator(dir)) pdfs.push_back(entry.path());
  ASSERT_EQ(pdfs.size(), 1u);
  EXPECT_EQ(Sheets(pdfs.front().string()), 3 + 1 + 1 + 1);

  // After the command each document is a file of its own again.
  EXPECT_TRUE(printer.PrintLine("alone"));
  EXPECT_TRUE(printer.EndDocument());
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

TEST(QtPrinterTest, WindowImageIsAOneSheetPdf) {
  testing::TestApp();
  fs::path dir = FreshDir("pdf image");
  QtPrinter printer(/*force_pdf=*/true);
  printer.SetDataDirectory(dir.string());
  Image image{641, 430, std::vector<std::uint32_t>(641 * 430, 0xff0000ffu)};
  ASSERT_TRUE(printer.PrintImage(image));
  EXPECT_EQ(Head(printer.last_pdf()), "%PDF-");
  EXPECT_EQ(Sheets(printer.last_pdf()), 1);
  EXPECT_FALSE(printer.PrintImage(Image{}));
}

}  // namespace
}  // namespace pave
