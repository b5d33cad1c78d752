// What a line of a table stands for, and the moves that a line inserted or deleted there makes in
// every array holding entries for that index: a line is a period, a load group, a nonlinear or
// viscoelastic layer sequence or a creep time, and deleting or inserting it deletes or inserts that
// index in each array that has one, so that every value stays with its own period, load group,
// sequence or time. (The layers, whose numbers other tables also name, are moved by LayerLines.)
//
// The moves are made on a copy of those entries, taken when the table opens; the copy goes into the
// data set when the table is confirmed, and is dropped when the table is closed otherwise.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "grids/table_entries.h"

namespace pave {

enum class LineIndex : std::uint8_t { None, Period, LoadGroup, NonlinearSequence, ViscoSequence, Time };

// In a list of held entries the slot kLine marks the moving index and kEach runs over every entry of
// another index.
inline constexpr Ix kEach{Slot::None};

// Entries held for an index, and what a line inserted there gets: a number (0 unless the data set
// has a default for it), or nothing, for an entry whose screen shows a default while it is empty.
struct HeldEntry {
  constexpr HeldEntry() = default;
  constexpr HeldEntry(EntryRef r, double fresh_number = 0, bool fresh_empty = false)  // NOLINT: lists of refs
      : ref(r), fresh(fresh_number), empty(fresh_empty) {}
  EntryRef ref{};
  double fresh = 0;
  bool empty = false;
};

// Every entry of the layered data set held for an index (none for LineIndex::None).
std::span<const HeldEntry> EntriesHeldFor(LineIndex index);

class LineMoves {
 public:
  // Copies lines 1 .. capacity of each list of entries.
  LineMoves(const TableContext& context, std::span<const HeldEntry> held, int capacity);

  // A line was inserted before `at` (it is blank), or line `at` was deleted; the table has `lines`
  // lines now.
  void Insert(int at, int lines);
  void Delete(int at, int lines);
  // What the copy holds must go into the data set again (what it was put into was taken back).
  void Touch() { dirty_ = true; }
  // Puts the copy into the data set when a line has moved since it last did.
  void Commit(const TableContext& context);

 private:
  struct Slice {
    EntryRef ref;
    Value fresh;
    int line_at = 0;
    std::vector<std::vector<long>> index;     // every index of one line, the line's place left 0
    std::vector<std::vector<Value>> values;   // [line][k]
  };
  int capacity_;
  bool dirty_ = false;
  std::vector<Slice> slices_;
};

}  // namespace pave
