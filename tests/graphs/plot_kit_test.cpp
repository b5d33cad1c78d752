// The plotting kit against hand-computed twips, and its texts and numbers.
#include "graphs/plot_kit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "graphs/clear_labels.h"
#include "platform/recording_surface.h"

namespace pave::graphs {
namespace {

using Kind = RecordingSurface::Kind;

class PlotKitTest : public ::testing::Test {
 protected:
  PlotKitTest() { kit.QScreen(10815, 7650); }
  RecordingSurface surface{12015, 8850};
  PlotKit kit{surface};
};

TEST_F(PlotKitTest, MapsDataOntoThePercentWindowOfThePage) {
  // The layer graph's profile: columns 13 to 53 %, rows 34 to 63 % from the bottom, depth 30 at the
  // lower edge and 0 at the upper one.
  kit.QPlotSetup(13, 53, 34, 63, 0, 100, 30, 0);
  struct Case {
    float x, y, sx, sy;
  };
  const Case cases[] = {
      {0, 0, 0.13f * 10815, 0.37f * 7650},     // upper left: 37 % of the height below the top
      {100, 30, 0.53f * 10815, 0.66f * 7650},  // lower right
      {50, 15, 0.33f * 10815, 0.515f * 7650},
      {150, -15, 0.73f * 10815, 0.225f * 7650},  // outside the range: mapped on, outside the window
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(kit.QRtoIX(c.x), c.sx, 0.01) << c.x;
    EXPECT_NEAR(kit.QRtoIY(c.y), c.sy, 0.01) << c.y;
    const WindowPos both = kit.QRtoI(c.x, c.y);
    EXPECT_FLOAT_EQ(both.x, kit.QRtoIX(c.x));
    EXPECT_FLOAT_EQ(both.y, kit.QRtoIY(c.y));
  }
}

TEST_F(PlotKitTest, LinesAndRectanglesAreShiftedByThePageMargin) {
  kit.QPlotSetup(0, 100, 0, 100, 0, 10, 0, 10);
  kit.QLine(0, 0, 10, 10, 4);
  std::vector<RecordingSurface::Op> lines = surface.Since(Kind::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_FLOAT_EQ(lines[0].x1, 1200);
  EXPECT_FLOAT_EQ(lines[0].y1, 7650 + 1200);
  EXPECT_FLOAT_EQ(lines[0].x2, 10815 + 1200);
  EXPECT_FLOAT_EQ(lines[0].y2, 1200);
  EXPECT_EQ(lines[0].colour, 4);

  surface.Clear();
  kit.PaintRCT(2, 8, 1, 5, 12);
  lines = surface.Since(Kind::Line);
  ASSERT_EQ(lines.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(lines[i].colour, 12);
    // Each side starts where the one before ended; the last ends where the first began.
    const auto& next = lines[(i + 1) % 4];
    EXPECT_DOUBLE_EQ(lines[i].x2, next.x1);
    EXPECT_DOUBLE_EQ(lines[i].y2, next.y1);
  }
  EXPECT_NEAR(lines[0].x1, 1200 + 0.2 * 10815, 0.01);
  EXPECT_NEAR(lines[0].y1, 1200 + 0.9 * 7650, 0.01);
}

TEST_F(PlotKitTest, WhatCannotBeMappedIsNamed) {
  struct Case {
    float lo, hi, v;
    const char* why;   // empty: mapped
  };
  const float inf = std::numeric_limits<float>::infinity();
  const Case cases[] = {
      {0, 0, 0, "the page would show the range from 0 to 0, which has no extent"},
      {0, 100, 1e30f, ""},   // far off the page, still a position
      {0, 100, 3.4e38f, "the value 3.4E+38 lies too far from the range from 0 to 100 that the page shows"},
      {-3e38f, 3e38f, 0, "the page would show the range from -3E+38 to 3E+38, which is wider than single precision holds"},
      {inf, 0, 0, "a position reckoned from its values lies beyond single precision"},
  };
  for (const Case& c : cases) {
    kit.QPlotSetup(13, 53, 34, 63, 0, 100, c.lo, c.hi);
    EXPECT_NO_THROW(kit.QRtoIX(0));
    try {
      const float y = kit.QRtoIY(c.v);
      EXPECT_STREQ("", c.why) << c.v;
      EXPECT_TRUE(std::isfinite(y));
    } catch (const GraphError& e) {
      EXPECT_STREQ(e.what(), c.why);
    }
  }
}

TEST_F(PlotKitTest, VerticalTextStandsOneCharacterALine) {
  kit.QGtxtY("DEPTH in", 9, 550, 2800);
  const std::vector<RecordingSurface::Op> texts = surface.Since(Kind::Text);
  ASSERT_EQ(texts.size(), 8u);
  const double line = surface.TextHeight();
  EXPECT_EQ(texts[0].text, "D");
  EXPECT_EQ(texts[5].text, " ");
  EXPECT_EQ(texts[7].text, "n");
  for (const auto& t : texts) {
    EXPECT_DOUBLE_EQ(t.x1, 1750);
    EXPECT_EQ(t.colour, 9);
  }
  EXPECT_DOUBLE_EQ(texts[0].y1, 4000);
  EXPECT_DOUBLE_EQ(texts[7].y1, 4000 + 7 * line);
  EXPECT_EQ(surface.ForeColour(), 0);
}

TEST_F(PlotKitTest, NumbersAreShownWithTheirPatternAndContinueTheLine) {
  struct Case {
    const char* pattern;
    double value;
    const char* shown;
  };
  const Case cases[] = {{"0.###", 2, "2."},         {"##0.0", 12.345, "12.3"}, {"###.##", 0.001, "."},
                        {"###.##", 0.5, ".5"},      {"0.000E+00", 30000, "3.000E+04"},
                        {"#.###E+##", 30000, "3.E+4"}, {"##", -3, "-3"},
                        // Wider than the pattern: the shorter of the pattern's digits and the general
                        // number format of single precision.
                        {"##", 100, "100"},         {"######0", 12345678, "12345678"},
                        {"#########0.0", -8.9e33, "-8.9E+33"}, {"######0", 1.2e33, "1.2E+33"},
                        {"######0", 1.6e116, "1.6E+116"}};
  for (const Case& c : cases) {
    surface.Clear();
    kit.SHOWnum(500, 300, "Label", c.pattern, c.value);
    EXPECT_EQ(surface.Texts(), std::vector<std::string>{std::string("Label") + c.shown}) << c.pattern;
  }
  surface.Clear();
  const float value = 12.345f;
  kit.SHOWn(100, 200, "##0.0", value);
  kit.PRN(" and", "#", 7);
  const std::vector<RecordingSurface::Op> texts = surface.Since(Kind::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "12.3");
  EXPECT_DOUBLE_EQ(texts[0].x1, 1300);
  EXPECT_DOUBLE_EQ(texts[0].y1, 1400);
  EXPECT_DOUBLE_EQ(texts[1].x1, 1300 + surface.TextWidth("12.3"));
  EXPECT_DOUBLE_EQ(texts[1].y1, 1400);
  EXPECT_EQ(texts[1].text, " and7");
  EXPECT_FLOAT_EQ(value, 12.345f);
  // A text value is shown as it is.
  surface.Clear();
  kit.SHOWn(0, 0, "0.000E+00", Value("n/a"));
  EXPECT_EQ(surface.Texts(), std::vector<std::string>{"n/a"});
}

TEST_F(PlotKitTest, AxesHaveTheirTicksAndNumbers) {
  kit.QPlotSetup(13, 53, 34, 63, 0, 100, 30, 0);
  kit.dxVal = 20;
  kit.dxPix = 864.5f;
  kit.QXaxis(1406, 5049);
  std::vector<RecordingSurface::Op> ticks = surface.Since(Kind::Line);
  ASSERT_EQ(ticks.size(), 6u);
  EXPECT_DOUBLE_EQ(ticks[1].x1, 1200 + 1406 + 864);    // 864.5 rounds to the even 864
  EXPECT_DOUBLE_EQ(ticks[3].x1, 1200 + 1406 + 2594);   // 2593.5 rounds to the even 2594
  EXPECT_DOUBLE_EQ(ticks[0].y1, 1200 + 5149);
  EXPECT_DOUBLE_EQ(ticks[0].y2, 1200 + 5049);
  std::vector<RecordingSurface::Op> labels = surface.Since(Kind::Text);
  ASSERT_EQ(labels.size(), 6u);
  EXPECT_EQ(labels[0].text, " 0 ");
  EXPECT_EQ(labels[5].text, " 100 ");
  EXPECT_DOUBLE_EQ(labels[1].x1, 1200 + 1406 + 864.5 - 200);
  EXPECT_DOUBLE_EQ(labels[1].y1, 1200 + 5250);

  surface.Clear();
  kit.QPlotSetup(13, 53, 70, 91, 0, 100, 0, 30);
  kit.dyVal = 10;
  kit.dyPix = 535.5f;
  kit.QYaxis(1406, 2295);
  ticks = surface.Since(Kind::Line);
  ASSERT_EQ(ticks.size(), 4u);
  EXPECT_DOUBLE_EQ(ticks[2].y1, 1200 + 2295 - 1071);
  EXPECT_DOUBLE_EQ(ticks[2].x1, 1200 + 1406 - 550);
  EXPECT_DOUBLE_EQ(ticks[2].x2, 1200 + 1406 - 450);
  labels = surface.Since(Kind::Text);
  ASSERT_EQ(labels.size(), 4u);
  EXPECT_EQ(labels[3].text, " 30 ");
  EXPECT_DOUBLE_EQ(labels[3].x1, 1200 + 450);
  EXPECT_DOUBLE_EQ(labels[3].y1, 1200 + 2295 - 3 * 535.5 - 100);
}

TEST_F(PlotKitTest, LabelsThatWouldMeetAreMovedApartTheLeastDistance) {
  // 10-point labels of the recording surface: 230 twips high, 120 a character wide; 20 kept between.
  struct Written {
    const char* text;
    float col, row;
    float at;   // the row written at
  };
  struct Case {
    const char* name;
    std::vector<Written> labels;
  };
  const Case cases[] = {
      {"ApartStayWhereTheyAre", {{"-X", 1000, 1000, 1000}, {"-X", 1000, 1300, 1300}, {"+Y", 1300, 1000, 1000}}},
      {"TwoRowsCloseTogether", {{"-X", 1000, 1000, 1000}, {"-X", 1000, 1173, 1250}}},
      {"ACornerLabelGivesWayDownwards", {{"+Y", 5000, 800, 800}, {"-X", 5100, 900, 1050}}},
      {"AboveWhenThatIsNearer", {{"-X", 1000, 1000, 1000}, {"-X", 1000, 900, 750}}},
      {"IntoTheGapBetweenTwo", {{"-X", 1000, 1000, 1000}, {"-X", 1000, 1600, 1600}, {"-X", 1000, 1200, 1250}}},
      {"PastBothWhenTheGapIsTooNarrow",
       {{"-X", 1000, 1000, 1000}, {"-X", 1000, 1400, 1400}, {"-X", 1000, 1250, 1650}}},
  };
  surface.SetFontSize(10);
  for (const Case& c : cases) {
    surface.Clear();
    ClearLabels labels(kit);
    for (const Written& w : c.labels) EXPECT_FLOAT_EQ(labels.Write(w.text, 13, w.col, w.row), w.at) << c.name;
    const std::vector<RecordingSurface::Op> texts = surface.Since(Kind::Text);
    ASSERT_EQ(texts.size(), c.labels.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
      EXPECT_DOUBLE_EQ(texts[i].y1, c.labels[i].at + 1200) << c.name;
      EXPECT_EQ(texts[i].colour, 13);
    }
  }
}

}  // namespace
}  // namespace pave::graphs
