// Stresses at the modulus points against the closed forms of a homogeneous half-space, the two-wheel
// superposition, and one step of the modulus update.
#include <cmath>
#include <memory>
#include <sstream>

#include <gtest/gtest.h>

#include "common/analysis_host.h"
#include "common/line_writer.h"
#include "layered_analysis/integration_constants.h"
#include "layered_analysis/modulus_iteration.h"
#include "layered_analysis/modulus_points.h"
#include "layered_analysis/nonlinear_modulus.h"

namespace pave::layered {
namespace {

constexpr float kRadius = 6, kPressure = 80, kNu = 0.35f;

// Two identical layers (a homogeneous half-space), one load group, modulus points at the given depths.
std::unique_ptr<ProblemState> HalfSpace(std::initializer_list<float> depths) {
  auto s = std::make_unique<ProblemState>();
  s->NL = 2;
  s->TH(1) = 10;
  s->PR(1) = s->PR(2) = kNu;
  s->E(1) = s->E(2) = 30000;
  s->NBOND = 1;
  s->DEL = 0.0001f;
  s->ICL = 80;
  s->NDAMA = 0;
  s->LG = 1;
  s->CR(1) = kRadius;
  s->CP(1) = kPressure;
  int i = 0;
  for (float z : depths) s->ZCNOL(++i) = z;
  s->NOLAY = static_cast<i16>(i);
  return s;
}

// Boussinesq-type closed forms on the axis of a uniformly loaded circle.
double AxisVertical(double z) {
  const double a = kRadius;
  return kPressure * (1 - std::pow(z, 3) / std::pow(a * a + z * z, 1.5));
}
double AxisRadial(double z) {
  const double a = kRadius, nu = kNu, R = std::sqrt(a * a + z * z);
  return kPressure / 2 * (1 + 2 * nu - 2 * (1 + nu) * z / R + std::pow(z / R, 3));
}

TEST(ModulusPoints, AxisOfASingleWheelMatchesTheHalfSpace) {
  auto s = HalfSpace({3, 9, 15});
  for (int i = 1; i <= 3; ++i) s->RNOL(1, i, 1) = 0;
  NONLAY(*s, 1, nullptr);
  for (int i = 1; i <= 3; ++i) {
    const double z = s->ZCNOL(i);
    EXPECT_NEAR(s->RESP(1, i, 1), AxisVertical(z), 0.003 * AxisVertical(z)) << z;
    EXPECT_NEAR(s->RESP(1, i, 2), AxisRadial(z), 0.003 * std::fabs(AxisRadial(z)) + 0.01) << z;
    EXPECT_FLOAT_EQ(s->RESP(1, i, 2), s->RESP(1, i, 3)) << z;  // radial equals tangential on the axis
  }
}

TEST(ModulusPoints, DualWheelsMidwayAndUnderTheSecondWheel) {
  auto s = HalfSpace({9, 9});
  const float yw = 13.5f;
  s->YW(1) = yw;
  s->LOAD(1) = 1;
  // Point 1 midway between the wheels, point 2 under the second wheel.
  s->RNOL(1, 1, 1) = s->RNOL(2, 1, 1) = yw / 2;
  s->DCNOL(1, 1, 1, 1) = 0, s->DCNOL(1, 2, 1, 1) = 1;
  s->DCNOL(2, 1, 1, 1) = 0, s->DCNOL(2, 2, 1, 1) = -1;
  s->RNOL(1, 2, 1) = yw;
  s->DCNOL(1, 1, 2, 1) = 0, s->DCNOL(1, 2, 2, 1) = 1;
  s->RNOL(2, 2, 1) = 0;
  NONLAY(*s, 2, nullptr);
  const float sz1 = s->RESP(1, 1, 1), sr1 = s->RESP(1, 1, 2), st1 = s->RESP(1, 1, 3);
  EXPECT_FLOAT_EQ(sz1, s->RESP(2, 1, 1));
  const float axis = s->RESP(2, 2, 1), far_z = s->RESP(1, 2, 1), far_r = s->RESP(1, 2, 2), far_t = s->RESP(1, 2, 3);
  const float axis_r = s->RESP(2, 2, 2);
  SUPERP(*s);
  // Midway: twice one wheel; the radial direction of each wheel is y.
  EXPECT_FLOAT_EQ(s->RESP(1, 1, 1), 2 * sz1);
  EXPECT_NEAR(s->RESP(1, 1, 2), 2 * st1, 1e-4);
  EXPECT_NEAR(s->RESP(1, 1, 3), 2 * sr1, 1e-4);
  // Under the second wheel: its own stresses unrotated, the first wheel's rotated onto y.
  EXPECT_FLOAT_EQ(s->RESP(1, 2, 1), axis + far_z);
  EXPECT_NEAR(s->RESP(1, 2, 2), axis_r + far_t, 1e-4);
  EXPECT_NEAR(s->RESP(1, 2, 3), s->RESP(2, 2, 3) + far_r, 1e-4);
}

TEST(ModulusUpdateStep, ReachingItenolEndsTheIterationWithTheStressTables) {
  auto s = HalfSpace({9});
  s->NOLAY = 1;
  s->LAYNO(1) = 2;
  s->NCLAY(1) = 0;
  s->K1(1, 1) = 10000;
  s->K2(1) = 0.5f;
  s->K0(1) = 0.6f;
  s->PHI(1, 1) = 0;
  const MohrCoulomb mc = MohrCoulombCoefficients(0);
  s->KA(1, 1) = mc.ka;
  s->KP(1, 1) = mc.kp;
  s->RELAX(1) = 0.5f;
  s->DELNOL = 0.01f;
  s->IP = 1;
  s->GEOS(1) = 1;
  s->E(2) = 5000;
  s->RESP(1, 1, 1) = 20;
  s->RESP(1, 1, 2) = -3;
  s->RESP(1, 1, 3) = -3;
  std::ostringstream out;
  LineWriter rep(out);
  RecordingHost host;
  ProgressLog log(host, 28);

  s->ITENOL = 10;
  s->IT = 2;
  ENOLIN(*s, rep, log);
  EXPECT_EQ(s->NOCONV, 1);  // a large change asks for another iteration
  // theta = 21 (the horizontal stresses become 0), E = 5000 + .5 (10000 sqrt(21) - 5000)
  EXPECT_NEAR(s->E(2), 5000 + 0.5 * (10000 * std::sqrt(21.0) - 5000), 1);
  EXPECT_EQ(out.str().find("THREE NORMAL STRESSES"), std::string::npos);

  s->ITENOL = 3;
  s->IT = 3;
  s->RESP(1, 1, 1) = 20;
  s->RESP(1, 1, 2) = -3;
  s->RESP(1, 1, 3) = -3;
  ENOLIN(*s, rep, log);
  EXPECT_EQ(s->NOCONV, 0);  // IT = ITENOL: no further iteration, whatever the change
  const std::string text = out.str();
  EXPECT_NE(text.find("AT ITERATION 3 LAYER NO. AND MODULUS ARE :      2"), std::string::npos);
  EXPECT_NE(text.find("    2     21.000     -2.400     -2.400"), std::string::npos);
  EXPECT_NE(text.find("    2     21.000      0.000      0.000"), std::string::npos);
  EXPECT_FLOAT_EQ(s->RESP(1, 1, 2), 0.0f);
}

}  // namespace
}  // namespace pave::layered
