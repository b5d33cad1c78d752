// Computation time of the layered analysis: a three-layer single-wheel problem with 21 response
// points, the dual-tandem example LAY1 (12 points under four wheels), and 19 layers with
// frictionless interfaces (the layer constants by the equation solver at every integration point).
#include <benchmark/benchmark.h>

#include <memory>

#include "layered_analysis/layered_responses.h"
#include "layered_analysis/problem_input.h"
#include "layered_analysis/superposition.h"

namespace {

using namespace pave::layered;

std::unique_ptr<ProblemState> Layers(const std::vector<float>& th, const std::vector<float>& e,
                                     const std::vector<float>& pr) {
  auto s = std::make_unique<ProblemState>();
  s->MATL = 1;
  s->NPY = 1;
  s->NLG = 1;
  s->DEL = 0.001f;
  s->ICL = 80;
  s->NL = static_cast<i16>(e.size());
  for (std::size_t i = 0; i < e.size(); ++i) {
    if (i < th.size()) s->TH(i + 1) = th[i];
    s->E(i + 1) = e[i];
    s->PR(i + 1) = pr[i];
  }
  s->NBOND = 1;
  s->LG = 1;
  s->IPT = 1;
  return s;
}

void SetDepths(ProblemState& s, const std::vector<float>& zc) {
  s.NZ = static_cast<i16>(zc.size());
  for (std::size_t i = 0; i < zc.size(); ++i) s.ZC(i + 1) = zc[i];
}

void SingleWheel(ProblemState& s, float a, float p, const std::vector<float>& rc) {
  s.LOAD(1) = 0;
  s.CR(1) = a;
  s.CP(1) = p;
  s.NR(1) = static_cast<i16>(rc.size());
  for (std::size_t j = 0; j < rc.size(); ++j) s.RC(j + 1, 1, 1) = rc[j];
}

void BM_ThreeLayers21Points(benchmark::State& state) {
  auto s = Layers({6, 8}, {740000, 23000, 11000}, {0.4f, 0.35f, 0.45f});
  s->NSTD = 9;
  SetDepths(*s, {0, 3, 6, 6.0001f, 10, 14, 14.0001f});
  SingleWheel(*s, 4.52f, 70, {0, 4.52f, 12});
  ResponseIntegrator integrator;
  for (auto _ : state) benchmark::DoNotOptimize(integrator.LAYERS(*s, 1, 9));
}
BENCHMARK(BM_ThreeLayers21Points)->Unit(benchmark::kMillisecond);

void BM_Lay1DualTandem(benchmark::State& state) {
  auto s = Layers({6, 8}, {740000, 23000, 11000}, {0.4f, 0.35f, 0.45f});
  s->NSTD = 1;
  SetDepths(*s, {0, 6, 14});
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
  std::vector<float> th(18), e(19), pr(19);
  for (int i = 0; i < 19; ++i) {
    if (i < 18) th[i] = 2 + 0.5f * i;
    e[i] = 500000.0f / (1 + i);
    pr[i] = 0.3f + 0.01f * i;
  }
  auto s = Layers(th, e, pr);
  s->NSTD = 9;
  s->NBOND = 0;
  for (int i = 1; i <= 18; ++i) s->INT(i) = i % 3 == 0 ? 0 : 1;
  SetDepths(*s, {0, 5, 20, 60});
  SingleWheel(*s, 6, 80, {0, 10});
  ResponseIntegrator integrator;
  for (auto _ : state) benchmark::DoNotOptimize(integrator.LAYERS(*s, 1, 9));
}
BENCHMARK(BM_NineteenLayersFrictionless)->Unit(benchmark::kMillisecond);

}  // namespace
