// A grid and a cell editor without a window system, for tests and benchmarks: the cells are kept
// in memory, every row is 240 twips high, and the test drives the events (a click, a key, a double
// click) as a user would. Focus moves between the grid and its editor only.
#pragma once

#include <string>
#include <vector>

#include "platform/grid_control.h"

namespace pave {

class ScriptedCellEditor;

class ScriptedGrid : public GridControl {
 public:
  static constexpr int kRowHeight = 240;   // twips, header row included
  static constexpr int kBorder = 15;       // twips of frame before the first row and column

  // visible_rows: data rows the view shows at once (the view scrolls to keep the current cell in it).
  explicit ScriptedGrid(int visible_rows = 20) : visible_rows_(visible_rows) {}

  int Rows() const override { return static_cast<int>(cells_.size()); }
  int Cols() const override { return cols_; }
  void SetRows(int rows) override;
  void SetCols(int cols) override;
  std::string Text(int row, int col) const override;
  void SetText(int row, int col, const std::string& text) override;
  int ColWidth(int col) const override;
  void SetColWidth(int col, int twips) override;
  int Row() const override { return row_; }
  int Col() const override { return col_; }
  void SetRow(int row) override;
  void SetCol(int col) override;
  int RowSel() const override { return row_sel_; }
  int ColSel() const override { return col_sel_; }
  int TopRow() const override { return top_row_; }
  void SetTopRow(int row) override;
  int CellLeft() const override;
  int CellTop() const override;
  int CellWidth() const override { return ColWidth(col_); }
  int CellHeight() const override { return kRowHeight; }
  void SetFocus() override;
  bool HasFocus() const override { return focused_; }
  void SetEvents(GridEvents* events) override { events_ = events; }

  // What a user does. A click gives the grid the focus and then moves to the cell; keys go to the
  // grid (key down, then the character when the key has one).
  void Click(int row, int col);
  void DoubleClick(int row, int col);
  void PressKey(int key_code, int shift = 0);
  void TypeChar(char c);
  // Extends the selection from the current cell to (row, col), as a shift click does.
  void ExtendSelection(int row, int col);
  // The focus leaves the grid for another control.
  void LoseFocus() { focused_ = false; }
  int visible_rows() const { return visible_rows_; }

 private:
  void MoveTo(int row, int col);
  void BringIntoView();

  std::vector<std::vector<std::string>> cells_;
  std::vector<int> widths_;
  int cols_ = 0;
  int row_ = 0, col_ = 0, row_sel_ = 0, col_sel_ = 0;
  int top_row_ = 1;
  int visible_rows_;
  bool focused_ = false;
  GridEvents* events_ = nullptr;
};

class ScriptedCellEditor : public CellEditor {
 public:
  explicit ScriptedCellEditor(ScriptedGrid& grid) : grid_(grid) {}

  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override;
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override;
  int Caret() const override { return caret_; }
  void SetCaret(int position) override;
  void Place(int left, int top, int width, int height) override;
  void SetFocus() override;
  void SetEvents(CellEditorEvents* events) override { events_ = events; }

  bool HasFocus() const { return focused_ && !grid_.HasFocus(); }
  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // What a user does while the editor has the focus: keys (key down, then the character when the
  // key has one and it was not swallowed; printable characters, Backspace and Delete edit the text).
  void PressKey(int key_code, int shift = 0);
  void TypeChar(char c);
  void Type(const std::string& text);

 private:
  void Edit(int key_ascii);

  ScriptedGrid& grid_;
  bool visible_ = false;
  bool focused_ = false;
  std::string text_;
  int caret_ = 0;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  CellEditorEvents* events_ = nullptr;
};

}  // namespace pave
