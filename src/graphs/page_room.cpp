#include "graphs/page_room.h"

#include <algorithm>
#include <cmath>

#include "graphs/plot_kit.h"

namespace pave::graphs {

PageBox Widened(const PageBox& b, float side, float over) {
  return {b.left - side, b.top - over, b.right + side, b.bottom + over};
}

namespace {
float Nearest(float x, float y, const PageBox& b) {
  const float dx = std::max({b.left - x, 0.0f, x - b.right}), dy = std::max({b.top - y, 0.0f, y - b.bottom});
  return std::hypot(dx, dy);
}

float Farthest(float x, float y, const PageBox& b) {
  return std::hypot(std::max(std::fabs(x - b.left), std::fabs(x - b.right)),
                    std::max(std::fabs(y - b.top), std::fabs(y - b.bottom)));
}
}  // namespace

std::optional<SegmentSpan> SpanInBox(float x1, float y1, float x2, float y2, const PageBox& box) {
  float t0 = 0, t1 = 1;
  const float dx = x2 - x1, dy = y2 - y1;
  const float p[] = {-dx, dx, -dy, dy};
  const float q[] = {x1 - box.left, box.right - x1, y1 - box.top, box.bottom - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return std::nullopt;
      continue;
    }
    const float t = q[i] / p[i];
    if (p[i] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
  }
  if (t0 > t1) return std::nullopt;
  return SegmentSpan{t0, t1};
}

void PageRoom::AddLine(float x1, float y1, float x2, float y2, float half_width) {
  lines_.push_back({x1, y1, x2, y2, half_width});
}

void PageRoom::AddCircle(float x, float y, float radius, bool filled, float half_width) {
  circles_.push_back({x, y, radius, half_width, filled});
}

void PageRoom::AddText(const PageBox& box) { texts_.push_back(box); }

void PageRoom::AddDrawing(const DrawingSurface& surface, bool texts_only) {
  AddFigures(surface.Drawing(), texts_only);
}

void PageRoom::AddFigures(std::span<const DrawnFigure> figures, bool texts_only) {
  const float m = static_cast<float>(kPageOffset);
  for (const DrawnFigure& f : figures) {
    if (texts_only && f.kind != DrawnFigure::Kind::Text) continue;
    const float x1 = static_cast<float>(f.x1) - m, y1 = static_cast<float>(f.y1) - m;
    const float x2 = static_cast<float>(f.x2) - m, y2 = static_cast<float>(f.y2) - m;
    const float half_width = static_cast<float>(f.pen_width) * kHalfPen;
    switch (f.kind) {
      case DrawnFigure::Kind::Line:
        AddLine(x1, y1, x2, y2, half_width);
        break;
      case DrawnFigure::Kind::Box:
        AddLine(x1, y1, x2, y1, half_width);
        AddLine(x2, y1, x2, y2, half_width);
        AddLine(x2, y2, x1, y2, half_width);
        AddLine(x1, y2, x1, y1, half_width);
        break;
      case DrawnFigure::Kind::Circle:
        AddCircle(x1, y1, static_cast<float>(f.radius), f.fill >= 0, half_width);
        break;
      case DrawnFigure::Kind::Ellipse:   // by its outline: the graphs draw no filled ellipse
        for (const Segment& s : EllipseOutline(x1, y1, f.radius, f.radius_y))
          AddLine(static_cast<float>(s.x1), static_cast<float>(s.y1), static_cast<float>(s.x2),
                  static_cast<float>(s.y2), half_width);
        break;
      case DrawnFigure::Kind::Text:
        AddText({x1, y1, x2, y2});
        break;
      case DrawnFigure::Kind::Clear:
        break;
    }
  }
}

bool PageRoom::Clear(const PageBox& box) const {
  for (const Line& l : lines_) {
    if (SpanInBox(l.x1, l.y1, l.x2, l.y2, Widened(box, kLineGapSide + l.half_width, kLineGapOver + l.half_width)))
      return false;
  }
  for (const Circle& c : circles_) {
    const PageBox near = Widened(box, kLineGapSide + c.half_width, kLineGapOver + c.half_width);
    const bool meets = Nearest(c.x, c.y, near) < c.radius && (c.filled || Farthest(c.x, c.y, near) > c.radius);
    if (meets) return false;
  }
  return std::none_of(texts_.begin(), texts_.end(), [&](const PageBox& t) {
    return box.left < t.right + kTextGap && t.left < box.right + kTextGap && box.top < t.bottom + kTextGap &&
           t.top < box.bottom + kTextGap;
  });
}

std::vector<SegmentSpan> PartsClearOf(float x1, float y1, float x2, float y2, const std::vector<PageBox>& boxes) {
  std::vector<SegmentSpan> cut;
  for (const PageBox& b : boxes) {
    if (const auto span = SpanInBox(x1, y1, x2, y2, Widened(b, kLineGapSide + kHalfPen, kLineGapOver + kHalfPen)))
      cut.push_back(*span);
  }
  std::sort(cut.begin(), cut.end(), [](const SegmentSpan& a, const SegmentSpan& b) { return a.enter < b.enter; });
  std::vector<SegmentSpan> parts;
  float from = 0;
  for (const SegmentSpan& c : cut) {
    if (c.enter > from) parts.push_back({from, c.enter});
    from = std::max(from, c.leave);
  }
  if (cut.empty() || from < 1) parts.push_back({from, 1});
  return parts;
}

}  // namespace pave::graphs
