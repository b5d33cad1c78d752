// Installs the period selector and the grid windows in ROVANTE, over the editors' data sets.
#pragma once

#include "common/entry_array.h"

namespace pave {

// The windows' makers for the kinds frmPeriod, frmspreadb, frmSpread1, frmSpread2, frmSpread3 and
// frmSpreada, what a second opening of each does, and the rule that no window opens beside another
// that works on the same entries (grids/gui/window_clashes.h); the grids read and write the named
// arrays of `layered` and `slab` (not owned).
void InstallGridWindows(ArrayDirectory* layered, ArrayDirectory* slab);

}  // namespace pave
