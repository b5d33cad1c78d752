// ROVANTE's main window offscreen for tests of the windows it opens: a program directory whose
// "DataPath" names a data directory, the windows a test needs installed, the main window loaded and
// shown, the scripted platform answering; every window unloaded afterwards. Helpers find a loaded
// window's controls by name and drive them.
#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/gui/control_table.h"
#include "platform/gui/widget_image.h"
#include "shell/gui/main_window.h"
#include "shell/qt_test_app.h"
#include "shell/shell_fixture.h"

namespace pave::testing {

class MainWindowTest : public ShellTest {
 protected:
  // Installs the makers of the windows the test opens (called before the main window loads).
  virtual void InstallWindows() = 0;
  // Puts files into the data directory before the main window lists it.
  virtual void FillDataDirectory() {}

  void SetUp() override {
    ShellTest::SetUp();
    ShellTestApp();
    InstallWindows();
    program_dir = Path("bin");
    data_dir = Path(data_directory_name);
    std::filesystem::create_directories(data_dir);
    WriteFile(program_dir + "/DataPath", data_dir + "\r\n");
    FillDataDirectory();
    main = platform_.windows.Load<MainWindow>(kind::kMain, program_dir);
    ASSERT_NE(main, nullptr);
    main->Show();
  }
  void TearDown() override {
    platform_.windows.UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    ShellTest::TearDown();
  }

  // The loaded window of a kind (null when it is not loaded).
  QWidget* Window(const char* kind) { return dynamic_cast<QWidget*>(platform_.windows.Find(kind)); }
  template <class T>
  T& In(const char* kind, std::string_view name) {
    QWidget* w = Window(kind);
    if (!w) throw std::logic_error(std::string(kind) + " is not open");
    return Control<T>(*w, name);
  }
  void Trigger(const char* kind, std::string_view menu) { MenuAction(*Window(kind), menu).trigger(); }
  void Click(const char* kind, std::string_view button) { In<QPushButton>(kind, button).click(); }
  void Type(const char* kind, std::string_view box, const std::string& text) {
    In<QLineEdit>(kind, box).setText(QString::fromStdString(text));
  }
  std::string LabelText(const char* kind, std::string_view label) { return In<QLabel>(kind, label).text().toStdString(); }
  int LabelColour(const char* kind, std::string_view label) { return TextColour(In<QLabel>(kind, label)); }
  std::string LastMessage() {
    const auto texts = platform_.messages.Texts();
    return texts.empty() ? std::string() : texts.back();
  }
  void SavePng(const char* kind, const std::string& name) {
    std::filesystem::create_directories(PAVE_OUTPUT_DIR);
    EXPECT_TRUE(SaveWidgetPng(*Window(kind), QString(PAVE_OUTPUT_DIR) + "/" + QString::fromStdString(name)));
  }
  // An example data file copied into the data directory; its path.
  std::string Example(const std::string& name) {
    const std::string path = data_dir + name + ".DAT";
    WriteFile(path, ExampleText(name));
    return path;
  }

  std::string data_directory_name = "data/";   // below the test's directory, ending in "/"
  std::string program_dir, data_dir;
  MainWindow* main = nullptr;
};

}  // namespace pave::testing
