// A single-level or auxiliary table (window frmspreadb): its set-up from the data set, its help
// text, and its OK, which stores the line count and every cell, checks what needs checking and says
// what comes next.
#pragma once

#include <memory>
#include <string>

#include "grids/cell_engine.h"
#include "grids/grid_window.h"
#include "grids/layer_lines.h"
#include "grids/line_moves.h"
#include "grids/single_catalogue.h"
#include "grids/table_entries.h"

namespace pave {

class SingleTable : public GridTable {
 public:
  // The table a hand-over opens; nothing, after a message to the user saying why, when the hand-over
  // names no table of this window, a data set, period, layer, slab or line the arrays do not have,
  // or more lines than the table holds.
  static std::unique_ptr<SingleTable> Open(const GridHandover& handover, GridControl& grid,
                                           GridWindowTexts& texts);

  const SingleLayout& layout() const { return layout_; }
  const TableContext& context() const { return context_; }
  int InitialLines() const { return context_.handover().grid_lines; }
  std::string Help() const { return SingleHelp(layout_); }

  // OK: commits a pending edit as Enter does, then stores the table. A cell that must hold a number
  // and does not refuses the OK with a message naming it, and nothing is stored.
  OkOutcome Ok(CellEngine& engine);

  // GridTable
  void Setup(int rows) override;
  std::optional<Value> Shown(int line, int col) const override;
  int Capacity() const override { return capacity_; }
  bool LinesFixed() const override { return layout_.lines_fixed; }
  bool DeleteAllowed(int line) override;
  void LineInserted(int line, int lines) override;
  void LineDeleted(int line, int lines) override;

 private:
  SingleTable(const SingleLayout& layout, const GridHandover& handover, GridControl& grid, GridWindowTexts& texts,
              int capacity);
  // The entry of a cell, or the default the table shows for it while it is empty.
  Value EntryOf(int line, int col) const;
  std::string CellText(int line, int col) const;
  std::string DoneLabel() const;
  // The clay type of a line of the clay-type table: 1 to 4, 0 for none (a line left as shown, or
  // 0 typed); nothing for another entry.
  std::optional<int> ClayType(const CellEngine& engine, int line) const;
  // EMIN, EMAX and K1 of each period from its clay type; a period without one keeps its values.
  void StoreClayTypes(const CellEngine& engine, int lines);

  const SingleLayout& layout_;
  TableContext context_;
  GridControl& grid_;
  GridWindowTexts& texts_;
  int capacity_;
  std::optional<LayerLines> layers_;   // a table of the layers
  std::optional<LineMoves> moves_;     // a table of periods, load groups, sequences or times
};

// The entries a clay-type cell takes, as the messages name them.
inline constexpr const char* kClayTypes =
    "1 (very soft), 2 (soft), 3 (medium) or 4 (stiff), or 0 to keep the period's EMIN, EMAX and K1";

// The default clay values of a clay type 1 to 4: EMIN, EMAX and K1, in psi or in kPa.
struct ClayValues {
  double emin, emax, k1;
};
ClayValues DefaultClayValues(int type, bool si_units);

}  // namespace pave
