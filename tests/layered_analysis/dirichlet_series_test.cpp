#include "layered_analysis/dirichlet_series.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace pave::layered {
namespace {

const std::vector<float> kCreepTimes = {0.001f, 0.003f, 0.01f, 0.03f, 0.1f, 0.3f, 1, 3, 10, 30, 100};

TEST(DirichletSeries, RetardationTimes) {
  const std::vector<float> moving = ChooseRetardationTimes(0.1f, false, kCreepTimes);
  EXPECT_EQ(moving, (std::vector<float>{0.01f, 0.03f, 0.1f, 1, 10, 30, 1e20f}));
  const std::vector<float> tyme = {0.01f, 0.1f, 1};
  EXPECT_EQ(ChooseRetardationTimes(0, true, tyme), (std::vector<float>{0.01f, 0.1f, 1, 1e20f}));
  EXPECT_EQ(ChooseRetardationTimes(-1, false, tyme), (std::vector<float>{0.01f, 0.1f, 1, 1e20f}));
  EXPECT_TRUE(ChooseRetardationTimes(0, false, tyme).empty());
}

TEST(DirichletSeries, MovingLoadFactor) {
  EXPECT_NEAR(MovingLoadFactor(0.02f, 0.01f), 0.621, 5e-4);  // x = 1
  EXPECT_NEAR(MovingLoadFactor(0.1f, 1e20f), 1.0, 1e-4);      // a constant term counts in full
  EXPECT_LT(MovingLoadFactor(100, 0.01f), 1e-6);              // a short memory contributes little
  // A series that is constant in time gives that constant under the moving load.
  const std::vector<float> delta = {0.01f, 0.1f, 1e20f};
  const std::vector<double> coef = {0, 0, 2.5};
  EXPECT_NEAR(MovingLoadResponse(coef, delta, 0.1f), 2.5, 1e-4);
}

TEST(DirichletSeries, ShiftFactorAndCutoff) {
  EXPECT_NEAR(ShiftFactor(80, 70, 0.1f), 10.0, 1e-3);
  EXPECT_FLOAT_EQ(ShiftFactor(70, 70, 0.113f), 1.0f);
  EXPECT_LT(ShiftFactor(60, 70, 0.113f), 1.0f);
  // Terms whose exponent reaches 80 are left out; the infinite term stays.
  const std::vector<float> delta = {0.01f, 1e20f};
  const std::vector<double> coef = {5, 1};
  EXPECT_FLOAT_EQ(DirichletValue(coef, delta, 1.0f), 1.0f);
  EXPECT_NEAR(DirichletValue(coef, delta, 0.0f), 6.0, 1e-6);
  EXPECT_NEAR(DirichletValue(coef, delta, 0.01f, 2.0f), 1 + 5 * std::exp(-2.0), 1e-5);
}

// Dense solve of the normal equations (for checking the equations themselves).
std::vector<double> Solve(std::vector<float> a1, std::vector<double> rhs1, int n) {
  std::vector<std::vector<double>> m(n, std::vector<double>(n + 1));
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) m[i][j] = a1[1 + i + j * n];
    m[i][n] = rhs1[1 + i];
  }
  for (int c = 0; c < n; ++c) {
    int p = c;
    for (int r = c + 1; r < n; ++r) if (std::fabs(m[r][c]) > std::fabs(m[p][c])) p = r;
    std::swap(m[c], m[p]);
    for (int r = 0; r < n; ++r) {
      if (r == c) continue;
      const double f = m[r][c] / m[c][c];
      for (int k = c; k <= n; ++k) m[r][k] -= f * m[c][k];
    }
  }
  std::vector<double> x(n);
  for (int i = 0; i < n; ++i) x[i] = m[i][n] / m[i][i];
  return x;
}

TEST(DirichletSeries, NormalEquationsReproduceASeries) {
  const std::vector<float> delta = ChooseRetardationTimes(0.1f, false, kCreepTimes);
  const std::vector<double> truth = {1e-7, 2e-7, 5e-7, 1e-6, 3e-6, 2e-6, 1e-6};
  std::vector<float> values;
  for (float t : kCreepTimes) values.push_back(DirichletValue(truth, delta, t));
  const int n = static_cast<int>(delta.size());
  std::vector<float> a(n * n + 1);
  std::vector<double> rhs(n + 1);
  DirichletNormalMatrix(delta, kCreepTimes, a);
  DirichletRightHandSides(values, 1, kCreepTimes, delta, rhs);
  // Symmetric, with exp(-2 t / delta) sums on the diagonal.
  EXPECT_FLOAT_EQ(a[1 + 6 * n], a[7]);
  EXPECT_NEAR(a[n * n], static_cast<float>(kCreepTimes.size()), 1e-5);
  const std::vector<double> coef = Solve(a, rhs, n);
  for (std::size_t i = 0; i < kCreepTimes.size(); ++i) {
    EXPECT_NEAR(DirichletValue(coef, delta, kCreepTimes[i]) / values[i], 1.0, 2e-3) << kCreepTimes[i];
  }
}

}  // namespace
}  // namespace pave::layered
