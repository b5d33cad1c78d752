// Small layered systems for the tests and benchmarks of the layered analysis.
#pragma once

#include <memory>
#include <vector>

#include "layered_analysis/problem_state.h"

namespace pave::layered::testing {

struct Layer {
  float th;  // thickness (ignored for the lowest layer)
  float E;
  float nu;
  short interface = 1;  // condition of the interface below the layer
};

// A layered system of one period and one load group, responses at the depths zc; the load group
// is the caller's.
inline std::unique_ptr<ProblemState> LayerSystem(const std::vector<Layer>& layers, const std::vector<float>& zc,
                                                 short nbond = 1) {
  auto s = std::make_unique<ProblemState>();
  s->MATL = 1;
  s->NSTD = 9;
  s->NPY = 1;
  s->NLG = 1;
  s->DEL = 0.001f;
  s->ICL = 80;
  s->NL = static_cast<i16>(layers.size());
  for (std::size_t i = 0; i < layers.size(); ++i) {
    const int L = static_cast<int>(i) + 1;
    if (L < s->NL) {
      s->TH(L) = layers[i].th;
      s->INT(L) = layers[i].interface;
    }
    s->PR(L) = layers[i].nu;
    s->E(L) = layers[i].E;
    s->EPY(L, 1) = layers[i].E;
  }
  s->NBOND = nbond;
  s->NZ = static_cast<i16>(zc.size());
  for (std::size_t i = 0; i < zc.size(); ++i) s->ZC(static_cast<int>(i) + 1) = zc[i];
  s->LG = 1;
  s->IPT = 1;
  return s;
}

// One single-wheel load group (radius a, pressure p) over the given layers, responses at the depths
// zc and radial coordinates rc.
inline std::unique_ptr<ProblemState> SingleWheel(const std::vector<Layer>& layers, float a, float p,
                                                 const std::vector<float>& zc, const std::vector<float>& rc,
                                                 short nbond = 1) {
  auto s = LayerSystem(layers, zc, nbond);
  s->LOAD(1) = 0;
  s->CR(1) = a;
  s->CP(1) = p;
  s->NR(1) = static_cast<i16>(rc.size());
  for (std::size_t j = 0; j < rc.size(); ++j) s->RC(static_cast<int>(j) + 1, 1, 1) = rc[j];
  return s;
}

}  // namespace pave::layered::testing
