#include "grids/table_checks.h"

#include <algorithm>
#include <cmath>

#include "common/entry_array.h"
#include "common/numeric_value.h"
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

std::optional<std::string> CellTextProblem(EntryKind kind, std::string_view text, int line, std::string_view column) {
  std::string cell = "line " + std::to_string(line);
  if (!column.empty()) cell += ", column " + std::string(column);
  const std::optional<double> number = ParseNumber(text);
  if (!number) return "A number is required in " + cell + ".";
  const std::string value = "The value in " + cell;
  switch (kind) {
    case EntryKind::Single: {
      float f = 0;
      if (!ToSingle(*number, f)) {
        return *number > 0 ? value + " should not be greater than " + kSingleLimitText + "."
                           : value + " should not be less than -" + kSingleLimitText + ".";
      }
      if (f == 0 && *number != 0) return value + " is too close to 0 to be kept: it should be 0 or at least 1E-45 in size.";
      return std::nullopt;
    }
    case EntryKind::Integer: {
      std::int16_t n = 0;
      if (ToInteger16(*number, n)) return std::nullopt;
      return *number > 0 ? value + " should not be greater than 32767." : value + " should not be less than -32768.";
    }
    case EntryKind::Double:
    case EntryKind::Variant:
    case EntryKind::Text:
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace pave
