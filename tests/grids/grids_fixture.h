// Shared set-up of the grid tests: the program-wide state reset, the scripted platform, the grid
// windows installed over test data sets of both editors, and helpers that act on the real widgets
// offscreen as a user would (keys into the focused widget, clicks on cells).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "grids/data_sets.h"
#include "grids/gui/grid_form.h"
#include "grids/gui/grid_windows.h"
#include "platform/gui/control_table.h"
#include "platform/gui/fonts.h"
#include "platform/gui/form.h"
#include "platform/gui/widget_image.h"
#include "platform/scripted_platform.h"
#include "shell/program_state.h"
#include "shell/window_makers.h"
#include "support/qt_test_app.h"
#include "test_data_sets.h"

namespace pave::testing {

inline QApplication& GridsTestApp() {
  static QApplication& app = []() -> QApplication& {
    QApplication& a = TestApp();
    InstallFontSubstitutes();
    return a;
  }();
  return app;
}

// An editor window of the tests: labels under the given names, for the grids to mark.
class OwnerWindow : public Form {
 public:
  explicit OwnerWindow(std::vector<std::string> labels) : labels_(std::move(labels)) {}
  void Load() override {
    for (const std::string& name : labels_) {
      auto* label = new QLabel("input", this);
      label->setObjectName(QString::fromStdString(name));
    }
  }
  QString Caption(const std::string& name) const {
    return findChild<QLabel*>(QString::fromStdString(name))->text();
  }

 private:
  std::vector<std::string> labels_;
};

class GridsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GridsTestApp();
    ResetProgramState();
    ClearWindowMakers();
    L = std::make_unique<LayeredTestSets>();
    S = std::make_unique<SlabTestSets>();
    InstallGridWindows(&L->dir, &S->dir);
    gLayeredSet = Value(1);
    gSlabSet = Value(1);
  }
  void TearDown() override {
    platform_.windows.UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    UseDataSets(nullptr, nullptr);
    ClearWindowMakers();
  }

  // Opens an editor window with status labels.
  OwnerWindow& Owner(const std::string& kind, std::vector<std::string> labels) {
    return *platform_.windows.Load<OwnerWindow>(kind, std::move(labels));
  }

  template <class F>
  F* Loaded(const char* kind) const {
    return dynamic_cast<F*>(platform_.windows.Find(kind));
  }
  GridForm* Grid(const char* kind) const { return Loaded<GridForm>(kind); }

  // The window becomes the active one, as the window a user works in is.
  static void Activate(QWidget& form) {
    if (QApplication::activeWindow() == &form) return;
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form, 2000));
  }
  // The widget keys go to: the one with the focus.
  static QWidget* KeyTarget(GridForm& form) {
    Activate(form);
    QWidget* w = QApplication::focusWidget();
    return w ? w : &form.grid();
  }
  static void Key(GridForm& form, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(KeyTarget(form), key, mods);
  }
  // Types text as a user does: each character into whichever widget has the focus.
  static void Type(GridForm& form, const std::string& text) {
    for (char c : text) QTest::keyClick(KeyTarget(form), c);
  }
  // Types a value into the current cell and presses Enter.
  static void Enter(GridForm& form, const std::string& text) {
    Type(form, text);
    Key(form, Qt::Key_Return);
  }
  static void ClickCell(GridForm& form, int row, int col) {
    Activate(form);
    QtGrid& grid = form.grid();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, grid.CellRect(row, col).center() -
                                                                             grid.viewport()->pos());
  }
  static void DoubleClickCell(GridForm& form, int row, int col) {
    Activate(form);
    QtGrid& grid = form.grid();
    const QPoint at = grid.CellRect(row, col).center() - grid.viewport()->pos();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, at);
  }
  static void ClickOk(GridForm& form) {
    Activate(form);
    QPushButton* ok = form.findChild<QPushButton*>("BtnRun");
    if (!ok) ok = form.findChild<QPushButton*>("cmdOK");
    QTest::mouseClick(ok, Qt::LeftButton);
  }
  static std::string Cell(GridForm& form, int row, int col) { return form.grid().Text(row, col); }
  static std::string LabelText(const QWidget& form, const char* name) {
    return form.findChild<QLabel*>(name)->text().toStdString();
  }
  std::vector<std::string> Messages() const { return platform_.messages.Texts(); }

  static void SavePng(QWidget& w, const std::string& name) {
    std::filesystem::create_directories(PAVE_OUTPUT_DIR);
    EXPECT_TRUE(SaveWidgetPng(w, QString(PAVE_OUTPUT_DIR) + "/" + QString::fromStdString(name)));
  }

  ScriptedPlatform platform_;
  std::unique_ptr<LayeredTestSets> L;
  std::unique_ptr<SlabTestSets> S;
};

}  // namespace pave::testing
