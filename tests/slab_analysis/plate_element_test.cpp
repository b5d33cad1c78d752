// The plate element against rigid-body motions, constant-curvature energies and the corner moments.
#include <gtest/gtest.h>

#include <ostream>

#include <cmath>

#include "slab_analysis/plate_element.h"
#include "slab_analysis/stress_output.h"

namespace pave::slab {
namespace {

// Nodal values of a displacement field w(x, y) with its slopes: dof 1 w, dof 2 -dw/dy, dof 3 dw/dx,
// corners lower left, upper left, lower right, upper right of the element [-a, a] x [-b, b] shifted
// by (x0, y0).
template <class Wf, class Wx, class Wy>
void Nodal(double a, double b, double x0, double y0, Wf w, Wx wx, Wy wy, double u[12]) {
  const double xs[4] = {-a, -a, a, a}, ys[4] = {-b, b, -b, b};
  for (int c = 0; c < 4; ++c) {
    const double x = x0 + xs[c], y = y0 + ys[c];
    u[3 * c] = w(x, y);
    u[3 * c + 1] = -wy(x, y);
    u[3 * c + 2] = wx(x, y);
  }
}

double Energy(double K[12][12], const double u[12]) {
  double e = 0;
  for (int i = 0; i < 12; ++i)
    for (int j = 0; j < 12; ++j) e += 0.5 * u[i] * K[i][j] * u[j];
  return e;
}

struct Shape {
  double a, b, D, nu;
};
// "a10_b10": the element's sides, for test names and messages.
std::string ShapeName(const Shape& s) {
  auto n = [](double v) {
    std::string t = std::to_string(v);
    t.erase(t.find_last_not_of('0') + 1);
    if (!t.empty() && t.back() == '.') t.pop_back();
    for (char& c : t) {
      if (c == '.') c = 'p';
    }
    return t;
  };
  return "a" + n(s.a) + "_b" + n(s.b);
}
void PrintTo(const Shape& s, std::ostream* os) { *os << ShapeName(s); }


class PlateElementTest : public ::testing::TestWithParam<Shape> {};

TEST_P(PlateElementTest, RigidMotionsGiveNoForce) {
  const Shape p = GetParam();
  double K[12][12];
  ElementStiffness(p.a, p.b, &p.D, &p.nu, 1, K);
  double modes[3][12];
  Nodal(p.a, p.b, 3, -2, [](double, double) { return 1.0; }, [](double, double) { return 0.0; },
        [](double, double) { return 0.0; }, modes[0]);
  Nodal(p.a, p.b, 3, -2, [](double x, double) { return x; }, [](double, double) { return 1.0; },
        [](double, double) { return 0.0; }, modes[1]);
  Nodal(p.a, p.b, 3, -2, [](double, double y) { return y; }, [](double, double) { return 0.0; },
        [](double, double) { return 1.0; }, modes[2]);
  double scale = 0;
  for (auto& row : K)
    for (double v : row) scale = std::max(scale, std::fabs(v));
  for (auto& u : modes)
    for (int i = 0; i < 12; ++i) {
      double f = 0;
      for (int j = 0; j < 12; ++j) f += K[i][j] * u[j];
      EXPECT_NEAR(f, 0.0, 1e-9 * scale * (1 + std::fabs(u[i])));
    }
}

TEST_P(PlateElementTest, ConstantCurvaturesStoreTheExactEnergy) {
  const Shape p = GetParam();
  double K[12][12];
  ElementStiffness(p.a, p.b, &p.D, &p.nu, 1, K);
  const double area = 4 * p.a * p.b;
  double u[12];
  // w = x^2/2: energy D/2 * 1 * area
  Nodal(p.a, p.b, 1, 2, [](double x, double) { return x * x / 2; }, [](double x, double) { return x; },
        [](double, double) { return 0.0; }, u);
  EXPECT_NEAR(Energy(K, u), 0.5 * p.D * area, 1e-9 * p.D * area);
  Nodal(p.a, p.b, 1, 2, [](double, double y) { return y * y / 2; }, [](double, double) { return 0.0; },
        [](double, double y) { return y; }, u);
  EXPECT_NEAR(Energy(K, u), 0.5 * p.D * area, 1e-9 * p.D * area);
  // w = xy: twist energy D (1 - nu) * area ... 2 D (1 - nu) per unit area times 1/2
  Nodal(p.a, p.b, 1, 2, [](double x, double y) { return x * y; }, [](double, double y) { return y; },
        [](double x, double) { return x; }, u);
  EXPECT_NEAR(Energy(K, u), p.D * (1 - p.nu) * area, 1e-9 * p.D * area);
}

TEST_P(PlateElementTest, CornerMomentsOfConstantCurvature) {
  const Shape p = GetParam();
  const double c1 = 0.003, c2 = -0.002, c3 = 0.0015;
  auto w = [&](double x, double y) { return c1 * x * x / 2 + c2 * y * y / 2 + c3 * x * y; };
  auto wx = [&](double x, double y) { return c1 * x + c3 * y; };
  auto wy = [&](double x, double y) { return c2 * y + c3 * x; };
  double u[12];
  Nodal(p.a, p.b, 7, -4, w, wx, wy, u);
  double wv[4], ra[4], rb[4];
  for (int c = 0; c < 4; ++c) {
    wv[c] = u[3 * c];
    ra[c] = u[3 * c + 1];
    rb[c] = u[3 * c + 2];
  }
  for (int corner = 0; corner < 4; ++corner) {
    double bm[3];
    CornerMoments(corner, p.a, p.b, p.D, p.nu, wv, ra, rb, bm);
    EXPECT_NEAR(bm[0], -p.D * (c1 + p.nu * c2), 1e-9 * p.D) << corner;
    EXPECT_NEAR(bm[1], -p.D * (c2 + p.nu * c1), 1e-9 * p.D) << corner;
    EXPECT_NEAR(bm[2], (1 - p.nu) * p.D * c3, 1e-9 * p.D) << corner;
  }
}

INSTANTIATE_TEST_SUITE_P(Shapes, PlateElementTest,
                         ::testing::Values(Shape{10, 10, 1000, 0.15}, Shape{6, 19.5, 2.3e8, 0.15},
                                           Shape{37.5, 4, 5e6, 0.3}),
                         [](const ::testing::TestParamInfo<Shape>& info) { return ShapeName(info.param); });

TEST(PlateElementTest, SquareElementDiagonal) {
  const double D = 1000, nu = 0.15;
  double K[12][12];
  ElementStiffness(10, 10, &D, &nu, 1, K);
  for (int c = 0; c < 4; ++c) EXPECT_NEAR(K[3 * c][3 * c], D * (162 - 12 * nu) / (60 * 100.0), 1e-9);
  EXPECT_NEAR(K[0][0], 26.7, 1e-9);
}

TEST(PlateElementTest, LayersAddTheirStiffness) {
  const double D[2] = {1000, 250}, nu[2] = {0.15, 0.15};
  double K2[12][12], K1[12][12];
  ElementStiffness(8, 12, D, nu, 2, K2);
  const double sum = 1250;
  ElementStiffness(8, 12, &sum, nu, 1, K1);
  for (int i = 0; i < 12; ++i)
    for (int j = 0; j < 12; ++j) EXPECT_NEAR(K2[i][j], K1[i][j], 1e-9 * std::fabs(K1[0][0]));
}

}  // namespace
}  // namespace pave::slab
