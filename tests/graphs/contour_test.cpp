// Contour levels and the contour tracer: levels against the worked cases, traced points against a
// field whose level curves are known exactly.
#include <cmath>
#include <ostream>
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

// The text beside a nodal force: the node's result in units of the scale, rounded to the nearest
// whole unit, halves away from 0.
struct ForceLabelCase {
  const char* name;
  float value, scale;
  const char* label;
};
void PrintTo(const ForceLabelCase& c, std::ostream* os) { *os << c.name; }

class ForceLabels : public ::testing::TestWithParam<ForceLabelCase> {};

TEST_P(ForceLabels, ReadTheResultRoundedToTheNearestUnit) {
  const ForceLabelCase& c = GetParam();
  EXPECT_EQ(ForceNodeLabel(c.value, c.scale), c.label);
}

INSTANTIATE_TEST_SUITE_P(
    ContourPage, ForceLabels,
    ::testing::Values(ForceLabelCase{"JustUnderHalfAUnit", 49, 100, " 0"},
                      ForceLabelCase{"HalfAUnit", 50, 100, " 1"},
                      ForceLabelCase{"JustUnderOneUnit", 99, 100, " 1"},
                      ForceLabelCase{"OneUnit", 100, 100, " 1"},
                      ForceLabelCase{"JustBelowZero", -20, 100, " 0"},
                      ForceLabelCase{"MinusOneAndAHalf", -150, 100, "-2"},
                      // The loads of a raft: -7.98 and -5.88 units of 10000.
                      ForceLabelCase{"AlmostMinusEight", -79800, 10000, "-8"},
                      ForceLabelCase{"AlmostMinusSix", -58800, 10000, "-6"},
                      ForceLabelCase{"LargestPlainNumber", 2.1e11f, 100, " 2100000000"},
                      // Beyond what a whole number of the page holds: the general number format.
                      ForceLabelCase{"BeyondPlainNumbers", 3e11f, 100, " 3E+09"},
                      ForceLabelCase{"NegativeBeyondPlainNumbers", -8.9e33f, 1e7f, "-8.9E+26"},
                      ForceLabelCase{"LargestSingle", 3.4e38f, 1, " 3.4E+38"}),
    [](const ::testing::TestParamInfo<ForceLabelCase>& info) { return std::string(info.param.name); });

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
  const ContourGridInput grid{xs, ys, &z, -100};
  const std::vector<ContourSegment> segments = ContourSegments(kit, grid, levels);

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
  for (const ContourSegment& s : segments) {
    const float c = values[static_cast<std::size_t>(s.level - 1)];
    for (const WindowPos& p : {s.from, s.to}) {
      const float x = DataX(p.x + 1200), y = DataY(p.y + 1200);
      const float h = edge_length(x, y);
      ASSERT_GT(h, 0) << "a traced point off the grid lines: " << x << ", " << y;
      EXPECT_LE(std::fabs(x * x + y * y - c), h * h / 4 + 2e-3f) << x << ", " << y;
    }
  }
}

// One cell spanning the window.
ContourGridInput OneCell(ContourValues& z, float z1, float z2, float z3, float z4) {
  z[1][1] = z1, z[2][1] = z2, z[2][2] = z3, z[1][2] = z4;
  return ContourGridInput{{0, 4}, {0, 4}, &z, -100};
}

TEST_F(TracerTest, ASaddleGetsThreeJoinedSegmentsInEdgeOrder) {
  ContourValues z{};
  TraceContours(kit, OneCell(z, 1, -1, 1, -1), Levels({0}), PageRoom{});
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
  TraceContours(kit, OneCell(z, -1, 1, 3, 1), Levels({1}), PageRoom{});
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
  const std::vector<ContourSegment> one = ContourSegments(kit, grid, Levels({5, 3, 1, 3}));
  ASSERT_EQ(one.size(), 1u);   // 5 crosses nothing, 3 crosses, 1 ends the cell
  EXPECT_EQ(one[0].level, 2);
  grid.con_lo = 3.5f;
  EXPECT_TRUE(ContourSegments(kit, grid, Levels({5, 3})).empty());
  TraceContours(kit, grid, ContourLevels{}, PageRoom{});
  grid.x = {0};
  TraceContours(kit, grid, Levels({3}), PageRoom{});
  EXPECT_TRUE(surface.Since(Kind::Line).empty());
}

