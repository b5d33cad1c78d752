// Contact iteration of slabs on a liquid (dense-liquid, Winkler) foundation.
#pragma once

#include "slab_analysis/slab_run.h"

namespace pave::slab {

void LiqMod(SlabRun& r);  // right-hand side of the next solution pass
void DisChe(SlabRun& r);  // convergence check of the deflection iteration (all foundations)
void LiqCon(SlabRun& r);  // reactions, force balance, contact update and the gap tables

}  // namespace pave::slab
