// The hand-over of a grid window: what the opener puts into the program-wide values before it
// loads the window (the table kind, the data set, the period, layer, slab or owning line, the
// counts). A grid window takes it once, when it loads, and works with that copy until it closes,
// so that a menu clicked while the table is open cannot move its OK to another table or data set.
// A grid window that loads the next one (a main table and its auxiliary table) hands its copy over
// directly.
#pragma once

#include <optional>
#include <string>

namespace pave {

struct GridHandover {
  int kind = 0;          // table kind (gScreenCode)
  int set = 0;           // data set: gLayeredSet for kinds 1xx, gSlabSet for kinds 2xx
  int period = 0;        // gCurrentPeriod
  int layer = 0;         // gCurrentLayer
  int slab = 0;          // gCurrentSlab
  int owner = 0;         // gOwnerLine
  int grid_cols = 0;     // gGridCols
  int grid_lines = 0;    // gGridLines
  int main_cols = 0;     // gMainCols
  int main_lines = 0;    // gMainLines
  int main_top_line = 1; // gMainTopLine

  bool Layered() const { return kind < 200; }
};

// The hand-over as the program-wide values hold it now (whole numbers, a half to the even one).
GridHandover HandoverFromProgramState();
// Writes a hand-over back into the program-wide values (the editors' own forms read them).
void PublishHandover(const GridHandover& handover);

// The hand-over for a grid window being loaded: the one handed over directly to this window kind,
// else the program-wide values.
GridHandover TakeHandover(const std::string& window_kind);
// The same without taking it: the hand-over a window of `window_kind` would load with now.
GridHandover PeekHandover(const std::string& window_kind);

// Publishes the hand-over and loads the window of `window_kind`, which takes this hand-over.
void LoadWithHandover(const std::string& window_kind, const GridHandover& handover);

}  // namespace pave
