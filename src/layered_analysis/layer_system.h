// The layered system as the integration sees it: thicknesses, Poisson's ratios, current moduli and
// interface conditions, with the depths normalised by the depth H of the top of the lowest layer.
// A single layer is the homogeneous half-space it is: it is represented as two identical layers with
// an interface at one contact radius, which leaves every response unchanged.
#pragma once

#include <stdexcept>

#include "layered_analysis/problem_state.h"

namespace pave::layered {

// An arithmetic fault of the analysis (a zero modulus, a singular surface system, a value that is no
// longer finite); the run ends with its data-error message instead of reporting such a number.
class NumericFault : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct LayerSystem {
  int NL = 0;                      // layers of the model (2 for a single data layer)
  float TH[kMaxLayers + 1] = {};   // thickness of layers 1..NL-1, data units
  float PR[kMaxLayers + 1] = {};
  float E[kMaxLayers + 1] = {};
  i16 INT[kMaxLayers + 1] = {};    // 1 bonded, 0 frictionless
  bool bonded = true;              // NBOND 1: all bonded; NBOND 0: INT decides
  float H = 0;                     // depth of the top of the lowest layer, data units
  float h = 0;                     // H / a
  float THN[kMaxLayers + 1] = {};  // TH(i) / H
  float DN[kMaxLayers + 1] = {};   // depth of interface i / H
  float D[kMaxLayers + 1] = {};    // depth of interface i, data units

  // Builds the model of the problem's layers with the current moduli, normalised by the contact
  // radius a. Throws NumericFault for a zero contact radius or a zero modulus.
  static LayerSystem From(const ProblemState& s, float a);

  // Layer that holds depth z: the first interface i with z <= D(i) + 1e-5, else the lowest layer.
  int LayerOf(float z) const;
};

}  // namespace pave::layered
