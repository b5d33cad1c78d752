// Stresses of the load at the modulus points of the nonlinear layers: the three normal stresses under
// one or two wheels by the same Hankel-transform integration as the responses, and the superposition
// of the two wheels of a dual-wheel group into stresses along x and y.
#pragma once

#include "common/analysis_host.h"
#include "layered_analysis/problem_state.h"

namespace pave::layered {

// RESP(J, i, 1..3) = vertical, radial and tangential stress of wheel J = 1..Nrr at the modulus point
// of nonlinear layer i, load group s.LG, with the current moduli E. Returns the integration cycles.
// When NDAMA is 0 the progress log gets the cycle count. Throws NumericFault or SingularSolve.
int NONLAY(ProblemState& s, int Nrr, ProgressLog* log);

// RESP(1, i, 1..3) = vertical stress and the horizontal stresses along x and y of wheels 1 and 2.
void SUPERP(ProblemState& s);

}  // namespace pave::layered
