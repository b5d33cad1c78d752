// What a drawing surface keeps of figures reaching far off its page: the part within reach of the
// page, exactly where it was; nothing of what lies wholly beyond.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "platform/recording_surface.h"

namespace pave {
namespace {

using Kind = RecordingSurface::Kind;

// A page of 1000 by 600 twips: figures are kept within 1000 twips of it, -1000..2000 by -1000..1600.
struct Case {
  const char* name;
  std::function<void(RecordingSurface&)> draw;
  std::vector<DrawnFigure> kept;   // kind, x1, y1, x2, y2 and radius compared
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

DrawnFigure Figure(Kind kind, double x1, double y1, double x2 = 0, double y2 = 0, double radius = 0,
                   double radius_y = 0) {
  DrawnFigure f;
  f.kind = kind;
  f.x1 = x1, f.y1 = y1, f.x2 = x2, f.y2 = y2, f.radius = radius, f.radius_y = radius_y;
  return f;
}

class FarOffThePage : public ::testing::TestWithParam<Case> {};

TEST_P(FarOffThePage, IsCutToWhatCanShow) {
  const Case& c = GetParam();
  RecordingSurface surface(1000, 600);
  c.draw(surface);
  const std::vector<DrawnFigure>& drawn = surface.Drawing();
  ASSERT_EQ(drawn.size(), c.kept.size());
  ASSERT_EQ(surface.ops.size(), c.kept.size());   // what the device was handed
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    const DrawnFigure& d = drawn[i];
    const DrawnFigure& k = c.kept[i];
    EXPECT_EQ(d.kind, k.kind);
    if (d.kind == Kind::Text) continue;
    // A huge circle's piece of outline is straight within about a twip.
    const double within = d.kind == Kind::Line && k.radius < 0 ? 2 : 1e-9;
    EXPECT_NEAR(d.x1, k.x1, within);
    EXPECT_NEAR(d.y1, k.y1, within);
    EXPECT_NEAR(d.x2, k.x2, within);
    EXPECT_NEAR(d.y2, k.y2, within);
    if (d.kind == Kind::Circle || d.kind == Kind::Ellipse) {
      EXPECT_NEAR(d.radius, k.radius, 1e-9);
    }
    if (d.kind == Kind::Ellipse) {
      EXPECT_NEAR(d.radius_y, k.radius_y, 1e-9);
    }
  }
}

const double kHalfDiagonal = std::hypot(3000.0, 2600.0) / 2;

INSTANTIATE_TEST_SUITE_P(
    Figures, FarOffThePage,
    ::testing::Values(
        Case{"ALineOnThePage", [](RecordingSurface& s) { s.Line(10, 20, 990, 580); },
             {Figure(Kind::Line, 10, 20, 990, 580)}},
        Case{"ALineReachingOut", [](RecordingSurface& s) { s.Line(500, 300, 1e30, 300); },
             {Figure(Kind::Line, 500, 300, 2000, 300)}},
        Case{"ALineThroughThePageFromFarOff", [](RecordingSurface& s) { s.Line(-1e9, -1e9, 1e9, 1e9); },
             {Figure(Kind::Line, -1000, -1000, 1600, 1600)}},
        Case{"ALineWhollyBeyond", [](RecordingSurface& s) { s.Line(5000, 0, 6000, 0); }, {}},
        Case{"ABoxReachingOut", [](RecordingSurface& s) { s.Box(10, 10, 1e12, -1e12); },
             {Figure(Kind::Box, 10, 10, 2000, -1000)}},
        Case{"ABoxWhollyBeyond", [](RecordingSurface& s) { s.Box(-9000, 0, -8000, 100); }, {}},
        Case{"ACircleOnThePage", [](RecordingSurface& s) { s.Circle(500, 300, 60); },
             {Figure(Kind::Circle, 500, 300, 0, 0, 60)}},
        Case{"ACircleFarOff", [](RecordingSurface& s) { s.Circle(1e6, 0, 10); }, {}},
        Case{"AnOutlineAroundEverything", [](RecordingSurface& s) { s.Circle(500, 300, 1e30); }, {}},
        Case{"AFillAroundEverything",
             [](RecordingSurface& s) {
               s.SetFillStyle(FillStyle::Solid);
               s.Circle(-1e20, 300, 1e30);
             },
             {Figure(Kind::Circle, 500, 300, 0, 0, kHalfDiagonal + 1)}},
        Case{"AHugeCircleCrossingThePage", [](RecordingSurface& s) { s.Circle(500, 300 + 4e9, 4e9); },
             {Figure(Kind::Line, -1000, 300, 2000, 300, -1)}},
        Case{"AnEllipseOnThePage", [](RecordingSurface& s) { s.Ellipse(500, 300, 60, 75); },
             {Figure(Kind::Ellipse, 500, 300, 0, 0, 60, 75)}},
        Case{"AnEllipseOfEqualRadiiIsACircle", [](RecordingSurface& s) { s.Ellipse(500, 300, 60, 60); },
             {Figure(Kind::Circle, 500, 300, 0, 0, 60)}},
        Case{"AnEllipseFarOff", [](RecordingSurface& s) { s.Ellipse(0, 1e6, 10, 20); }, {}},
        Case{"AnEllipseAroundEverything", [](RecordingSurface& s) { s.Ellipse(500, 300, 1e30, 2e30); }, {}},
        // Its top, 4E+09 above its centre, touches the row 300.
        Case{"AHugeEllipseCrossingThePage", [](RecordingSurface& s) { s.Ellipse(500, 300 + 4e9, 8e9, 4e9); },
             {Figure(Kind::Line, -1000, 300, 2000, 300, -1)}},
        Case{"AnEllipseWithoutHeightIsALine", [](RecordingSurface& s) { s.Ellipse(500, 300, 1e6, 0); },
             {Figure(Kind::Line, -1000, 300, 2000, 300)}},
        Case{"ATextFarOff",
             [](RecordingSurface& s) {
               s.SetPosition(1e9, 100);
               s.Print("far");
             },
             {}},
        Case{"ATextReachingIn",
             [](RecordingSurface& s) {
               s.SetPosition(-1200, 100);
               s.Print("from the left of the page");
             },
             {Figure(Kind::Text, -1200, 100)}}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pave
