// The rectangular plate-bending element (12 degrees of freedom: w, -dw/dy, +dw/dx at each corner),
// element rigidities and the assembly of the slab band matrix (Stiffn).
#pragma once

#include "slab_analysis/slab_run.h"

namespace pave::slab {

// Stiffness of one element with half sizes a (x) and b (y), summed over the layers with rigidity
// D[L] and Poisson's ratio nu[L]. K[i][j] with i, j = 0..11, i = 3 (corner - 1) + (dof - 1);
// corners lower left, upper left, lower right, upper right.
void ElementStiffness(double a, double b, const double* D, const double* nu, int layers, double K[12][12]);

// Flexural rigidity RIGID(L, e) of every element and layer.
void Rigidities(SlabState& s);

// Clears and assembles the band matrix of the slabs, the nodal areas, the symmetry restraints and
// (first cycle of the first period) the slab weight.
void Stiffn(SlabRun& r);

}  // namespace pave::slab
