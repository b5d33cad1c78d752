// Drawing speed of the graph pages on the Qt drawing surface: one contour page of the largest slab
// the slab programs accept (420 nodes, 21 by 20), and one layer graph page.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cmath>
#include <memory>
#include <string>

#include "graphs/contour_levels.h"
#include "graphs/contour_page.h"
#include "graphs/graph_frame.h"
#include "graphs/layer_graph_page.h"
#include "platform/gui/fonts.h"
#include "platform/gui/qt_drawing_surface.h"
#include "platform/scripted_platform.h"

namespace {

using namespace pave;
using namespace pave::graphs;

QApplication& App() {
  static int argc = 1;
  static char name[] = "graph_bench";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication* app = [] {
    auto* a = new QApplication(argc, argv);
    InstallFontSubstitutes();
    return a;
  }();
  return *app;
}

// A 240 by 228 in. slab of 21 by 20 nodes under a wheel load near its middle: stresses from a
// smooth bowl with a sharp peak, tension at the bottom under the load.
void LargeSlab(SlabGraphProblem& p, SlabGraphPage& page) {
  p.title = "LARGEST SLAB, 420 NODES";
  p.npy = p.nlg = 1;
  p.nslab = 1;
  p.nx[1] = 21;
  p.ny[1] = 20;
  for (int i = 1; i <= 21; ++i) p.x[i][1] = 12.0f * static_cast<float>(i - 1);
  for (int j = 1; j <= 20; ++j) p.y[j][1] = 12.0f * static_cast<float>(j - 1);
  p.nlayer = 1;
  p.nudl[1] = 1;
  p.areas[1][1] = LoadedArea{1, 114, 126, 108, 120, 100};
  p.ncnf = 1;
  p.forces[1] = NodalLoad{static_cast<std::int16_t>(20 * 5 + 5), 9000};
  p.nodes_to[1] = 420;
  page.nprint = 420;
  page.ls1 = 1;
  LayerExtremes& e = page.extremes[1];
  for (int i = 1; i <= 21; ++i) {
    for (int j = 1; j <= 20; ++j) {
      const int k = 20 * (i - 1) + j;
      const double dx = p.x[i][1] - 120, dy = p.y[j][1] - 114;
      const double r2 = dx * dx + dy * dy;
      const float v = static_cast<float>(-450 * std::exp(-r2 / 900) + 60 * std::cos(dx / 40) * std::cos(dy / 35));
      page.res_x[k][1] = v;
      page.res_y[k][1] = 0.8f * v;
      if (v < e.max_x) e.max_x = v, e.node_max_x = static_cast<std::int16_t>(k);
      if (v > e.min_x) e.min_x = v, e.node_min_x = static_cast<std::int16_t>(k);
    }
  }
}

// A host without a window: the page is drawn on the surface only.
class NoWindow : public GraphWindowHost {
 public:
  void ShowWindow() override {}
  void SetCaption(const std::string&) override {}
};

void BM_ContourPageOfTheLargestSlab(benchmark::State& state) {
  App();
  NoWindow host;
  ScriptedPlatform platform;
  auto p = std::make_unique<SlabGraphProblem>();
  auto page = std::make_unique<SlabGraphPage>();
  LargeSlab(*p, *page);
  const LayerExtremes& e = page->extremes[1];
  const std::string interval = Str(ContourRangeOf(e.max_x, e.min_x, false).default_interval);
  QtDrawingSurface surface(kContourPageWidth + kPageOffset, kGraphPageHeight + kPageOffset);
  PlotKit kit(surface);
  kit.QScreen(kContourPageWidth, kGraphPageHeight);
  for (auto _ : state) {
    platform.messages.QueueInput(interval);
    DrawContourPage(kit, *p, *page, ContourDirection::X, 1, host);
    benchmark::DoNotOptimize(surface.Image().constBits());
    surface.Clear();
  }
}
BENCHMARK(BM_ContourPageOfTheLargestSlab)->Unit(benchmark::kMillisecond);

// Six layers, nonlinear base layers and viscoelastic asphalt (MATL 4), a tridem with 25 response
// points and 19 response depths.
void HeavyLayerProblem(LayerGraphProblem& p) {
  p.title = "Six layers under a tridem";
  p.matl = 4;
  p.npy = p.nlg = 1;
  p.nl = 6;
  p.nz = 19;
  for (int l = 1; l <= 5; ++l) p.th[l] = 3.0f + static_cast<float>(l);
  for (int l = 1; l <= 6; ++l) p.pr[l] = 0.35f, p.e[l][1] = 500000 / l, p.gam[l] = 135;
  for (int i = 1; i <= 19; ++i) p.zc[i] = 1.5f * static_cast<float>(i - 1);
  p.load[1] = 3;
  p.cr[1] = 4.52f, p.cp[1] = 70, p.xw[1] = 48, p.yw[1] = 13.5f;
  p.npt[1] = 25;
  for (int i = 1; i <= 25; ++i) p.xpt[i][1] = 4.0f * static_cast<float>((i - 1) / 5), p.ypt[i][1] = 3.375f * static_cast<float>((i - 1) % 5);
  p.nolay = 2;
  p.layno[1] = 2, p.layno[2] = 6;
  p.nclay[6] = 1;
  p.zcnol[1] = 9, p.zcnol[2] = 30;
  for (int l : {2, 6}) p.k1[l][1] = 7500, p.k2[l] = 0.5f, p.k0[l] = 0.6f, p.emin[l][1] = 3000, p.emax[l][1] = 12000;
  p.nvl = 1;
  p.lnv[1] = 1;
  p.ntyme = 11;
  p.beta[1] = 0.113f, p.tempref[1] = 70, p.temp[1][1] = 80;
  for (int t = 1; t <= 11; ++t) p.creep[1][t] = Value(1e-6 * t);
}

void BM_LayerGraphPage(benchmark::State& state) {
  App();
  auto p = std::make_unique<LayerGraphProblem>();
  HeavyLayerProblem(*p);
  QtDrawingSurface surface(kGraphPageWidth + kPageOffset, kGraphPageHeight + kPageOffset);
  PlotKit kit(surface);
  kit.QScreen(kGraphPageWidth, kGraphPageHeight);
  for (auto _ : state) {
    DrawLayerGraphPage(kit, *p, 1, 1, 1);
    benchmark::DoNotOptimize(surface.Image().constBits());
    surface.Clear();
  }
}
BENCHMARK(BM_LayerGraphPage)->Unit(benchmark::kMillisecond);

}  // namespace
