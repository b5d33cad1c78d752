// The analysis window offscreen: progress in the text box, messages titled with the program.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPlainTextEdit>

#include <filesystem>
#include <stdexcept>

#include "platform/gui/analysis_program.h"
#include "platform/gui/widget_image.h"
#include "qt_app.h"

namespace pave {
namespace {

TEST(AnalysisWindowTest, RunShowsProgressAndMessages) {
  testing::TestApp();
  testing::ModalAcceptor acceptor;
  AnalysisProgram program{"BRUNTOLA", 6800, 9615, "File not found or data error"};
  std::vector<std::string> box_texts;
  std::vector<QString> box_titles;
  int status = RunInWindow("/data dir/SLA1", program, [&](const std::string& argument, AnalysisHost& host) {
    auto& window = dynamic_cast<AnalysisWindow&>(host);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.busy());
    EXPECT_EQ(window.width(), (9615 - 120) / 15);
    EXPECT_EQ(window.height(), (6800 - 450) / 15);
    host.SetCaption("BRUNTOL - " + argument);
    EXPECT_EQ(window.windowTitle(), "BRUNTOL - /data dir/SLA1");
    host.ShowProgress("FILENAME: SLA1.DAT\r\n\r\nTITLE: T\r\n");
    EXPECT_EQ(window.text_box().toPlainText(), "FILENAME: SLA1.DAT\n\nTITLE: T\n");
    std::filesystem::create_directories(PAVE_OUTPUT_DIR);
    EXPECT_TRUE(SaveWidgetPng(window, QString(PAVE_OUTPUT_DIR) + "/analysis_window.png"));
    host.Message("Please click the OK button to exit.");
    EXPECT_TRUE(window.busy());   // the busy pointer comes back after the box
    return RunEnd::InputStop;
  });
  EXPECT_EQ(status, 1);
  EXPECT_EQ(acceptor.accepted, 1);

  status = RunInWindow("", program, [](const std::string&, AnalysisHost&) -> RunEnd {
    throw std::runtime_error("fault");
  });
  EXPECT_EQ(status, 2);
  EXPECT_EQ(acceptor.accepted, 2);
}

}  // namespace
}  // namespace pave
