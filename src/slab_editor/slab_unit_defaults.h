// The values of a slab data set whose defaults depend on the unit system: CT and FMAX of the curling
// information, YM and GAMA of slab layer 1, PMR of slab layer 1 and YMSB of the dowel bars
// (shell/unit_defaults.h).
#pragma once

#include <vector>

#include "shell/unit_defaults.h"

namespace pave {

std::vector<UnitDefault> SlabUnitDefaults(int set);

}  // namespace pave