// The numbers of a traced page: each major level's number in a break of its own line, clear of every
// other line and of what the page already holds.
class ContourNumbers : public TracerTest {
 protected:
  struct Box {
    double left, top, right, bottom;
  };
  // The line of each number's text, as drawn.
  std::vector<Box> Numbers() const {
    std::vector<Box> out;
    for (const DrawnFigure& t : surface.Drawing())
      if (t.kind == Kind::Text) out.push_back({t.x1, t.y1, t.x2, t.y2});
    return out;
  }
  // Lines that come nearer a number than a line's gap (two pixels beside it, one above and below,
  // from the pen's edge).
  int LinesAt(const Box& b) const {
    int n = 0;
    for (const auto& l : surface.Since(Kind::Line)) {
      const PageBox near{static_cast<float>(b.left - kLineGapSide - 7), static_cast<float>(b.top - kLineGapOver - 7),
                         static_cast<float>(b.right + kLineGapSide + 7), static_cast<float>(b.bottom + kLineGapOver + 7)};
      n += SpanInBox(static_cast<float>(l.x1), static_cast<float>(l.y1), static_cast<float>(l.x2),
                     static_cast<float>(l.y2), near).has_value();
    }
    return n;
  }
};

TEST_F(ContourNumbers, StandInABreakOfTheirLineInAReadableSize) {
  // z rises from 0 to 10 across the cell: each level a full-height vertical line, 800 twips apart.
  ContourValues z{};
  const ContourGridInput grid = OneCell(z, 0, 10, 10, 0);
  TraceContours(kit, grid, Levels({9, 7, 5, 3, 1.5f}, /*all_major=*/true), PageRoom{});
  EXPECT_EQ(surface.Texts(), (std::vector<std::string>{"9.", "7.", "5.", "3.", "1.5"}));
  const std::vector<Box> numbers = Numbers();
  const auto texts = surface.Since(Kind::Text);
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    SCOPED_TRACE(texts[i].text);
    EXPECT_EQ(texts[i].font.name, "MS Serif");
    EXPECT_EQ(texts[i].font.size, 8);
    EXPECT_EQ(texts[i].colour, 0);
    // Centred on its line: x of level c is 1200 + 4000 c / 10, in the middle of the cell's height.
    const double line_x = 1200 + 400 * std::stod(texts[i].text);
    EXPECT_NEAR((numbers[i].left + numbers[i].right) / 2, line_x, 0.01);
    EXPECT_NEAR((numbers[i].top + numbers[i].bottom) / 2, 1200 + 2000, 0.01);
    EXPECT_EQ(LinesAt(numbers[i]), 0);
  }
  // Each line broken in two where its number stands; the two pieces reach the number's gap.
  const auto lines = surface.Since(Kind::Line);
  ASSERT_EQ(lines.size(), 10u);
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    EXPECT_NEAR(lines[2 * i].y2, numbers[i].bottom + kLineGapOver + 7.5, 0.5);
    EXPECT_NEAR(lines[2 * i + 1].y1, numbers[i].top - kLineGapOver - 7.5, 0.5);
    EXPECT_DOUBLE_EQ(lines[2 * i].y1, 1200 + 4000);
    EXPECT_DOUBLE_EQ(lines[2 * i + 1].y2, 1200);
  }
  EXPECT_EQ(surface.Font().name, "Courier New");
  EXPECT_EQ(surface.Font().size, 10);
}

