// One page of the layer graph: period `period` and load group `group` of a problem. At the top the
// title and the identification (with the load repetitions and damage ratios of a damage analysis),
// in the lower middle the profile of the layers with the response depths, the layer tops and each
// layer's material values, in the upper middle the plan with the wheels and the response points,
// on the right the load data and a legend, and on the last page of a damage analysis the damage
// sums and the design life.
#pragma once

#include "graphs/layer_graph_file.h"
#include "graphs/plot_kit.h"

namespace pave::graphs {

// Depth of the top of each layer: ztop(1) = 0, ztop(L) = ztop(L - 1) + TH(L - 1).
Row<float, kGraphLayers> LayerTops(const LayerGraphProblem& p);

// The depth that the profile's lower edge stands for: 1.5 times the top of the last layer. A single
// layer has no layer top below the surface; its profile reaches 1.5 times the deepest response depth,
// or a tenth of the profile's width when every depth is at the surface.
float ProfileDepth(const LayerGraphProblem& p, const Row<float, kGraphLayers>& ztop);

// The ends (a, b) of the tick that marks response depth z: above an interface it meets, just below
// one it lies 0.0001 under, else centred on z.
struct DepthTick {
  float a = 0;
  float b = 0;
};
DepthTick ResponseDepthTick(float z, const Row<float, kGraphLayers>& ztop, int nl);

void DrawLayerGraphPage(PlotKit& kit, const LayerGraphProblem& p, int problem, int period, int group);

}  // namespace pave::graphs
