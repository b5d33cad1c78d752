// Fatigue damage of the slab layers: cracking index per period and load group, design life.
#pragma once

#include "slab_analysis/slab_run.h"

namespace pave::slab {

// Allowed repetitions for the stress ratio SR; nothing when the stress causes no damage. A ratio
// beyond the curve's reach, whose count is below any that single precision holds, allows 0
// repetitions; a count beyond double precision is infinite.
std::optional<double> AllowedRepetitions(double ndama, float SR, float f1, float f2);
// The cracking index of `repetitions` against `allowed`: 0 for no repetitions or a count without
// end, and for 0 allowed repetitions (or an index beyond single precision) the largest single-precision
// number, which stands for an index beyond any count.
double CrackingIndex(double repetitions, double allowed);
// The design life in years of a sum of cracking indexes: 1000 without damage, 0 for a sum beyond
// any count.
float LifeInYears(float sumci);
// Cracking index of the current period and load group, after StrOut.
void FatigueStep(SlabRun& r);
// Sum of cracking index and design life at the end of a problem.
void DesignLife(SlabRun& r);

}  // namespace pave::slab
