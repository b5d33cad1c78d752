// Planning of the work array: equation order, half band width, second copy and solution mode.
#pragma once

#include "slab_analysis/slab_run.h"

namespace pave::slab {

// Solid and layered foundations: room for the two packed foundation matrices at the end of SK.
void ReserveFoundation(SlabRun& r);
// Equation order NEWNO, ISOLVE, NB and NSK2; writes the half band width line of the report. Shows
// the storage message and takes the end path when the system does not fit.
void PlanStorage(SlabRun& r);
// The storage message of this build.
std::string StorageMessage(const SlabVariant& v);

}  // namespace pave::slab
