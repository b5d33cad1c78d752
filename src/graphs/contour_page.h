// One page of the contour graph: the contours of the x- or the y-direction results (stresses, or
// moments per unit width) of one slab layer over the grid of slab LS(1), the slab of the first
// loaded area, with that slab's loads, the places of the page's extremes and the axis numbers. Every
// node number on the page is the node's number within that slab.
#pragma once

#include <string>

#include "graphs/contour_levels.h"
#include "graphs/graph_frame.h"
#include "graphs/plot_kit.h"
#include "graphs/slab_graph_file.h"

namespace pave::graphs {

enum class ContourDirection { X = 1, Y = 2 };

// "PROBLEM  1, STRESSES IN X DIRECTION", with ", SLAB LAYER  2" before the direction for two
// slab layers.
std::string ContourCaption(const SlabGraphProblem& p, int problem, ContourDirection dir, int layer);

// A problem can be drawn only with one period, one load group, no damage analysis and node results.
bool ContourConditionsMet(const SlabGraphProblem& p);
inline constexpr const char* kContourConditionsMessage =
    "Contours cannot be plotted because at least one of the following conditions was not met: NPY = 1, "
    "NLG = 1, NDAMA = 0, and NPRINT = 0";

// Draws the page: its heading and legends, the plan with its grid and loads, the contours with their
// numbers, the marks of the extremes and the axis numbers. The interval is asked for in the middle of the page, with what is drawn so far
// shown in the host's window and the box beside it; an answer that is not a usable interval is asked
// again. False when the question was cancelled (the page is left unfinished).
bool DrawContourPage(PlotKit& kit, const SlabGraphProblem& p, const SlabGraphPage& page, ContourDirection dir,
                     int layer, GraphWindowHost& host);

// The text at a nodal force: the node's result in units of the scale, rounded to the nearest whole
// unit, halves away from 0: " 0" from just above -0.5 to just below 0.5, " 1" from 0.5 to just
// below 1.5, "-2" from -1.5 down to just above -2.5.
std::string ForceNodeLabel(float value, float scale);

// A node number within slab LS(1) checked against the slab's grid; DataError outside it.
struct GridNode {
  int column = 0;
  int row = 0;
};
GridNode LocateSlabNode(int node, int nx, int ny);

}  // namespace pave::graphs
