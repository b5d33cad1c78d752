// Layer constants A, B, C, D of a system whose interfaces are all bonded, for one value RM = m*H of
// the Hankel parameter, by the product of the interface matrices from the lowest interface up; and
// the integrand factors that turn a layer's constants into the five response integrands at a depth.
#pragma once

#include "layered_analysis/layer_system.h"

namespace pave::layered {

class BondedConstants {
 public:
  // Fills FMAT and XBOT for RM (the solution for a unit normal load term at the surface).
  void SOL(const LayerSystem& m, float RM);
  // Constants of layer Lpt (1..NL) into CC(1..4).
  void COEF(const LayerSystem& m, int Lpt, double CC[5]) const;

  float FMAT[kMaxLayers][5][5] = {};  // FMAT[i][K][L], interfaces 1..NL-1
  double XBOT[5] = {};

 private:
  float rm_ = 0;
};

// Integrand factors of a depth with normalised depth lambda in layer L.
struct IntegrandFactors {
  double FW = 0, FZ = 0, FR = 0, FV = 0;
  float FT = 0;
};

IntegrandFactors Integrands(const LayerSystem& m, int L, float lambda, float RM, const double CC[5]);

}  // namespace pave::layered
