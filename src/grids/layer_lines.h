// The layers of a layered data set as a table whose lines are the layers (the layer table, a
// period's moduli) moves them: a line inserted or deleted there inserts or deletes the layer in every
// table that holds one entry per layer, so that each layer keeps its own values throughout.
//
// Moving with their layer: TH, PR and GAM (shown or not), E of every period and the interface
// below each layer (INT); the layer numbers that the nonlinear, viscoelastic and damage data give
// (LAYNO, LNBT, LNTC) follow their layers. A layer that one of those names cannot be deleted: its
// nonlinear, viscoelastic or damage data would be left naming another layer.
//
// The table keeps the moves and makes them in the data set at its OK, before it stores its cells;
// a table closed otherwise leaves the data set as it was.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "grids/table_entries.h"

namespace pave {

class LayerLines {
 public:
  // The table opened with `layers` lines.
  explicit LayerLines(int layers);

  // Why line `line` cannot be deleted (an entry of the data set names its layer), or nothing.
  std::optional<std::string> DeleteProblem(const TableContext& context, int line) const;
  // A line was inserted before `line`, or `line` was deleted.
  void Inserted(int line);
  void Deleted(int line);

  // Why the moves cannot be made at OK (a layer deleted here has been named by an entry since),
  // or nothing.
  std::optional<std::string> CommitProblem(const TableContext& context) const;
  // Makes the moves in the data set (nothing when there were none).
  void Commit(const TableContext& context);

 private:
  // The line that layer `layer` of the data set has now (0: deleted).
  int LineOf(int layer) const;

  int opened_;
  std::vector<int> origin_;   // origin_[line - 1]: the data set's layer shown there, 0 for a new one
  bool moved_ = false;
};

// What a table of the layers (`layers` set) does on Ctrl+Del of `line`: false after telling why the
// line must stay; true for other tables.
bool LayerDeleteAllowed(const std::optional<LayerLines>& layers, const TableContext& context, int line);
// The moves at the table's OK: false after telling why they cannot be made.
bool CommitLayers(std::optional<LayerLines>& layers, const TableContext& context);

}  // namespace pave
