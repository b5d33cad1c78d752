// A multi-column table (window frmSpread2) or slab-layer table (window frmSpread3): its set-up, the
// skip over the infinite thickness of the last layer, and OK with its key-column checks and, for the
// first arrangement of the slabs of a new file, the default dowel and print-node data.
#pragma once

#include <memory>
#include <string>

#include "grids/cell_engine.h"
#include "grids/grid_window.h"
#include "grids/layer_lines.h"
#include "grids/line_moves.h"
#include "grids/multi_catalogue.h"
#include "grids/table_entries.h"

namespace pave {

class MultiTable : public GridTable {
 public:
  // The table a hand-over opens in `window_kind`; nothing, after a message, when it cannot open.
  static std::unique_ptr<MultiTable> Open(const GridHandover& handover, const std::string& window_kind,
                                          GridControl& grid, GridWindowTexts& texts);

  const MultiLayout& layout() const { return layout_; }
  const TableContext& context() const { return context_; }
  int Cols() const { return cols_; }
  std::string Help() const { return MultiHelp(layout_); }

  // OK: commits a pending edit as Enter does, stores the table and checks it.
  OkOutcome Ok(CellEngine& engine);

  // GridTable
  void Setup(int rows) override;
  std::optional<Value> Shown(int line, int col) const override;
  int Capacity() const override { return capacity_; }
  bool LinesFixed() const override;
  int FirstColumnOf(int line) const override;
  bool DeleteAllowed(int line) override;
  void LineInserted(int line, int lines) override;
  void LineDeleted(int line, int lines) override;

 private:
  MultiTable(const MultiLayout& layout, const GridHandover& handover, GridControl& grid, GridWindowTexts& texts,
             int capacity, int cols);
  bool Marked(int line, int col) const;
  void ArrangementDefaults(int slabs);

  const MultiLayout& layout_;
  TableContext context_;
  GridControl& grid_;
  GridWindowTexts& texts_;
  int capacity_;
  int cols_;
  std::optional<LayerLines> layers_;   // a table of the layers
  std::optional<LineMoves> moves_;     // a table of periods or viscoelastic sequences
};

// The grid columns a table shows for its data set (column 0 included).
int MultiColumns(const MultiLayout& layout, const TableContext& context);

}  // namespace pave
