// Every kind of print of ROVANTE keeps its ink at least 10 mm inside each edge of the sheet, where
// many printers cannot print: the text editor's pages, a help topic, an example screen's figure
// and text, and a graph page. Each is printed as a PDF (no printer installed), every page rendered
// and its ink measured; the PDFs are kept in test-output/print_margins/.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "all_windows.h"
#include "common/analysis_host.h"
#include "help/gui/example_screen_window.h"
#include "layered_analysis/run_driver.h"
#include "main_window_fixture.h"
#include "platform/gui/qt_services.h"
#include "platform/printer.h"
#include "shell/gui/editor_window.h"
#include "shell/program_state.h"
#include "shell/window_makers.h"
#include "slab_analysis/slab_driver.h"
#include "support/pdf_facts.h"

namespace pave::testing {
namespace {

namespace fs = std::filesystem;

class PrintMarginsTest;

struct PrintKind {
  const char* name;
  std::function<void(PrintMarginsTest&)> print;
  std::size_t pages;
};
void PrintTo(const PrintKind& k, std::ostream* os) { *os << k.name; }

class PrintMarginsTest : public MainWindowTest, public ::testing::WithParamInterface<PrintKind> {
 public:
  void InstallWindows() override { InstallAllWindows(); }

  // A report as long as two and a half printed pages, some of its lines wider than a sheet.
  void PrintLongReportInTheEditor() {
    std::string report;
    for (int i = 1; i <= 140; ++i) {
      report += "LINE " + std::to_string(i) + (i % 9 == 0 ? std::string(140, '8') : std::string(60, '-')) + "\r\n";
    }
    WriteFile(data_dir + "LONG.TXT", report);
    main->cmdEdit->click();
    auto* editor = platform_.windows.Find<EditorWindow>(kind::kEditor);
    ASSERT_NE(editor, nullptr);
    platform_.file_dialog.QueueChoice(data_dir + "LONG.TXT", 3);
    editor->Item("mnuOpen")->trigger();
    platform_.messages.QueueInput(" 58");
    editor->Item("mnuPrint")->trigger();
  }

  void PrintHelpTopic() {
    main->cmdHelp->click();
    Trigger(kind::kHelp, "mnuPrint");
  }

  void PrintExample(const char* screen, const char* item) {
    ASSERT_NE(LoadWindow(screen), nullptr);
    Trigger(screen, item);
  }

  // The analysis program run on the example, then its graph window, printing its first page.
  void PrintGraphPage(const std::string& example, QPushButton* MainWindow::*button) {
    Example(example);
    RecordingHost host;
    const std::string base = data_dir + example;
    if (example.starts_with("LAY")) {
      layered::RunMorvelin(base, host);
    } else {
      slab::RunSlabProgram(base, slab::kBruntola, host);
    }
    main->cmbFileName->setEditText(QString::fromStdString(example + ".DAT"));
    // Yes to the first page's print question, No to the others'.
    platform_.messages.QueueAnswer(MessageAnswer::Yes);
    for (int i = 0; i < 3; ++i) platform_.messages.QueueAnswer(MessageAnswer::No);
    (main->*button)->click();
  }
};

TEST_P(PrintMarginsTest, InkStaysTenMillimetresInsideEveryEdge) {
  const PrintKind& kind = GetParam();
  QtPrinter pdf_printer(/*force_pdf=*/true);
  PlatformServices services = platform().services();
  services.printer = &pdf_printer;
  ScopedPlatform with_pdf(services);
  const fs::path prints = FreshDirectory(Path("prints"));
  pdf_printer.SetDataDirectory(prints.string() + "/");

  kind.print(*this);
  QCoreApplication::processEvents();

  std::vector<fs::path> pdfs;
  for (const auto& entry : fs::directory_iterator(prints)) pdfs.push_back(entry.path());
  ASSERT_EQ(pdfs.size(), 1u) << "one print command, one PDF";
  // Kept for a look: test-output/print_margins/<kind>.pdf.
  const fs::path kept = fs::path(PAVE_OUTPUT_DIR) / "print_margins";
  fs::create_directories(kept);
  fs::copy_file(pdfs[0], kept / (std::string(kind.name) + ".pdf"), fs::copy_options::overwrite_existing);
  constexpr int kDpi = 100;
  const std::vector<PageInk> pages = PageInks(pdfs[0].string(), kDpi);
  ASSERT_EQ(pages.size(), kind.pages) << "pdftoppm (poppler-utils) renders the pages";
  // A dot of the rendering is a quarter of a millimetre: an edge of the ink may reach into it.
  const double mm_per_dot = 25.4 / kDpi;
  const double least = kLeastPrintMarginMm - mm_per_dot;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    SCOPED_TRACE("page " + std::to_string(i + 1));
    const QRect ink = pages[i].ink;
    ASSERT_FALSE(ink.isEmpty()) << "a blank page";
    const double left = ink.left() * mm_per_dot, top = ink.top() * mm_per_dot;
    const double right = (pages[i].page.width() - 1 - ink.right()) * mm_per_dot;
    const double bottom = (pages[i].page.height() - 1 - ink.bottom()) * mm_per_dot;
    EXPECT_GE(left, least);
    EXPECT_GE(top, least);
    EXPECT_GE(right, least);
    EXPECT_GE(bottom, least);
  }
  EXPECT_EQ(platform_.messages.unanswered, 0);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, PrintMarginsTest,
    ::testing::Values(
        PrintKind{"TextEditorPages", [](PrintMarginsTest& t) { t.PrintLongReportInTheEditor(); }, 3},
        PrintKind{"HelpTopic", [](PrintMarginsTest& t) { t.PrintHelpTopic(); }, 4},
        PrintKind{"Lay3Figure", [](PrintMarginsTest& t) { t.PrintExample("frmLay3", "mnuPrintForm"); }, 1},
        PrintKind{"Sla6Figure", [](PrintMarginsTest& t) { t.PrintExample("frmSla6", "mnuPrintForm"); }, 1},
        PrintKind{"MohrFigure", [](PrintMarginsTest& t) { t.PrintExample("frmMohr", "mnuPrintForm"); }, 1},
        PrintKind{"Sla1Text", [](PrintMarginsTest& t) { t.PrintExample("frmSla1", "mnuPrintText"); }, 2},
        PrintKind{"TolmerPage", [](PrintMarginsTest& t) { t.PrintGraphPage("LAY3", &MainWindow::cmdTolmer); }, 1},
        PrintKind{"VansekPage", [](PrintMarginsTest& t) { t.PrintGraphPage("SLA1", &MainWindow::cmdVansek); }, 1}),
    [](const ::testing::TestParamInfo<PrintKind>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pave::testing
