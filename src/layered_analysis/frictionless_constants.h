// Layer constants of a system in which some interfaces are frictionless: the boundary and interface
// conditions of all layers as one linear system of N = 4(NL - 1) + 2 equations, solved by GELG.
#pragma once

#include "layered_analysis/layer_system.h"

namespace pave::layered {

class FrictionlessConstants {
 public:
  // Solves for RM; false when the equation solver finds no result.
  bool NOFRIC(const LayerSystem& m, float RM);
  // Constants of layer L (1..NL) into CC(1..4).
  void Copy(int L, double CC[5]) const {
    for (int k = 1; k <= 4; ++k) CC[k] = CNF[4 * (L - 1) + k];
  }

  // Right-hand side, then the constants: layer L has A, B, C, D at 4(L-1)+1..4(L-1)+4. Room for
  // 19 layers (the rearranged lowest layer needs places N + 1 and N + 2).
  float CNF[4 * kMaxLayers + 1] = {};
  float A[kMaxEquations * kMaxEquations + 1] = {};
};

}  // namespace pave::layered
