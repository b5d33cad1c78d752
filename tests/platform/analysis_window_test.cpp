// The analysis window offscreen: progress in the text box, messages titled with the program.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

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

// The end box leaves the log's last lines in sight: the log shows its newest lines, the box opens
// where it hides none of them (the offscreen screen, as small as the window's place allows, has no
// room beside the window) and the log can be scrolled while the box waits.
TEST(AnalysisWindowTest, EndBoxLeavesTheLastLinesOfTheLogInSight) {
  testing::TestApp();
  AnalysisProgram program{"MORVELIN", 6450, 9615, "File not found or data error"};
  std::string log;
  for (int i = 1; i <= 40; ++i) log += "COMPLETE LAYERS SUBROUTINE WITH INTEGRATION CYCLES IC= " + std::to_string(i) + "\r\n";
  log += "\r\nYour text output is stored in a file called /data/LAY2.TXT.\r\n";
  bool looked = false;
  testing::ModalDriver driver([&](QWidget& box) {
    auto& window = dynamic_cast<AnalysisWindow&>(*box.parentWidget());
    PlainTextBox& text = window.text_box();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);   // the log can be scrolled
    // The line that names the report is in sight, whole, and the box is clear of the last lines.
    QTextCursor end(text.document()->lastBlock().previous());
    end.movePosition(QTextCursor::EndOfBlock);
    EXPECT_TRUE(text.viewport()->rect().contains(text.cursorRect(end)));
    const QRect last = window.LastLinesOnScreen();
    EXPECT_GE(last.height(), 3 * text.fontMetrics().height());
    EXPECT_FALSE(box.frameGeometry().intersects(last));
    text.verticalScrollBar()->setValue(0);
    EXPECT_EQ(text.verticalScrollBar()->value(), 0);
    looked = true;
    qobject_cast<QMessageBox*>(&box)->button(QMessageBox::Ok)->click();
  });
  const int status = RunInWindow("/data/LAY2", program, [&](const std::string&, AnalysisHost& host) {
    host.ShowProgress(log);
    host.Message(kExitText);
    return RunEnd::Normal;
  });
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(looked);
}

}  // namespace
}  // namespace pave