TEST_F(ContourNumbers, KeepClearOfThePageAndOfOtherLevels) {
  ContourValues z{};
  ContourGridInput grid = OneCell(z, 0, 10, 10, 0);
  // A line across the middle of the page and a circle where the next choice would be: the numbers go
  // further along their lines.
  PageRoom room;
  room.AddLine(0, 2000, 4000, 2000);
  room.AddCircle(2000, 2800, 200, true);
  TraceContours(kit, grid, Levels({5}, true), room);
  std::vector<Box> numbers = Numbers();
  ASSERT_EQ(numbers.size(), 1u);
  EXPECT_NEAR((numbers[0].top + numbers[0].bottom) / 2, 1200 + 4000 * 0.3, 0.01);   // 0.7 of the way up

  // Levels 0.1 apart lie 40 twips apart: no number fits between two lines. Each solid level is
  // numbered all the same, in a break of its line with the dotted lines beside it broken too, clear
  // of the other solid level's line (x of level c: 1200 + 400 c).
  surface.Clear();
  TraceContours(kit, grid, Levels({5.2f, 5.1f, 5, 4.9f, 4.8f}), PageRoom{});
  EXPECT_EQ(surface.Texts(), (std::vector<std::string>{"5.1", "4.9"}));
  numbers = Numbers();
  ASSERT_EQ(numbers.size(), 2u);
  const double solid_x[] = {1200 + 400 * 5.1, 1200 + 400 * 4.9};
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(LinesAt(numbers[i]), 0);
    EXPECT_LT(numbers[i].left, solid_x[i]);
    EXPECT_GT(numbers[i].right, solid_x[i]);
    const double other = solid_x[1 - i];
    EXPECT_TRUE(other < numbers[i].left - kLineGapSide || other > numbers[i].right + kLineGapSide);
  }

  // Below zero: light blue, numbered with the sign.
  surface.Clear();
  OneCell(z, -10, 0, 0, -10);
  TraceContours(kit, grid, Levels({-0.25f, -1}, true), PageRoom{});
  EXPECT_EQ(surface.Texts(), (std::vector<std::string>{"-0.25", "-1."}));
  EXPECT_EQ(surface.Since(Kind::Line)[0].colour, 9);
}

TEST_F(ContourNumbers, BreakTheLinesOfThePlanOnlyWhereNoPlaceAvoidsThem) {
  // One level up the middle of the window (x 2000 before the margin), across horizontal lines of
  // the plan: 1000 twips apart, the number stands between two of them; 100 twips apart, no number
  // fits between, and it stands across some, on its line.
  ContourValues z{};
  const std::vector<ContourSegment> segments = ContourSegments(kit, OneCell(z, 0, 10, 10, 0), Levels({5}, true));
  surface.SetFontName(kContourLabelFont);
  surface.SetFontSize(kContourLabelSize);
  for (const float apart : {1000.0f, 100.0f}) {
    SCOPED_TRACE(apart);
    std::vector<ContourSegment> plan;
    for (float y = apart; y < 4000; y += apart) plan.push_back({0, {0, y}, {4000, y}});
    PageRoom outline;   // the plan's top and bottom edges, which no number crosses
    outline.AddLine(0, 0, 4000, 0);
    outline.AddLine(0, 4000, 4000, 4000);
    const std::vector<ContourLabel> labels = PlaceContourLabels(surface, segments, Levels({5}, true), outline, plan);
    ASSERT_EQ(labels.size(), 1u);
    const PageBox& b = labels[0].box;
    EXPECT_LT(b.left, 2000);
    EXPECT_GT(b.right, 2000);
    int broken = 0;
    for (const ContourSegment& l : plan) broken += l.from.y > b.top - kLineGapOver - kHalfPen && l.from.y < b.bottom + kLineGapOver + kHalfPen;
    EXPECT_EQ(broken > 0, apart == 100);
  }
}

TEST_F(ContourNumbers, ALongLineIsNumberedAgainSomeWayOn) {
  // One level up a column of four cells, 1000 twips each: numbers in the first and the last cell,
  // at least the spacing apart.
  ContourValues z{};
  for (int j = 1; j <= 5; ++j) z[1][j] = 0, z[2][j] = 10;
  const ContourGridInput grid{{0, 4}, {0, 1, 2, 3, 4}, &z, -100};
  TraceContours(kit, grid, Levels({5}, true), PageRoom{});
  const std::vector<Box> numbers = Numbers();
  ASSERT_EQ(numbers.size(), 2u);
  EXPECT_GE(std::fabs(numbers[0].top - numbers[1].top), kContourLabelSpacing);
  for (const Box& b : numbers) EXPECT_EQ(LinesAt(b), 0);
}

}  // namespace
}  // namespace pave::graphs
