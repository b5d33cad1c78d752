// The frame of a contour page, what stands around the plan: the title and the page's extremes, the
// legends, the axis titles, the plan's outline and grid, the texts under it and the numbers of its
// coordinates.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "graphs/clear_labels.h"
#include "graphs/contour_page_slab.h"

namespace pave::graphs {

// "psi", "kPa", "in.-lb/in." or "cm-kN/cm", by what the page's values are and the problem's units.
std::string ContourUnit(const SlabGraphProblem& p);

// The title, and the page's largest and smallest value, each with its mark.
void DrawExtremesHeading(PlotKit& kit, const SlabGraphProblem& p, const ContourPageSlab& slab);

// What the marks of the loads are.
void DrawLoadLegend(PlotKit& kit, const SlabGraphProblem& p);

// What the contour lines are, on a line of its own under the texts at the plan's foot: a piece of solid and of
// dotted line, each followed by what it stands for (solid lines carry a level's number, dotted ones
// lie halfway between two), and what the colours of the lines mean.
inline constexpr const char* kSolidLevelText = "Numbered Level";
inline constexpr const char* kDottedLevelText = "Level Between";
inline constexpr const char* kRedLevelText = "Red: 0 and Above";
inline constexpr const char* kBlueLevelText = "Blue: Below 0";
void DrawLevelLegend(PlotKit& kit);

// The axis titles, the plot window over the slab, its outline and inner grid lines.
struct PlanFrame {
  WindowPos low;                       // the window position of the plan's lower left corner
  std::size_t grid_first = 0, grid_end = 0;   // the inner grid lines among the page's figures
};
PlanFrame DrawPlanFrame(PlotKit& kit, const SlabGraphProblem& p, const ContourPageSlab& slab);

// The inner grid lines broken around the boxes (window positions), the page drawn again with them
// where any box meets one.
void BreakPlanGrid(DrawingSurface& surface, const PlanFrame& frame, const std::vector<PageBox>& boxes);

// The scale and unit of the contours, the sign rule, the slab layer and the symmetry marks.
void DrawBottomTexts(PlotKit& kit, const SlabGraphProblem& p, const ContourPageSlab& slab, float scale,
                     WindowPos low, ClearLabels& labels);

// The numbers of the x coordinates under the plan and of the y coordinates left of it.
void DrawXNumbers(PlotKit& kit, const ContourPageSlab& slab, WindowPos low);
void DrawYNumbers(PlotKit& kit, const ContourPageSlab& slab, WindowPos low);

}  // namespace pave::graphs
