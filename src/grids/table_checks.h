// Checks a grid window makes before it opens a table: the data set, period, layer sequence, slab or
// owning line of its hand-over must lie inside the arrays the table reads, and its line count inside
// what the table holds.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>

#include "grids/table_entries.h"

namespace pave {

// Most lines a table holds: its own capacity, the bound of the line index of `line_ref` (when it
// has one) and the line buffer's 201 lines.
int TableCapacity(const TableContext& context, const EntryRef& line_ref, int own_capacity);

// Why the hand-over does not fit the arrays of `refs` (nothing when it fits).
std::optional<std::string> HandoverProblem(const TableContext& context, std::initializer_list<EntryRef> refs);

// Why a table of `capacity` lines cannot be opened with `lines` lines (nothing when it can).
std::optional<std::string> LineCountProblem(int lines, int capacity);

}  // namespace pave
