// Fixed-size tables of the layered analysis: the shared fixed tables under the names the analysis
// uses (Table1 .. Table4).
#pragma once

#include "common/fixed_table.h"

namespace pave::layered {

using pave::CheckIndex;
using pave::TableIndexError;
using pave::ThrowIndex;

template <typename T, int B1>
using Table1 = FixedTable<T, B1>;
template <typename T, int B1, int B2>
using Table2 = FixedTable<T, B1, B2>;
template <typename T, int B1, int B2, int B3>
using Table3 = FixedTable<T, B1, B2, B3>;
template <typename T, int B1, int B2, int B3, int B4>
using Table4 = FixedTable<T, B1, B2, B3, B4>;

}  // namespace pave::layered
