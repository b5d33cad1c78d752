#include "grids/main_table.h"

#include <cmath>

#include "common/number_format.h"
#include "common/numeric_value.h"
#include "layered_editor/layered_kinds.h"
#include "shell/window_makers.h"
#include "slab_editor/slab_kinds.h"
#include "slab_editor/slab_unit_defaults.h"
#include "grids/table_checks.h"
#include "shell/program_state.h"

namespace pave {

namespace {
const char* kEntryRequired = "An entry is required to fill the blank";

// A single-precision number as the decimal value it shows (0.35f is 0.35, not 0.349999994...).
Value SingleNumber(float f) {
  const std::optional<double> d = ParseNumber(Str(f));
  return Value(d ? *d : static_cast<double>(f));
}

// A count as whole lines: the nearest whole number, a half to the even one.
int WholeCount(double v) {
  const double r = std::nearbyint(v);
  return r > -1e6 && r < 1e6 ? static_cast<int>(r) : (r < 0 ? -1000000 : 1000000);
}

// The name a count goes by in the messages.
std::string CountName(int kind) {
  switch (kind) {
    case 107: return "NR or NPT";
    case 224: return "NNAJ";
    case 209: return "NUDL";
    case 221: return "NAS";
    case 223: return "NL";
    default: return "The entry";
  }
}

std::string TooMany(int kind, int capacity) {
  std::string text = CountName(kind) + " should not be greater than " + std::to_string(capacity);
  if (kind == 107) text += ".";
  return text;
}

std::string Negative(int kind) { return CountName(kind) + " should not be negative"; }

// A count raised on the main table, whose new lines only the auxiliary table enters.
std::string RaisedCountMessage(int kind, int line, std::string text) {
  text.erase(0, text.find_first_not_of(" \t"));
  text.erase(text.find_last_not_of(" \t") + 1);
  return CountName(kind) + " of line " + std::to_string(line) + " was raised to " + text +
         ".  The lines it adds are entered in its auxiliary table: double-click the line (or press Enter on "
         "the count) to open that table, or put the count back.";
}
}  // namespace

MainTable::MainTable(const MainLayout& layout, const GridHandover& handover, GridControl& grid,
                     GridWindowTexts& texts, int capacity)
    : layout_(layout), context_(handover), grid_(grid), texts_(texts), capacity_(capacity) {
  std::vector<HeldEntry> held(layout_.owned.begin(), layout_.owned.end());
  for (const HeldEntry& h : EntriesHeldFor(layout_.lines)) held.push_back(h);
  owned_ = std::make_unique<LineMoves>(context_, held, capacity_);
  const int lines = std::clamp(handover.main_lines, 0, capacity_);
  held_counts_.assign(static_cast<std::size_t>(lines) + 1, 0.0);
  if (layout_.kind != 111) {
    const EntryRef& count = layout_.cells[static_cast<std::size_t>(layout_.count_col) - 1];
    for (int i = 1; i <= lines; ++i) held_counts_[static_cast<std::size_t>(i)] = context_.Get(count, i).Number();
  }
}

MainTable::~MainTable() = default;

std::unique_ptr<MainTable> MainTable::Open(const GridHandover& handover, const std::string& window_kind,
                                           GridControl& grid, GridWindowTexts& texts) {
  const MainLayout* layout = FindMainLayout(handover.kind);
  if (!layout || layout->window != window_kind) {
    Tell("Table kind " + std::to_string(handover.kind) + " is not shown by this window.");
    return nullptr;
  }
  const TableContext context(handover);
  std::optional<std::string> problem = HandoverProblem(context, {layout->cells[0], layout->line_count});
  const int capacity = TableCapacity(context, layout->cells[0], layout->capacity);
  if (!problem) problem = LineCountProblem(handover.main_lines, capacity);
  if (problem) {
    Tell(*problem);
    return nullptr;
  }
  return std::unique_ptr<MainTable>(new MainTable(*layout, handover, grid, texts, capacity));
}

std::string MainTable::CellText(int line, int col) const {
  const EntryRef& ref = layout_.cells[static_cast<std::size_t>(col) - 1];
  const Value v = context_.Get(ref, line);
  if (layout_.blank_when_unset && v.IsEmpty()) return "";
  return NumberText(v, context_.KindOf(ref));
}

void MainTable::Setup(int rows) {
  const bool main1 = layout_.window == std::string_view("frmSpread1");
  grid_.SetCols(layout_.cols);
  grid_.SetRows(rows);
  for (int c = 0; c < layout_.cols; ++c) grid_.SetColWidth(c, main1 ? (c == 0 ? 1200 : 980) : 1000);
  static const char* const kRaftNames[] = {"NCNF", "NNMX", "NNMY"};
  for (int i = 1; i < rows; ++i) {
    std::string label;
    if (layout_.labels == LineLabels::Numbers) label = std::to_string(i);
    if (layout_.labels == LineLabels::RaftNames && i <= 3) label = kRaftNames[i - 1];
    grid_.SetText(i, 0, label);
  }
  texts_.SetDoubleClickHint(layout_.double_hint.empty() ? kDoubleClickHint : std::string(layout_.double_hint));
  if (layout_.sets_key_hint) texts_.SetKeyHint(kKeyHint);
  texts_.SetCaption(context_.Caption(layout_.caption));
  texts_.SetUnits(std::string(context_.SiUnits() ? layout_.units_si : layout_.units_english));
  for (int c = 0; c < layout_.cols; ++c) grid_.SetText(0, c, std::string(layout_.headers[static_cast<std::size_t>(c)]));
  for (int i = 1; i < rows; ++i) {
    for (int c = 1; c < layout_.cols; ++c) grid_.SetText(i, c, CellText(i, c));
  }
  grid_.FitHeaders();
  const int owner = context_.handover().owner;
  grid_.SetRow(rows <= 1 ? 0 : (owner >= 0 && owner < rows - 1 ? owner + 1 : 1));
  grid_.SetCol(1);
  if (context_.handover().main_top_line != 1) grid_.SetTopRow(context_.handover().main_top_line);
}

std::optional<Value> MainTable::Shown(int line, int col) const {
  if (col < 1 || col >= layout_.cols) return std::nullopt;
  const Value v = context_.Get(layout_.cells[static_cast<std::size_t>(col) - 1], line);
  if (layout_.blank_when_unset && v.IsEmpty()) return std::nullopt;
  return ShownValue(v);
}

bool MainTable::ReadLine(int line, std::array<float, 9>& values) {
  for (int c = 1; c < layout_.cols; ++c) {
    const std::string text = grid_.Text(line, c);
    const std::optional<double> number = ParseNumber(text);
    float f = 0;
    const bool readable = number && ToSingle(*number, f);
    // A cell the user changed must be a number its entry holds; every cell is read in single
    // precision, and a 16-bit integer entry must hold it too.
    if (!readable || !engine_ || !engine_->Untouched(line, c)) {
      const EntryKind kind = context_.KindOf(layout_.cells[static_cast<std::size_t>(c) - 1]) == EntryKind::Integer
                                 ? EntryKind::Integer
                                 : EntryKind::Single;
      const std::optional<std::string> problem =
          text.find_first_not_of(" \t") == std::string::npos
              ? std::optional<std::string>(kEntryRequired)
              : CellTextProblem(kind, text, line, layout_.headers[static_cast<std::size_t>(c)]);
      if (problem) {
        TellAtCell(grid_, line, c, *problem);
        return false;
      }
    }
    values[static_cast<std::size_t>(c)] = f;
  }
  return true;
}

void MainTable::StoreCell(int line, int col, float value) {
  const EntryRef& ref = layout_.cells[static_cast<std::size_t>(col) - 1];
  if (const std::optional<Value> kept = engine_ ? engine_->Untouched(line, col) : std::nullopt) {
    context_.Put(ref, *kept, line);
  } else {
    context_.Put(ref, SingleNumber(value), line);
  }
}

void MainTable::CommitMoves() { owned_->Commit(context_); }

void MainTable::DoubleClickAction() {
  if (on_open) {
    on_open([this] { return OpenAuxiliary(); });
  } else {
    OpenAuxiliary();
  }
}

void MainTable::AuxiliaryLeft() {
  owned_->Touch();
  if (!engine_ || aux_owner_ < 1 || aux_owner_ > engine_->Lines()) return;
  const int col = layout_.count_col;
  engine_->Reshow(aux_owner_, col, CellText(aux_owner_, col), Shown(aux_owner_, col));
  grid_.SetRow(aux_owner_);
  grid_.SetCol(col);
}

bool MainTable::EnterAction(int, int col, const std::string& text) {
  const std::optional<double> number = ParseNumber(text);
  const bool nonzero = number && *number != 0;
  bool opens = false;
  switch (layout_.kind) {
    case 107: opens = nonzero && col == 6; break;
    case 111: opens = col == 3; break;
    case 224: opens = nonzero && col == 8; break;
    case 209: case 210: opens = nonzero; break;
    case 221: case 223: opens = nonzero && col == 2; break;
    default: break;
  }
  if (opens) DoubleClickAction();
  return opens;
}

void MainTable::LineInserted(int line, int lines) {
  owned_->Insert(line, lines);
  if (line >= 1 && line <= static_cast<int>(held_counts_.size()))
    held_counts_.insert(held_counts_.begin() + line, 0.0);
  gMainLines = Value(lines);
  gMainRows = Value(lines + 1);
}

void MainTable::LineDeleted(int line, int lines) {
  owned_->Delete(line, lines);
  if (line >= 1 && line < static_cast<int>(held_counts_.size())) held_counts_.erase(held_counts_.begin() + line);
  gMainLines = Value(lines);
  gMainRows = Value(lines + 1);
}

MainStep MainTable::OpenAuxiliary() {
  if (!engine_) return {};
  const int owner = grid_.Row();
  if (owner < 1 || owner > engine_->Lines()) return {};
  gOwnerLine = Value(owner);
  gMainTopLine = Value(owner);
  std::array<float, 9> values{};
  if (!ReadLine(owner, values)) return {};
  const int kind = layout_.kind;
  if (kind == 223 && values[2] == 0) {
    Tell("A nonzero entry is required");
    return {};
  }
  grid_.SetRow(owner);
  grid_.SetCol(layout_.count_col);
  engine_->Edit(32);

  const float count = values[static_cast<std::size_t>(layout_.count_col)];
  const int aux_lines = WholeCount(count);
  switch (kind) {
    case 107:
      if (count == 0) { Tell("NR or NPT cannot be 0"); return {}; }
      break;
    case 111:
      if (values[1] == 0) { Tell("LAYNO cannot be 0"); return {}; }
      if (values[2] == 0) { Tell("ZCNOL cannot be 0"); return {}; }
      break;
    case 224:
      if (count == 0) { Tell("You don't have to enter this screen because NNAJ = 0"); return {}; }
      break;
    case 209:
      if (count == 0) { Tell("You don't have to enter this screen because NUDL = 0"); return {}; }
      break;
    case 210:
      if (count == 0) { Tell("You don't have to enter this screen because the entry is 0"); return {}; }
      break;
    case 221:
      if (count == 0) { Tell("You don't have to enter this screen because NAS = 0"); return {}; }
      break;
    default:
      break;
  }
  if (kind != 111) {
    // The auxiliary table cannot hold more lines than its arrays.
    if (aux_lines < 0) { Tell(Negative(kind)); return {}; }
    if (aux_lines > layout_.aux_capacity) { Tell(TooMany(kind, layout_.aux_capacity)); return {}; }
  }
  return AuxiliaryStep(owner, values);
}

MainStep MainTable::AuxiliaryStep(int owner, const std::array<float, 9>& values) {
  const int lines = engine_->Lines();
  CommitMoves();
  if (!layout_.line_count.empty()) context_.PutCount(layout_.line_count, lines);
  for (int c = 1; c < layout_.cols; ++c) StoreCell(owner, c, values[static_cast<std::size_t>(c)]);

  MainStep step;
  step.close = true;
  OkOutcome& out = step.outcome;
  out.close = true;
  GridHandover& next = out.next;
  next = context_.handover();
  next.owner = owner;
  next.main_top_line = owner;
  next.main_cols = layout_.cols;
  next.main_lines = lines;
  next.grid_lines = WholeCount(values[static_cast<std::size_t>(layout_.count_col)]);
  next.grid_cols = layout_.aux_cols;
  out.next_window = std::string(layout_.aux_window);
  if (layout_.kind == 107) next.grid_cols = values[1] == 0 ? 2 : 3;
  if (layout_.kind == 111) {
    next.grid_lines = 0;
    next.grid_cols = 0;
    out.next_window = values[3] != 0 ? kind::kClay : kind::kGranular;
  }
  aux_owner_ = owner;
  return step;
}

MainStep MainTable::Ok() {
  if (!engine_) return {};
  engine_->Commit();   // a value still in the cell editor counts as typed
  const int lines = engine_->Lines();
  std::vector<std::array<float, 9>> rows(static_cast<std::size_t>(lines) + 1);
  for (int i = 1; i <= lines; ++i) {
    if (!ReadLine(i, rows[static_cast<std::size_t>(i)])) return {};
  }
  if (layout_.kind != 111) {
    for (int i = 1; i <= lines; ++i) {
      const double held = i < static_cast<int>(held_counts_.size()) ? held_counts_[static_cast<std::size_t>(i)] : 0;
      const float count = rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(layout_.count_col)];
      if (count > held && count > 0) {
        TellAtCell(grid_, i, layout_.count_col, RaisedCountMessage(layout_.kind, i, grid_.Text(i, layout_.count_col)));
        return {};
      }
    }
  }
  CommitMoves();
  if (!layout_.line_count.empty()) context_.PutCount(layout_.line_count, lines);
  const int kind = layout_.kind;
  const auto refuse = [&](int line, const std::string& message) {
    TellAtCell(grid_, line, layout_.count_col, message);
    return MainStep{};
  };
  int total_areas = 0;
  for (int i = 1; i <= lines; ++i) {
    const auto& v = rows[static_cast<std::size_t>(i)];
    for (int c = 1; c < layout_.cols; ++c) StoreCell(i, c, v[static_cast<std::size_t>(c)]);
    const double count = context_.Get(layout_.cells[static_cast<std::size_t>(layout_.count_col) - 1], i).Number();
    switch (kind) {
      case 107:
        if (count > 25) return refuse(i, "NR or NPT should not be greater than 25.");
        if (count < 0) return refuse(i, Negative(kind));
        break;
      case 111:
        if (v[1] == 0) return refuse(i, "LAYNO should not be 0");
        break;
      case 224:
        if (count > layout_.aux_capacity) return refuse(i, TooMany(kind, layout_.aux_capacity));
        if (count < 0) return refuse(i, Negative(kind));
        break;
      case 209:
        if (count > 24) return refuse(i, "NUDL should not be greater than 24");
        if (count < 0) return refuse(i, Negative(kind));
        total_areas += static_cast<int>(count);
        break;
      case 210:
        if (count > layout_.aux_capacity) return refuse(i, TooMany(kind, layout_.aux_capacity));
        if (count < 0) return refuse(i, Negative(kind));
        break;
      default:
        break;
    }
  }
  if (kind == 209 && total_areas > 144) {
    Tell("Total number of loaded areas =" + Str(static_cast<long>(total_areas)) +
         " which is greater than the allowable 144");
  }
  if (kind == 210) {
    // Concentrated loads allow a larger displacement at the checking node: FMAX goes from the
    // Curling form's default to 10 in. (25.4 cm); an FMAX the user chose is kept.
    bool any = false;
    for (int i = 1; i <= lines; ++i) any = any || context_.Get(layout_.cells[0], i).Number() != 0;
    const bool si = context_.SiUnits();
    const EntryRef fmax = Entry("gSlabCurling", At(10));
    const double now = context_.Get(fmax).Number();
    if (any && (now == 0 || now == kFmaxDefault.In(si))) context_.Put(fmax, Value(kFmaxConcentrated.In(si)));
  }
  if (kind == 221 && lines >= 1) {
    const double nas = context_.Get(layout_.cells[1], 1).Number();
    if (context_.Get(layout_.cells[0], 1).Number() == 0) return refuse(1, "SUBMOD should not be 0");
    if (nas > layout_.aux_capacity) return refuse(1, TooMany(kind, layout_.aux_capacity));
    if (nas < 0) return refuse(1, Negative(kind));
  }
  if (kind == 223 && lines >= 1) {
    const double nl = context_.Get(layout_.cells[1], 1).Number();
    if (nl == 0) return refuse(1, "NL should not be 0");
    if (nl > 6) return refuse(1, "NL should not be greater than 6");
    if (nl < 0) return refuse(1, Negative(kind));
  }
  MainStep step;
  step.close = true;
  step.outcome.close = true;
  if (!layout_.done_window.empty()) {
    step.outcome.label = LabelMark{std::string(layout_.done_window), std::string(layout_.done_label)};
  }
  engine_->Stop();
  return step;
}

}  // namespace pave
