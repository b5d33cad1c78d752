// The numbers of a contour page's solid (major) levels. A number stands in a break of its own line,
// as contours are labelled: its line is cut where the number stands, and nothing else of the page
// comes near it. Every solid level drawn is numbered at least once:
// - first where the number's place keeps clear of every other line and of what the page holds,
//   along the longer pieces of the level's line first, again some way on where there is room;
// - a level that finds no such place is numbered where the fewest other lines come near: the dotted
//   lines there are broken around the number, and so are the lines of the plan's grid where no place
//   avoids them, and a solid line of another level only where no place on the level's line avoids
//   one. The number is centred on its line where it can be, else moved
//   along or across it, as long as its line still runs through it.
#pragma once

#include <string>
#include <vector>

#include "graphs/contour_levels.h"
#include "graphs/page_room.h"
#include "graphs/plot_kit.h"

namespace pave::graphs {

// One straight piece of a level's line, at window positions (the kit's, before the page margin).
struct ContourSegment {
  int level = 0;   // index into the levels, from 1
  WindowPos from, to;
};

// A level's number and where it stands (the line of its text).
struct ContourLabel {
  int level = 0;
  std::string text;
  PageBox box;
};

// The text of a level's number.
std::string ContourLabelText(float level);

// The numbers of the major levels, in the surface's current font, kept clear of `room` and of each
// other; the numbers of one level stand at least kContourLabelSpacing apart. `plan_lines` (level 0)
// are lines of the plan under the contours that a number keeps clear of where it can and breaks,
// as a dotted line, where it cannot.
inline constexpr float kContourLabelSpacing = 3000;
std::vector<ContourLabel> PlaceContourLabels(const DrawingSurface& surface, const std::vector<ContourSegment>& segments,
                                             const ContourLevels& levels, const PageRoom& room,
                                             const std::vector<ContourSegment>& plan_lines = {});

}  // namespace pave::graphs
