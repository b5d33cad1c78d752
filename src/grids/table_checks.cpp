#include "grids/table_checks.h"

#include <algorithm>

#include "grids/cell_engine.h"

namespace pave {

int TableCapacity(const TableContext& context, const EntryRef& line_ref, int own_capacity) {
  int capacity = std::min(own_capacity, CellEngine::kBufferLines);
  if (!line_ref.empty()) {
    const int bound = context.Bound(line_ref, Slot::Line);
    if (bound > 0) capacity = std::min(capacity, bound);
  }
  return capacity;
}

std::optional<std::string> HandoverProblem(const TableContext& context, std::initializer_list<EntryRef> refs) {
  const GridHandover& h = context.handover();
  for (const EntryRef& ref : refs) {
    if (ref.empty()) continue;
    const EntryArray& array = context.Array(ref.array);
    if (h.set < 1 || h.set > array.sets()) {
      return "This table cannot be opened for data set " + std::to_string(h.set) + ".";
    }
    const struct {
      Slot slot;
      int value;
      const char* what;
    } slots[] = {{Slot::Period, h.period, "period"},
                 {Slot::Layer, h.layer, "layer sequence"},
                 {Slot::Slab, h.slab, "slab"},
                 {Slot::Owner, h.owner, "line"}};
    for (const auto& s : slots) {
      const int bound = context.Bound(ref, s.slot);
      if (bound > 0 && (s.value < 1 || s.value > bound)) {
        return "This table cannot be opened for " + std::string(s.what) + " " + std::to_string(s.value) + ".";
      }
    }
  }
  return std::nullopt;
}

std::optional<std::string> LineCountProblem(int lines, int capacity) {
  if (lines < 0) return "The number of lines, " + std::to_string(lines) + ", cannot be negative.";
  if (lines > capacity) {
    return "This table holds at most " + std::to_string(capacity) + " lines, not " + std::to_string(lines) + ".";
  }
  return std::nullopt;
}

}  // namespace pave
