// The catalogue of the single-level and auxiliary tables (window frmspreadb): one layout per table
// kind, two or three for the kinds whose layout depends on the data (107 by LOAD, 112 by NCLAY,
// 210 by the raft line). Each layout names what the table shows and stores.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "grids/line_moves.h"
#include "grids/table_entries.h"
#include "shell/unit_defaults.h"

namespace pave {

enum class SingleVariant {
  Only,
  Radial,      // 107, LOAD of the load group 0: RC
  Points,      // 107, several wheels: XPT, YPT
  Granular,    // 112, NCLAY 0: PHI, K1
  ClayType,    // 112, clay layer with default clay input: one clay type per period
  Forces,      // 210, raft line 1: NN, FF
  MomentsX,    // 210, raft line 2: NNX, FMX
  MomentsY,    // 210, raft line 3: NNY, FMY
};

// What OK does after storing the table.
enum class SingleReturn {
  Close,          // close the window
  LoadGroups,     // 107: back to the load-group main table
  Joints,         // 224: back to the joint main table
  SlabMain,       // 210, 221: back to the slab main table as it was
  ClayValues,     // 112 clay type: on to the EMIN, EMAX, K1 table
};

struct SingleLayout {
  int kind = 0;
  SingleVariant variant = SingleVariant::Only;
  std::string_view name{};
  int data_cols = 1;
  int capacity = 0;                          // most lines
  std::string_view caption{};                // with {set}, {period}, ... (TableContext::Caption)
  std::array<std::string_view, 3> headers{}; // columns 0, 1, 2
  std::string_view units_si{};
  std::string_view units_english{};
  std::array<EntryRef, 2> cells{};           // columns 1 and 2
  EntryRef count{};                          // the count the lines go into (none for 105)
  bool lines_fixed = false;                  // 105: no insertion or deletion, no key hint
  bool times_as_labels = false;              // 118: column 0 shows the creep times
  bool plain_cells = false;                  // 112 granular: cells show entries as they stand
  std::string_view done_window{};            // status label marked "done" (none: empty)
  std::string_view done_label{};             // {period}, {layer}, {slab} replaced
  SingleReturn after = SingleReturn::Close;
  bool layer_lines = false;                  // 106: the lines are the layers (LayerLines)
  LineIndex lines = LineIndex::None;         // what a line stands for, moved in every array holding it
  const UnitPair* empty_shows = nullptr;     // 119: the default an empty entry shows and stores
};

std::span<const SingleLayout> SingleLayouts();

// The layouts of one kind (one, or the variants).
bool IsSingleKind(int kind);

// The layout a hand-over shows: by kind, and for 107, 112 and 210 by the data (LOAD of the owning
// load group, NCLAY of the nonlinear sequence, the raft line). Null for kinds of other windows.
const SingleLayout* SingleLayoutFor(const TableContext& context);

// The layout of a kind and variant (tests).
const SingleLayout* FindSingleLayout(int kind, SingleVariant variant = SingleVariant::Only);

// The help text of a layout.
std::string SingleHelp(const SingleLayout& layout);

}  // namespace pave
