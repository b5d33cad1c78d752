// The example screens as windows, driven offscreen through the scripted platform.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QSvgWidget>

#include <filesystem>

#include "help/example_screens.h"
#include "help/gui/example_screen_window.h"
#include "platform/gui/widget_image.h"
#include "shell/qt_test_app.h"
#include "shell/shell_fixture.h"

namespace pave::testing {
namespace {

class ExampleScreenTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    ShellTestApp();
    InstallExampleScreens();
  }
  void TearDown() override {
    for (const std::string& k : platform_.windows.LoadedKinds()) platform_.windows.Unload(k);
    QCoreApplication::processEvents();
    ShellTest::TearDown();
  }
  ExampleScreenWindow* Open(std::string_view kind) {
    return dynamic_cast<ExampleScreenWindow*>(LoadWindow(std::string(kind)));
  }
  static void SavePng(QWidget& w, const std::string& name) {
    std::filesystem::create_directories(PAVE_OUTPUT_DIR);
    EXPECT_TRUE(SaveWidgetPng(w, QString(PAVE_OUTPUT_DIR) + "/" + QString::fromStdString(name)));
  }
};

TEST_F(ExampleScreenTest, EveryScreenShowsItsFigureTitleAndText) {
  for (const ExampleScreen& screen : ExampleScreens()) {
    SCOPED_TRACE(std::string(screen.kind));
    ExampleScreenWindow* w = Open(screen.kind);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->figure->renderer()->isValid());
    SavePng(*w, std::string(screen.kind) + ".png");
  }
}

}  // namespace
}  // namespace pave::testing
