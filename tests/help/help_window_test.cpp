// The help window offscreen: its form table, the topic chosen by the screen code, loading it again,
// Exit and the close box, and Print through the scripted printer.
#include "help/gui/help_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QFontMetricsF>

#include <filesystem>

#include "help/help_topics.h"
#include "platform/gui/widget_image.h"
#include "shell/paged_print.h"
#include "shell/qt_test_app.h"
#include "shell/shell_fixture.h"

namespace pave::testing {
namespace {

class HelpWindowTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    ShellTestApp();
    InstallHelpWindow();
  }
  void TearDown() override {
    platform_.windows.UnloadAll();
    QCoreApplication::processEvents();
    ShellTest::TearDown();
  }
  HelpWindow* Open(double code) {
    gScreenCode = Value(code);
    LoadWindow(kind::kHelp);
    return platform_.windows.Find<HelpWindow>(kind::kHelp);
  }
  static QLabel& Title(HelpWindow& w) { return Control<QLabel>(w, "Label1"); }
  static QPlainTextEdit& Text(HelpWindow& w) { return Control<QPlainTextEdit>(w, "txtHelp1"); }
  static std::string Shown(HelpWindow& w) { return Text(w).toPlainText().toStdString(); }
};

// The text box shows the text with its line breaks; Qt keeps them as "\n".
std::string WithLineFeeds(const std::string& crlf_text) {
  std::string out;
  for (char c : crlf_text) {
    if (c != '\r') out += c;
  }
  return out;
}

TEST_F(HelpWindowTest, WindowFollowsItsTable) {
  HelpWindow* w = Open(1);
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->size(), QSize((9975 - kFrameWidthTwips) / 15, (6450 - kFrameHeightTwips) / 15));
  const int menu = MenuBarHeightTwips() / 15;

  QLabel& title = Title(*w);
  EXPECT_EQ(title.geometry(), QRect(240 / 15, menu + 120 / 15, 9015 / 15, 495 / 15));
  EXPECT_EQ(title.font().family(), "MS Sans Serif");
  EXPECT_EQ(title.font().pointSizeF(), 12);
  EXPECT_TRUE(title.font().bold());
  EXPECT_EQ(TextColour(title), colour::kRed);

  QPlainTextEdit& text = Text(*w);
  EXPECT_EQ(text.geometry().topLeft(), QPoint(120 / 15, menu + 840 / 15));
  EXPECT_EQ(text.width(), 9600 / 15);
  EXPECT_EQ(text.geometry().bottom() + 1, w->height());   // down to the bottom of the window
  EXPECT_TRUE(text.isReadOnly());
  EXPECT_EQ(text.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(text.font().family(), "Courier New");
  EXPECT_EQ(text.font().pointSizeF(), 9.75);
  EXPECT_TRUE(text.font().bold());

  EXPECT_EQ(MenuAction(*w, "mnuPrint").text(), "&Print");
  EXPECT_EQ(MenuAction(*w, "mnuExit").text(), "&Exit");
}

TEST_F(HelpWindowTest, EachCodeShowsItsTopic) {
  struct Case {
    int code;
    const char* caption;
    const char* title;
  } cases[] = {
      {1, "Help: Main Screen", "Use of Main Screen"},
      {2, "Help: Editor", "Use of Editor Screen"},
      {3, "Help: Editor", "Input Parameters for MORVELIN"},
      {4, "Help: Editor", "Input Parameters for BRUNTOLA"},
      {5, "Help: Editor", "Output Parameters for MORVELIN"},
      {6, "Help: Editor", "Output Parameters for BRUNTOLA"},
      {7, "Help: Editor", "Data File for MORVELIN"},
      {8, "Help: Editor", "Data File for BRUNTOLA"},
      {9, "Help: Editor", "Examples for MORVELIN"},
      {10, "Help: Editor", "Examples for BRUNTOLA"},
  };
  std::filesystem::create_directories(PAVE_OUTPUT_DIR);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    gCrLf.clear();
    gHelpText = Value("left by another window\r\n");
    HelpWindow* w = Open(c.code);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle().toStdString(), c.caption);
    EXPECT_EQ(Title(*w).text().toStdString(), c.title);
    EXPECT_EQ(gCrLf, "\r\n");
    EXPECT_EQ(gHelpText.Text(), HelpTopicText(c.code));
    EXPECT_EQ(w->Text(), HelpTopicText(c.code));
    EXPECT_EQ(Shown(*w), WithLineFeeds(HelpTopicText(c.code)));
    EXPECT_EQ(Text(*w).verticalScrollBar()->value(), 0);   // the text is shown from its top

    // Every line fits the width of the text box, so that none is wrapped.
    QPlainTextEdit& box = Text(*w);
    const double room = box.viewport()->width() - 2 * box.document()->documentMargin();
    const QFontMetricsF metrics(box.font());
    for (const std::string& line : TextLines(HelpTopicText(c.code))) {
      EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(line)), room) << line;
    }
    EXPECT_TRUE(SaveWidgetPng(*w, QString(PAVE_OUTPUT_DIR) + "/help_topic_" + QString::number(c.code) + ".png"));
    MenuAction(*w, "mnuExit").trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(platform_.windows.IsLoaded(kind::kHelp));
  }
}

