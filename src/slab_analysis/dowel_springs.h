// Joint springs of dowel bars and the share of a joint that each joint node carries.
#pragma once

#include <vector>

namespace pave {

// Tributary length of each of the N nodes along a joint, from the grid coordinates C(1..N) of the
// joint's direction (C[0] unused). The first node gets half the second coordinate: the slab's first
// grid line is taken as coordinate 0. Result indexed 1..N.
std::vector<float> JointTributaryLengths(const float* C, int N);

struct DowelSpring {
  float SPCON1 = 0;  // equivalent shear spring constant of the joint (per bar, or per unit length)
  float CDOW = 0;    // bending compliance of the dowel system: deflection at the joint face per unit load
  float BS = 0;      // the bar spacing as used: 1 when the bars are listed node by node
};

// Shear spring of a doweled joint: bars of diameter BD, modulus YMSB, Poisson's ratio PRSB, support
// modulus SCKV, spacing BS, across a joint of width WJ. With barsListed the constant is that of one
// bar (BS is taken as 1). Throws std::domain_error when BD, SCKV or YMSB is zero or the result
// leaves the single range.
DowelSpring DowelShearSpring(float BD, float SCKV, float WJ, float BS, float YMSB, float PRSB, bool barsListed);

}  // namespace pave
