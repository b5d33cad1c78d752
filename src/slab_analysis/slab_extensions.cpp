// The solid and layered foundations and the joint springs linked into this build.
#include "slab_analysis/foundation_steps.h"
#include "slab_analysis/slab_run.h"

namespace pave::slab {

SlabExtensions DefaultSlabExtensions() {
  SlabExtensions e;
  e.SolCor = SolCor;
  e.SolFle = SolFle;
  e.BurDef = BurDef;
  e.LaySla = LaySla;
  e.SolSti = SolSti;
  e.SolMod = SolMod;
  e.SolCon = SolCon;
  e.DowGeo = DowGeo;
  e.DowSti = DowSti;
  e.DowOut = DowOut;
  return e;
}

}  // namespace pave::slab
