// The catalogue of the multi-column tables (window frmSpread2) and of the slab-layer tables (window
// frmSpread3).
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "grids/line_moves.h"
#include "grids/table_entries.h"

namespace pave {

// The key-column check of a multi-column table's OK.
enum class MultiCheck {
  None,
  LayerNumber,   // 117, 121, 122: column 1 of each line must not be 0
  NodeCounts,    // 203: NX and NY of each slab 1 .. 15
};

// How a table's column count follows from the data set.
enum class ColumnRule {
  Fixed,         // `cols`
  ByMatl,        // 104: 4 when MATL is 2 or 4, else 3
  ByNslab,       // 203: 3 when NSLAB is below 2, else 7
  ByNdama,       // 205: 4 when NDAMA is 2, else 2
  ByNwt,         // 208: 5 when NWT is 1, else 4
};

struct MultiLayout {
  int kind = 0;
  std::string_view name{};
  std::string_view window{};                   // frmSpread2 or frmSpread3
  int cols = 0;                                // most grid columns, column 0 included
  ColumnRule column_rule = ColumnRule::Fixed;
  int capacity = 0;
  std::string_view caption{};
  std::string_view units_si{};
  std::string_view units_english{};
  std::array<std::string_view, 7> headers{};
  std::array<EntryRef, 6> cells{};             // columns 1 .. 6
  EntryRef count{};                            // the count the lines go into (none for frmSpread3)
  EntryRef marked_last{};                      // 104, 223: NL whose line shows "XXXXXXXXX" for TH
  MultiCheck check = MultiCheck::None;
  std::string_view check_message{};            // the LayerNumber check's message
  std::string_view done_window{};
  std::string_view done_label{};               // {layer} replaced
  bool back_to_main = false;                   // 209, 223: OK opens frmSpreada again
  bool layer_lines = false;                    // 104: the lines are the layers (LayerLines)
  LineIndex lines = LineIndex::None;           // what a line stands for, moved in every array holding it
};

std::span<const MultiLayout> MultiLayouts();
const MultiLayout* FindMultiLayout(int kind);

// The help text of a multi-column or slab-layer table.
std::string MultiHelp(const MultiLayout& layout);

// The text of the thickness cell of the last layer, which is infinite.
inline constexpr const char* kInfiniteThickness = "XXXXXXXXX";

// The key hint of frmSpread2.
inline constexpr const char* kEnterReminder =
    "After typing the value in a cell, be sure to press the Enter key to make it effective.";

}  // namespace pave
