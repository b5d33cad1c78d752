// The spring of one pair of joint nodes in the band matrix of the slab system.
#pragma once

namespace pave {

// Adds the spring k between degree M (1..3) of the nodes with equation-order numbers e1 < e2 to the
// band matrix SK (entry of row r, column c at SK[(r-1)NB + (c-r) + 1]): k on both diagonals, -k on
// the coupling when the band holds it ((e2 - e1) + 1) x 3 <= NB. Returns whether the coupling was
// stored; when it was not, the right-hand side carries it with the previous deflections.
bool AddJointPairSpring(float* SK, long NB, int e1, int e2, int M, float k);

}  // namespace pave
