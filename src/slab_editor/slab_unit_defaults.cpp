#include "slab_editor/slab_unit_defaults.h"

#include "slab_editor/slab_data_set.h"

namespace pave {

std::vector<UnitDefault> SlabUnitDefaults(int set) {
  const bool damage = gSlabGeneral(set, gen::kNDAMA) != 0;
  const bool joints = gSlabGeneral(set, gen::kNJOINT) != 0;
  const bool curling = gSlabTC(set) == 1;
  return {
      {"gSlabCurling", {curl::kCT}, "CT", "", {{0.000005, 0.000009}}, curling},
      // FMAX: the Curling form's default, or the larger one a concentrated load gives.
      {"gSlabCurling", {curl::kFMAX}, "FMAX", "", {{1, 2.54}, {10, 25.4}}, true},
      {"gSlabLayerProps", {1, 3}, "YM", "slab layer 1", {{4000000, 27600000}}, true},
      {"gSlabLayerProps", {1, 4}, "GAMA", "slab layer 1", {{150, 23.6}}, true},
      {"gSlabFatigue", {1, 1}, "PMR", "slab layer 1", {{500, 3450}}, damage},
      {"gSlabDowel", {1}, "YMSB", "", {{29000000, 200000000}}, joints},
  };
}

}  // namespace pave
