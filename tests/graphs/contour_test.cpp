// Contour levels and the contour tracer: levels against the worked cases, traced points against a
// field whose level curves are known exactly.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "graphs/contour_levels.h"
#include "graphs/contour_page.h"
#include "graphs/contour_tracer.h"
#include "platform/recording_surface.h"

namespace pave::graphs {
namespace {

using Kind = RecordingSurface::Kind;

TEST(ContourLevels, ScaleBoundsAndDefaultInterval) {
  struct Case {
    float page_max, page_min;
    bool moments;
    float scale, hi, lo, interval;
  };
  const Case cases[] = {
      {-523.4f, 123.4f, false, 100, 2, -7, 0.2f},    // a range of 9 is not more than 9
      {-1000, 0, true, 100, 1, -11, 0.5f},           // moments of exactly 1000: strict comparison
      {-1000.5f, 0, true, 1000, 1, -3, 0.1f},
      {-3400, 200, false, 1000, 1, -5, 0.2f},
      {-35, 0.5f, false, 10, 1, -5, 0.2f},
      {0, 0, false, 1, 1, -1, 0.1f},                 // nothing at all: scale 1
      {-3.4e7f, 0, true, 1e7f, 1, -5, 0.2f},
      // A load no pavement carries: the largest scale, and a whole number of eighteenths as ever.
      {-8.9e33f, 0, true, 1e7f, 1, -8.9e26f, std::floor(8.9e26f / 18)},
      {-3.4e38f, 3.4e38f, false, 1000, 3.4e35f, -3.4e35f, std::floor(6.8e35f / 18)},
  };
  for (const Case& c : cases) {
    const ContourRange r = ContourRangeOf(c.page_max, c.page_min, c.moments);
    EXPECT_FLOAT_EQ(r.scale, c.scale) << c.page_max;
    EXPECT_FLOAT_EQ(r.hi, c.hi) << c.page_max;
    EXPECT_FLOAT_EQ(r.lo, c.lo) << c.page_max;
    EXPECT_FLOAT_EQ(r.range, c.hi - c.lo) << c.page_max;
    EXPECT_FLOAT_EQ(r.default_interval, c.interval) << c.page_max;
  }
  // Wide ranges: a whole number of eighteenths.
  ContourRange r = ContourRangeOf(-34000, 1000, false);   // scale 1000: hi 2, lo -35, range 37
  EXPECT_FLOAT_EQ(r.range, 37);
  EXPECT_FLOAT_EQ(r.default_interval, 2);
  r = ContourRangeOf(-17500, 500, false);   // hi 1, lo -19, range 20
  EXPECT_FLOAT_EQ(r.default_interval, 1);
}

TEST(ContourLevels, ANodalForceIsLabelledWithItsResultInUnitsOfTheScale) {
  struct Case {
    float value, scale;
    const char* label;
  };
  const Case cases[] = {{50, 100, " 0"},   {120, 100, " 2"},         {-150, 100, "-1"},
                        {-100, 100, " 0"},  {-101, 100, "-1"}, {2.1e11f, 100, " 2100000000"},
                        // Beyond what a whole number of the page holds: the general number format.
                        {3e11f, 100, " 3E+09"}, {-8.9e33f, 1e7f, "-8.9E+26"}, {3.4e38f, 1, " 3.4E+38"}};
  for (const Case& c : cases) EXPECT_EQ(ForceNodeLabel(c.value, c.scale), c.label) << c.value;
}

TEST(ContourLevels, LevelsDescendFromTheTopAndEverySecondIsMajor) {
  const ContourRange r = ContourRangeOf(-523.4f, 123.4f, false);
  const std::optional<ContourLevels> levels = LevelsAt(r, r.default_interval);
  ASSERT_TRUE(levels);
  EXPECT_EQ(levels->count, 44);   // 9 / 0.2 in single precision is just under 45
  EXPECT_FLOAT_EQ(levels->level[1], 2);
  EXPECT_NEAR(levels->level[44], -6.6, 1e-5);
  for (int m = 1; m <= 44; ++m) EXPECT_EQ(levels->major[m], m % 2 == 0 ? 1 : 0) << m;
  // A negative interval or one larger than the range gives no levels.
  EXPECT_EQ(LevelsAt(r, -1)->count, 0);
  EXPECT_EQ(LevelsAt(r, 10)->count, 0);
  EXPECT_EQ(LevelsAt(r, 9 / 200.0f * 1.01f)->count, 198);
  EXPECT_FALSE(LevelsAt(r, 0.01f));
}

TEST(ContourLevels, OnlyAUsableIntervalIsTaken) {
  const ContourRange r = ContourRangeOf(-523.4f, 123.4f, false);
  for (const char* refused : {"", "abc", "0", " 0 ", "0.01", "1E-30", "1E+40", "2x"})
    EXPECT_FALSE(IntervalAnswer(r, refused)) << refused;
  EXPECT_FLOAT_EQ(*IntervalAnswer(r, ".5"), 0.5f);
  EXPECT_FLOAT_EQ(*IntervalAnswer(r, "-1"), -1);   // no levels: the page without contours
}

TEST(ContourLevels, AnUpsideDownRangeRefusesOnly0AndNumbersBeyondSinglePrecision) {
  const ContourRange r = ContourRangeOf(500, -500, false);
  ASSERT_LT(r.range, 0);
  EXPECT_EQ(IntervalRule(r), "The contour interval should be a number other than 0, from -3.4E+38 to 3.4E+38.");
  for (const char* taken : {"0.00001", "-1", "3E+38"}) EXPECT_TRUE(IntervalAnswer(r, taken)) << taken;
  for (const char* refused : {"0", "1E+40", "-1E+40"}) EXPECT_FALSE(IntervalAnswer(r, refused)) << refused;
}

// A grid of the window 4000 by 4000 twips for data 0..4 in x and y: 1000 twips a unit.
class TracerTest : public ::testing::Test {
 protected:
  TracerTest() {
    kit.QScreen(4000, 4000);
    kit.QPlotSetup(0, 100, 0, 100, 0, 4, 0, 4);
  }
  static float DataX(double window_x) { return static_cast<float>((window_x - 1200) / 1000); }
  static float DataY(double window_y) { return static_cast<float>((4000 - (window_y - 1200)) / 1000); }

