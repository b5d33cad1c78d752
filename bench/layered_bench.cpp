// Computation time of the layered analysis: a three-layer single-wheel problem with 21 response
// points, the dual-tandem example LAY1 (12 points under four wheels), and 19 layers with
// frictionless interfaces (the layer constants by the equation solver at every integration point).
#include <benchmark/benchmark.h>

#include <memory>

#include "layered_analysis/layered_responses.h"
#include "layered_analysis/problem_input.h"
#include "layered_analysis/superposition.h"
#include "support/layered_system.h"

namespace {

using namespace pave::layered;
using testing::Layer;
using testing::LayerSystem;
using testing::SingleWheel;

// LAY1's pavement: 6 in. over 8 in. over the subgrade.
const std::vector<Layer> kThreeLayers = {{6, 740000, 0.4f}, {8, 23000, 0.35f}, {0, 11000, 0.45f}};

void BM_ThreeLayers21Points(benchmark::State& state) {
  auto s = SingleWheel(kThreeLayers, 4.52f, 70, {0, 3, 6, 6.0001f, 10, 14, 14.0001f}, {0, 4.52f, 12});
  ResponseIntegrator integrator;
  for (auto _ : state) benchmark::DoNotOptimize(integrator.LAYERS(*s, 1, 9));
}
BENCHMARK(BM_ThreeLayers21Points)->Unit(benchmark::kMillisecond);

void BM_Lay1DualTandem(benchmark::State& state) {
  auto s = LayerSystem(kThreeLayers, {0, 6, 14});
  s->NSTD = 1;
  s->LOAD(1) = 2;
  s->CR(1) = 4.52f;
  s->CP(1) = 70;
  s->XW(1) = 48;
  s->YW(1) = 13.5f;
  s->NPT(1) = 12;
  s->NR(1) = 4;
  const float xs[4] = {0, 8, 16, 24}, ys[3] = {0, 3.375f, 6.75f};
  int k = 0;
  for (float x : xs)
    for (float y : ys) {
      ++k;
      s->XPT(k) = x;
      s->YPT(k) = y;
    }
  const float wx[5] = {0, 0, 0, 48, 48}, wy[5] = {0, 0, 13.5f, 0, 13.5f};
  for (int J = 1; J <= 4; ++J) {
    s->WX(J) = wx[J];
    s->WY(J) = wy[J];
  }
  WheelGeometry(*s, 1, 1, 4);
  ResponseIntegrator integrator;
  for (auto _ : state) {
    for (int ipt = 1; ipt <= 12; ++ipt) {
      s->IPT = static_cast<i16>(ipt);
      integrator.LAYERS(*s, ipt, 5);
      SUPPRI(*s);
    }
    benchmark::DoNotOptimize(s->RESP(1, 1, 1));
  }
}
BENCHMARK(BM_Lay1DualTandem)->Unit(benchmark::kMillisecond);

void BM_NineteenLayersFrictionless(benchmark::State& state) {
  std::vector<Layer> layers(19);
  for (int i = 0; i < 19; ++i) {
    const short interface = (i + 1) % 3 == 0 ? 0 : 1;
    layers[i] = {i < 18 ? 2 + 0.5f * i : 0, 500000.0f / (1 + i), 0.3f + 0.01f * i, interface};
  }
  auto s = SingleWheel(layers, 6, 80, {0, 5, 20, 60}, {0, 10}, /*nbond=*/0);
  ResponseIntegrator integrator;
  for (auto _ : state) benchmark::DoNotOptimize(integrator.LAYERS(*s, 1, 9));
}
BENCHMARK(BM_NineteenLayersFrictionless)->Unit(benchmark::kMillisecond);

}  // namespace
