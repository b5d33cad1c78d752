#include <cmath>
#include <memory>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "common/analysis_host.h"
#include "slab_analysis/foundation_steps.h"
#include "slab_analysis/numbering.h"

namespace pave::slab {
namespace {

// One slab of nx x ny nodes at the given grid coordinates, numbered as the program numbers it, with
// the foundation matrices reserved at the end of the work array.
struct OneSlab {
  RecordingHost host;
  std::ostringstream report;
  SlabRun run{kLarge, host};
  SlabState& s = run.s;

  OneSlab(const std::vector<float>& xs, const std::vector<float>& ys, double E, float nu) {
    run.rep = std::make_unique<LineWriter>(report);
    const int nx = static_cast<int>(xs.size()), ny = static_cast<int>(ys.size());
    s.NSLAB = 1;
    s.NX(1) = static_cast<std::int16_t>(nx);
    s.NY(1) = static_cast<std::int16_t>(ny);
    for (int i = 0; i < nx; ++i) s.X(i + 1) = xs[static_cast<std::size_t>(i)];
    for (int j = 0; j < ny; ++j) s.Y(j + 1) = ys[static_cast<std::size_t>(j)];
    s.NNODE = nx * ny;
    s.NEQ = 3 * s.NNODE;
    s.INITNP(1) = 1;
    s.LASTNP(1) = static_cast<std::int16_t>(nx * ny);
    s.INITEN(1) = 1;
    s.LASTEN(1) = static_cast<std::int16_t>((nx - 1) * (ny - 1));
    for (int n = 1; n <= nx * ny; ++n) {
      const int c = (n - 1) / ny;
      s.XN(n) = s.X(1 + c);
      s.YN(n) = s.Y(n - c * ny);
    }
    s.NFOUND = 1;
    s.YMS = E;
    s.PRS = nu;
    s.NTRI = s.NNODE * (s.NNODE + 1) / 2;
    s.AVAIL = s.NSTORE() - 2 * s.NTRI;
    s.NSK3 = s.AVAIL + s.NTRI;
  }

  void Symmetry(int nodeOnXAxis, int nodeOnYAxis) {
    if (nodeOnXAxis) {
      s.NSX = 1;
      s.NODSX(1) = static_cast<std::int16_t>(nodeOnXAxis);
    }
    if (nodeOnYAxis) {
      s.NSY = 1;
      s.NODSY(1) = static_cast<std::int16_t>(nodeOnYAxis);
    }
  }

  float Flex(int i, int j) const {
    if (i > j) std::swap(i, j);
    return s.SK[static_cast<std::size_t>(static_cast<long>(s.NSK3) + static_cast<long>(j) * (j - 1) / 2 + i)];
  }

