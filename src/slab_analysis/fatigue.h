// Fatigue damage of the slab layers: cracking index per period and load group, design life.
#pragma once

#include "slab_analysis/slab_run.h"

namespace pave::slab {

// Allowed repetitions for the stress ratio SR; nothing when the stress causes no damage.
std::optional<double> AllowedRepetitions(double ndama, float SR, float f1, float f2);
// Cracking index of the current period and load group, after StrOut.
void FatigueStep(SlabRun& r);
// Sum of cracking index and design life at the end of a problem.
void DesignLife(SlabRun& r);

}  // namespace pave::slab
