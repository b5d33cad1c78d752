// The plan of the layer graph page is drawn to two scales, one across and one up: each wheel reaches
// its contact radius on both, so that it is an ellipse where the two differ.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphs/graph_frame.h"
#include "graphs/layer_graph_page.h"
#include "platform/recording_surface.h"

namespace pave::graphs {
namespace {

using Kind = RecordingSurface::Kind;

struct WheelCase {
  const char* name;
  std::int16_t nunit;
  std::int16_t load;   // 0 single, 1 dual, 2 tandem
  float cr, xw, yw;
};
void PrintTo(const WheelCase& c, std::ostream* os) { *os << c.name; }

// The page's plan by hand: the plan spans columns 13 % to 53 % of the page's width and rows 70 % to
// 91 % of its height (from the bottom), 0..100 in. by 0..30 in. (0..250 cm by 0..75 cm); the page
// margin is added.
struct Plan {
  double per_x, per_y, left, bottom;
};
Plan PlanOf(std::int16_t nunit) {
  const double width = kGraphPageWidth, height = kGraphPageHeight;
  const double xmax = nunit == 0 ? 100 : 250, ymax = nunit == 0 ? 30 : 75;
  return {0.40 * width / xmax, 0.21 * height / ymax, 0.13 * width + kPageOffset, 0.30 * height + kPageOffset};
}

class PlanWheels : public ::testing::TestWithParam<WheelCase> {};

TEST_P(PlanWheels, ReachTheirRadiusOnBothAxes) {
  const WheelCase& c = GetParam();
  LayerGraphProblem p;
  p.title = "Wheels";
  p.matl = 1, p.npy = 1, p.nlg = 1, p.nl = 2, p.nunit = c.nunit;
  p.th[1] = 5, p.pr[1] = p.pr[2] = 0.35f, p.e[1][1] = p.e[2][1] = 300000;
  p.load[1] = c.load, p.cr[1] = c.cr, p.cp[1] = 80, p.xw[1] = c.xw, p.yw[1] = c.yw;
  RecordingSurface surface(kGraphPageWidth + kPageOffset, kGraphPageHeight + kPageOffset);
  PlotKit kit(surface);
  kit.QScreen(kGraphPageWidth, kGraphPageHeight);
  DrawLayerGraphPage(kit, p, 1, 1, 1);

  const Plan plan = PlanOf(c.nunit);
  std::vector<DrawnFigure> wheels = surface.Since(Kind::Ellipse);
  const int across = c.load <= 1 ? 1 : c.load, rows = c.load == 0 ? 1 : 2;
  ASSERT_EQ(wheels.size(), static_cast<std::size_t>(across * rows));
  for (std::size_t i = 0; i < wheels.size(); ++i) {
    const DrawnFigure& w = wheels[i];
    SCOPED_TRACE(i);
    EXPECT_NEAR(w.radius, c.cr * plan.per_x, 1);
    EXPECT_NEAR(w.radius_y, c.cr * plan.per_y, 1);
    const int k = static_cast<int>(i) / rows, row = static_cast<int>(i) % rows;
    EXPECT_NEAR(w.x1, plan.left + k * c.xw * plan.per_x, 1);
    EXPECT_NEAR(w.y1, plan.bottom - row * c.yw * plan.per_y, 1);
  }
  EXPECT_TRUE(surface.Since(Kind::Circle).empty());   // no wheel is drawn to one scale only
}

INSTANTIATE_TEST_SUITE_P(
    Loads, PlanWheels,
    ::testing::Values(WheelCase{"SingleWheelEnglish", 0, 0, 8.3f, 0, 0},
                      WheelCase{"DualTandemEnglish", 0, 2, 4.52f, 48, 13.5f},
                      WheelCase{"DualSi", 1, 1, 11.5f, 0, 34.3f},
                      WheelCase{"TridemSi", 1, 3, 15, 120, 34.3f}),
    [](const ::testing::TestParamInfo<WheelCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pave::graphs
