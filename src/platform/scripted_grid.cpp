#include "platform/scripted_grid.h"

#include <algorithm>
#include <cctype>

namespace pave {

namespace {
// The key code a character's key reports on the way down.
int KeyCodeOf(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  if (std::isalpha(u)) return std::toupper(u);
  if (std::isdigit(u) || c == ' ') return u;
  switch (c) {
    case '.': return 190;
    case '-': return 189;
    case '+': return 187;
    case ',': return 188;
    default: return 0;
  }
}

// The character a key produces, or 0.
int CharOf(int key_code) {
  switch (key_code) {
    case key::kReturn: return 13;
    case key::kEscape: return 27;
    case key::kBack: return 8;
    default: return 0;
  }
}
}  // namespace

void ScriptedGrid::SetRows(int rows) {
  rows = std::max(rows, 0);
  cells_.resize(static_cast<std::size_t>(rows), std::vector<std::string>(static_cast<std::size_t>(cols_)));
  if (row_ >= rows) row_ = row_sel_ = std::max(rows - 1, 0);
  if (top_row_ >= rows) top_row_ = std::max(rows - 1, 1);
}

void ScriptedGrid::SetCols(int cols) {
  cols_ = std::max(cols, 0);
  for (auto& row : cells_) row.resize(static_cast<std::size_t>(cols_));
  widths_.resize(static_cast<std::size_t>(cols_), 960);
  if (col_ >= cols_) col_ = col_sel_ = std::max(cols_ - 1, 0);
}

std::string ScriptedGrid::Text(int row, int col) const {
  if (row < 0 || row >= Rows() || col < 0 || col >= cols_) return {};
  return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void ScriptedGrid::SetText(int row, int col, const std::string& text) {
  if (row < 0 || row >= Rows() || col < 0 || col >= cols_) return;
  cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = text;
}

int ScriptedGrid::ColWidth(int col) const {
  if (col < 0 || col >= cols_) return 0;
  return widths_[static_cast<std::size_t>(col)];
}

void ScriptedGrid::SetColWidth(int col, int twips) {
  if (col < 0 || col >= cols_) return;
  widths_[static_cast<std::size_t>(col)] = twips;
}

void ScriptedGrid::MoveTo(int row, int col) {
  row = std::clamp(row, 0, std::max(Rows() - 1, 0));
  col = std::clamp(col, 0, std::max(cols_ - 1, 0));
  if ((row != row_ || col != col_) && events_) events_->GridLeaveCell();
  row_ = row_sel_ = row;
  col_ = col_sel_ = col;
  BringIntoView();
}

void ScriptedGrid::BringIntoView() {
  if (row_ < 1) return;
  if (row_ < top_row_) top_row_ = row_;
  if (row_ >= top_row_ + visible_rows_) top_row_ = row_ - visible_rows_ + 1;
}

void ScriptedGrid::SetRow(int row) { MoveTo(row, col_); }
void ScriptedGrid::SetCol(int col) { MoveTo(row_, col); }

void ScriptedGrid::SetTopRow(int row) { top_row_ = std::clamp(row, 1, std::max(Rows() - 1, 1)); }

int ScriptedGrid::CellLeft() const {
  int left = kBorder;
  for (int c = 0; c < col_ && c < cols_; ++c) left += widths_[static_cast<std::size_t>(c)];
  return left;
}

int ScriptedGrid::CellTop() const {
  return kBorder + kRowHeight * (1 + std::max(row_ - top_row_, 0));
}

void ScriptedGrid::SetFocus() {
  if (focused_) return;
  focused_ = true;
  if (events_) events_->GridGotFocus();
}

void ScriptedGrid::Click(int row, int col) {
  SetFocus();
  if (row >= FixedRows() && col >= FixedCols()) MoveTo(row, col);
}

void ScriptedGrid::DoubleClick(int row, int col) {
  Click(row, col);
  if (events_) events_->GridDblClick();
}

void ScriptedGrid::ExtendSelection(int row, int col) {
  row_sel_ = std::clamp(row, 1, std::max(Rows() - 1, 1));
  col_sel_ = std::clamp(col, 1, std::max(cols_ - 1, 1));
}

void ScriptedGrid::PressKey(int key_code, int shift) {
  if (!focused_) return;
  if (events_) events_->GridKeyDown(key_code, shift);
  if (!focused_) return;   // the key-down handler moved the focus away
  const int c = CharOf(key_code);
  if (c != 0 && shift == 0) {
    if (events_) events_->GridKeyPress(c);
    return;
  }
  if (shift != 0) return;
  // The grid's own navigation.
  switch (key_code) {
    case key::kUp: if (row_ > 1) MoveTo(row_ - 1, col_); break;
    case key::kDown: if (row_ < Rows() - 1) MoveTo(row_ + 1, col_); break;
    case key::kLeft: if (col_ > 1) MoveTo(row_, col_ - 1); break;
    case key::kRight: if (col_ < cols_ - 1) MoveTo(row_, col_ + 1); break;
    default: break;
  }
}

void ScriptedGrid::TypeChar(char c) {
  if (!focused_) return;
  const int shift = std::isupper(static_cast<unsigned char>(c)) ? key::kShift : 0;
  if (events_) events_->GridKeyDown(KeyCodeOf(c), shift);
  if (events_) events_->GridKeyPress(static_cast<unsigned char>(c));
}

void ScriptedCellEditor::SetVisible(bool visible) {
  visible_ = visible;
  if (!visible) focused_ = false;
}

void ScriptedCellEditor::SetText(const std::string& text) {
  text_ = text;
  caret_ = static_cast<int>(text_.size());
}

void ScriptedCellEditor::SetCaret(int position) {
  caret_ = std::clamp(position, 0, static_cast<int>(text_.size()));
}

void ScriptedCellEditor::Place(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

void ScriptedCellEditor::SetFocus() {
  if (!visible_) return;
  focused_ = true;
  grid_.LoseFocus();
}

void ScriptedCellEditor::Edit(int key_ascii) {
  if (key_ascii == 8) {
    if (caret_ > 0) {
      text_.erase(static_cast<std::size_t>(caret_ - 1), 1);
      --caret_;
    }
  } else if (key_ascii >= 32) {
    text_.insert(text_.begin() + caret_, static_cast<char>(key_ascii));
    ++caret_;
  }
}

void ScriptedCellEditor::PressKey(int key_code, int shift) {
  if (!focused_ || grid_.HasFocus()) return;
  if (events_) events_->EditorKeyDown(key_code, shift);
  if (!focused_ || grid_.HasFocus()) return;
  int c = CharOf(key_code);
  if (c != 0) {
    if (events_) events_->EditorKeyPress(c);
    if (c != 0) Edit(c);
    return;
  }
  switch (key_code) {
    case key::kLeft: SetCaret(caret_ - 1); break;
    case key::kRight: SetCaret(caret_ + 1); break;
    case key::kHome: caret_ = 0; break;
    case key::kEnd: caret_ = static_cast<int>(text_.size()); break;
    case key::kDelete:
      if (caret_ < static_cast<int>(text_.size())) text_.erase(static_cast<std::size_t>(caret_), 1);
      break;
    default: break;
  }
}

void ScriptedCellEditor::TypeChar(char c) {
  if (!focused_ || grid_.HasFocus()) return;
  const int shift = std::isupper(static_cast<unsigned char>(c)) ? key::kShift : 0;
  if (events_) events_->EditorKeyDown(KeyCodeOf(c), shift);
  int ascii = static_cast<unsigned char>(c);
  if (events_) events_->EditorKeyPress(ascii);
  if (ascii != 0) Edit(ascii);
}

void ScriptedCellEditor::Type(const std::string& text) {
  for (char c : text) TypeChar(c);
}

}  // namespace pave
