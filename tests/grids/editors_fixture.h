// ROVANTE with both input editors and the grid windows over their real data sets, offscreen, driven
// as a user drives it: keys into the focused box or cell, clicks on buttons and cells, menu items.
// Nothing is written into a data set directly.
#pragma once

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "common/analysis_host.h"
#include "common/numeric_value.h"
#include "grid_user.h"
#include "grids/data_sets.h"
#include "grids/gui/grid_windows.h"
#include "grids/gui/window_clashes.h"
#include "layered_editor/gui/layered_windows.h"
#include "layered_editor/layered_data_set.h"
#include "platform/gui/control_table.h"
#include "platform/gui/fonts.h"
#include "shell/gui/main_window.h"
#include "shell/gui/rovante_windows.h"
#include "shell/main_window_fixture.h"
#include "slab_editor/gui/slab_windows.h"
#include "slab_editor/slab_data_set.h"
#include "support/file_text.h"
#include "support/qt_test_app.h"

namespace pave::testing {

class EditorsTest : public MainWindowTest {
 protected:
  void InstallWindows() override {
    InstallFontSubstitutes();
    InstallLayeredEditorWindows();
    InstallSlabEditorWindows();
    InstallGridWindows(&LayeredArrays(), &SlabArrays());
    InstallRovanteWindows();
    // Every store of a window, in every test driven through these windows, lies within the entries
    // the window says it stores: the rule that keeps two windows off the same entries relies on it.
    SetStoreObserver([this](const EditorBound& bound, const DataSetChanges& changes) {
      const auto* window = dynamic_cast<const pave::Window*>(&bound);
      const std::optional<WindowEntries> entries = window ? EntriesOfOpenWindow(*window) : std::nullopt;
      for (const DataSetChanges::Entry& e : changes.Entries()) {
        const std::span<const long> index = std::span<const long>(e.place).subspan(1);
        if (!entries || !Includes(entries->stores, e.array, index)) {
          undeclared_stores_.push_back((window ? window->kind() : std::string("?")) + " stored " + e.array +
                                       ::testing::PrintToString(e.place));
        }
      }
    });
  }
  void TearDown() override {
    SetStoreObserver(nullptr);
    EXPECT_TRUE(undeclared_stores_.empty()) << ::testing::PrintToString(undeclared_stores_);
    MainWindowTest::TearDown();
    UseDataSets(nullptr, nullptr);
  }

  QWidget& Window(const char* kind) {
    auto* w = dynamic_cast<QWidget*>(platform_.windows.Find(kind));
    if (!w) throw std::logic_error(std::string(kind) + " is not open; messages: " + ::testing::PrintToString(platform_.messages.Texts()));
    return *w;
  }
  GridForm& Grid(const char* kind) { return dynamic_cast<GridForm&>(Window(kind)); }

  // Types into a box of a window: a click on it, everything in it selected, the keys.
  void Fill(const char* kind, std::string_view box, const std::string& text) {
    QWidget& w = Window(kind);
    Activate(w);
    QLineEdit& edit = Control<QLineEdit>(w, box);
    QTest::mouseClick(&edit, Qt::LeftButton);
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    if (text.empty()) {
      QTest::keyClick(&edit, Qt::Key_Delete);
    } else {
      QTest::keyClicks(&edit, QString::fromStdString(text));
    }
  }
  void Press(const char* kind, std::string_view button) {
    QWidget& w = Window(kind);
    Activate(w);
    QTest::mouseClick(&Control<QAbstractButton>(w, button), Qt::LeftButton);
  }
  void Menu(const char* kind, std::string_view item) {
    QWidget& w = Window(kind);
    Activate(w);
    MenuAction(w, item).trigger();
  }
  // Values typed into a grid window's cells one after the other, each ended with Enter.
  void Cells(const char* kind, const std::vector<std::string>& values) {
    GridForm& f = Grid(kind);
    for (const std::string& v : values) Enter(f, v);
  }
  void Ok(const char* kind) { ClickOk(Grid(kind)); }

  std::vector<std::string> undeclared_stores_;

  // The main window's file-name box and an editor button.
  void OpenEditor(const std::string& file, QPushButton* button) {
    Activate(*main);
    QLineEdit* edit = main->cmbFileName->lineEdit();
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, QString::fromStdString(file));
    QTest::mouseClick(button, Qt::LeftButton);
  }

  // The main window's button of an input editor (frmPELDRANE or frmCORVISTA).
  QPushButton* Button(const char* editor) {
    return std::string_view(editor) == kind::kLayeredEditor ? main->cmdPeldrane : main->cmdCorvista;
  }
  // The input editor opened on `name` with File Old of that file in the data directory.
  void OpenFile(const char* editor, const std::string& name) {
    OpenEditor(name, Button(editor));
    platform_.file_dialog.QueueChoice(data_dir + name + ".DAT");
    Menu(editor, "mnuOpen");
  }
  void OpenExample(const char* editor, const std::string& name) {
    Example(name);
    OpenFile(editor, name);
  }
  // Exit, answering No to saving: the editor closes.
  void ExitWithout(const char* editor) {
    platform_.messages.QueueAnswer(MessageAnswer::No);
    Press(editor, "cmdExit");
    ASSERT_FALSE(platform_.windows.IsLoaded(editor));
  }

  // Save As into the data directory.
  void SaveAs(const char* editor, const std::string& name) {
    platform_.file_dialog.QueueChoice(data_dir + name);
    Press(editor, "cmdSaveAs");
  }

  // An example opened with File Old in the editor behind `button` (main window) and `editor`, each
  // data set made current in turn and `confirm` run on it, then saved: the file must be the example,
  // byte for byte, and no table may be left open.
  void ConfirmExampleUnchanged(const std::string& name, QPushButton* button, const char* editor,
                               const Value& sets_count, const std::function<void(int)>& confirm) {
    const std::string example = ExampleText(name);
    ASSERT_FALSE(example.empty());
    WriteFile(data_dir + name + ".DAT", example);
    OpenEditor(name, button);
    platform_.file_dialog.QueueChoice(data_dir + name + ".DAT");
    Menu(editor, "mnuOpen");
    const int sets = static_cast<int>(sets_count.Number() + 0.5);
    ASSERT_GE(sets, 1) << ::testing::PrintToString(platform_.messages.Texts());
    for (int set = 1; set <= sets; ++set) {
      Press(editor, "optDataSet" + std::to_string(set));
      confirm(set);
    }
    Press(editor, "optDataSet1");
    Press(editor, "cmdSave");
    EXPECT_EQ(FileText(data_dir + name + ".DAT"), example) << ::testing::PrintToString(platform_.messages.Texts());
    for (const char* grid : {kind::kGridSingle, kind::kGridMain, kind::kGridMulti, kind::kGridSlabLayer,
                             kind::kGridMainSlab, kind::kPeriod}) {
      EXPECT_FALSE(platform_.windows.IsLoaded(grid)) << grid;
    }
  }

};

// The items of a data file: numbers as their values, other texts as they stand; one entry per line.
inline std::vector<std::vector<std::string>> FileItems(const std::string& text) {
  std::vector<std::vector<std::string>> out;
  for (const std::string& line : TextLines(text)) {
    std::vector<std::string> items;
    std::istringstream in(line);
    std::string item;
    while (in >> item) {
      if (const std::optional<double> number = ParseNumber(item)) {
        std::ostringstream n;
        n.precision(17);
        n << *number;
        item = "#" + n.str();
      }
      items.push_back(item);
    }
    out.push_back(items);
  }
  return out;
}

}  // namespace pave::testing
