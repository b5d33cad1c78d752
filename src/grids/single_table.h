// A single-level or auxiliary table (window frmspreadb): its set-up from the data set, its help
// text, and its OK, which stores the line count and every cell, checks what needs checking and says
// what comes next.
#pragma once

#include <memory>
#include <string>

#include "grids/cell_engine.h"
#include "grids/grid_window.h"
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
  void LineInserted(int line, int lines) override;
  void LineDeleted(int line, int lines) override;

 private:
  SingleTable(const SingleLayout& layout, const GridHandover& handover, GridControl& grid, GridWindowTexts& texts,
              int capacity);
  std::string CellText(int line, int col) const;
  std::string DoneLabel() const;
  bool StoreClayTypes(int lines);

  const SingleLayout& layout_;
  TableContext context_;
  GridControl& grid_;
  GridWindowTexts& texts_;
  int capacity_;
};

// The default clay values of a clay type 1 to 4: EMIN, EMAX and K1, in psi or in kPa.
struct ClayValues {
  double emin, emax, k1;
};
ClayValues DefaultClayValues(int type, bool si_units);

}  // namespace pave
