#include "grids/multi_table.h"

#include <cmath>

#include "layered_editor/layered_kinds.h"
#include "shell/window_makers.h"
#include "slab_editor/slab_kinds.h"
#include "grids/table_checks.h"
#include "shell/program_state.h"

namespace pave {

namespace {
bool SlabLayerWindow(const MultiLayout& layout) { return layout.window == std::string_view(kind::kGridSlabLayer); }

int WholeValue(const Value& v) {
  const double d = std::nearbyint(v.Number());
  return d > -1e6 && d < 1e6 ? static_cast<int>(d) : 0;
}
}  // namespace

int MultiColumns(const MultiLayout& layout, const TableContext& context) {
  switch (layout.column_rule) {
    case ColumnRule::Fixed:
      return layout.cols;
    case ColumnRule::ByMatl: {
      const double matl = context.Get(Entry("gLayeredGeneral", At(1))).Number();
      return matl == 2 || matl == 4 ? 4 : 3;
    }
    case ColumnRule::ByNslab:
      return context.Get(Entry("gSlabGeneral", At(7))).Number() < 2 ? 3 : 7;
    case ColumnRule::ByNdama:
      return context.Get(Entry("gSlabGeneral", At(2))).Number() == 2 ? 4 : 2;
    case ColumnRule::ByNwt:
      return context.Get(Entry("gSlabCurling", At(5))).Number() == 1 ? 5 : 4;
  }
  return layout.cols;
}

MultiTable::MultiTable(const MultiLayout& layout, const GridHandover& handover, GridControl& grid,
                       GridWindowTexts& texts, int capacity, int cols)
    : layout_(layout), context_(handover), grid_(grid), texts_(texts), capacity_(capacity), cols_(cols) {
  if (layout_.layer_lines) layers_.emplace(handover.grid_lines);
  if (layout_.lines != LineIndex::None) moves_.emplace(context_, EntriesHeldFor(layout_.lines), capacity_);
}

std::unique_ptr<MultiTable> MultiTable::Open(const GridHandover& handover, const std::string& window_kind,
                                             GridControl& grid, GridWindowTexts& texts) {
  const MultiLayout* layout = FindMultiLayout(handover.kind);
  if (!layout || layout->window != window_kind) {
    Tell("Table kind " + std::to_string(handover.kind) + " is not shown by this window.");
    return nullptr;
  }
  const TableContext context(handover);
  std::optional<std::string> problem = HandoverProblem(context, {layout->cells[0], layout->count});
  const int capacity = TableCapacity(context, layout->cells[0], layout->capacity);
  if (!problem) problem = LineCountProblem(handover.grid_lines, capacity);
  if (problem) {
    Tell(*problem);
    return nullptr;
  }
  return std::unique_ptr<MultiTable>(
      new MultiTable(*layout, handover, grid, texts, capacity, MultiColumns(*layout, context)));
}

bool MultiTable::LinesFixed() const { return SlabLayerWindow(layout_); }

bool MultiTable::Marked(int line, int col) const {
  if (layout_.marked_last.empty() || col != 1) return false;
  return line == WholeValue(context_.Get(layout_.marked_last));
}

void MultiTable::Setup(int rows) {
  grid_.SetCols(cols_);
  grid_.SetRows(rows);
  for (int c = 0; c < cols_; ++c) grid_.SetColWidth(c, c == 0 ? 1200 : 1000);
  for (int i = 1; i < rows; ++i) grid_.SetText(i, 0, std::to_string(i));
  if (!SlabLayerWindow(layout_)) texts_.SetKeyHint(kKeyHint);
  texts_.SetCaption(context_.Caption(layout_.caption));
  texts_.SetUnits(std::string(context_.SiUnits() ? layout_.units_si : layout_.units_english));
  for (int c = 0; c < cols_; ++c) grid_.SetText(0, c, std::string(layout_.headers[static_cast<std::size_t>(c)]));
  grid_.FitHeaders();
  for (int i = 1; i < rows; ++i) {
    for (int c = 1; c < cols_; ++c) {
      if (Marked(i, c)) {
        grid_.SetText(i, c, kInfiniteThickness);
        continue;
      }
      const EntryRef& ref = layout_.cells[static_cast<std::size_t>(c) - 1];
      grid_.SetText(i, c, NumberText(context_.Get(ref, i), context_.KindOf(ref)));
    }
  }
  grid_.SetRow(rows > 1 ? 1 : 0);
  grid_.SetCol(1);
}

std::optional<Value> MultiTable::Shown(int line, int col) const {
  if (col < 1 || col >= cols_ || Marked(line, col)) return std::nullopt;
  return ShownValue(context_.Get(layout_.cells[static_cast<std::size_t>(col) - 1], line));
}

int MultiTable::FirstColumnOf(int line) const {
  return grid_.Text(line, 1) == kInfiniteThickness && cols_ > 2 ? 2 : 1;
}

bool MultiTable::DeleteAllowed(int line) { return LayerDeleteAllowed(layers_, context_, line); }

void MultiTable::LineInserted(int line, int lines) {
  if (layers_) layers_->Inserted(line);
  if (moves_) moves_->Insert(line, lines);
  gGridLines = Value(lines);
  gGridRows = static_cast<std::int16_t>(lines + 1);
}

void MultiTable::LineDeleted(int line, int lines) {
  if (layers_) layers_->Deleted(line);
  if (moves_) moves_->Delete(line, lines);
  gGridLines = Value(lines);
  gGridRows = static_cast<std::int16_t>(lines + 1);
}

void MultiTable::ArrangementDefaults(int slabs) {
  const int joints = WholeValue(context_.Get(Entry("gSlabGeneral", At(8))));
  const EntryRef barno = Entry("gSlabBARNO", kLine, kColumn);
  const int joint_bound = context_.Bound(barno, Slot::Line);
  const int node_bound = context_.Bound(barno, Slot::Column);
  for (int j = 1; j <= joints && j <= joint_bound; ++j) {
    bool found = false;
    for (int s = 1; s <= slabs && !found; ++s) {
      for (int side = 1; side <= 4 && !found; ++side) {
        if (WholeValue(context_.Get(Entry("gSlabArrangement", kLine, At(2 + side)), s)) != j) continue;
        found = true;
        // The end node of the joint: the last node along the side.
        const int along = WholeValue(context_.Get(Entry("gSlabArrangement", kLine, At(side <= 2 ? 2 : 1)), s));
        if (along >= 1 && along <= node_bound) context_.Put(barno, Value(0.0), j, along);
      }
    }
  }
  const int ndama = WholeValue(context_.Get(Entry("gSlabGeneral", At(2))));
  const int nprint = WholeValue(context_.Get(Entry("gSlabGeneral", At(10))));
  if (ndama == 2 || (ndama == 1 && nprint == 3)) {
    const int ny = WholeValue(context_.Get(Entry("gSlabArrangement", kLine, At(2)), 1));
    const EntryRef np = Entry("gSlabNP", kLine);
    context_.Put(np, Value(1), 1);
    context_.Put(np, Value(2 * ny + 1), 2);
    context_.Put(np, Value(4 * ny + 1), 3);
  }
}

OkOutcome MultiTable::Ok(CellEngine& engine) {
  engine.EditKey(key::kReturn, 0);
  const int lines = engine.Lines();
  const bool marks_last = !layout_.marked_last.empty();

  // Every changed cell must be a number its entry holds: a cell stored as its text would otherwise
  // lose a value in the data file, and a numeric entry would keep its old value unseen.
  for (int r = 1; r <= lines; ++r) {
    for (int c = 1; c < cols_; ++c) {
      if ((marks_last && r == lines && c == 1) || engine.Untouched(r, c)) continue;
      const EntryKind kind = context_.KindOf(layout_.cells[static_cast<std::size_t>(c) - 1]);
      const std::string text = grid_.Text(r, c);
      std::optional<std::string> problem =
          CellTextProblem(kind, text, r, layout_.headers[static_cast<std::size_t>(c)]);
      if (!problem) continue;
      // A key column reports a blank the way its check reports a 0.
      if (layout_.check == MultiCheck::LayerNumber && c == 1 && !IsNumberText(text)) {
        problem = std::string(layout_.check_message);
      }
      TellAtCell(grid_, r, c, *problem);
      return {};
    }
  }

  const auto refuse = [&](int r, int c, std::string_view message) {
    TellAtCell(grid_, r, c, std::string(message));
    return OkOutcome{};
  };
  if (!CommitLayers(layers_, context_)) return {};
  if (moves_) moves_->Commit(context_);
  if (!layout_.count.empty()) context_.PutCount(layout_.count, lines);
  for (int r = 1; r <= lines; ++r) {
    for (int c = 1; c < cols_; ++c) {
      if (marks_last && r == lines && c == 1) continue;   // the last layer's thickness is never stored
      const EntryRef& ref = layout_.cells[static_cast<std::size_t>(c) - 1];
      if (const std::optional<Value> kept = engine.Untouched(r, c)) {
        context_.Put(ref, *kept, r);
      } else {
        context_.PutText(ref, grid_.Text(r, c), r);   // a numeric entry keeps its value on bad text
      }
      if (layout_.check == MultiCheck::NodeCounts && (c == 1 || c == 2)) {
        const double n = context_.Get(ref, r).Number();
        if (n == 0) return refuse(r, c, "NX and NY should not be 0");
        if (n > 15) return refuse(r, c, "NX and NY should not be greater than 15");
      }
    }
    if (layout_.check == MultiCheck::LayerNumber) {
      const Value key = context_.Get(layout_.cells[0], r);
      if (!ShownValue(key) || key.Number() == 0) return refuse(r, cols_ - 1, layout_.check_message);
    }
  }
  // The arrangement's defaults are filled by the first OK of the table that succeeds.
  if (layout_.kind == 203 && ++gArrangementVisits == 1 &&
      (gNewFile.Number() == 1 || gSlabReadError.Number() == 1)) {
    ArrangementDefaults(lines);
  }
  if (layout_.kind == 208 && context_.Get(Entry("gSlabLayerProps", At(1), At(1))).Number() == 0) {
    return refuse(1, 1, "T of slab layer 1 should not be 0");
  }

  OkOutcome out;
  out.close = true;
  engine.Stop();
  std::string label(layout_.done_label);
  const std::size_t at = label.find("{layer}");
  if (at != std::string::npos) label.replace(at, 7, std::to_string(context_.handover().layer));
  out.label = LabelMark{std::string(layout_.done_window), label};
  if (layout_.back_to_main) {
    out.next_window = kind::kGridMainSlab;
    out.next = context_.handover();
  }
  return out;
}

}  // namespace pave
