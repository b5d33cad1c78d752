// Principal values of the summed stress state against LAPACK's symmetric eigen-solver, and the
// superposition of wheels.
#include "layered_analysis/superposition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

extern "C" void dsyev_(char* jobz, char* uplo, int* n, double* a, int* lda, double* w, double* work, int* lwork,
                       int* info);

namespace pave::layered {
namespace {

std::array<double, 3> Eigen(double sx, double sy, double sz, double txy, double tyz, double txz) {
  double A[9] = {sx, txy, txz, txy, sy, tyz, txz, tyz, sz};
  double w[3], work[64];
  char jobz = 'N', uplo = 'U';
  int n = 3, lda = 3, lwork = 64, info = 0;
  dsyev_(&jobz, &uplo, &n, A, &lda, w, work, &lwork, &info);
  EXPECT_EQ(info, 0);
  return {w[0], w[1], w[2]};  // ascending
}

TEST(PrincipalValuesTest, MatchTheEigenvaluesOfTheStressTensor) {
  std::mt19937 gen(11);
  std::uniform_real_distribution<float> u(-100.0f, 100.0f);
  for (int k = 0; k < 500; ++k) {
    const float sx = u(gen), sy = u(gen), sz = u(gen), txy = u(gen) / 2, tyz = u(gen) / 2, txz = u(gen) / 2;
    const PrincipalValues pv = Principal(sx, sy, sz, txy, tyz, txz);
    const auto e = Eigen(sx, sy, sz, txy, tyz, txz);
    EXPECT_NEAR(pv.smallest, e[0], 0.01) << k;
    EXPECT_NEAR(pv.intermediate, e[1], 0.01) << k;
    EXPECT_NEAR(pv.largest, e[2], 0.01) << k;
  }
}

TEST(PrincipalValuesTest, RepeatedRootsAreExact) {
  struct Case {
    float sx, sy, sz, txy, tyz, txz;
  };
  // Two equal largest values (the cosine argument is -1), two equal smallest (+1), a purely
  // vertical state, and a rotated state with a repeated root.
  for (Case c : {Case{10, 10, -5, 0, 0, 0}, Case{-5, -5, 10, 0, 0, 0}, Case{0, 0, 50, 0, 0, 0},
                 Case{5, 5, 10, 5, 0, 0}}) {
    const PrincipalValues pv = Principal(c.sx, c.sy, c.sz, c.txy, c.tyz, c.txz);
    const auto e = Eigen(c.sx, c.sy, c.sz, c.txy, c.tyz, c.txz);
    EXPECT_NEAR(pv.smallest, e[0], 1e-3);
    EXPECT_NEAR(pv.intermediate, e[1], 1e-3);
    EXPECT_NEAR(pv.largest, e[2], 1e-3);
  }
}

// Two wheels whose responses are set directly.
std::unique_ptr<ProblemState> TwoWheels() {
  auto s = std::make_unique<ProblemState>();
  s->NSTD = 9;
  s->NZ = 1;
  s->LG = 1;
  s->IPT = 1;
  s->NR(1) = 2;
  s->E(1) = 1000;
  s->PR(1) = 0.25f;
  s->work.LAY(1) = 1;
  return s;
}

TEST(SuperpositionTest, EqualWheelsWithThePointMidway) {
  auto s = TwoWheels();
  // Wheel 1 at x = -10, wheel 2 at x = +10 from the point: directions +x and -x.
  for (int J = 1; J <= 2; ++J) {
    s->RC(J, 1, 1) = 10;
    s->DCPT(J, 1, 1, 1) = J == 1 ? 1.0f : -1.0f;
    s->DCPT(J, 2, 1, 1) = 0;
    s->RESP(J, 1, 1) = 0.01f;
    s->RESP(J, 1, 2) = 20;
    s->RESP(J, 1, 3) = 6;
    s->RESP(J, 1, 4) = 2;
    s->RESP(J, 1, 5) = J == 1 ? 3.0f : 3.0f;
  }
  SUPPRI(*s);
  EXPECT_FLOAT_EQ(s->RESP(1, 1, 1), 0.02f);
  EXPECT_FLOAT_EQ(s->RESP(1, 1, 2), 40);
  // sx = 12, sy = 4, shears cancel: principal 40, 12, 4.
  EXPECT_NEAR(s->RESP(1, 1, 3), 40, 1e-4);
  EXPECT_NEAR(s->RESP(1, 1, 4), 4, 1e-4);
  EXPECT_NEAR(s->RESP(1, 1, 5), 12, 1e-4);
  EXPECT_NEAR(s->RESP(1, 1, 6), (40 - 0.25 * 16) / 1000, 1e-7);
  EXPECT_NEAR(s->RESP(1, 1, 9), (4 - 0.25 * 52) / 1000, 1e-7);  // the smaller horizontal strain
}

TEST(SuperpositionTest, AnIsotropicStateGetsTheSummedValuesNotTheFirstWheels) {
  auto s = TwoWheels();
  // Wheel 1 straight above the point, all three stresses 10; wheel 2 contributes only deflection.
  s->RC(1, 1, 1) = 0;
  s->RC(2, 1, 1) = 50;
  s->DCPT(2, 1, 1, 1) = 1;
  s->RESP(1, 1, 1) = 0.5f;
  s->RESP(2, 1, 1) = 0.25f;
  for (int K = 2; K <= 4; ++K) s->RESP(1, 1, K) = 10;
  for (int K = 6; K <= 9; ++K) s->RESP(1, 1, K) = 99;  // stale values of the first wheel
  SUPPRI(*s);
  EXPECT_FLOAT_EQ(s->RESP(1, 1, 1), 0.75f);
  for (int K = 2; K <= 5; ++K) EXPECT_FLOAT_EQ(s->RESP(1, 1, K), 10) << K;
  const float eps = (10 - 0.25f * 20) / 1000;
  for (int K = 6; K <= 9; ++K) EXPECT_NEAR(s->RESP(1, 1, K), eps, 1e-9) << K;
}

TEST(SuperpositionTest, DisplacementOnlyWithNstdOne) {
  auto s = TwoWheels();
  s->NSTD = 1;
  s->RESP(1, 1, 1) = 0.5f;
  s->RESP(2, 1, 1) = 0.25f;
  s->RESP(1, 1, 2) = 7;
  SUPPRI(*s);
  EXPECT_FLOAT_EQ(s->RESP(1, 1, 1), 0.75f);
  EXPECT_FLOAT_EQ(s->RESP(1, 1, 2), 7);
}

}  // namespace
}  // namespace pave::layered
