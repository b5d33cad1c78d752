// Checks a grid window makes before it opens a table (the data set, period, layer sequence, slab or
// owning line of its hand-over must lie inside the arrays the table reads, and its line count inside
// what the table holds) and before its OK stores a cell (the text must be a number the entry holds).
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "grids/table_entries.h"

namespace pave {

// Most lines a table holds: its own capacity, the bound of the line index of `line_ref` (when it
// has one) and the line buffer's 201 lines.
int TableCapacity(const TableContext& context, const EntryRef& line_ref, int own_capacity);

// Why the hand-over does not fit the arrays of `refs` (nothing when it fits).
std::optional<std::string> HandoverProblem(const TableContext& context, std::initializer_list<EntryRef> refs);

// Why a table of `capacity` lines cannot be opened with `lines` lines (nothing when it can).
std::optional<std::string> LineCountProblem(int lines, int capacity);

// Why the text typed into cell (`line`, column headed `column`) cannot be stored into an entry of
// `kind` (nothing when it can): a variant or text entry needs a number, a single-precision entry a
// number inside its range and not so close to 0 that it would become 0, a 16-bit integer entry a
// number that rounds into -32768 .. 32767, a double-precision entry a number.
std::optional<std::string> CellTextProblem(EntryKind kind, std::string_view text, int line, std::string_view column);

}  // namespace pave
