#include <cmath>
#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

#include "slab_analysis/dowel_springs.h"
#include "slab_analysis/joint_stiffness.h"

namespace pave {
namespace {

TEST(JointTributaryLengths, FirstNodeTakesHalfTheSecondCoordinate) {
  const float y[] = {0, 0, 10, 30, 60};
  EXPECT_EQ(JointTributaryLengths(y, 4), (std::vector<float>{0, 5, 15, 25, 15}));
  const float shifted[] = {0, 4, 10, 30};  // first coordinate not 0
  EXPECT_EQ(JointTributaryLengths(shifted, 3), (std::vector<float>{0, 5, 13, 10}));
}

// Hand calculation of a doweled joint: each bar a beam on an elastic support on both sides of the
// joint, EI = E pi d^4 / 64, beta = (K d / 4EI)^(1/4), deflection at the joint face per unit load
// (2 + beta z) / (4 beta^3 EI); the bar's shear deflection across the joint 2(1+nu) z / (E pi d^2/4);
// the joint's compliance per bar is twice the face deflection plus the shear deflection, and the
// spring per unit length of joint is one bar's spring over the bar spacing.
TEST(DowelShearSpring, AgainstHandCalculation) {
  const double d = 1.25, E = 29e6, nu = 0.3, K = 1.5e6, z = 0.25, s = 12;
  double EI = E * M_PI * std::pow(d, 4) / 64;
  double beta = std::pow(K * d / (4 * EI), 0.25);
  double cdow = (2 + beta * z) / (4 * std::pow(beta, 3) * EI);
  double shear = 2 * (1 + nu) * z / (E * M_PI * d * d / 4);
  double spring = 1 / ((2 * cdow + shear) * s);

  DowelSpring r = DowelShearSpring(1.25f, 1.5e6f, 0.25f, 12, 29e6f, 0.3f, false);
  EXPECT_NEAR(r.CDOW / cdow, 1.0, 1e-3);  // pi/64 is taken as 0.049 for the bar's inertia
  EXPECT_NEAR(r.SPCON1 / spring, 1.0, 1e-3);
  EXPECT_EQ(r.BS, 12);

  DowelSpring bar = DowelShearSpring(1.25f, 1.5e6f, 0.25f, 12, 29e6f, 0.3f, true);
  EXPECT_EQ(bar.BS, 1);
  EXPECT_NEAR(bar.SPCON1 / r.SPCON1, 12.0, 1e-4);
}

TEST(DowelShearSpring, ZeroDataAreRefused) {
  EXPECT_THROW(DowelShearSpring(0, 1.5e6f, 0.25f, 12, 29e6f, 0.3f, false), std::domain_error);
  EXPECT_THROW(DowelShearSpring(1, 0, 0.25f, 12, 29e6f, 0.3f, false), std::domain_error);
  EXPECT_THROW(DowelShearSpring(1, 1.5e6f, 0.25f, 12, 0, 0.3f, false), std::domain_error);
  EXPECT_THROW(DowelShearSpring(1, 1.5e6f, 0.25f, 0, 29e6f, 0.3f, false), std::domain_error);
}

TEST(JointPairSpring, BandHoldsCouplingUpToItsWidth) {
  const long NB = 12;  // four nodes of band
  std::vector<float> sk(3 * 10 * NB + 1);
  auto at = [&](int r, int c) -> float& { return sk[static_cast<std::size_t>((r - 1) * NB + (c - r) + 1)]; };
  EXPECT_TRUE(AddJointPairSpring(sk.data(), NB, 2, 5, 1, 7));  // (5-2+1)*3 = 12 = NB: stored
  EXPECT_EQ(at(4, 4), 7);
  EXPECT_EQ(at(13, 13), 7);
  EXPECT_EQ(at(4, 13), -7);
  EXPECT_FALSE(AddJointPairSpring(sk.data(), NB, 2, 6, 3, 5));  // one node farther: diagonals only
  EXPECT_EQ(at(6, 6), 5);
  EXPECT_EQ(at(18, 18), 5);
  float sum = 0;
  for (float v : sk) sum += v;
  EXPECT_EQ(sum, 7 + 7 - 7 + 5 + 5);
}

}  // namespace
}  // namespace pave
