// One page of the slab grid graph: period `period` and load group `group` of a problem. The header
// identifies the page and shows its results (maximum stress, cracking indices, the design life on
// the problem's last page) and the legends of the load symbols; below it the plan of every slab's
// grid with the page's loads and the node of the maximum stress, and the profile of the slab layers
// and the foundation.
#pragma once

#include <optional>

#include "graphs/plot_kit.h"
#include "graphs/slab_graph_file.h"

namespace pave::graphs {

// Largest and smallest force of the page's loaded areas and of the nodal forces, in lb (English
// units) or kN (SI: areas in cm by kPa, so the product is divided by 10000). An area's force is
// reckoned in double precision: the product of three single-precision values may lie beyond them.
struct PageForces {
  double area_max = 0, area_min = 0;
  float nodal_max = 0, nodal_min = 0;
};
PageForces ForcesOfPage(const SlabGraphProblem& p, int group);

// `design_life`: the problem's design life, on its last page of a damage analysis.
void DrawSlabGridPage(PlotKit& kit, const SlabGraphProblem& p, const SlabGraphPage& page, int problem, int period,
                      int group, std::optional<float> design_life);

// The plan of every slab and the profile (drawn after the header). The plan returns the window x of
// its right edge, right of which the profile writes the plan's title.
float DrawSlabPlan(PlotKit& kit, const SlabGraphProblem& p, const SlabGraphPage& page, int group);
void DrawSlabProfile(PlotKit& kit, const SlabGraphProblem& p, float plan_right);

// The y-axis title "Y COORDINATES" is written downwards at this x; the plan's y numbers start at
// least kYNumbersFrom, clear of it.
inline constexpr float kYTitleColumn = -50;
inline constexpr float kYNumbersFrom = kYTitleColumn + 160;

// The percent window of slab s among nslab slabs: columns from the left, rows from the bottom.
struct PlanWindow {
  float jc1 = 0, jc2 = 0, jr1 = 0, jr2 = 0;
};
PlanWindow SlabPlanWindow(int nslab, int s);

// A node counted over all slabs: its slab (0 when it lies beyond the last slab or is below 1) and
// its column and row in that slab.
struct SlabNode {
  int slab = 0;
  int column = 0;
  int row = 0;
};
SlabNode LocateNode(const SlabGraphProblem& p, long node);

}  // namespace pave::graphs
