#include "slab_editor/slab_unit_defaults.h"

#include "slab_editor/slab_data_set.h"

namespace pave {

std::vector<UnitDefault> SlabUnitDefaults(int set) {
  const bool damage = gSlabGeneral(set, gen::kNDAMA) != 0;
  const bool joints = gSlabGeneral(set, gen::kNJOINT) != 0;
  const bool curling = gSlabTC(set) == 1;
  return {
      {"gSlabCurling", {curl::kCT}, "CT", "", {kCtDefault}, curling},
      // FMAX: the Curling form's default, or the larger one a concentrated load gives.
      {"gSlabCurling", {curl::kFMAX}, "FMAX", "", {kFmaxDefault, kFmaxConcentrated}, true},
      {"gSlabLayerProps", {1, 3}, "YM", "slab layer 1", {kYmDefault}, true},
      {"gSlabLayerProps", {1, 4}, "GAMA", "slab layer 1", {kGamaDefault}, true},
      {"gSlabFatigue", {1, 1}, "PMR", "slab layer 1", {kPmrDefault}, damage},
      {"gSlabDowel", {1}, "YMSB", "", {kYmsbDefault}, joints},
  };
}

}  // namespace pave
