#include "grids/window_entries.h"

#include <algorithm>

#include "grids/main_catalogue.h"
#include "grids/multi_catalogue.h"
#include "grids/single_catalogue.h"
#include "layered_editor/layered_kinds.h"
#include "shell/window_makers.h"
#include "slab_editor/slab_kinds.h"

namespace pave {

namespace {

constexpr EntryRange R(std::string_view array, int i = kAnyIndex, int j = kAnyIndex, int k = kAnyIndex) {
  return EntryRange{array, {i, j, k}};
}

// The unit systems' switches, which the units a window names follow.
constexpr EntryRange kLayeredNunit = R("gLayeredGeneral", 13);
constexpr EntryRange kSlabNunit = R("gSlabGeneral", 14);

// ---- The parameter forms ----

// General of PELDRANE: TITLE and the thirteen values, and the unit-dependent defaults its first OK
// fills and a change of NUNIT offers (BETA, TEMPREF, TEMP, FT1).
constexpr EntryRange kLayeredGeneralStores[] = {
    R("gLayeredTITLE"),         R("gLayeredGeneral"), R("gLayeredViscoLayer", kAnyIndex, 2),
    R("gLayeredViscoLayer", kAnyIndex, 3), R("gLayeredTEMP"), R("gLayeredBottom", kAnyIndex, 2)};
constexpr EntryRange kNonlinearGeneralStores[] = {R("gLayeredNonlinGeneral")};
constexpr EntryRange kGranularStores[] = {R("gLayeredGranular")};
constexpr EntryRange kClayStores[] = {R("gLayeredClay")};
constexpr EntryRange kViscoGeneralStores[] = {R("gLayeredViscoGeneral")};
// General of CORVISTA: TITLE, the sixteen values, the flags UL, TC and CL, and the unit-dependent
// defaults (CT, FMAX, YM and GAMA of slab layer 1, PMR of slab layer 1, YMSB).
constexpr EntryRange kSlabGeneralStores[] = {
    R("gSlabTITLE"),         R("gSlabGeneral"),         R("gSlabUL"),          R("gSlabTC"),
    R("gSlabCL"),            R("gSlabCurling", 8),      R("gSlabCurling", 10), R("gSlabLayerProps", 1, 3),
    R("gSlabLayerProps", 1, 4), R("gSlabFatigue", 1, 1), R("gSlabDowel", 1)};
constexpr EntryRange kCurlingStores[] = {R("gSlabCurling")};
constexpr EntryRange kSolidStores[] = {R("gSlabSolid")};
constexpr EntryRange kDowelStores[] = {R("gSlabDowel")};

constexpr EntryRange kLayeredUnits[] = {kLayeredNunit};
constexpr EntryRange kSlabUnits[] = {kSlabNunit};

struct FormEntry {
  std::string_view kind;
  std::span<const EntryRange> stores;
  std::span<const EntryRange> layout;   // the units its captions name
};

constexpr FormEntry kForms[] = {
    {kind::kLayeredGeneral, kLayeredGeneralStores, {}},
    {kind::kNonlinearGeneral, kNonlinearGeneralStores, kLayeredUnits},
    {kind::kGranular, kGranularStores, {}},
    {kind::kClay, kClayStores, kLayeredUnits},
    {kind::kViscoGeneral, kViscoGeneralStores, {}},
    {kind::kSlabGeneral, kSlabGeneralStores, {}},
    {kind::kCurling, kCurlingStores, kSlabUnits},
    {kind::kSolid, kSolidStores, kSlabUnits},
    {kind::kDowel, kDowelStores, kSlabUnits},
};

// ---- The grid tables, besides what their catalogues name ----

// A table of the layers moves every entry kept per layer at its OK (grids/layer_lines.h).
constexpr EntryRange kLayerMoves[] = {
    R("gLayeredLayer"),     R("gLayeredE"),
    R("gLayeredINT"),       R("gLayeredNonseasonal", kAnyIndex, 1),
    R("gLayeredViscoLayer", kAnyIndex, 1), R("gLayeredBottom", kAnyIndex, 1),
    R("gLayeredTop", kAnyIndex, 1)};

struct TableExtra {
  std::string_view window;
  int kind;
  std::span<const EntryRange> stores;
  std::span<const EntryRange> layout;
};

constexpr EntryRange kNl[] = {R("gLayeredGeneral", 6)};
constexpr EntryRange kLoadType[] = {R("gLayeredLoad", kAnyIndex, 1)};
constexpr EntryRange kClayTypeValues[] = {R("gLayeredSeasonal")};
constexpr EntryRange kNclay[] = {R("gLayeredNonseasonal", kAnyIndex, 3)};
constexpr EntryRange kTimes[] = {R("gLayeredTYME")};
constexpr EntryRange kFmax[] = {R("gSlabCurling", 10)};
constexpr EntryRange kNlayer[] = {R("gSlabGeneral", 5)};
constexpr EntryRange kArrangementDefaults[] = {R("gSlabBARNO"), R("gSlabNP")};

constexpr TableExtra kExtras[] = {
    {kind::kGridSingle, 105, {}, kNl},                    // one line per interface: NL - 1
    {kind::kGridSingle, 107, {}, kLoadType},              // LOAD of the group picks RC or XPT, YPT
    {kind::kGridSingle, 112, kClayTypeValues, kNclay},    // NCLAY picks the layout; clay types store EMIN, EMAX, K1
    {kind::kGridSingle, 118, {}, kTimes},                 // the creep times label the lines
    {kind::kGridMainSlab, 210, kFmax, {}},                // loads on a raft set FMAX
    {kind::kGridMulti, 203, kArrangementDefaults, {}},    // the joints' end nodes, the damage nodes
    {kind::kGridSlabLayer, 205, {}, kNlayer},             // one line per slab layer
    {kind::kGridSlabLayer, 208, {}, kNlayer},
};

EntryRange FromRef(const EntryRef& ref) {
  EntryRange range{ref.array};
  for (int d = 0; d < ref.rank && d < 3; ++d) {
    const Ix& ix = ref.index[static_cast<std::size_t>(d)];
    range.index[static_cast<std::size_t>(d)] = ix.slot == Slot::Fixed ? ix.value : kAnyIndex;
  }
  return range;
}

void Add(std::vector<EntryRange>& to, const EntryRef& ref) {
  if (!ref.empty()) to.push_back(FromRef(ref));
}

// A table whose lines stand for an index moves every entry held for it at its OK (grids/line_moves.h).
void AddHeld(std::vector<EntryRange>& to, LineIndex lines) {
  for (const HeldEntry& h : EntriesHeldFor(lines)) Add(to, h.ref);
}

void AddAll(std::vector<EntryRange>& to, std::span<const EntryRange> ranges) { to.insert(to.end(), ranges.begin(), ranges.end()); }

void AddUnits(WindowEntries& entries, int table_kind, std::string_view si, std::string_view english) {
  if (si != english) entries.layout.push_back(table_kind < 200 ? kLayeredNunit : kSlabNunit);
}

std::optional<EntryRange> ColumnsFrom(ColumnRule rule) {
  switch (rule) {
    case ColumnRule::ByMatl: return R("gLayeredGeneral", 1);
    case ColumnRule::ByNslab: return R("gSlabGeneral", 7);
    case ColumnRule::ByNdama: return R("gSlabGeneral", 2);
    case ColumnRule::ByNwt: return R("gSlabCurling", 5);
    case ColumnRule::Fixed: break;
  }
  return std::nullopt;
}

bool Same(const EntryRange& a, const EntryRange& b) { return a.array == b.array && a.index == b.index; }

void Unique(std::vector<EntryRange>& ranges) {
  std::vector<EntryRange> kept;
  for (const EntryRange& r : ranges) {
    if (std::none_of(kept.begin(), kept.end(), [&](const EntryRange& k) { return Same(k, r); })) kept.push_back(r);
  }
  ranges = std::move(kept);
}

bool AnyOverlap(std::span<const EntryRange> a, std::span<const EntryRange> b) {
  for (const EntryRange& x : a) {
    for (const EntryRange& y : b) {
      if (Overlap(x, y)) return true;
    }
  }
  return false;
}

std::vector<EntryRange> Held(const WindowEntries& w) {
  std::vector<EntryRange> held = w.stores;
  AddAll(held, w.layout);
  return held;
}

}  // namespace

bool Overlap(const EntryRange& a, const EntryRange& b) {
  if (a.array != b.array) return false;
  for (std::size_t d = 0; d < a.index.size(); ++d) {
    if (a.index[d] != kAnyIndex && b.index[d] != kAnyIndex && a.index[d] != b.index[d]) return false;
  }
  return true;
}

bool Includes(std::span<const EntryRange> ranges, std::string_view array, std::span<const long> index) {
  return std::any_of(ranges.begin(), ranges.end(), [&](const EntryRange& r) {
    if (r.array != array) return false;
    for (std::size_t d = 0; d < index.size() && d < r.index.size(); ++d) {
      if (r.index[d] != kAnyIndex && r.index[d] != index[d]) return false;
    }
    return true;
  });
}

WindowEntries EntriesOfTable(std::string_view window_kind, int table_kind) {
  WindowEntries e;
  if (window_kind == kind::kGridSingle) {
    for (const SingleLayout& l : SingleLayouts()) {
      if (l.kind != table_kind) continue;
      for (const EntryRef& cell : l.cells) Add(e.stores, cell);
      Add(e.stores, l.count);
      if (l.layer_lines) AddAll(e.stores, kLayerMoves);
      AddHeld(e.stores, l.lines);
      AddUnits(e, table_kind, l.units_si, l.units_english);
    }
  } else if (window_kind == kind::kGridMulti || window_kind == kind::kGridSlabLayer) {
    for (const MultiLayout& l : MultiLayouts()) {
      if (l.kind != table_kind || l.window != window_kind) continue;
      for (const EntryRef& cell : l.cells) Add(e.stores, cell);
      Add(e.stores, l.count);
      Add(e.layout, l.marked_last);
      if (std::optional<EntryRange> columns = ColumnsFrom(l.column_rule)) e.layout.push_back(*columns);
      if (l.layer_lines) AddAll(e.stores, kLayerMoves);
      AddHeld(e.stores, l.lines);
      AddUnits(e, table_kind, l.units_si, l.units_english);
    }
  } else if (window_kind == kind::kGridMain || window_kind == kind::kGridMainSlab) {
    if (const MainLayout* l = FindMainLayout(table_kind); l && l->window == window_kind) {
      for (const EntryRef& cell : l->cells) Add(e.stores, cell);
      Add(e.stores, l->line_count);
      for (const EntryRef& owned : l->owned) Add(e.stores, owned);
      AddHeld(e.stores, l->lines);
      AddUnits(e, table_kind, l->units_si, l->units_english);
    }
  }
  for (const TableExtra& x : kExtras) {
    if (x.window != window_kind || x.kind != table_kind) continue;
    AddAll(e.stores, x.stores);
    AddAll(e.layout, x.layout);
  }
  Unique(e.stores);
  Unique(e.layout);
  return e;
}

std::optional<WindowEntries> EntriesOfForm(std::string_view window_kind) {
  for (const FormEntry& f : kForms) {
    if (f.kind == window_kind) {
      return WindowEntries{std::vector<EntryRange>(f.stores.begin(), f.stores.end()),
                           std::vector<EntryRange>(f.layout.begin(), f.layout.end())};
    }
  }
  return std::nullopt;
}

bool Clashes(const WindowEntries& a, const WindowEntries& b) {
  return AnyOverlap(a.stores, Held(b)) || AnyOverlap(b.stores, Held(a));
}

std::string ClashMessage(const std::string& open_title, bool opening_is_table) {
  const std::string self = opening_is_table ? "this table" : "this form";
  return "\"" + open_title + "\" is still open and works on entries that " + self +
         " works on too: the OK of one would undo what was changed in the other.  Please complete it with its "
         "OK button (or close it) before you open " + self + ".";
}

}  // namespace pave
