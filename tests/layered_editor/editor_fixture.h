// The layered editor's windows offscreen: the main window with a data directory, the editor's
// makers installed, the scripted platform answering.
#pragma once

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <filesystem>
#include <string>

#include "layered_editor/gui/layered_main_menu.h"
#include "layered_editor/gui/layered_windows.h"
#include "layered_editor/layered_kinds.h"
#include "platform/gui/control_table.h"
#include "platform/gui/widget_image.h"
#include "shell/gui/main_window.h"
#include "shell/gui/rovante_windows.h"
#include "shell/qt_test_app.h"
#include "shell/shell_fixture.h"

namespace pave::testing {

class EditorTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    ShellTestApp();
    InstallLayeredEditorWindows();
    InstallRovanteWindows();
    program_dir = Path("bin");
    data_dir = Path("data/");
    std::filesystem::create_directories(data_dir);
    WriteFile(program_dir + "/DataPath", data_dir + "\r\n");
    main = platform_.windows.Load<MainWindow>(kind::kMain, program_dir);
    ASSERT_NE(main, nullptr);
    main->Show();
  }
  void TearDown() override {
    for (const std::string& k : platform_.windows.LoadedKinds()) platform_.windows.Unload(k);
    QCoreApplication::processEvents();
    ShellTest::TearDown();
  }

  // The main window's PELDRANE button with `file` in the file-name box.
  LayeredMainMenu* OpenEditor(const std::string& file = "NEW.DAT") {
    main->cmbFileName->setEditText(QString::fromStdString(file));
    main->cmdPeldrane->click();
    return platform_.windows.Find<LayeredMainMenu>(kind::kLayeredEditor);
  }
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
  void SavePng(const char* kind, const std::string& name) {
    std::filesystem::create_directories(PAVE_OUTPUT_DIR);
    EXPECT_TRUE(SaveWidgetPng(*Window(kind), QString(PAVE_OUTPUT_DIR) + "/" + QString::fromStdString(name)));
  }
  std::string Example(const std::string& name) {
    const std::string path = data_dir + name + ".DAT";
    WriteFile(path, ExampleText(name));
    return path;
  }

  std::string program_dir, data_dir;
  MainWindow* main = nullptr;
};

}  // namespace pave::testing
