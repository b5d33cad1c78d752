// Loaded areas become nodal forces by statics; curling lifts the nodes by distance squared.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "slab_analysis/loads.h"
#include "slab_analysis/numbering.h"

namespace pave::slab {
namespace {

struct Fixture {
  RecordingHost host;
  std::ostringstream report;
  SlabRun run{kBruntola, host};
  Fixture(const std::vector<float>& xs, const std::vector<float>& ys) {
    run.rep = std::make_unique<LineWriter>(report);
    SlabState& s = run.s;
    s.NSLAB = 1;
    s.NLG = 1;
    s.NLAYER = 1;
    s.NX(1) = static_cast<std::int16_t>(xs.size());
    s.NY(1) = static_cast<std::int16_t>(ys.size());
    for (std::size_t i = 0; i < xs.size(); ++i) s.X(static_cast<long>(i) + 1) = xs[i];
    for (std::size_t i = 0; i < ys.size(); ++i) s.Y(static_cast<long>(i) + 1) = ys[i];
    s.NNODE = static_cast<double>(xs.size() * ys.size());
    s.NEQ = 3 * s.NNODE;
    s.NFOUND = 1;  // no coordinate table
    Identi(run);
  }
  void Area(float x1, float x2, float y1, float y2, float q) {
    SlabState& s = run.s;
    s.NUDL(1) = 1;
    s.NUDLS(1) = 0;
    s.LS(1) = 1;
    s.XL(1, 1) = x1;
    s.XL(2, 1) = x2;
    s.YL(1, 1) = y1;
    s.YL(2, 1) = y2;
    s.QQ(1) = q;
    for (int n = 1; n <= static_cast<int>(s.NNODE); ++n) s.FL(n) = 0;
    LoadedAreas(run, 1);
  }
};

std::vector<float> Grid(int n, float step) {
  std::vector<float> v;
  for (int i = 0; i < n; ++i) v.push_back(step * static_cast<float>(i));
  return v;
}

TEST(LoadsTest, AnAreaAcrossFourElementsGivesTheStaticNodalForces) {
  Fixture f(Grid(11, 10), Grid(11, 10));
  f.Area(5, 15, 5, 15, 1);
  const SlabState& s = f.run.s;
  auto node = [](int ix, int iy) { return (ix - 1) * 11 + iy; };
  EXPECT_NEAR(s.FL(node(2, 2)), 56.25, 1e-4);
  EXPECT_NEAR(s.FL(node(1, 1)), 1.5625, 1e-5);
  EXPECT_NEAR(s.FL(node(1, 2)), 4.6875 + 4.6875, 1e-5);
  double total = 0;
  for (int n = 1; n <= 121; ++n) total += s.FL(n);
  EXPECT_NEAR(total, 100, 1e-4);
}

TEST(LoadsTest, LongAreasAreCutIntoPiecesOfTwoColumnsAndKeepTheirTotal) {
  Fixture f(Grid(11, 10), Grid(3, 10));
  f.Area(5, 95, 0, 20, 2);
  const SlabState& s = f.run.s;
  EXPECT_FLOAT_EQ(s.XL(2, 1), 20);  // the area's own entry ends at the next grid line
  const float pieces[][2] = {{20, 40}, {40, 60}, {60, 80}, {80, 95}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FLOAT_EQ(s.XL(1, 2 + i), pieces[i][0]);
    EXPECT_FLOAT_EQ(s.XL(2, 2 + i), pieces[i][1]);
  }
  double total = 0;
  for (int n = 1; n <= 33; ++n) total += s.FL(n);
  EXPECT_NEAR(total, 2 * 90 * 20, 1e-2);
  // Load centred between x = 5 and 95: first moment about x = 50 vanishes.
  double moment = 0;
  for (int n = 1; n <= 33; ++n) moment += s.FL(n) * (s.XN(n) - 50);
  EXPECT_NEAR(moment, 0, 0.05);
}

TEST(LoadsTest, CurlingOfASlabGrowsWithTheSquareOfTheDistanceFromItsCentre) {
  Fixture f(Grid(11, 10), Grid(11, 10));
  SlabState& s = f.run.s;
  s.TEMP = 10;
  s.CT = 0.000005;
  s.T(1) = 10;
  s.T(2) = 0;
  for (int n = 1; n <= 121; ++n) s.CURL(n) = 0;
  Curling(f.run);
  EXPECT_NEAR(s.CURL(1), 0.0125, 1e-7);    // corner, 70.71 from the centre
  EXPECT_NEAR(s.CURL(61), 0.0, 1e-9);      // centre
  EXPECT_NEAR(s.CURL(121), 0.0125, 1e-7);
}

}  // namespace
}  // namespace pave::slab
