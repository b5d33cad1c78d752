// What each window of the input editors stores into the data sets, and what it holds while it is
// open: the entries it shows as they were when it opened and stores back at its OK, and those its
// layout was made from (a table's line count and columns, the units it names). From these follows
// the rule that two windows never undo each other's changes unsaid: a window does not open while
// an open window of the same editor holds an entry that the new one stores, or stores one that the
// new one holds. The grid tables' entries come from their catalogues; the parameter forms' are
// listed here. Windows that store nothing (the menus, the selectors) are not bound by the rule.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pave {

// An index that stands for every index of its place.
inline constexpr int kAnyIndex = -1;

// Entries of one array in every data set: the indexes after the data set, fixed or kAnyIndex.
struct EntryRange {
  std::string_view array;
  std::array<int, 3> index{kAnyIndex, kAnyIndex, kAnyIndex};
};

struct WindowEntries {
  std::vector<EntryRange> stores;   // what its OK (or the opening of a line's auxiliary table) may store
  std::vector<EntryRange> layout;   // what it was laid out from, besides what it stores
};

// True when the two ranges have an entry in common.
bool Overlap(const EntryRange& a, const EntryRange& b);
// True when `ranges` include the entry of `array` at `index` (the indexes after the data set).
bool Includes(std::span<const EntryRange> ranges, std::string_view array, std::span<const long> index);

// The entries of a grid table shown by `window_kind` (frmspreadb, frmSpread1, ...) for the table
// kind `table_kind`, whatever its data set, period, layer, slab or line.
WindowEntries EntriesOfTable(std::string_view window_kind, int table_kind);
// The entries of a parameter form by its window kind; nothing for a window that stores nothing.
std::optional<WindowEntries> EntriesOfForm(std::string_view window_kind);

// True when a window with the entries `a` and one with `b` may not be open together: one stores an
// entry that the other stores or was laid out from.
bool Clashes(const WindowEntries& a, const WindowEntries& b);

// The refusal of a window (`opening_is_table`: a table, else a form) while the window titled
// `open_title` is open and clashes with it.
std::string ClashMessage(const std::string& open_title, bool opening_is_table);

}  // namespace pave
