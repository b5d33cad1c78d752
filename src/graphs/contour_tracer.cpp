#include "graphs/contour_tracer.h"

#include <algorithm>
#include <cmath>

namespace pave::graphs {

namespace {

struct Corner {
  float x, y, z;
};

struct Point {
  float x = 0, y = 0;
};

// The crossings of one level with the four edges of a cell, joined in edge order: two crossings give
// one segment, three give two joined ones, four (a saddle) three.
void CellLevel(const PlotKit& kit, int k, float level, const std::array<Corner, 4>& c,
               std::vector<ContourSegment>& out) {
  bool have_start = false;
  Point start;
  for (int e = 0; e < 4; ++e) {
    const Corner& a = c[static_cast<std::size_t>(e)];
    const Corner& b = c[static_cast<std::size_t>((e + 1) % 4)];
    const bool crosses = (a.z >= level && b.z <= level) || (a.z <= level && b.z >= level);
    if (!crosses) continue;
    const float t = b.z == a.z ? 0.0f : (level - a.z) / (b.z - a.z);
    const Point at{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
    if (!have_start) {
      start = at;
      have_start = true;
      continue;
    }
    out.push_back({k, kit.QRtoI(start.x, start.y), kit.QRtoI(at.x, at.y)});
    start = at;
  }
}

float Length(const ContourSegment& s) { return std::hypot(s.to.x - s.from.x, s.to.y - s.from.y); }

// Where a label may not stand: a segment of another level comes near it.
bool NearOtherLevel(const PageBox& box, int level, const std::vector<ContourSegment>& segments) {
  const PageBox near = Widened(box, kLineGapSide + kHalfPen, kLineGapOver + kHalfPen);
  return std::any_of(segments.begin(), segments.end(), [&](const ContourSegment& s) {
    return s.level != level && SpanInBox(s.from.x, s.from.y, s.to.x, s.to.y, near);
  });
}

}  // namespace

std::vector<ContourSegment> ContourSegments(const PlotKit& kit, const ContourGridInput& grid,
                                            const ContourLevels& levels) {
  std::vector<ContourSegment> out;
  const int m = static_cast<int>(grid.x.size()), n = static_cast<int>(grid.y.size());
  const ContourValues& z = *grid.z;
  for (int i = 1; i <= m - 1; ++i) {
    for (int j = 1; j <= n - 1; ++j) {
      const std::array<Corner, 4> c = {Corner{grid.x[i - 1], grid.y[j - 1], z[i][j]},
                                       Corner{grid.x[i], grid.y[j - 1], z[i + 1][j]},
                                       Corner{grid.x[i], grid.y[j], z[i + 1][j + 1]},
                                       Corner{grid.x[i - 1], grid.y[j], z[i][j + 1]}};
      const float lowest = std::min({c[0].z, c[1].z, c[2].z, c[3].z});
      for (int k = 1; k <= levels.count; ++k) {
        const float level = levels.level[static_cast<std::size_t>(k)];
        if (level < lowest || level < grid.con_lo) break;
        CellLevel(kit, k, level, c, out);
      }
    }
  }
  return out;
}

std::vector<ContourLabel> PlaceContourLabels(const DrawingSurface& surface, const std::vector<ContourSegment>& segments,
                                             const ContourLevels& levels, const PageRoom& room) {
  std::vector<ContourLabel> labels;
  PageRoom taken = room;   // with the numbers placed so far
  const float height = static_cast<float>(surface.TextHeight());
  // First on segments long enough to hold a number of their own (more than 300 twips), then, for a
  // level still without one, on any of its segments.
  for (const float least : {300.0f, 0.0f}) {
    for (const ContourSegment& s : segments) {
      const auto k = static_cast<std::size_t>(s.level);
      if (levels.major[k] != 1 || Length(s) <= least) continue;
      const bool numbered = std::any_of(labels.begin(), labels.end(), [&](const ContourLabel& l) { return l.level == s.level; });
      if (least == 0 && numbered) continue;
      const std::string text = Formatted(levels.level[k], "#0.##");
      const float width = static_cast<float>(surface.TextWidth(text));
      for (const float t : {0.5f, 0.3f, 0.7f, 0.15f, 0.85f}) {
        const float x = s.from.x + t * (s.to.x - s.from.x), y = s.from.y + t * (s.to.y - s.from.y);
        const bool crowded = std::any_of(labels.begin(), labels.end(), [&](const ContourLabel& l) {
          const float cx = (l.box.left + l.box.right) / 2, cy = (l.box.top + l.box.bottom) / 2;
          return l.level == s.level && std::hypot(cx - x, cy - y) < kContourLabelSpacing;
        });
        if (crowded) break;
        const PageBox box{x - width / 2, y - height / 2, x + width / 2, y + height / 2};
        if (!taken.Clear(box) || NearOtherLevel(box, s.level, segments)) continue;
        labels.push_back({s.level, text, box});
        taken.AddText(box);
        break;
      }
    }
  }
  return labels;
}

void TraceContours(PlotKit& kit, const ContourGridInput& grid, const ContourLevels& levels, const PageRoom& room,
                   const std::vector<PageBox>& cleared) {
  DrawingSurface& s = kit.Surface();
  s.SetForeColour(0);
  const std::vector<ContourSegment> segments = ContourSegments(kit, grid, levels);
  s.SetFontName(kContourLabelFont);
  s.SetFontSize(kContourLabelSize);
  const std::vector<ContourLabel> labels = PlaceContourLabels(s, segments, levels, room);
  std::vector<PageBox> breaks = cleared;
  for (const ContourLabel& l : labels) breaks.push_back(l.box);

  for (const ContourSegment& seg : segments) {
    const auto k = static_cast<std::size_t>(seg.level);
    const float level = levels.level[k];
    s.SetLineStyle(levels.major[k] == 1 ? LineStyle::Solid : LineStyle::Dotted);
    // The parts of the segment outside every number's and cleared text's box, kept the gap of a
    // line from it.
    std::vector<SegmentSpan> cut;
    for (const PageBox& b : breaks) {
      if (const auto span = SpanInBox(seg.from.x, seg.from.y, seg.to.x, seg.to.y,
                                      Widened(b, kLineGapSide + kHalfPen, kLineGapOver + kHalfPen)))
        cut.push_back(*span);
    }
    std::sort(cut.begin(), cut.end(), [](const SegmentSpan& a, const SegmentSpan& b) { return a.enter < b.enter; });
    float from = 0;
    auto piece = [&](float t0, float t1) {
      const float dx = seg.to.x - seg.from.x, dy = seg.to.y - seg.from.y;
      kit.Line(seg.from.x + t0 * dx, seg.from.y + t0 * dy, seg.from.x + t1 * dx, seg.from.y + t1 * dy,
               level < 0 ? 9 : 12);
    };
    for (const SegmentSpan& c : cut) {
      if (c.enter > from) piece(from, c.enter);
      from = std::max(from, c.leave);
    }
    if (cut.empty() || from < 1) piece(from, 1);
  }

  for (const ContourLabel& l : labels) {
    s.SetPosition(l.box.left + kPageOffset, l.box.top + kPageOffset);
    s.Print(l.text, true);
  }
  s.SetFontName("Courier New");
  s.SetFontSize(10);
}

}  // namespace pave::graphs