TEST_F(HelpWindowTest, LoadingAnOpenWindowKeepsItsTopic) {
  HelpWindow* w = Open(3);
  ASSERT_NE(w, nullptr);
  gHelpText = Value("another window's text");
  EXPECT_EQ(Open(1), w);
  EXPECT_EQ(w->windowTitle(), "Help: Editor");
  EXPECT_EQ(Title(*w).text(), "Input Parameters for MORVELIN");
  EXPECT_EQ(Shown(*w), WithLineFeeds(HelpTopicText(3)));
  EXPECT_EQ(gHelpText.Text(), "another window's text");
}

TEST_F(HelpWindowTest, TheCloseBoxUnloadsAndTheNextOpeningBuildsAnew) {
  HelpWindow* w = Open(1);
  ASSERT_NE(w, nullptr);
  w->close();
  QCoreApplication::processEvents();
  EXPECT_FALSE(platform_.windows.IsLoaded(kind::kHelp));
  w = Open(3);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->windowTitle(), "Help: Editor");
  EXPECT_EQ(Title(*w).text(), "Input Parameters for MORVELIN");
}

TEST_F(HelpWindowTest, ACodeWithoutTopicShowsNoText) {
  for (double code : {0.0, 11.0, 2.5, -1.0, 1e300}) {
    SCOPED_TRACE(code);
    gHelpText = Value("left by another window\r\n");
    HelpWindow* w = Open(code);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Title(*w).text(), " ");
    EXPECT_EQ(Shown(*w), "");
    EXPECT_EQ(w->Text(), "");
    platform_.windows.Unload(kind::kHelp);
    QCoreApplication::processEvents();
  }
}

TEST_F(HelpWindowTest, PrintPrintsTheTitleAndTheTextAndLeavesTheWindow) {
  HelpWindow* w = Open(2);
  ASSERT_NE(w, nullptr);
  MenuAction(*w, "mnuPrint").trigger();
  ASSERT_EQ(platform_.printer.documents.size(), 1u);
  const std::vector<std::string>& page = platform_.printer.documents[0];
  ASSERT_EQ(page.size(), 4u + 1 + 1 + 48);
  EXPECT_EQ(page[4], std::string(11, ' ') + "Use of Editor Screen");
  EXPECT_EQ(page[6], std::string(11, ' ') + TextLines(HelpTopicText(2))[0]);
  EXPECT_TRUE(platform_.messages.shown.empty());
  EXPECT_TRUE(platform_.windows.IsLoaded(kind::kHelp));
  EXPECT_EQ(Shown(*w), WithLineFeeds(HelpTopicText(2)));

  // A printer that fails is told; the window stays.
  platform_.printer.failing_calls = {platform_.printer.calls.size() + 5};
  MenuAction(*w, "mnuPrint").trigger();
  EXPECT_EQ(platform_.messages.Texts(), std::vector<std::string>{kPrinterFailedMessage});
  EXPECT_TRUE(platform_.windows.IsLoaded(kind::kHelp));
}

}  // namespace
}  // namespace pave::testing
