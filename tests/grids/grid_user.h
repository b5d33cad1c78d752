// What a user does on the grid windows, on the real widgets offscreen: keys go to the widget that
// has the focus in the active window, clicks go to a cell or a button.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <string>

#include "grids/gui/grid_form.h"
#include "platform/gui/widget_image.h"

namespace pave::testing {

// The window becomes the active one, as the window a user works in is.
inline void Activate(QWidget& form) {
  if (QApplication::activeWindow() == &form) return;
  form.activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&form, 2000));
}
// The widget keys go to: the one with the focus.
inline QWidget* KeyTarget(GridForm& form) {
  Activate(form);
  QWidget* w = QApplication::focusWidget();
  return w ? w : &form.grid();
}
inline void Key(GridForm& form, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QTest::keyClick(KeyTarget(form), key, mods);
}
// Types text as a user does: each character into whichever widget has the focus.
inline void Type(GridForm& form, const std::string& text) {
  for (char c : text) QTest::keyClick(KeyTarget(form), c);
}
// Types a value into the current cell and presses Enter.
inline void Enter(GridForm& form, const std::string& text) {
  Type(form, text);
  Key(form, Qt::Key_Return);
}
inline void ClickCell(GridForm& form, int row, int col) {
  Activate(form);
  QtGrid& grid = form.grid();
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, grid.CellRect(row, col).center() -
                                                                           grid.viewport()->pos());
}
inline void DoubleClickCell(GridForm& form, int row, int col) {
  Activate(form);
  QtGrid& grid = form.grid();
  const QPoint at = grid.CellRect(row, col).center() - grid.viewport()->pos();
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseDClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, at);
}
// A click on OK: the button takes the focus first, as a real mouse click gives it.
inline void ClickOk(GridForm& form) {
  Activate(form);
  QPushButton* ok = form.findChild<QPushButton*>("BtnRun");
  if (!ok) ok = form.findChild<QPushButton*>("cmdOK");
  ok->setFocus(Qt::MouseFocusReason);
  QTest::mouseClick(ok, Qt::LeftButton);
}
inline std::string Cell(GridForm& form, int row, int col) { return form.grid().Text(row, col); }
inline std::string LabelText(const QWidget& form, const char* name) {
  return form.findChild<QLabel*>(name)->text().toStdString();
}

inline void SavePng(QWidget& w, const std::string& name) {
  std::filesystem::create_directories(PAVE_OUTPUT_DIR);
  EXPECT_TRUE(SaveWidgetPng(w, QString(PAVE_OUTPUT_DIR) + "/" + QString::fromStdString(name)));
}

}  // namespace pave::testing
