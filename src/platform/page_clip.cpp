#include "platform/page_clip.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace pave {

namespace {
// The largest circle drawn as a circle, in twips. Over the region's diagonal (some 50000 twips for a
// graph page) the outline of a larger one departs from a straight line by less than two twips, and
// its coordinates stay within what every device represents.
constexpr double kLargestCircle = 1e9;

bool Inside(double x, double y, const ClipRegion& r) {
  return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
}
}  // namespace

ClipRegion RegionAroundPage(double width, double height) {
  const double margin = std::max(width, height);
  return {-margin, -margin, width + margin, height + margin};
}

std::optional<Segment> ClipSegment(const Segment& s, const ClipRegion& r) {
  if (Inside(s.x1, s.y1, r) && Inside(s.x2, s.y2, r)) return s;
  // The segment is x1 + t dx, y1 + t dy for t from 0 to 1; each edge of the region narrows t.
  const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
  double t0 = 0, t1 = 1;
  auto edge = [&](double p, double q) {   // the part with p t <= q is inside this edge
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) {
      if (t > t1) return false;
      t0 = std::max(t0, t);
    } else {
      if (t < t0) return false;
      t1 = std::min(t1, t);
    }
    return true;
  };
  if (!edge(-dx, s.x1 - r.left) || !edge(dx, r.right - s.x1) || !edge(-dy, s.y1 - r.top) ||
      !edge(dy, r.bottom - s.y1)) {
    return std::nullopt;
  }
  Segment out = s;
  if (t0 > 0) out.x1 = s.x1 + t0 * dx, out.y1 = s.y1 + t0 * dy;
  if (t1 < 1) out.x2 = s.x1 + t1 * dx, out.y2 = s.y1 + t1 * dy;
  return out;
}

std::optional<Segment> ClipRectangle(const Segment& c, const ClipRegion& r) {
  if (std::max(c.x1, c.x2) < r.left || std::min(c.x1, c.x2) > r.right || std::max(c.y1, c.y2) < r.top ||
      std::min(c.y1, c.y2) > r.bottom) {
    return std::nullopt;
  }
  return Segment{std::clamp(c.x1, r.left, r.right), std::clamp(c.y1, r.top, r.bottom),
                 std::clamp(c.x2, r.left, r.right), std::clamp(c.y2, r.top, r.bottom)};
}

CircleShape FitCircle(double x, double y, double radius, bool filled, const ClipRegion& r) {
  const double rad = std::fabs(radius);
  CircleShape shape;
  // Nearest and farthest points of the region from the centre.
  const double nx = std::clamp(x, r.left, r.right) - x, ny = std::clamp(y, r.top, r.bottom) - y;
  if (std::hypot(nx, ny) > rad) return shape;   // wholly outside
  const std::array<double, 2> xs = {r.left - x, r.right - x}, ys = {r.top - y, r.bottom - y};
  double farthest = 0;
  for (double cx : xs)
    for (double cy : ys) farthest = std::max(farthest, std::hypot(cx, cy));
  const double mx = (r.left + r.right) / 2, my = (r.top + r.bottom) / 2;
  if (farthest <= rad) {   // the region lies wholly inside: only a fill shows
    if (!filled) return shape;
    shape.kind = CircleShape::Kind::Circle;
    shape.x = mx, shape.y = my;
    shape.radius = std::hypot(r.right - r.left, r.bottom - r.top) / 2 + 1;
    return shape;
  }
  if (rad <= kLargestCircle) {
    shape.kind = CircleShape::Kind::Circle;
    shape.x = x, shape.y = y, shape.radius = radius;
    return shape;
  }
  // A huge circle crossing the region: its outline there is the tangent at the point nearest the
  // region's middle.
  const double ux = mx - x, uy = my - y;
  const double d = std::hypot(ux, uy);
  const double px = x + rad * ux / d, py = y + rad * uy / d;
  const double reach = std::hypot(r.right - r.left, r.bottom - r.top);
  const double tx = -uy / d * reach, ty = ux / d * reach;
  const std::optional<Segment> chord = ClipSegment({px - tx, py - ty, px + tx, py + ty}, r);
  if (!chord) return shape;
  shape.kind = CircleShape::Kind::Chord;
  shape.chord = *chord;
  return shape;
}

EllipseShape FitEllipse(double x, double y, double rx, double ry, bool filled, const ClipRegion& r) {
  rx = std::fabs(rx), ry = std::fabs(ry);
  EllipseShape shape;
  if (rx == 0 || ry == 0) {
    const std::optional<Segment> line = ClipSegment({x - rx, y - ry, x + rx, y + ry}, r);
    if (line && (rx > 0 || ry > 0)) {
      shape.kind = CircleShape::Kind::Chord;
      shape.chord = *line;
    }
    return shape;
  }
  // Squeezed upright by rx / ry the ellipse is a circle of radius rx; what the region keeps of that
  // circle, stretched back, is what it keeps of the ellipse.
  const double s = rx / ry;
  const CircleShape c = FitCircle(x, y * s, rx, filled, {r.left, r.top * s, r.right, r.bottom * s});
  shape.kind = c.kind;
  shape.x = c.x, shape.y = c.y / s, shape.radius = c.radius, shape.radius_y = c.radius / s;
  shape.chord = {c.chord.x1, c.chord.y1 / s, c.chord.x2, c.chord.y2 / s};
  return shape;
}

std::vector<Segment> EllipseOutline(double x, double y, double rx, double ry, int sides) {
  std::vector<Segment> outline;
  const double step = 2 * std::numbers::pi / sides;
  for (int i = 0; i < sides; ++i) {
    const double a = i * step, b = (i + 1) * step;
    outline.push_back({x + rx * std::cos(a), y + ry * std::sin(a), x + rx * std::cos(b), y + ry * std::sin(b)});
  }
  return outline;
}

}  // namespace pave
