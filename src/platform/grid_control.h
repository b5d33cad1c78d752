// The grid control and its cell editor, as the grid windows use them: a spreadsheet-like grid of
// text cells with one fixed header row (row 0) and one fixed label column (column 0), a current cell
// and a selection, column widths in twips, and the events a window reacts to; and the one-line text
// box that floats over a cell while it is being edited. A Qt implementation serves the program, a
// scripted one the tests.
#pragma once

#include <string>

namespace pave {

// Key codes of the key-down events (the keyboard's virtual-key numbers) and the shift-state bits.
namespace key {
inline constexpr int kBack = 8;
inline constexpr int kTab = 9;
inline constexpr int kReturn = 13;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kPageUp = 33;
inline constexpr int kPageDown = 34;
inline constexpr int kEnd = 35;
inline constexpr int kHome = 36;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kInsert = 45;
inline constexpr int kDelete = 46;
inline constexpr int kShift = 1;
inline constexpr int kCtrl = 2;
inline constexpr int kAlt = 4;
}  // namespace key

// What a window does when the grid reports an event.
class GridEvents {
 public:
  virtual ~GridEvents() = default;
  virtual void GridGotFocus() {}
  // The current cell is about to change (by the mouse, the keyboard or the program).
  virtual void GridLeaveCell() {}
  // A key went down while the grid had the focus; reported before its character (GridKeyPress).
  virtual void GridKeyDown(int key_code, int shift) { (void)key_code, (void)shift; }
  // A character typed while the grid had the focus (Enter 13, Esc 27, Backspace 8, ...).
  virtual void GridKeyPress(int key_ascii) { (void)key_ascii; }
  virtual void GridDblClick() {}
};

class GridControl {
 public:
  virtual ~GridControl() = default;

  // Size, fixed row and column included. Making the grid smaller drops the cells beyond it;
  // making it larger adds empty cells.
  virtual int Rows() const = 0;
  virtual int Cols() const = 0;
  virtual void SetRows(int rows) = 0;
  virtual void SetCols(int cols) = 0;
  int FixedRows() const { return 1; }
  int FixedCols() const { return 1; }

  // Cell text; row 0 holds the column headers and column 0 the line labels. A cell outside the
  // grid reads "" and is not written.
  virtual std::string Text(int row, int col) const = 0;
  virtual void SetText(int row, int col, const std::string& text) = 0;

  // Column width in twips.
  virtual int ColWidth(int col) const = 0;
  virtual void SetColWidth(int col, int twips) = 0;
  // Widens each column whose header text does not fit in it.
  virtual void FitHeaders() {}

  // The current cell. Row 0 means there is no current data cell (a grid without data lines).
  // Setting the row or the column reports GridLeaveCell first when the cell changes, selects the
  // one cell and brings it into view.
  virtual int Row() const = 0;
  virtual int Col() const = 0;
  virtual void SetRow(int row) = 0;
  virtual void SetCol(int col) = 0;
  // The other end of the selection (the current cell when one cell is selected).
  virtual int RowSel() const = 0;
  virtual int ColSel() const = 0;

  // First data row in view.
  virtual int TopRow() const = 0;
  virtual void SetTopRow(int row) = 0;

  // Place and size of the current cell in twips, measured from the grid's outer top left corner.
  virtual int CellLeft() const = 0;
  virtual int CellTop() const = 0;
  virtual int CellWidth() const = 0;
  virtual int CellHeight() const = 0;

  virtual void SetFocus() = 0;
  virtual bool HasFocus() const = 0;

  // The receiver of the grid's events (not owned; null: none).
  virtual void SetEvents(GridEvents* events) = 0;
};

// What a window does with the keys typed into the cell editor.
class CellEditorEvents {
 public:
  virtual ~CellEditorEvents() = default;
  // Reported before the key's character; the editor may be hidden by the handler.
  virtual void EditorKeyDown(int key_code, int shift) { (void)key_code, (void)shift; }
  // The character typed; setting it to 0 swallows it.
  virtual void EditorKeyPress(int& key_ascii) { (void)key_ascii; }
};

class CellEditor {
 public:
  virtual ~CellEditor() = default;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
  // Caret position in characters; a position beyond the text puts the caret at its end.
  virtual int Caret() const = 0;
  virtual void SetCaret(int position) = 0;
  // Place on the window in twips.
  virtual void Place(int left, int top, int width, int height) = 0;
  virtual void SetFocus() = 0;
  virtual void SetEvents(CellEditorEvents* events) = 0;
};

}  // namespace pave
