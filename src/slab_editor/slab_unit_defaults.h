// The values of a slab data set whose defaults depend on the unit system: CT and FMAX of the curling
// information, YM and GAMA of slab layer 1, PMR of slab layer 1 and YMSB of the dowel bars
// (shell/unit_defaults.h).
#pragma once

#include <vector>

#include "shell/unit_defaults.h"

namespace pave {

// The defaults that depend on the unit system.
inline constexpr UnitPair kCtDefault{0.000005, 0.000009};        // CT, per F or per C
inline constexpr UnitPair kFmaxDefault{1, 2.54};                 // FMAX of the Curling form, in. or cm
inline constexpr UnitPair kFmaxConcentrated{10, 25.4};           // FMAX where concentrated loads act
inline constexpr UnitPair kYmDefault{4000000, 27600000};         // YM of slab layer 1, psi or kPa
inline constexpr UnitPair kGamaDefault{150, 23.6};               // GAMA of slab layer 1, pcf or kN/m^3
inline constexpr UnitPair kPmrDefault{500, 3450};                // PMR of slab layer 1, psi or kPa
inline constexpr UnitPair kYmsbDefault{29000000, 200000000};     // YMSB of the dowel bars, psi or kPa

std::vector<UnitDefault> SlabUnitDefaults(int set);

}  // namespace pave
