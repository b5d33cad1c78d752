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
#include "grid_user.h"
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

  std::vector<std::string> Messages() const { return platform_.messages.Texts(); }

  ScriptedPlatform platform_;
  std::unique_ptr<LayeredTestSets> L;
  std::unique_ptr<SlabTestSets> S;
};

}  // namespace pave::testing
