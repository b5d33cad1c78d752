// Keeping figures within reach of a page: what lies far off a page cannot show on it, and a device
// handed a line millions of pixels long strokes it for seconds, or (a PDF) writes coordinates it
// cannot represent. Figures are cut to a region around the page before they are drawn; what shows
// inside the region stays where it was. Twips, y growing downwards.
#pragma once

#include <optional>
#include <vector>

namespace pave {

struct ClipRegion {
  double left = 0, top = 0, right = 0, bottom = 0;
};

// The region kept around a page of the given size: the page and as much again as its larger side
// on every side.
ClipRegion RegionAroundPage(double width, double height);

struct Segment {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
// The part of the segment inside the region, ends unchanged where they lie inside; nothing when no
// part of it lies inside.
std::optional<Segment> ClipSegment(const Segment& s, const ClipRegion& r);

// The rectangle with corners (x1, y1) and (x2, y2) cut to the region (each corner moved onto the
// region's edge where it lies beyond); nothing when the two do not meet.
std::optional<Segment> ClipRectangle(const Segment& corners, const ClipRegion& r);

// A circle as it can be drawn within the region.
struct CircleShape {
  enum class Kind { Hidden, Circle, Chord } kind = Kind::Hidden;
  double x = 0, y = 0, radius = 0;   // Circle: centre and radius
  Segment chord;                     // Chord: the piece of the outline inside the region
};
// Hidden: the circle lies wholly outside the region, or (unfilled) wholly around it. A filled circle
// around the whole region becomes one just around the region; one too large to draw that crosses
// the region becomes the straight piece of outline the region shows of it (within about a twip), its
// fill left out. Any other circle is drawn as it is.
CircleShape FitCircle(double x, double y, double radius, bool filled, const ClipRegion& r);

// An ellipse with the horizontal radius rx and the vertical radius ry as it can be drawn within the
// region, as FitCircle takes a circle: a Circle shape then has the horizontal radius in `radius` and
// the vertical one in `radius_y`. An ellipse with one radius 0 is the straight line it shrinks to.
struct EllipseShape {
  CircleShape::Kind kind = CircleShape::Kind::Hidden;
  double x = 0, y = 0, radius = 0, radius_y = 0;
  Segment chord;
};
EllipseShape FitEllipse(double x, double y, double rx, double ry, bool filled, const ClipRegion& r);

// The outline of an ellipse as a closed polygon of `sides` straight pieces, its corners on the
// ellipse: for checks of what keeps clear of it.
std::vector<Segment> EllipseOutline(double x, double y, double rx, double ry, int sides = 72);

}  // namespace pave
