// The equation solver against LAPACK's direct solve.
#include "layered_analysis/equation_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

extern "C" void dgesv_(int* n, int* nrhs, double* a, int* lda, int* ipiv, double* b, int* ldb, int* info);

namespace pave::layered {
namespace {

// Solves with LAPACK in double precision; A column by column, nrhs right-hand sides.
std::vector<double> Direct(std::vector<double> A, std::vector<double> B, int n, int nrhs) {
  std::vector<int> ipiv(n);
  int info = 0, lda = n, ldb = n;
  dgesv_(&n, &nrhs, A.data(), &lda, ipiv.data(), B.data(), &ldb, &info);
  EXPECT_EQ(info, 0);
  return B;
}

TEST(EquationSolverTest, MatchesADirectSolveForSeveralSizesAndRightHandSides) {
  std::mt19937 gen(7);
  std::uniform_real_distribution<float> u(-1.0f, 1.0f);
  for (int n : {1, 2, 5, 17, 74}) {
    for (int nrhs : {1, 3}) {
      std::vector<float> A(n * n + 1);
      std::vector<double> Ad(n * n), R(n * nrhs + 1), Rd(n * nrhs);
      for (int k = 0; k < n * n; ++k) {
        A[k + 1] = u(gen);
        Ad[k] = A[k + 1];
      }
      for (int k = 0; k < n * nrhs; ++k) R[k + 1] = Rd[k] = u(gen);
      const std::vector<double> x = Direct(Ad, Rd, n, nrhs);
      ASSERT_TRUE(GELG(R.data(), A.data(), n, nrhs));
      double scale = 0;
      for (double v : x) scale = std::max(scale, std::fabs(v));
      for (int k = 0; k < n * nrhs; ++k) EXPECT_NEAR(R[k + 1], x[k], 1e-4 * scale) << "n " << n << " k " << k;
    }
  }
}

TEST(EquationSolverTest, SinglePrecisionRightHandSide) {
  // 3x3 system with a pivot that is not on the diagonal; solution (1, -2, 3).
  float A[10] = {0, 1, 4, 2, 2, 1, 7, 9, 3, 1};  // columns (1,4,2), (2,1,7), (9,3,1)
  float R[4] = {0, 1 * 1 + 2 * -2 + 9 * 3, 4 * 1 + 1 * -2 + 3 * 3, 2 * 1 + 7 * -2 + 1 * 3};
  ASSERT_TRUE(GELG(R, A, 3, 1));
  EXPECT_NEAR(R[1], 1.0f, 1e-5f);
  EXPECT_NEAR(R[2], -2.0f, 1e-5f);
  EXPECT_NEAR(R[3], 3.0f, 1e-5f);
}

TEST(EquationSolverTest, NoResultForAZeroOrSingularMatrixOrNoEquation) {
  float zero[5] = {};
  double R[3] = {0, 1, 2};
  EXPECT_FALSE(GELG(R, zero, 2, 1));
  EXPECT_EQ(R[1], 1.0);  // unchanged when found before the first step
  EXPECT_EQ(R[2], 2.0);
  float singular[5] = {0, 1, 2, 2, 4};  // columns (1,2), (2,4)
  double R2[3] = {0, 1, 1};
  EXPECT_FALSE(GELG(R2, singular, 2, 1));
  float one[2] = {0, 4};
  double R3[2] = {0, 2};
  EXPECT_FALSE(GELG(R3, one, 0, 1));
  EXPECT_TRUE(GELG(R3, one, 1, 1));
  EXPECT_DOUBLE_EQ(R3[1], 0.5);
}

}  // namespace
}  // namespace pave::layered
