// The values of a layered data set whose defaults depend on the unit system: BETA and TEMPREF of the
// viscoelastic layers, TEMP of each viscoelastic layer in each period, FT1 of the bottom-tension
// layers (shell/unit_defaults.h).
#pragma once

#include <vector>

#include "shell/unit_defaults.h"

namespace pave {

// The defaults that depend on the unit system.
inline constexpr UnitPair kBetaDefault{0.113, 0.2034};          // BETA, per F or per C
inline constexpr UnitPair kTemperatureDefault{70, 21.1};        // TEMPREF and TEMP, F or C
inline constexpr UnitPair kFt1Default{0.0796, 0.414};           // FT1 of a bottom-tension layer

std::vector<UnitDefault> LayeredUnitDefaults(int set);

// TEMP of viscoelastic sequence `v` in period `p` of data set `set`: the entry, or, while it is empty
// (a layer or period that had no temperatures), the default temperature in the data set's units, as
// the temperature table shows it.
Value LayeredTemperature(int set, int p, int v);

}  // namespace pave
