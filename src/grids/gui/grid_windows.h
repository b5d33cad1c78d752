// Installs the period selector and the grid windows in ROVANTE, over the editors' data sets.
#pragma once

#include "common/entry_array.h"

namespace pave {

// The windows' makers for the kinds frmPeriod, frmspreadb, frmSpread1, frmSpread2, frmSpread3 and
// frmSpreada, and what a second opening of each does; the grids read and write the named arrays of
// `layered` and `slab` (not owned).
void InstallGridWindows(ArrayDirectory* layered, ArrayDirectory* slab);

}  // namespace pave
