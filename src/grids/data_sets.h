// Where the grids find the editors' data sets: the named arrays of the layered editor and of the
// slab editor. The program points the grids at the editors' directories when it installs the grid
// windows; tests point them at arrays of their own.
#pragma once

#include "common/entry_array.h"

namespace pave {

// Both directories (not owned); null leaves that editor's arrays unknown.
void UseDataSets(ArrayDirectory* layered, ArrayDirectory* slab);

// The directory of a table kind: kinds below 200 are the layered editor's, the others the slab
// editor's. Throws std::logic_error when that editor's arrays are unknown.
ArrayDirectory& DataSetsOfKind(int kind);

}  // namespace pave
