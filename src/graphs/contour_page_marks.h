// The marks a contour page sets on the plan: the loaded areas, the nodal moments and forces, and the
// places of the page's extremes.
#pragma once

#include <string>
#include <vector>

#include "graphs/clear_labels.h"
#include "graphs/contour_page_slab.h"

namespace pave::graphs {

// The star marking the page's smallest value, its glyph's line starting at (x, y).
void DrawMinimumStar(PlotKit& kit, float x, float y);

// The outlines of the loaded areas on the slab.
void DrawLoadedAreas(PlotKit& kit, const SlabGraphProblem& p, const ContourPageSlab& slab);

// "+X", "-X", "+Y" or "-Y" at each nodal moment on the slab, clear of each other.
void DrawNodalMoments(PlotKit& kit, const SlabGraphProblem& p, const ContourPageSlab& slab, ClearLabels& labels);

// The star at the node of the page's smallest value, the circle at that of its largest; none where
// the value is 0.
void MarkMinimumNode(PlotKit& kit, const ContourPageSlab& slab);
void MarkMaximumNode(PlotKit& kit, const ContourPageSlab& slab);
inline constexpr float kMaximumMarkRadius = 60;

// A nodal force on the slab: the mark at its node and the node's result in units of the page's
// scale, written above the node, a little right, its line a line's gap above it.
struct ForceMark {
  WindowPos at;
  std::string text;
  PageBox label;   // the line of the text
};
inline constexpr float kForceMarkRadius = 40;
// The marks, with their texts measured in the font they are written in (which the surface is left
// with).
std::vector<ForceMark> NodalForceMarks(PlotKit& kit, const SlabGraphProblem& p, const ContourPageSlab& slab,
                                       float scale);
void DrawNodalForces(PlotKit& kit, const std::vector<ForceMark>& marks);

}  // namespace pave::graphs
