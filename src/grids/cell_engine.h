// The cell-editing engine that every grid window carries. The grid control only shows text; the
// engine floats the cell editor over the current cell, puts the typed text into that cell, moves
// on with Enter and the arrow keys, clears a cell with Del and inserts (Ctrl+Ins) or deletes
// (Ctrl+Del) whole lines. What the cells mean is the table's business (GridTable).
//
// The engine also remembers, for every data cell, the value it showed when the window opened and
// whether the user has changed it since; the cell keeps that value through line insertion and
// deletion, so that OK can store an untouched cell exactly as the entry held it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/value.h"
#include "platform/grid_control.h"

namespace pave {

// What a table does for the engine.
class GridTable {
 public:
  virtual ~GridTable() = default;
  // Lays the table out for `rows` grid rows (its lines + 1): size, column widths, line labels,
  // headers, units line, key hint and the cells from the data set; places the current cell.
  virtual void Setup(int rows) = 0;
  // The value a data cell stands for after the first set-up (nothing: the cell shows no entry).
  virtual std::optional<Value> Shown(int line, int col) const { (void)line, (void)col; return std::nullopt; }
  // Most lines the table can hold.
  virtual int Capacity() const = 0;
  // Ctrl+Ins and Ctrl+Del do nothing.
  virtual bool LinesFixed() const { return false; }
  // Esc on the grid and a double click.
  virtual void DoubleClickAction() {}
  // Enter pressed in the cell editor on (line, col), whose text is now `text`: true when the
  // table took the key for itself (it opened another window) and the engine must not move on.
  virtual bool EnterAction(int line, int col, const std::string& text) { (void)line, (void)col, (void)text; return false; }
  // The column Enter moves to when it goes on to the next line.
  virtual int FirstColumnOf(int line) const { (void)line; return 1; }
  // Ctrl+Del on `line`: false, after a message saying why, when the line must stay.
  virtual bool DeleteAllowed(int line) { (void)line; return true; }
  // A line was inserted before `line`, or `line` was deleted; `lines` is the new number of lines.
  virtual void LineInserted(int line, int lines) { (void)line, (void)lines; }
  virtual void LineDeleted(int line, int lines) { (void)line, (void)lines; }
  // The line buffer's text for the cells of an inserted line.
  virtual std::string NewLineText() const { return " 0"; }
};

struct EngineStyle {
  // Where the grid's top left corner lies on the window, in twips: the cell editor is placed there
  // plus the cell's place inside the grid.
  int grid_left = 0;
  int grid_top = 0;
  // Enter moves on from the end of the selection (RowSel, ColSel) rather than the current cell.
  bool enter_from_selection = true;
  // Ctrl+Ins and Ctrl+Del act on the line at the end of the selection rather than the current line.
  bool lines_at_selection = false;
  enum class Paging { None, MainTable, MultiColumn };
  Paging paging = Paging::None;
};

class CellEngine : public GridEvents, public CellEditorEvents {
 public:
  // The most lines any table can have: the line buffer's size.
  static constexpr int kBufferLines = 201;

  CellEngine(GridControl& grid, CellEditor& editor, GridTable& table, EngineStyle style);
  ~CellEngine() override;
  CellEngine(const CellEngine&) = delete;
  CellEngine& operator=(const CellEngine&) = delete;

  // Lays the table out with `lines` lines and notes what each cell shows.
  void Start(int lines);
  int Lines() const { return lines_; }
  GridControl& grid() { return grid_; }
  CellEditor& editor() { return editor_; }

  // The value to store for a data cell that still shows what it showed when the window opened;
  // nothing when the user changed the cell (or it never showed an entry).
  std::optional<Value> Untouched(int line, int col) const;
  // True once the user changed a cell or the lines, or while the cell editor holds a changed text.
  bool Edited() const;
  // Puts a cell back as it showed the entry `shown` (an untouched cell again), with `text`.
  void Reshow(int line, int col, const std::string& text, std::optional<Value> shown);

  // The engine's operations, as the events run them.
  void Edit(int key_ascii);                      // open the cell editor over the current cell
  void EditKey(int key_code, int shift);         // a key in the cell editor
  void Commit();                                 // a pending edit goes into its cell
  void InsertLine();
  void DeleteLine();
  void ClearCell();
  bool Editing() const { return editor_.Visible(); }

  // After this the engine ignores every event (the window is closing).
  void Stop() { stopped_ = true; }

  // GridEvents
  void GridGotFocus() override;
  void GridLeaveCell() override;
  void GridKeyDown(int key_code, int shift) override;
  void GridKeyPress(int key_ascii) override;
  void GridDblClick() override;
  // CellEditorEvents
  void EditorKeyDown(int key_code, int shift) override;
  void EditorKeyPress(int& key_ascii) override;

 private:
  void SetCell(int row, int col);
  void Page();
  void Rebuild(std::vector<std::vector<std::string>>& buffer);
  int DataCols() const { return grid_.Cols() - 1; }

  GridControl& grid_;
  CellEditor& editor_;
  GridTable& table_;
  EngineStyle style_;
  int lines_ = 0;
  int edit_row_ = 0, edit_col_ = 0;   // the cell the editor was opened over
  bool stopped_ = false;
  bool edited_ = false;
  // shown_[line][col]: the value the cell stands for while untouched (index 0 unused).
  std::vector<std::vector<std::optional<Value>>> shown_;
};

// The message shown when Ctrl+Ins finds the table full.
std::string TableFullMessage(int capacity);

}  // namespace pave
