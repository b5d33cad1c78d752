// The grid control over QTableWidget, and the cell editor over a one-line text box.
//
// Row 0 of the grid is the table's horizontal header (it stays in view when the lines scroll);
// column 0 is an ordinary column of grey, fixed-looking cells that never becomes current. The
// table's own editing is off: a window edits cells through its cell editor.
#pragma once

#include <QTableWidget>

#include <vector>

#include "platform/grid_control.h"

class QKeyEvent;
class QLineEdit;
class QMenu;

namespace pave {

// The key code (the keyboard's virtual-key number) and the shift state (1 Shift, 2 Ctrl, 4 Alt) of
// a Qt key event, as the grid events report them; 0 for keys without a code.
int VirtualKeyCode(const QKeyEvent& event);
int ShiftState(const QKeyEvent& event);
// True for a key pressed with Ctrl, Alt or Meta held: a command (or a menu's accelerator), which
// never types into a cell.
bool IsKeyChord(const QKeyEvent& event);
// The character a key event types (Enter 13, Esc 27, Backspace 8, a printable character), or 0
// for keys without one (arrows, Delete, Insert, Tab) and for a printable key held in a chord.
int TypedCharacter(const QKeyEvent& event);

class QtGrid : public QTableWidget, public GridControl {
  Q_OBJECT

 public:
  explicit QtGrid(QWidget* parent = nullptr);

  int Rows() const override { return rowCount() + 1; }
  int Cols() const override { return columnCount(); }
  void SetRows(int rows) override;
  void SetCols(int cols) override;
  std::string Text(int row, int col) const override;
  void SetText(int row, int col, const std::string& text) override;
  int ColWidth(int col) const override;
  void SetColWidth(int col, int twips) override;
  void FitHeaders() override;
  int Row() const override;
  int Col() const override;
  void SetRow(int row) override;
  void SetCol(int col) override;
  int RowSel() const override { return Row(); }
  int ColSel() const override { return Col(); }
  int TopRow() const override;
  void SetTopRow(int row) override;
  int CellLeft() const override;
  int CellTop() const override;
  int CellWidth() const override;
  int CellHeight() const override;
  void SetFocus() override;
  bool HasFocus() const override { return hasFocus(); }
  void SetEvents(GridEvents* events) override { events_ = events; }

  // The on-screen rectangle of a cell in the grid's own pixels (for tests that click a cell).
  QRect CellRect(int row, int col) const;

 protected:
  void changeEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

 private:
  QTableWidgetItem* ItemAt(int table_row, int col);
  void MoveTo(int row, int col);
  QRect CurrentRect() const;
  // A width, in pixels, that a cell showing `text` surely does not need more of (the largest int
  // for texts it cannot estimate).
  int NeededWidthAtMost(const QString& text);

  std::vector<qreal> advances_;   // of the ASCII characters in the cells' font; empty: to be found
  qreal text_allowance_ = 0;

  GridEvents* events_ = nullptr;
  bool moving_ = false;   // a move of the program's own, which reported GridLeaveCell itself
  int col_ = 1;           // the current column while there is no data row
};

// The cell editor over a one-line text box of the window (not owned): its key events go to the
// window's handler, key down before the character. A paste (Ctrl+V, Shift+Insert, the context
// menu, the middle button) takes the first line of the clipboard's text, as a one-line box does;
// a clipboard without text leaves the cell's text as it is.
class QtCellEditor : public QObject, public CellEditor {
  Q_OBJECT

 public:
  explicit QtCellEditor(QLineEdit& box);

  bool Visible() const override;
  void SetVisible(bool visible) override;
  std::string Text() const override;
  void SetText(const std::string& text) override;
  int Caret() const override;
  void SetCaret(int position) override;
  void Place(int left, int top, int width, int height) override;
  void SetFocus() override;
  void SetEvents(CellEditorEvents* events) override { events_ = events; }

  QLineEdit& box() const { return box_; }
  // The paste step: the platform clipboard's first line replaces the selection.
  void Paste();
  // The box's context menu, its Paste running the paste step. The caller owns the menu.
  QMenu* ContextMenu();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PasteLine(const std::string& text);

  QLineEdit& box_;
  CellEditorEvents* events_ = nullptr;
};

}  // namespace pave