  // Deflections of a flexible slab (no plate stiffness) under pressure q on every element.
  std::vector<double> FlexibleDeflections(double q) const {
    const int nx = s.NX(1), ny = s.NY(1), n = static_cast<int>(s.NNODE);
    std::vector<double> P(static_cast<std::size_t>(n) + 1, 0.0), w(P);
    for (int node = 1; node <= n; ++node) {
      const int c = (node - 1) / ny + 1, r = (node - 1) % ny + 1;
      auto half = [](const Arr<float, kMaxCoords>& g, int k, int count) {
        double lo = k > 1 ? (g(k) - g(k - 1)) / 2 : 0, hi = k < count ? (g(k + 1) - g(k)) / 2 : 0;
        return lo + hi;
      };
      P[static_cast<std::size_t>(node)] = q * half(s.X, c, nx) * half(s.Y, r, ny);
    }
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j) w[static_cast<std::size_t>(i)] += Flex(i, j) * P[static_cast<std::size_t>(j)];
    return w;
  }
};

std::vector<float> Grid(float from, float to, int pieces) {
  std::vector<float> g;
  for (int i = 0; i <= pieces; ++i) g.push_back(from + (to - from) * static_cast<float>(i) / static_cast<float>(pieces));
  return g;
}

// A flexible square of side L under uniform pressure q on a half-space (Boussinesq): the centre
// deflects 1.122 and the corner 0.561 times q L (1 - nu^2) / E.
TEST(SolidFoundation, FlexibleSquareAgainstBoussinesq) {
  const double L = 120, q = 10, E = 5000, nu = 0.4;
  OneSlab full(Grid(0, 120, 12), Grid(0, 120, 12), E, static_cast<float>(nu));
  SolCor(full.run);
  SolFle(full.run);
  EXPECT_EQ(full.s.NSYM, 1);
  const std::vector<double> w = full.FlexibleDeflections(q);
  const double unit = q * L * (1 - nu * nu) / E;
  EXPECT_NEAR(w[85] / unit, 1.122, 1.122 * 0.05);  // centre: column 7, row 7 of 13
  EXPECT_NEAR(w[1] / unit, 0.561, 0.561 * 0.08);   // corner

  // The quarter with both axes of symmetry through its lower left corner gives the same deflections.
  OneSlab quarter(Grid(0, 60, 6), Grid(0, 60, 6), E, static_cast<float>(nu));
  quarter.Symmetry(1, 1);
  SolCor(quarter.run);
  SolFle(quarter.run);
  EXPECT_EQ(quarter.s.NSYM, 4);
  const std::vector<double> wq = quarter.FlexibleDeflections(q);
  for (int c = 1; c <= 7; ++c)
    for (int r = 1; r <= 7; ++r) {
      const int nq = (c - 1) * 7 + r, nf = (c + 5) * 13 + (r + 6);
      EXPECT_NEAR(wq[static_cast<std::size_t>(nq)] / w[static_cast<std::size_t>(nf)], 1.0, 1e-4) << c << " " << r;
    }
}

TEST(SolidFoundation, HalfModelAboutTheYAxisShiftsAndMirrors) {
  // The right half of a 120 x 60 slab; the y axis of symmetry runs through node 1 at x = 40 before
  // the shift (grid from 40 to 100).
  OneSlab half(Grid(40, 100, 6), Grid(0, 60, 6), 5000, 0.3f);
  OneSlab whole(Grid(-20, 100, 12), Grid(0, 60, 6), 5000, 0.3f);
  half.Symmetry(0, 1);
  SolCor(half.run);
  SolFle(half.run);
  SolCor(whole.run);
  SolFle(whole.run);
  EXPECT_EQ(half.s.NSYM, 2);
  EXPECT_EQ(half.s.XO(1), 0);
  EXPECT_NE(half.report.str().find("REVISED X AND Y COORDINATES"), std::string::npos);
  const std::vector<double> wh = half.FlexibleDeflections(1), ww = whole.FlexibleDeflections(1);
  for (int n = 1; n <= 49; ++n) EXPECT_NEAR(wh[static_cast<std::size_t>(n)] / ww[static_cast<std::size_t>(n + 42)], 1.0, 1e-4) << n;
}

TEST(SolidFoundation, StiffnessIsTheScaledInverseOfTheFlexibility) {
  OneSlab slab(Grid(0, 40, 4), Grid(0, 30, 3), 8000, 0.35f);
  SolCor(slab.run);
  SolFle(slab.run);
  slab.s.FSAF(1) = 0.8f;
  slab.s.IPER = 1;
  SolSti(slab.run);
  const int n = 20;
  const long avail = static_cast<long>(slab.s.AVAIL);
  auto K = [&](int i, int j) {
    if (i > j) std::swap(i, j);
    return slab.s.SK[static_cast<std::size_t>(avail + static_cast<long>(j) * (j - 1) / 2 + i)];
  };
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) {
      double sum = 0;
      for (int k = 1; k <= n; ++k) sum += static_cast<double>(K(i, k)) * slab.Flex(k, j);
      EXPECT_NEAR(sum, i == j ? 0.8 : 0.0, 1e-4) << i << " " << j;
    }
}

TEST(SolidFoundation, WorkArrayTooSmallForTheMatricesGivesTheStorageMessage) {
  OneSlab slab(Grid(0, 10, 1), Grid(0, 10, 1), 8000, 0.35f);
  slab.s.AVAIL = -5;
  SolCor(slab.run);
  EXPECT_THROW(SolFle(slab.run), EndPath);
  ASSERT_EQ(slab.host.messages.size(), 1u);
  EXPECT_EQ(slab.host.messages[0], "STORAGE IS EXCEEDED, PLEASE REDUCE TOTAL NUMBER OF NODES");
}


