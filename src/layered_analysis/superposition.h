// Superposition of several wheels at the current response point: the axisymmetric responses of each
// wheel are added in a fixed horizontal frame at every depth point, and the summed stress state gives
// the principal stresses (trigonometric solution of the characteristic cubic) and, for NSTD 9, the
// vertical, major and minor principal strains and the minimum horizontal principal strain. The
// results go over the first wheel's entries RESP(1, I, K).
#pragma once

#include "layered_analysis/problem_state.h"

namespace pave::layered {

void SUPPRI(ProblemState& s);

// The three principal values of a symmetric stress state, largest, smallest and intermediate, as
// SUPPRI forms them (compression positive).
struct PrincipalValues {
  float largest = 0, smallest = 0, intermediate = 0;
};
PrincipalValues Principal(float sx, float sy, float sz, float txy, float tyz, float txz);

}  // namespace pave::layered
