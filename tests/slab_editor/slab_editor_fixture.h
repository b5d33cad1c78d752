// The slab editor's windows offscreen: the main window with a data directory, the editor's makers
// installed, the scripted platform answering.
#pragma once

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <filesystem>
#include <string>

#include "platform/gui/control_table.h"
#include "platform/gui/widget_image.h"
#include "shell/gui/main_window.h"
#include "shell/gui/rovante_windows.h"
#include "shell/qt_test_app.h"
#include "shell/shell_fixture.h"
#include "slab_editor/gui/slab_main_menu.h"
#include "slab_editor/gui/slab_windows.h"
#include "slab_editor/slab_data_set.h"
#include "slab_editor/slab_kinds.h"

namespace pave::testing {

class SlabEditorTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    ShellTestApp();
    ClearSlabDataSets();
    InstallSlabEditorWindows();
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

  // The main window's CORVISTA button with `file` in the file-name box.
  SlabMainMenu* OpenEditor(const std::string& file = "NEW.DAT") {
    main->cmbFileName->setEditText(QString::fromStdString(file));
    main->cmdCorvista->click();
    return platform_.windows.Find<SlabMainMenu>(kind::kSlabEditor);
  }
  // The editor with File New.
  SlabMainMenu* NewFile() {
    SlabMainMenu* menu = OpenEditor();
    Trigger(kind::kSlabEditor, "mnuNew");
    return menu;
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
  std::string Text(const char* kind, std::string_view name) { return In<QLabel>(kind, name).text().toStdString(); }
  int Colour(const char* kind, std::string_view label) { return TextColour(In<QLabel>(kind, label)); }
  std::string LastMessage() {
    const auto texts = platform_.messages.Texts();
    return texts.empty() ? std::string() : texts.back();
  }
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
