#include "grids/layer_lines.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "common/entry_array.h"
#include "grids/grid_window.h"

namespace pave {

namespace {

// Entries that name a layer by its number: field 1 of each line of a table of the data set.
struct Reference {
  const char* array;
  const char* item;    // followed by the line's number
  const char* table;   // the table where that line is deleted or changed
};
constexpr Reference kReferences[] = {
    {"gLayeredNonseasonal", "LAYNO of nonlinear layer sequence ", "Nonlinear\\Nonseasonal"},
    {"gLayeredViscoLayer", "LAYNO of viscoelastic layer sequence ", "Viscoelastic\\Layer"},
    {"gLayeredBottom", "LNBT of damage layer sequence ", "Damage\\Bottom Tension"},
    {"gLayeredTop", "LNTC of damage layer sequence ", "Damage\\Top Compression"},
};

// A whole number an entry holds, or 0.
int WholeOf(const Value& v) {
  const std::optional<double> n = v.AsNumber();
  if (!n || *n != std::floor(*n) || *n < 1 || *n > 1e6) return 0;
  return static_cast<int>(*n);
}

// The lines of reference `r` that the data set uses now: none when MATL or NDAMA leave that data
// out, else the lines within its count.
int UsedLines(const TableContext& c, const Reference& r) {
  const auto field = [&](const char* array, int k) { return c.Get(Entry(array, At(k))).Number(); };
  const double matl = field("gLayeredGeneral", 1), ndama = field("gLayeredGeneral", 2);
  const std::string_view array = r.array;
  double count = 0;
  if (array == "gLayeredNonseasonal" && (matl == 2 || matl == 4)) count = field("gLayeredNonlinGeneral", 1);   // NOLAY
  if (array == "gLayeredViscoLayer" && (matl == 3 || matl == 4)) count = field("gLayeredViscoGeneral", 2);    // NVL
  if (array == "gLayeredBottom" && ndama > 0) count = field("gLayeredGeneral", 11);                            // NLBT
  if (array == "gLayeredTop" && ndama > 0) count = field("gLayeredGeneral", 12);                               // NLTC
  const int bound = c.Array(r.array).bounds()[1];
  return count >= 1 ? std::min(static_cast<int>(count), bound) : 0;
}

// The first entry in use that names layer `layer` of the data set, as "ITEM n" with its table.
std::optional<std::pair<std::string, std::string>> Naming(const TableContext& c, int layer) {
  for (const Reference& r : kReferences) {
    const int lines = UsedLines(c, r);
    for (int q = 1; q <= lines; ++q) {
      if (WholeOf(c.Get(Entry(r.array, At(q), At(1)))) == layer) {
        return std::make_pair(r.item + std::to_string(q), std::string(r.table));
      }
    }
  }
  return std::nullopt;
}

std::string Advice(const std::string& table) {
  return " Delete that sequence in the " + table + " table first, or give it another layer.";
}

// Puts into each line 1 .. n of a list of entries the entry of the layer now shown there, 0 for a
// new layer. `at(layer)` is the index of the layer's entry, whose place `layer_at` (after the data
// set) holds the layer.
void Rearrange(EntryArray& array, int layer_at, int set, const std::vector<int>& origin,
               const std::function<std::vector<long>(int)>& at) {
  const int bound = array.bounds()[static_cast<std::size_t>(layer_at)];
  std::vector<Value> old(static_cast<std::size_t>(bound) + 1);
  for (int l = 1; l <= bound; ++l) old[static_cast<std::size_t>(l)] = array.Get(set, at(l));
  for (std::size_t i = 0; i < origin.size() && static_cast<int>(i) < bound; ++i) {
    const int from = origin[i];
    const int line = static_cast<int>(i) + 1;
    array.Put(set, at(line), from >= 1 && from <= bound ? old[static_cast<std::size_t>(from)] : Value(0.0));
  }
}

}  // namespace

LayerLines::LayerLines(int layers) : opened_(std::max(layers, 0)) {
  for (int l = 1; l <= opened_; ++l) origin_.push_back(l);
}

int LayerLines::LineOf(int layer) const {
  const auto it = std::find(origin_.begin(), origin_.end(), layer);
  return it == origin_.end() ? 0 : static_cast<int>(it - origin_.begin()) + 1;
}

std::optional<std::string> LayerLines::DeleteProblem(const TableContext& context, int line) const {
  if (line < 1 || line > static_cast<int>(origin_.size())) return std::nullopt;
  const int layer = origin_[static_cast<std::size_t>(line) - 1];
  if (layer == 0) return std::nullopt;   // a layer new in this table: nothing names it yet
  const auto naming = Naming(context, layer);
  if (!naming) return std::nullopt;
  return "Layer " + std::to_string(line) + " cannot be deleted: " + naming->first + " names it." +
         Advice(naming->second);
}

void LayerLines::Inserted(int line) {
  const int at = std::clamp(line, 1, static_cast<int>(origin_.size()) + 1);
  origin_.insert(origin_.begin() + (at - 1), 0);
  moved_ = true;
}

void LayerLines::Deleted(int line) {
  if (line < 1 || line > static_cast<int>(origin_.size())) return;
  origin_.erase(origin_.begin() + (line - 1));
  moved_ = true;
}

std::optional<std::string> LayerLines::CommitProblem(const TableContext& context) const {
  if (!moved_) return std::nullopt;
  for (int layer = 1; layer <= opened_; ++layer) {
    if (LineOf(layer) != 0) continue;
    if (const auto naming = Naming(context, layer)) {
      return "The layers cannot be stored: layer " + std::to_string(layer) +
             " of the data set was deleted in this table, but " + naming->first + " names it." +
             Advice(naming->second);
    }
  }
  return std::nullopt;
}

void LayerLines::Commit(const TableContext& context) {
  if (!moved_) return;
  const int set = context.set();

  EntryArray& layers = context.Array("gLayeredLayer");   // (set, layer, TH PR GAM)
  for (long k = 1; k <= layers.bounds()[2]; ++k) {
    Rearrange(layers, 1, set, origin_, [k](int l) { return std::vector<long>{l, k}; });
  }
  EntryArray& moduli = context.Array("gLayeredE");       // (set, period, layer)
  for (long p = 1; p <= moduli.bounds()[1]; ++p) {
    Rearrange(moduli, 2, set, origin_, [p](int l) { return std::vector<long>{p, l}; });
  }

  // The interface below each layer but the last goes with its layer; a new layer meets the layer
  // below it as the layer above it does (a new top layer: as the layer below it does).
  EntryArray& interfaces = context.Array("gLayeredINT");  // (set, interface)
  const int bound = interfaces.bounds()[1];
  const int count = std::min(static_cast<int>(origin_.size()) - 1, bound);
  std::vector<std::optional<Value>> now(static_cast<std::size_t>(std::max(count, 0)) + 1);
  for (int i = 1; i <= count; ++i) {
    const int from = origin_[static_cast<std::size_t>(i) - 1];
    if (from >= 1 && from < opened_ && from <= bound) {
      now[static_cast<std::size_t>(i)] = interfaces.Get(set, std::vector<long>{from});
    }
  }
  for (int i = 2; i <= count; ++i) {
    if (!now[static_cast<std::size_t>(i)]) now[static_cast<std::size_t>(i)] = now[static_cast<std::size_t>(i) - 1];
  }
  for (int i = count - 1; i >= 1; --i) {
    if (!now[static_cast<std::size_t>(i)]) now[static_cast<std::size_t>(i)] = now[static_cast<std::size_t>(i) + 1];
  }
  for (int i = 1; i <= count; ++i) {
    if (now[static_cast<std::size_t>(i)]) interfaces.Put(set, std::vector<long>{i}, *now[static_cast<std::size_t>(i)]);
  }

  // The layer numbers the other tables give follow their layers.
  for (const Reference& r : kReferences) {
    EntryArray& array = context.Array(r.array);
    for (long q = 1; q <= array.bounds()[1]; ++q) {
      const std::vector<long> index{q, 1};
      const int named = WholeOf(array.Get(set, index));
      if (named < 1 || named > opened_) continue;
      const int line = LineOf(named);
      if (line != 0 && line != named) array.Put(set, index, Value(line));
    }
  }
  moved_ = false;
}

bool LayerDeleteAllowed(const std::optional<LayerLines>& layers, const TableContext& context, int line) {
  if (!layers) return true;
  const std::optional<std::string> problem = layers->DeleteProblem(context, line);
  if (problem) Tell(*problem);
  return !problem;
}

bool CommitLayers(std::optional<LayerLines>& layers, const TableContext& context) {
  if (!layers) return true;
  if (const std::optional<std::string> problem = layers->CommitProblem(context)) {
    Tell(*problem);
    return false;
  }
  layers->Commit(context);
  return true;
}

}  // namespace pave
