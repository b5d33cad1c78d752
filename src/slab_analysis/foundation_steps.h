// The routines of the solid (elastic half-space) and layered foundations and of the joints between
// slabs, as steps of a slab run.
#pragma once

#include "slab_analysis/slab_run.h"

namespace pave::slab {

// Once per problem with a solid or layered foundation.
void SolCor(SlabRun& r);  // global node coordinates, symmetry case
void BurDef(SlabRun& r);  // distances of the layered deflection table
void LaySla(SlabRun& r);  // the layered deflection table
void SolFle(SlabRun& r);  // packed flexibility matrix and its copy

// Each contact cycle, load group and solution pass.
void SolSti(SlabRun& r);  // foundation stiffness of the contact cycle
void SolMod(SlabRun& r);  // right-hand side of a solution pass
void SolCon(SlabRun& r);  // contact step of a load group

// Joints (several slabs).
void DowGeo(SlabRun& r);  // joint-node shares and dowel springs, once per problem
void DowSti(SlabRun& r);  // joint springs into the band matrix, each contact cycle
void DowOut(SlabRun& r);  // joint forces and dowel stresses, each load group

}  // namespace pave::slab
