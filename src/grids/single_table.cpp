#include "grids/single_table.h"

#include <cmath>

#include "common/numeric_value.h"
#include "layered_editor/layered_kinds.h"
#include "shell/window_makers.h"
#include "slab_editor/slab_kinds.h"
#include "grids/table_checks.h"
#include "shell/program_state.h"

namespace pave {

namespace {
constexpr int kColumnWidth = 1000;

std::string Replace(std::string text, std::string_view name, int value) {
  const std::string key = "{" + std::string(name) + "}";
  const std::size_t at = text.find(key);
  if (at != std::string::npos) text.replace(at, key.size(), std::to_string(value));
  return text;
}
}  // namespace

ClayValues DefaultClayValues(int type, bool si_units) {
  static constexpr ClayValues kPsi[] = {{1000, 5662, 1000}, {1827, 7682, 3020}, {4716, 12342, 7680}, {7605, 17002, 12340}};
  static constexpr ClayValues kKpa[] = {
      {6895, 39040, 6895}, {12597, 52967, 20823}, {32517, 85098, 52954}, {52436, 117229, 85084}};
  const int i = std::clamp(type, 1, 4) - 1;
  return si_units ? kKpa[i] : kPsi[i];
}

SingleTable::SingleTable(const SingleLayout& layout, const GridHandover& handover, GridControl& grid,
                         GridWindowTexts& texts, int capacity)
    : layout_(layout), context_(handover), grid_(grid), texts_(texts), capacity_(capacity) {
  if (layout_.layer_lines) layers_.emplace(handover.grid_lines);
  if (layout_.lines != LineIndex::None) moves_.emplace(context_, EntriesHeldFor(layout_.lines), capacity_);
}

std::unique_ptr<SingleTable> SingleTable::Open(const GridHandover& handover, GridControl& grid,
                                               GridWindowTexts& texts) {
  const TableContext context(handover);
  if (!IsSingleKind(handover.kind)) {
    Tell("Table kind " + std::to_string(handover.kind) + " is not shown by this window.");
    return nullptr;
  }
  // The layout of 107, 112 and 210 depends on entries the hand-over picks: check those first.
  std::optional<std::string> problem;
  if (handover.kind == 107) problem = HandoverProblem(context, {Entry("gLayeredLoad", kOwner, At(1))});
  if (handover.kind == 112) problem = HandoverProblem(context, {Entry("gLayeredNonseasonal", kLayer, At(3))});
  if (handover.kind == 210 && (handover.owner < 1 || handover.owner > 3)) {
    problem = "This table cannot be opened for line " + std::to_string(handover.owner) + ".";
  }
  if (problem) {
    Tell(*problem);
    return nullptr;
  }
  const SingleLayout* layout = SingleLayoutFor(context);
  problem = HandoverProblem(context, {layout->cells[0], layout->cells[1], layout->count});
  const int capacity = TableCapacity(context, layout->cells[0], layout->capacity);
  if (!problem) problem = LineCountProblem(handover.grid_lines, capacity);
  if (problem) {
    Tell(*problem);
    return nullptr;
  }
  return std::unique_ptr<SingleTable>(new SingleTable(*layout, handover, grid, texts, capacity));
}

Value SingleTable::EntryOf(int line, int col) const {
  Value v = context_.Get(layout_.cells[static_cast<std::size_t>(col) - 1], line, col);
  if (v.IsEmpty() && layout_.empty_shows) v = Value(layout_.empty_shows->In(context_.SiUnits()));
  return v;
}

std::string SingleTable::CellText(int line, int col) const {
  if (layout_.variant == SingleVariant::ClayType) return " 0";
  const Value v = EntryOf(line, col);
  if (layout_.plain_cells) return PlainText(v);
  return NumberText(v, context_.KindOf(layout_.cells[static_cast<std::size_t>(col) - 1]));
}

void SingleTable::Setup(int rows) {
  grid_.SetCols(layout_.data_cols + 1);
  grid_.SetRows(rows);
  for (int c = 0; c <= layout_.data_cols; ++c) grid_.SetColWidth(c, kColumnWidth);
  for (int i = 1; i < rows; ++i) {
    grid_.SetText(i, 0, layout_.times_as_labels ? PlainText(context_.Get(Entry("gLayeredTYME", kLine), i))
                                                : std::to_string(i));
  }
  texts_.SetKeyHint(layout_.lines_fixed ? "" : kKeyHint);
  texts_.SetCaption(context_.Caption(layout_.caption));
  texts_.SetUnits(std::string(context_.SiUnits() ? layout_.units_si : layout_.units_english));
  for (int c = 0; c < 3; ++c) {
    if (c < grid_.Cols()) grid_.SetText(0, c, std::string(layout_.headers[static_cast<std::size_t>(c)]));
  }
  for (int i = 1; i < rows; ++i) {
    for (int c = 1; c <= layout_.data_cols; ++c) grid_.SetText(i, c, CellText(i, c));
  }
  grid_.FitHeaders();
  grid_.SetRow(rows > 1 ? 1 : 0);
  grid_.SetCol(1);
}

std::optional<Value> SingleTable::Shown(int line, int col) const {
  if (col < 1 || col > layout_.data_cols) return std::nullopt;
  if (layout_.variant == SingleVariant::ClayType) return Value(0.0);   // no type chosen
  return ShownValue(EntryOf(line, col));
}

bool SingleTable::DeleteAllowed(int line) { return LayerDeleteAllowed(layers_, context_, line); }

void SingleTable::LineInserted(int line, int lines) {
  if (layers_) layers_->Inserted(line);
  if (moves_) moves_->Insert(line, lines);
  gGridLines = Value(lines);
  gGridRows = static_cast<std::int16_t>(lines + 1);
}

void SingleTable::LineDeleted(int line, int lines) {
  if (layers_) layers_->Deleted(line);
  if (moves_) moves_->Delete(line, lines);
  gGridLines = Value(lines);
  gGridRows = static_cast<std::int16_t>(lines + 1);
}

std::string SingleTable::DoneLabel() const {
  std::string label(layout_.done_label);
  label = Replace(label, "period", context_.handover().period);
  label = Replace(label, "layer", context_.handover().layer);
  label = Replace(label, "slab", context_.handover().slab);
  return label;
}

std::optional<int> SingleTable::ClayType(const CellEngine& engine, int line) const {
  if (engine.Untouched(line, 1)) return 0;
  const std::optional<double> type = ParseNumber(grid_.Text(line, 1));
  if (type && (*type == 0 || *type == 1 || *type == 2 || *type == 3 || *type == 4)) return static_cast<int>(*type);
  return std::nullopt;
}

void SingleTable::StoreClayTypes(const CellEngine& engine, int lines) {
  const bool si = context_.SiUnits();
  for (int i = 1; i <= lines; ++i) {
    const int type = ClayType(engine, i).value_or(0);
    if (type == 0) continue;   // the period keeps its values
    const ClayValues v = DefaultClayValues(type, si);
    context_.Put(Entry("gLayeredSeasonal", kLayer, kLine, At(1)), Value(v.emin), i);
    context_.Put(Entry("gLayeredSeasonal", kLayer, kLine, At(2)), Value(v.emax), i);
    context_.Put(Entry("gLayeredSeasonal", kLayer, kLine, At(3)), Value(v.k1), i);
  }
}

OkOutcome SingleTable::Ok(CellEngine& engine) {
  engine.EditKey(key::kReturn, 0);
  const int lines = engine.Lines();
  const bool clay_type = layout_.variant == SingleVariant::ClayType;

  // A clay type is one of the four types, or 0 for none.
  if (clay_type) {
    for (int i = 1; i <= lines; ++i) {
      if (!ClayType(engine, i)) {
        TellAtCell(grid_, i, 1, "The clay type of period " + std::to_string(i) + " should be " + kClayTypes + ".");
        return {};
      }
    }
  }
  // Every changed cell must be a number its entry holds: a cell stored as its text would otherwise
  // lose a value in the data file, and a numeric entry would keep its old value unseen.
  if (!clay_type) {
    for (int i = 1; i <= lines; ++i) {
      for (int c = 1; c <= layout_.data_cols; ++c) {
        if (engine.Untouched(i, c)) continue;
        const EntryKind kind = context_.KindOf(layout_.cells[static_cast<std::size_t>(c) - 1]);
        const std::string text = grid_.Text(i, c);
        std::optional<std::string> problem =
            CellTextProblem(kind, text, i, layout_.headers[static_cast<std::size_t>(c)]);
        if (!problem) continue;
        // K1 of a granular layer reports a blank the way its check reports a 0.
        if (layout_.variant == SingleVariant::Granular && c == 2 && !IsNumberText(text)) problem = "K1 should not be 0";
        TellAtCell(grid_, i, c, *problem);
        return {};
      }
    }
  }

  if (!CommitLayers(layers_, context_)) return {};
  if (moves_) moves_->Commit(context_);
  if (!layout_.count.empty()) context_.PutCount(layout_.count, lines);
  if (clay_type) {
    StoreClayTypes(engine, lines);
  } else {
    for (int i = 1; i <= lines; ++i) {
      for (int c = 1; c <= layout_.data_cols; ++c) {
        const EntryRef& ref = layout_.cells[static_cast<std::size_t>(c) - 1];
        if (const std::optional<Value> kept = engine.Untouched(i, c)) {
          context_.Put(ref, *kept, i, c);
        } else {
          context_.PutText(ref, grid_.Text(i, c), i, c);   // a numeric entry keeps its value on bad text
        }
      }
      if (layout_.variant == SingleVariant::Granular) {
        const Value k1 = context_.Get(layout_.cells[1], i, 2);
        if (!ShownValue(k1) || k1.Number() == 0) {
          TellAtCell(grid_, i, 2, "K1 should not be 0");
          return {};
        }
      }
    }
  }

  OkOutcome out;
  out.close = true;
  engine.Stop();
  if (!layout_.done_window.empty()) out.label = LabelMark{std::string(layout_.done_window), DoneLabel()};
  GridHandover next = context_.handover();
  switch (layout_.after) {
    case SingleReturn::Close:
      break;
    case SingleReturn::LoadGroups:
      next.main_cols = 7;
      next.main_lines = static_cast<int>(std::lround(context_.Get(Entry("gLayeredGeneral", At(4))).Number()));
      next.main_top_line = 1;
      out.next_window = kind::kGridMain;
      break;
    case SingleReturn::Joints:
      next.main_cols = 9;
      next.main_lines = static_cast<int>(std::lround(context_.Get(Entry("gSlabGeneral", At(8))).Number()));
      next.main_top_line = 1;
      out.next_window = kind::kGridMain;
      break;
    case SingleReturn::SlabMain:
      out.next_window = kind::kGridMainSlab;
      break;
    case SingleReturn::ClayValues:
      out.clay_values_kept = true;
      next.grid_cols = 4;
      next.grid_lines = lines;
      out.next_window = kind::kGridMulti;
      break;
  }
  out.next = next;
  return out;
}

}  // namespace pave
