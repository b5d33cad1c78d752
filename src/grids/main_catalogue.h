// The catalogue of the main tables (windows frmSpread1 and frmSpreada): tables whose lines each own
// an auxiliary table or form, opened from the line's count column.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "grids/line_moves.h"
#include "grids/table_entries.h"

namespace pave {

enum class LineLabels { Numbers, RaftNames, None };


struct MainLayout {
  int kind = 0;
  std::string_view name{};
  std::string_view window{};                  // frmSpread1 or frmSpreada
  int cols = 0;                               // grid columns, column 0 included
  int capacity = 0;                           // most lines
  bool lines_fixed = false;                   // 210, 221, 223
  std::string_view caption{};                 // {set} replaced
  std::string_view double_hint{};             // lblDouble (empty: the common hint)
  std::string_view units_si{};
  std::string_view units_english{};
  bool sets_key_hint = false;                 // 209 writes the key hint (the others keep the form's)
  std::array<std::string_view, 9> headers{};  // columns 0 .. 8
  LineLabels labels = LineLabels::Numbers;
  std::array<EntryRef, 8> cells{};            // columns 1 .. 8
  bool blank_when_unset = false;              // an entry never set shows an empty cell
  int count_col = 0;                          // the column that opens the auxiliary table
  EntryRef line_count{};                      // NLG, NOLAY, NJOINT (none for the fixed tables)
  LineIndex lines = LineIndex::None;          // what a line stands for in the layered data set
  std::array<EntryRef, 4> owned{};            // slab data moving with a line on insertion and deletion
  std::string_view aux_window{};              // frmspreadb, frmSpread2 (111: frmGranular or frmClay)
  int aux_cols = 0;                           // gGridCols handed to the auxiliary table (0: its own)
  int aux_capacity = 0;                       // most lines of the auxiliary table
  std::string_view done_window{};             // label marked "done" by the main OK
  std::string_view done_label{};
};

std::span<const MainLayout> MainLayouts();
const MainLayout* FindMainLayout(int kind);

// The help text of a main table.
std::string MainHelp(const MainLayout& layout);

// The common hint of the main tables on opening the auxiliary table.
inline constexpr const char* kDoubleClickHint =
    "Double click (or press the Esc key) for auxiliary form if any entry is not zero.";
// The key hint the main windows show until a table writes its own.
inline constexpr const char* kMainKeyHint =
    "Use <Ctrl>-<Del> to delete a line, <Ctrl>-<Ins> to insert a line, and <Del> to clear a  cell.";

}  // namespace pave
