// The contour tracer of the contour graph: walks a rectangular grid cell by cell and, within each
// cell, level by level (highest first); where a level crosses a cell's edges (found by linear
// interpolation along each edge, corners counted on both edges that meet there) the crossings are
// joined by straight segments. Major levels are drawn solid and carry their level's number; minor
// levels are dotted. Levels below zero are light blue, the others light red. The numbers stand in
// breaks of the lines (contour_labels.h).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "graphs/contour_labels.h"
#include "graphs/contour_levels.h"
#include "graphs/page_room.h"
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
};

// The segments of every level, cell by cell (columns outer, rows inner) and within a cell level by
// level, with the kit's current plot window.
std::vector<ContourSegment> ContourSegments(const PlotKit& kit, const ContourGridInput& grid,
                                            const ContourLevels& levels);

// The font of the numbers.
inline constexpr const char* kContourLabelFont = "MS Serif";
inline constexpr double kContourLabelSize = 8;

// Draws the contours with the kit's current plot window (QCntou): the lines, broken where their
// numbers stand and around the boxes `cleared` (texts set at places of their own, which the lines
// make way for), and the numbers in black, kept clear of what `room` holds. Afterwards the font is
// "Courier New" of 10 points and the text colour black.
void TraceContours(PlotKit& kit, const ContourGridInput& grid, const ContourLevels& levels, const PageRoom& room,
                   const std::vector<PageBox>& cleared = {});

// The drawing half of TraceContours, with the numbers placed beforehand.
void DrawContourLines(PlotKit& kit, const std::vector<ContourSegment>& segments, const ContourLevels& levels,
                      const std::vector<ContourLabel>& labels, const std::vector<PageBox>& cleared);

}  // namespace pave::graphs
