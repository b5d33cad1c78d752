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

void TraceContours(PlotKit& kit, const ContourGridInput& grid, const ContourLevels& levels, const PageRoom& room,
                   const std::vector<PageBox>& cleared) {
  DrawingSurface& s = kit.Surface();
  const std::vector<ContourSegment> segments = ContourSegments(kit, grid, levels);
  s.SetFontName(kContourLabelFont);
  s.SetFontSize(kContourLabelSize);
  DrawContourLines(kit, segments, levels, PlaceContourLabels(s, segments, levels, room), cleared);
}

void DrawContourLines(PlotKit& kit, const std::vector<ContourSegment>& segments, const ContourLevels& levels,
                      const std::vector<ContourLabel>& labels, const std::vector<PageBox>& cleared) {
  DrawingSurface& s = kit.Surface();
  s.SetForeColour(0);
  std::vector<PageBox> breaks = cleared;
  for (const ContourLabel& l : labels) breaks.push_back(l.box);
  for (const ContourSegment& seg : segments) {
    const auto k = static_cast<std::size_t>(seg.level);
    const int colour = levels.level[k] < 0 ? 9 : 12;
    s.SetLineStyle(levels.major[k] == 1 ? LineStyle::Solid : LineStyle::Dotted);
    const float dx = seg.to.x - seg.from.x, dy = seg.to.y - seg.from.y;
    for (const SegmentSpan& part : PartsClearOf(seg.from.x, seg.from.y, seg.to.x, seg.to.y, breaks)) {
      kit.Line(seg.from.x + part.enter * dx, seg.from.y + part.enter * dy, seg.from.x + part.leave * dx,
               seg.from.y + part.leave * dy, colour);
    }
  }
  s.SetFontName(kContourLabelFont);
  s.SetFontSize(kContourLabelSize);
  for (const ContourLabel& l : labels) {
    s.SetPosition(l.box.left + kPageOffset, l.box.top + kPageOffset);
    s.Print(l.text, true);
  }
  s.SetFontName("Courier New");
  s.SetFontSize(10);
}

}  // namespace pave::graphs
