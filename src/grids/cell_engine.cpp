#include "grids/cell_engine.h"

#include <algorithm>

#include "grids/grid_window.h"

namespace pave {

namespace {
// One typed character as UTF-8 text.
std::string CharText(int c) {
  const unsigned u = static_cast<unsigned>(c) & 0xFFu;
  if (u < 0x80) return std::string(1, static_cast<char>(u));
  return {static_cast<char>(0xC0 | (u >> 6)), static_cast<char>(0x80 | (u & 0x3F))};
}
}  // namespace

std::string TableFullMessage(int capacity) {
  return "No line can be added: this table holds at most " + std::to_string(capacity) + " lines.";
}

CellEngine::CellEngine(GridControl& grid, CellEditor& editor, GridTable& table, EngineStyle style)
    : grid_(grid), editor_(editor), table_(table), style_(style) {
  grid_.SetEvents(this);
  editor_.SetEvents(this);
  editor_.SetVisible(false);
}

CellEngine::~CellEngine() {
  grid_.SetEvents(nullptr);
  editor_.SetEvents(nullptr);
}

void CellEngine::Start(int lines) {
  lines_ = std::max(lines, 0);
  editor_.SetVisible(false);
  table_.Setup(lines_ + 1);
  shown_.assign(static_cast<std::size_t>(lines_) + 1, {});
  for (int i = 1; i <= lines_; ++i) {
    auto& row = shown_[static_cast<std::size_t>(i)];
    row.assign(static_cast<std::size_t>(std::max(grid_.Cols(), 1)), std::nullopt);
    for (int j = 1; j < grid_.Cols(); ++j) row[static_cast<std::size_t>(j)] = table_.Shown(i, j);
  }
}

std::optional<Value> CellEngine::Untouched(int line, int col) const {
  if (line < 1 || line >= static_cast<int>(shown_.size())) return std::nullopt;
  const auto& row = shown_[static_cast<std::size_t>(line)];
  if (col < 1 || col >= static_cast<int>(row.size())) return std::nullopt;
  return row[static_cast<std::size_t>(col)];
}

bool CellEngine::Edited() const {
  if (edited_) return true;
  if (!editor_.Visible() || edit_row_ < 1 || edit_row_ > lines_ || edit_col_ < 1 || edit_col_ >= grid_.Cols())
    return false;
  return editor_.Text() != grid_.Text(edit_row_, edit_col_);
}

void CellEngine::Reshow(int line, int col, const std::string& text, std::optional<Value> shown) {
  if (line < 1 || line > lines_ || col < 1 || col >= grid_.Cols()) return;
  if (editor_.Visible() && edit_row_ == line && edit_col_ == col) editor_.SetVisible(false);
  grid_.SetText(line, col, text);
  auto& row = shown_[static_cast<std::size_t>(line)];
  if (col < static_cast<int>(row.size())) row[static_cast<std::size_t>(col)] = std::move(shown);
}

void CellEngine::SetCell(int row, int col) {
  grid_.SetRow(row);
  grid_.SetCol(col);
}

void CellEngine::Edit(int key_ascii) {
  if (stopped_) return;
  const int row = grid_.Row(), col = grid_.Col();
  if (row < 1 || row >= grid_.Rows() || col < 1 || col >= grid_.Cols()) return;
  if (key_ascii >= 0 && key_ascii <= 32) {
    editor_.SetText(grid_.Text(row, col));
    editor_.SetCaret(1000);
  } else {
    editor_.SetText(CharText(key_ascii));
    editor_.SetCaret(1);
  }
  editor_.Place(style_.grid_left + grid_.CellLeft(), style_.grid_top + grid_.CellTop(), grid_.CellWidth(),
                grid_.CellHeight());
  edit_row_ = row;
  edit_col_ = col;
  editor_.SetVisible(true);
  editor_.SetFocus();
}

void CellEngine::Commit() {
  if (!editor_.Visible()) return;
  const std::string text = editor_.Text();
  editor_.SetVisible(false);
  // The text goes into the cell the editor was opened over, whichever cell is current now.
  if (edit_row_ < 1 || edit_row_ > lines_ || edit_col_ < 1 || edit_col_ >= grid_.Cols()) return;
  if (grid_.Text(edit_row_, edit_col_) == text) return;
  grid_.SetText(edit_row_, edit_col_, text);
  edited_ = true;
  auto& row = shown_[static_cast<std::size_t>(edit_row_)];
  if (edit_col_ < static_cast<int>(row.size())) row[static_cast<std::size_t>(edit_col_)].reset();
}

void CellEngine::Page() {
  const int row = grid_.Row();
  if (row < 1) return;
  switch (style_.paging) {
    case EngineStyle::Paging::None:
      break;
    case EngineStyle::Paging::MainTable:
      if (row == grid_.TopRow() + 20) {
        grid_.SetTopRow(row + 21 >= grid_.Rows() ? std::max(grid_.Rows() - 21, 1) : row);
      }
      break;
    case EngineStyle::Paging::MultiColumn:
      if (row == grid_.TopRow() + 5) {
        grid_.SetTopRow(grid_.Rows() > row + 6 ? row : std::max(grid_.Rows() - 6, 1));
      }
      break;
  }
}

void CellEngine::EditKey(int key_code, int shift) {
  (void)shift;
  if (stopped_) return;
  switch (key_code) {
    case key::kReturn: {
      Commit();
      grid_.SetFocus();
      if (stopped_) return;
      const int row = grid_.Row(), col = grid_.Col();
      if (row >= 1 && table_.EnterAction(row, col, grid_.Text(row, col))) return;
      if (stopped_) return;
      const int r0 = style_.enter_from_selection ? grid_.RowSel() : row;
      const int c0 = style_.enter_from_selection ? grid_.ColSel() : col;
      if (r0 < 1) return;
      int r = r0, c = c0 + 1;
      if (c >= grid_.Cols()) {
        r = std::min(r0 + 1, grid_.Rows() - 1);
        c = table_.FirstColumnOf(r);
      }
      SetCell(r, c);
      Page();
      break;
    }
    case key::kEscape:
      editor_.SetVisible(false);
      grid_.SetFocus();
      break;
    case key::kUp:
      Commit();
      grid_.SetFocus();
      if (grid_.Row() > grid_.FixedRows()) grid_.SetRow(grid_.Row() - 1);
      break;
    case key::kDown:
      Commit();
      grid_.SetFocus();
      if (grid_.Row() >= 1 && grid_.Row() < grid_.Rows() - 1) grid_.SetRow(grid_.Row() + 1);
      Page();
      break;
    default:
      break;
  }
}

void CellEngine::ClearCell() {
  const int row = grid_.Row(), col = grid_.Col();
  if (row < 1 || row > lines_ || col < 1 || col >= grid_.Cols()) return;
  if (grid_.Text(row, col).empty()) return;
  grid_.SetText(row, col, "");
  edited_ = true;
  auto& shown = shown_[static_cast<std::size_t>(row)];
  if (col < static_cast<int>(shown.size())) shown[static_cast<std::size_t>(col)].reset();
}

void CellEngine::Rebuild(std::vector<std::vector<std::string>>& buffer) {
  editor_.SetVisible(false);
  table_.Setup(lines_ + 1);
  for (int i = 1; i <= lines_; ++i) {
    const auto& line = buffer[static_cast<std::size_t>(i) - 1];
    for (int j = 1; j < grid_.Cols() && j <= static_cast<int>(line.size()); ++j) {
      grid_.SetText(i, j, line[static_cast<std::size_t>(j) - 1]);
    }
  }
}

void CellEngine::InsertLine() {
  if (stopped_ || table_.LinesFixed()) return;
  Commit();
  const int capacity = std::min(table_.Capacity(), kBufferLines);
  if (lines_ >= capacity) {
    Tell(TableFullMessage(capacity));
    return;
  }
  int cur = style_.lines_at_selection ? grid_.RowSel() : grid_.Row();
  cur = std::clamp(cur, 1, std::max(lines_, 1));
  const int cols = DataCols();
  std::vector<std::vector<std::string>> buffer;
  buffer.reserve(static_cast<std::size_t>(lines_) + 1);
  const std::vector<std::string> fresh(static_cast<std::size_t>(std::max(cols, 0)), table_.NewLineText());
  for (int i = 1; i <= lines_; ++i) {
    if (i == cur) buffer.push_back(fresh);
    std::vector<std::string> line;
    line.reserve(static_cast<std::size_t>(std::max(cols, 0)));
    for (int j = 1; j <= cols; ++j) line.push_back(grid_.Text(i, j));
    buffer.push_back(std::move(line));
  }
  if (lines_ == 0) buffer.push_back(fresh);

  std::vector<std::optional<Value>> fresh_shown(static_cast<std::size_t>(std::max(cols, 0)) + 1, Value(0.0));
  fresh_shown[0].reset();
  shown_.insert(shown_.begin() + cur, std::move(fresh_shown));
  ++lines_;
  edited_ = true;
  Rebuild(buffer);
  SetCell(cur, 1);
  table_.LineInserted(cur, lines_);
}

void CellEngine::DeleteLine() {
  if (stopped_ || table_.LinesFixed()) return;
  Commit();
  if (lines_ == 0) return;
  const int cur = style_.lines_at_selection ? grid_.RowSel() : grid_.Row();
  if (cur < 1 || cur > lines_ || !table_.DeleteAllowed(cur)) return;
  const int cols = DataCols();
  std::vector<std::vector<std::string>> buffer;
  buffer.reserve(static_cast<std::size_t>(lines_));
  for (int i = 1; i <= lines_; ++i) {
    if (i == cur) continue;
    std::vector<std::string> line;
    line.reserve(static_cast<std::size_t>(std::max(cols, 0)));
    for (int j = 1; j <= cols; ++j) line.push_back(grid_.Text(i, j));
    buffer.push_back(std::move(line));
  }
  shown_.erase(shown_.begin() + cur);
  --lines_;
  edited_ = true;
  Rebuild(buffer);
  if (lines_ == 0) {
    grid_.SetRow(0);
  } else {
    SetCell(std::clamp(cur, 1, lines_), 1);
  }
  table_.LineDeleted(cur, lines_);
}

void CellEngine::GridGotFocus() {
  if (!stopped_) Commit();
}

void CellEngine::GridLeaveCell() {
  if (!stopped_) Commit();
}

void CellEngine::GridKeyDown(int key_code, int shift) {
  if (stopped_) return;
  switch (key_code * 10 + shift) {
    case 270: table_.DoubleClickAction(); break;
    case 452: InsertLine(); break;
    case 460: ClearCell(); break;
    case 462: DeleteLine(); break;
    default: break;
  }
}

void CellEngine::GridKeyPress(int key_ascii) {
  if (!stopped_) Edit(key_ascii);
}

void CellEngine::GridDblClick() {
  if (!stopped_) table_.DoubleClickAction();
}

void CellEngine::EditorKeyDown(int key_code, int shift) { EditKey(key_code, shift); }

void CellEngine::EditorKeyPress(int& key_ascii) {
  if (key_ascii == 13) key_ascii = 0;
}

}  // namespace pave
