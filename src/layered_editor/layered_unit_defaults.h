// The values of a layered data set whose defaults depend on the unit system: BETA and TEMPREF of the
// viscoelastic layers, TEMP of each viscoelastic layer in each period, FT1 of the bottom-tension
// layers (shell/unit_defaults.h).
#pragma once

#include <vector>

#include "shell/unit_defaults.h"

namespace pave {

std::vector<UnitDefault> LayeredUnitDefaults(int set);

}  // namespace pave
