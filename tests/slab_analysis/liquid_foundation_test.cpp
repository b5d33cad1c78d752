// Slabs on a dense liquid against closed-form solutions: uniform pressure, interior loads on an
// infinite plate (Hankel integrals), edge and corner loads (classical formulas).
#include <gtest/gtest.h>

#include <cmath>

#include "slab_run_support.h"

namespace pave::slab::testing {
namespace {

const std::vector<float> kGraded = {0, 6, 12, 18, 24, 32, 42, 54, 69, 87, 109, 135, 165};
// Spacings of 3 in. near the load (about l/10) growing to 15 in. (aspect ratios up to 5).
const std::vector<float> kFine = {0, 3, 6, 9, 12, 16, 21, 27, 35, 45, 57, 72, 87, 102, 117, 132, 147, 162};
const double kE = 4e6, kH = 8, kNu = 0.15, kK = 200;
const double kD = kE * kH * kH * kH / (12 * (1 - kNu * kNu));
const double kL = std::pow(kD / kK, 0.25);

std::vector<int> Range(int from, int to, int step = 1) {
  std::vector<int> v;
  for (int i = from; i <= to; i += step) v.push_back(i);
  return v;
}

TEST(LiquidFoundationTest, UniformPressureOrWeightSinksTheSlabEvenly) {
  struct Case {
    const char* name;
    float q;
    int nwt;
    float gama;
    double w;
  };
  for (Case c : {Case{"pressure", 10, 0, 0, 10.0 / 100}, Case{"weight", 0, 1, 150, 150.0 / 1728 * 8 / 100}}) {
    SlabFile f;
    f.xs = {0, 20, 50, 70, 100};
    f.ys = {0, 15, 40, 60};
    f.k = 100;
    f.nwt = c.nwt;
    f.gama = c.gama;
    if (c.q != 0) f.areas.push_back({1, 0, 100, 0, 60, c.q});
    RunResult r = RunText(f.Text(), std::string("uniform_") + c.name);
    ASSERT_EQ(r.end, RunEnd::Normal) << c.name;
    auto w = NodeTable(r.report, "DEFLECTIONS OF SLABS (F) ARE:");
    ASSERT_EQ(w.size(), 20u);
    for (auto [n, v] : w) EXPECT_NEAR(v, c.w, 2e-5) << c.name << " node " << n;
    for (auto& [n, row] : StressTable(r.report))
      for (double s : row) EXPECT_NEAR(s, 0.0, 0.05) << c.name << " node " << n;
    const double total = c.q * 6000 + (c.nwt ? 150.0 / 1728 * 8 * 6000 : 0);
    EXPECT_NEAR(NumberAfter(r.report, "SUM OF FORCES (FOSUM) = "), total, 0.1);
    EXPECT_NEAR(NumberAfter(r.report, "SUM OF REACTIONS (SUBSUM) = "), total, 0.1 + total * 1e-4);
    for (auto [n, p] : NodeTable(r.report, "NODAL NUMBER AND REACTIVE PRESSURE (SUBR)"))
      EXPECT_NEAR(p, c.w * 100, 0.002) << n;
  }
}

TEST(LiquidFoundationTest, InteriorLoadOnAQuarterModelMatchesTheInfinitePlate) {
  SlabFile f;
  f.xs = f.ys = kFine;
  f.k = static_cast<float>(kK);
  f.nodsx = Range(1, 18 * 17 + 1, 18);
  f.nodsy = Range(1, 18);
  const double q = 100, c = 6;
  f.areas.push_back({1, 0, static_cast<float>(c), 0, static_cast<float>(c), static_cast<float>(q)});
  RunResult r = RunText(f.Text(), "interior");
  ASSERT_EQ(r.end, RunEnd::Normal);
  double w0, m0;
  SquareLoadCentre(kD, kK, kNu, q, c, w0, m0);
  // The point-load limit checks the integrals: P / (8 k l^2).
  EXPECT_NEAR(w0, q * 4 * c * c / (8 * kK * kL * kL), 0.03 * w0);
  const double w = NodeTable(r.report, "DEFLECTIONS OF SLABS (F) ARE:").at(1);
  const double sx = StressTable(r.report).at(1)[0], sy = StressTable(r.report).at(1)[1];
  const double s0 = 6 * m0 / (kH * kH);
  EXPECT_NEAR(w, w0, 0.02 * w0);
  EXPECT_NEAR(-sx, s0, 0.06 * s0);
  EXPECT_NEAR(sx, sy, 5e-3 * std::fabs(sx));  // single-precision solution
}

TEST(LiquidFoundationTest, QuarterModelEqualsTheFullModel) {
  const std::vector<float> quarter = {0, 10, 20, 35, 55, 80, 110};
  std::vector<float> full;
  for (auto it = quarter.rbegin(); it != quarter.rend(); ++it) full.push_back(110 - *it);
  for (std::size_t i = 1; i < quarter.size(); ++i) full.push_back(110 + quarter[i]);
  SlabFile q;
  q.xs = q.ys = quarter;
  q.k = 150;
  q.nodsx = Range(1, 7 * 6 + 1, 7);
  q.nodsy = Range(1, 7);
  q.areas.push_back({1, 0, 10, 0, 10, 80});
  SlabFile f;
  f.xs = f.ys = full;
  f.k = 150;
  f.areas.push_back({1, 100, 120, 100, 120, 80});
  RunResult rq = RunText(q.Text(), "quarter"), rf = RunText(f.Text(), "full");
  ASSERT_EQ(rq.end, RunEnd::Normal);
  ASSERT_EQ(rf.end, RunEnd::Normal);
  auto wq = NodeTable(rq.report, "DEFLECTIONS OF SLABS (F) ARE:");
  auto wf = NodeTable(rf.report, "DEFLECTIONS OF SLABS (F) ARE:");
  auto sq = StressTable(rq.report);
  auto sf = StressTable(rf.report);
  // Node (i, j) of the quarter is node (i + 6, j + 6) of the full model.
  for (int i = 1; i <= 7; ++i)
    for (int j = 1; j <= 7; ++j) {
      const int nq = (i - 1) * 7 + j, nf = (i + 5) * 13 + j + 6;
      EXPECT_NEAR(wq.at(nq), wf.at(nf), 2e-5 + 1e-3 * std::fabs(wf.at(nf))) << nq;
      for (int k = 0; k < 2; ++k) EXPECT_NEAR(sq.at(nq)[k], sf.at(nf)[k], 0.05 + 2e-3 * std::fabs(sf.at(nf)[k])) << nq;
    }
}

TEST(LiquidFoundationTest, EdgeLoadAgreesWithWestergaardsEdgeFormulas) {
  // Half model about x = 0; the load is a 12 by 6 rectangle on the free edge y = 0, taken as the
  // semicircle of the same area.
  SlabFile f;
  f.xs = f.ys = kGraded;
  f.k = static_cast<float>(kK);
  f.nodsy = Range(1, 13);
  const double q = 100;
  f.areas.push_back({1, 0, 6, 0, 6, static_cast<float>(q)});
  RunResult r = RunText(f.Text(), "edge");
  ASSERT_EQ(r.end, RunEnd::Normal);
  const double P = q * 12 * 6;
  const double a = std::sqrt(2 * 72 / std::acos(-1.0));
  const double pi = std::acos(-1.0);
  const double sigma = 3 * (1 + kNu) * P / (pi * (3 + kNu) * kH * kH) *
                       (std::log(kE * kH * kH * kH / (100 * kK * std::pow(a, 4))) + 3.84 - 4 * kNu / 3 +
                        0.5 * (1 + 2 * kNu) * a / kL);
  const double delta = std::sqrt(2 + 1.2 * kNu) * P / std::sqrt(kE * kH * kH * kH * kK) * (1 - (0.323 + 0.17 * kNu) * a / kL);
  const double w = NodeTable(r.report, "DEFLECTIONS OF SLABS (F) ARE:").at(1);
  const double sx = StressTable(r.report).at(1)[0];
  EXPECT_NEAR(w, delta, 0.05 * delta);
  EXPECT_NEAR(-sx, sigma, 0.08 * sigma);
}

TEST(LiquidFoundationTest, CornerLoadAgreesWithTheCornerFormulas) {
  SlabFile f;
  f.xs = f.ys = kFine;
  f.k = static_cast<float>(kK);
  const double q = 100, c = 12;
  f.areas.push_back({1, 0, static_cast<float>(c), 0, static_cast<float>(c), static_cast<float>(q)});
  RunResult r = RunText(f.Text(), "corner");
  ASSERT_EQ(r.end, RunEnd::Normal);
  const double P = q * c * c;
  const double delta = P / (kK * kL * kL) * (1.205 - 0.69 * c / kL);
  const double sigma = 3 * P / (kH * kH) * (1 - std::pow(c / kL, 0.72));
  const double w = NodeTable(r.report, "DEFLECTIONS OF SLABS (F) ARE:").at(1);
  const double smax = NumberAfter(r.report, "MAXIMUM STRESS (SMAX) IN LAYER 1  IS");
  EXPECT_NEAR(w, delta, 0.05 * delta);
  // The corner formula is a fit to finite-element results; the stress of a fine mesh of this element
  // lies about 9 % above it, within the 10 % the fit is quoted to hold.
  EXPECT_NEAR(smax, sigma, 0.10 * sigma);
}

}  // namespace
}  // namespace pave::slab::testing
