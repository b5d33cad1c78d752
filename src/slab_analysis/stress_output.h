// Moments and stresses at the print nodes, reactions, force sums and the stress summary (StrOut).
#pragma once

#include "slab_analysis/slab_run.h"

namespace pave::slab {

void StrOut(SlabRun& r);

// Moments BM(1..3) (x, y, twisting) at corner `corner` (0 lower left, 1 upper left, 2 lower right,
// 3 upper right) of one element with half sizes a, b, rigidity D and Poisson's ratio nu, from the
// displacements of its four corners w[c], ra[c] (= -dw/dy), rb[c] (= +dw/dx), corners ordered as the
// element's. The node's own corner takes the role of n in the brackets.
void CornerMoments(int corner, double a, double b, double D, double nu, const double w[4], const double ra[4],
                   const double rb[4], double bm[3]);

}  // namespace pave::slab
