// The Qt printer where no printer is installed: each document becomes a PDF in the data directory.
#include <gtest/gtest.h>

#include <QPrinterInfo>
#include <QWidget>

#include <filesystem>
#include <fstream>

#include "platform/gui/qt_services.h"
#include "qt_app.h"

namespace pave {
namespace {

namespace fs = std::filesystem;

std::string Head(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string head(5, '\0');
  in.read(head.data(), 5);
  return head;
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

  for (int page = 1; page <= 2; ++page) {
    EXPECT_TRUE(printer.SetFontName("Courier New"));
    EXPECT_TRUE(printer.SetFontBold(true));
    EXPECT_TRUE(printer.SetFontSize(10));
    for (int i = 0; i < 70; ++i) EXPECT_TRUE(printer.PrintLine("line " + std::to_string(i), 12));
    EXPECT_TRUE(printer.EndDocument());
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

TEST(QtPrinterTest, WindowImageIsAOneSheetPdf) {
  testing::TestApp();
  fs::path dir = FreshDir("pdf image");
  QtPrinter printer(/*force_pdf=*/true);
  printer.SetDataDirectory(dir.string());
  Image image{641, 430, std::vector<std::uint32_t>(641 * 430, 0xff0000ffu)};
  ASSERT_TRUE(printer.PrintImage(image));
  EXPECT_EQ(Head(printer.last_pdf()), "%PDF-");
  EXPECT_FALSE(printer.PrintImage(Image{}));
}

}  // namespace
}  // namespace pave
