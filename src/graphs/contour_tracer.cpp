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

class CellTracer {
 public:
  CellTracer(PlotKit& kit, const ContourLevels& levels, bool loaded)
      : kit_(kit), levels_(levels), label_target_(loaded ? 4 : 1) {}

  // The crossings of level k with the four edges, joined in edge order.
  void Level(int k, const std::array<Corner, 4>& c) {
    const float level = levels_.level[static_cast<std::size_t>(k)];
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
      Segment(k, level, start, at);
      start = at;
    }
  }

 private:
  void Segment(int k, float level, const Point& from, const Point& to) {
    DrawingSurface& s = kit_.Surface();
    const int colour = level < 0 ? 9 : 12;
    const bool major = levels_.major[static_cast<std::size_t>(k)] == 1;
    s.SetLineStyle(major ? LineStyle::Solid : LineStyle::Dotted);
    const WindowPos a = kit_.QRtoI(from.x, from.y), b = kit_.QRtoI(to.x, to.y);
    kit_.Line(a.x, a.y, b.x, b.y, colour);
    if (!major) return;
    ++majors_;
    const float length = std::hypot(b.x - a.x, b.y - a.y);
    if ((majors_ == label_target_ || majors_ == 4) && length > 300) Label(level, a, b);
  }

  void Label(float level, const WindowPos& a, const WindowPos& b) {
    DrawingSurface& s = kit_.Surface();
    const std::string text = Formatted(level, "#0.##");
    const float mx = std::nearbyint((a.x + b.x) / 2), my = std::nearbyint((a.y + b.y) / 2);
    s.SetFontName("MS Serif");
    s.SetFontSize(7);
    s.SetPosition(mx - 25.0f * static_cast<float>(text.size()) + kPageOffset, my - 75 + kPageOffset);
    s.Print(text, true);
    s.SetFontName("Courier New");
    s.SetFontSize(10);
  }

  PlotKit& kit_;
  const ContourLevels& levels_;
  int label_target_;
  int majors_ = 0;
};

}  // namespace

void TraceContours(PlotKit& kit, const ContourGridInput& grid, const ContourLevels& levels) {
  kit.Surface().SetForeColour(0);
  const int m = static_cast<int>(grid.x.size()), n = static_cast<int>(grid.y.size());
  const ContourValues& z = *grid.z;
  for (int i = 1; i <= m - 1; ++i) {
    for (int j = 1; j <= n - 1; ++j) {
      const std::array<Corner, 4> c = {Corner{grid.x[i - 1], grid.y[j - 1], z[i][j]},
                                       Corner{grid.x[i], grid.y[j - 1], z[i + 1][j]},
                                       Corner{grid.x[i], grid.y[j], z[i + 1][j + 1]},
                                       Corner{grid.x[i - 1], grid.y[j], z[i][j + 1]}};
      const int first_node = n * (i - 1) + j;
      const bool loaded =
          std::find(grid.loaded_nodes.begin(), grid.loaded_nodes.end(), first_node) != grid.loaded_nodes.end();
      CellTracer cell(kit, levels, loaded);
      const float lowest = std::min({c[0].z, c[1].z, c[2].z, c[3].z});
      for (int k = 1; k <= levels.count; ++k) {
        const float level = levels.level[static_cast<std::size_t>(k)];
        if (level < lowest || level < grid.con_lo) break;
        cell.Level(k, c);
      }
    }
  }
}

}  // namespace pave::graphs