  RecordingSurface surface{5200, 5200};
  PlotKit kit{surface};
};

ContourLevels Levels(const std::vector<float>& values, bool all_major = false) {
  ContourLevels l;
  l.count = static_cast<int>(values.size());
  for (int m = 1; m <= l.count; ++m) {
    l.level[m] = values[static_cast<std::size_t>(m - 1)];
    l.major[m] = all_major || m % 2 == 0 ? 1 : 0;
  }
  return l;
}

TEST_F(TracerTest, TracedPointsOfAParaboloidLieOnItsCircles) {
  // z = x^2 + y^2 on an uneven grid: its level curves are circles of radius sqrt(c). A point found on
  // an edge of length h by linear interpolation misses the curve by at most the interpolation error
  // of z along that edge, h^2 / 4 (z'' = 2 along either axis).
  const std::vector<float> xs = {0, 0.7f, 1.5f, 2.6f, 3.1f, 4};
  const std::vector<float> ys = {0, 0.4f, 1.3f, 2, 3.2f, 4};
  ContourValues z{};
  for (std::size_t i = 0; i < xs.size(); ++i)
    for (std::size_t j = 0; j < ys.size(); ++j) z[i + 1][j + 1] = xs[i] * xs[i] + ys[j] * ys[j];
  std::vector<float> values;
  for (float c = 30; c > 0.2f; c -= 1.3f) values.push_back(c);
  const ContourLevels levels = Levels(values);
  ContourGridInput grid{xs, ys, &z, -100, {}};
  TraceContours(kit, grid, levels);

  auto edge_length = [&](float x, float y) {
    // The grid line the point lies on, and the length of the cell edge holding it.
    for (std::size_t i = 0; i < xs.size(); ++i) {
      if (std::fabs(x - xs[i]) < 1e-4f) {
        for (std::size_t j = 0; j + 1 < ys.size(); ++j)
          if (y >= ys[j] - 1e-4f && y <= ys[j + 1] + 1e-4f) return ys[j + 1] - ys[j];
      }
    }
    for (std::size_t j = 0; j < ys.size(); ++j) {
      if (std::fabs(y - ys[j]) < 1e-4f) {
        for (std::size_t i = 0; i + 1 < xs.size(); ++i)
          if (x >= xs[i] - 1e-4f && x <= xs[i + 1] + 1e-4f) return xs[i + 1] - xs[i];
      }
    }
    return -1.0f;
  };
  const std::vector<RecordingSurface::Op> segments = surface.Since(Kind::Line);
  int expected = 0;
  for (float c : values) {
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
      for (std::size_t j = 0; j + 1 < ys.size(); ++j) {
        const float lo = z[i + 1][j + 1], hi = z[i + 2][j + 2];   // the field rises to the upper right
        if (c > lo && c < hi) ++expected;   // two crossings: one segment
      }
    }
  }
  EXPECT_EQ(static_cast<int>(segments.size()), expected);
  for (const auto& s : segments) {
    for (const auto& [wx, wy] : {std::pair{s.x1, s.y1}, std::pair{s.x2, s.y2}}) {
      const float x = DataX(wx), y = DataY(wy);
      const float h = edge_length(x, y);
      ASSERT_GT(h, 0) << "a traced point off the grid lines: " << x << ", " << y;
      float level = 0;   // the level of this segment: the nearest one to x^2 + y^2
      float best = 1e9f;
      for (float c : values)
        if (std::fabs(x * x + y * y - c) < best) best = std::fabs(x * x + y * y - c), level = c;
      EXPECT_LE(std::fabs(x * x + y * y - level), h * h / 4 + 2e-3f) << x << ", " << y;
      EXPECT_EQ(s.colour, 12);
    }
  }
}

// One cell spanning the window.
ContourGridInput OneCell(ContourValues& z, float z1, float z2, float z3, float z4) {
  z[1][1] = z1, z[2][1] = z2, z[2][2] = z3, z[1][2] = z4;
  return ContourGridInput{{0, 4}, {0, 4}, &z, -100, {}};
}

TEST_F(TracerTest, ASaddleGetsThreeJoinedSegmentsInEdgeOrder) {
  ContourValues z{};
  TraceContours(kit, OneCell(z, 1, -1, 1, -1), Levels({0}));
  const auto s = surface.Since(Kind::Line);
  ASSERT_EQ(s.size(), 3u);
  // Edge 1 (bottom) at x 2, edge 2 (right) at y 2, edge 3 (top) at x 2, edge 4 (left) at y 2.
  EXPECT_FLOAT_EQ(DataX(s[0].x1), 2);
  EXPECT_FLOAT_EQ(DataY(s[0].y1), 0);
  EXPECT_FLOAT_EQ(DataX(s[0].x2), 4);
  EXPECT_FLOAT_EQ(DataY(s[0].y2), 2);
  EXPECT_DOUBLE_EQ(s[1].x1, s[0].x2);
  EXPECT_FLOAT_EQ(DataY(s[1].y2), 4);
  EXPECT_FLOAT_EQ(DataX(s[2].x2), 0);
  EXPECT_FLOAT_EQ(DataY(s[2].y2), 2);
  EXPECT_EQ(s[0].colour, 12);   // a level of exactly 0 is red
  EXPECT_EQ(s[0].style, LineStyle::Dotted);   // the first level is minor
}

TEST_F(TracerTest, ALevelAtACornerCrossesBothItsEdges) {
  ContourValues z{};
  TraceContours(kit, OneCell(z, -1, 1, 3, 1), Levels({1}));
  const auto s = surface.Since(Kind::Line);
  // Corners 2 and 4 equal the level: edges 1 and 2 meet at corner 2, edges 3 and 4 at corner 4.
  ASSERT_EQ(s.size(), 3u);
  EXPECT_DOUBLE_EQ(s[0].x1, s[0].x2);   // zero length at corner 2
  EXPECT_DOUBLE_EQ(s[0].y1, s[0].y2);
  EXPECT_FLOAT_EQ(DataX(s[1].x2), 0);   // corner 2 to corner 4
  EXPECT_FLOAT_EQ(DataY(s[1].y2), 4);
  EXPECT_EQ(s[0].colour, 12);
}

TEST_F(TracerTest, ACellStopsAtTheFirstLevelBelowItsCornersOrTheLowestBound) {
  ContourValues z{};
  ContourGridInput grid = OneCell(z, 2, 4, 4, 2);
  TraceContours(kit, grid, Levels({5, 3, 1, 3}));   // 5 crosses nothing, 3 crosses, 1 ends the cell
  EXPECT_EQ(surface.Since(Kind::Line).size(), 1u);
  surface.Clear();
  grid.con_lo = 3.5f;
  TraceContours(kit, grid, Levels({5, 3}));
  EXPECT_TRUE(surface.Since(Kind::Line).empty());
  surface.Clear();
  TraceContours(kit, grid, ContourLevels{});
  grid.x = {0};
  TraceContours(kit, grid, Levels({3}));
  EXPECT_TRUE(surface.Since(Kind::Line).empty());
}

TEST_F(TracerTest, TheFirstAndFourthMajorSegmentsOfACellCarryTheLevel) {
  // z rises from 0 to 10 across the cell: each level is one full-height vertical segment, 4000 twips.
  ContourValues z{};
  ContourGridInput grid = OneCell(z, 0, 10, 10, 0);
  const ContourLevels five = Levels({9, 7, 5, 3, 1.5f}, /*all_major=*/true);
  TraceContours(kit, grid, five);
  EXPECT_EQ(surface.Texts(), (std::vector<std::string>{"9.", "3."}));
  for (const auto& t : surface.Since(Kind::Text)) {
    EXPECT_EQ(t.font.name, "MS Serif");
    EXPECT_EQ(t.font.size, 7);
    EXPECT_EQ(t.colour, 0);
  }
  const auto first = surface.Since(Kind::Text)[0];
  EXPECT_DOUBLE_EQ(first.x1, 1200 + 3600 - 2 * 25);   // the midpoint, 25 twips a character left
  EXPECT_DOUBLE_EQ(first.y1, 1200 + 2000 - 75);
  EXPECT_EQ(surface.Font().name, "Courier New");
  EXPECT_EQ(surface.Font().size, 10);

  // A nodal force at the cell's first corner (node 1): only the fourth.
  surface.Clear();
  grid.loaded_nodes = {1};
  TraceContours(kit, grid, five);
  EXPECT_EQ(surface.Texts(), std::vector<std::string>{"3."});

  // Levels below 0 are blue and labelled with their sign.
  surface.Clear();
  OneCell(z, -10, 0, 0, -10);
  grid.loaded_nodes = {};
  TraceContours(kit, grid, Levels({-0.25f, -1}, true));
  EXPECT_EQ(surface.Texts(), std::vector<std::string>{"-0.25"});
  EXPECT_EQ(surface.Since(Kind::Line)[0].colour, 9);
}

TEST_F(TracerTest, ASegmentOfExactly300TwipsCarriesNoNumber) {
  ContourValues z{};
  for (int height : {600, 602}) {
    surface.Clear();
    kit.QScreen(4000, height);
    kit.QPlotSetup(0, 100, 0, 50, 0, 4, 0, 4);   // the cell is half the height: 300 or 301 twips
    TraceContours(kit, OneCell(z, 0, 10, 10, 0), Levels({5}, true));
    EXPECT_EQ(surface.Texts().size(), height == 600 ? 0u : 1u) << height;
  }
}

}  // namespace
}  // namespace pave::graphs