// Three slabs meeting at one point (slab 1 lower left, slab 2 to its right, slab 3 above it): the
// point is one node of the foundation, with the flexibility of a point inside a slab.
TEST(SolidFoundation, ThreeSlabsMeetingAtAPointShareOneNode) {
  RecordingHost host;
  std::ostringstream report;
  SlabRun run{kLarge, host};
  SlabState& s = run.s;
  run.rep = std::make_unique<LineWriter>(report);
  s.NSLAB = 3;
  s.NJOINT = 2;
  s.NFOUND = 1;
  s.NPRINT = 1;
  s.NLAYER = 1;
  s.YMS = 5000;
  s.PRS = 0.4f;
  for (int sl = 1; sl <= 3; ++sl) {
    s.NX(sl) = 3;
    s.NY(sl) = 3;
    s.NXX(sl) = static_cast<std::int16_t>(3 * (sl - 1));
    s.NYY(sl) = static_cast<std::int16_t>(3 * (sl - 1));
    for (int k = 1; k <= 3; ++k) {
      s.X(3 * (sl - 1) + k) = 30.0f * (k - 1);
      s.Y(3 * (sl - 1) + k) = 30.0f * (k - 1);
    }
  }
  s.JONO(2, 1) = 1;  // joint 1: right of slab 1, left of slab 2
  s.JONO(1, 2) = 1;
  s.JONO(4, 1) = 2;  // joint 2: top of slab 1, bottom of slab 3
  s.JONO(3, 3) = 2;
  s.NNODE = 27;
  s.NEQ = 81;
  Identi(run);
  ASSERT_EQ(s.ISTOP, 0);
  s.NTRI = 27 * 28 / 2;
  s.AVAIL = s.NSTORE() - 2 * s.NTRI;
  s.NSK3 = s.AVAIL + s.NTRI;
  SolCor(run);
  SolFle(run);
  EXPECT_EQ(s.XO(19), 0);   // slab 3 stands on slab 1
  EXPECT_EQ(s.YO(19), 60);
  EXPECT_EQ(s.XO(10), 60);  // slab 2 beside it
  ASSERT_EQ(s.NTSM3, 1);
  EXPECT_EQ(s.NTSM, 0);
  EXPECT_EQ(s.NPSM3(1, 1), 9);
  EXPECT_EQ(s.NPSM3(2, 1), 25);
  EXPECT_EQ(s.NPSM3(3, 1), 12);
  EXPECT_EQ(s.NDTY(9), 3);
  EXPECT_EQ(s.NDTY(12), 0);
  EXPECT_EQ(s.NDTY(25), 0);
  EXPECT_EQ(s.NPOP(25), 9);
  auto diag = [&](int n) { return s.SK[static_cast<std::size_t>(static_cast<long>(s.NSK3) + n * (n + 1) / 2)]; };
  // All elements are alike: the point's diagonal is that of the node inside slab 1 (node 5).
  EXPECT_NEAR(diag(9) / diag(5), 1.0, 1e-5);
  EXPECT_EQ(diag(12), 1e20f);
  EXPECT_EQ(diag(25), 1e20f);
  // A two-slab pair along joint 1 (nodes 8 and 11) takes the mean of its two edge diagonals.
  EXPECT_NEAR(diag(8) / diag(5), 1.0, 1e-5);
}

// Identical layers are the half-space, except that the integral of J0 stops at its 30th zero: every
// node-to-node term is .9175 times the half-space term.
TEST(SolidFoundation, LayeredFoundationOfIdenticalLayersAgainstTheHalfSpace) {
  OneSlab half(Grid(0, 120, 6), Grid(0, 80, 4), 5000, 0.35f);
  OneSlab layered(Grid(0, 120, 6), Grid(0, 80, 4), 1, 0.0f);
  layered.s.NFOUND = 2;
  layered.s.NL = 3;
  layered.s.NL1 = 2;
  layered.s.MAXIC = 30;
  layered.s.TH(1) = 4;
  layered.s.TH(2) = 6;
  for (int i = 1; i <= 3; ++i) {
    layered.s.E(i) = 5000;
    layered.s.PRBF(i) = 0.35f;
  }
  SolCor(half.run);
  SolFle(half.run);
  SolCor(layered.run);
  BurDef(layered.run);
  LaySla(layered.run);
  SolFle(layered.run);
  for (int j : {2, 9, 20, 35})
    EXPECT_NEAR(layered.Flex(1, j) / half.Flex(1, j), 0.9175, 0.9175 * 0.01) << j;
  EXPECT_NEAR(layered.Flex(18, 18) / half.Flex(18, 18), 0.9175, 0.9175 * 0.05);
}

// A solid foundation whose modulus is 1 still gets the half-space terms.
TEST(SolidFoundation, ModulusOfOneIsStillAHalfSpace) {
  OneSlab slab(Grid(0, 40, 2), Grid(0, 40, 2), 1, 0.3f);
  SolCor(slab.run);
  SolFle(slab.run);
  EXPECT_FLOAT_EQ(slab.Flex(1, 9), static_cast<float>((1 - 0.3 * 0.3) / (std::hypot(40.0f, 40.0f) * 3.141593)));
}

}  // namespace
}  // namespace pave::slab
