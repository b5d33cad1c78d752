// The contour tracer of the contour graph: walks a rectangular grid cell by cell and, within each
// cell, level by level (highest first); where a level crosses a cell's edges (found by linear
// interpolation along each edge, corners counted on both edges that meet there) the crossings are
// joined by straight segments. Major levels are drawn solid and some of their segments carry the
// level's number; minor levels are dotted. Levels below zero are light blue, the others light red.
#pragma once

#include <array>
#include <vector>

#include "graphs/contour_levels.h"
#include "graphs/plot_kit.h"
#include "graphs/slab_graph_file.h"

namespace pave::graphs {

// Grid values by column i and row j (from 1), already divided by the page's scale.
using ContourValues = std::array<std::array<float, kGraphSlabCoords + 1>, kGraphSlabCoords + 1>;

struct ContourGridInput {
  std::vector<float> x;   // x[i - 1]: x of node column i
  std::vector<float> y;   // y[j - 1]: y of node row j
  const ContourValues* z = nullptr;
  float con_lo = 0;       // a cell stops at the first level below this bound or below all its corners
  // Node numbers within the slab (rows counted fastest: column i, row j is N (i - 1) + j) that carry
  // a nodal force other than 0: a cell whose first corner is one of them labels only its fourth
  // major segment.
  std::vector<int> loaded_nodes;
};

// Draws the contours with the kit's current plot window (QCntou).
void TraceContours(PlotKit& kit, const ContourGridInput& grid, const ContourLevels& levels);

}  // namespace pave::graphs
