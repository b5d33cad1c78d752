#include "layered_analysis/nonlinear_modulus.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace pave::layered {
namespace {

TEST(MohrCoulomb, CoefficientsLimitTheHorizontalStress) {
  const MohrCoulomb mc30 = MohrCoulombCoefficients(30);
  EXPECT_NEAR(AdjustHorizontal(10, 1, mc30.ka, mc30.kp), 3.33329, 1e-5);   // raised to KA * sz
  EXPECT_NEAR(AdjustHorizontal(10, 40, mc30.ka, mc30.kp), 29.9992, 1e-4);  // lowered to KP * sz
  EXPECT_FLOAT_EQ(AdjustHorizontal(10, 5, mc30.ka, mc30.kp), 5);           // inside the limits
  EXPECT_FLOAT_EQ(AdjustHorizontal(10, 20, mc30.ka, mc30.kp), 20);

  const MohrCoulomb mc40 = MohrCoulombCoefficients(40);
  EXPECT_NEAR(mc40.ka, 0.21744, 1e-5);
  EXPECT_NEAR(mc40.kp, 4.59877, 1e-5);

  // PHI 0 stands for 90: no tension, practically no upper limit.
  const MohrCoulomb mc0 = MohrCoulombCoefficients(0);
  const MohrCoulomb mc90 = MohrCoulombCoefficients(90);
  EXPECT_EQ(mc0.ka, mc90.ka);
  EXPECT_EQ(mc0.kp, mc90.kp);
  EXPECT_LT(mc0.ka, 1e-10);
  EXPECT_NEAR(mc0.kp / 1.44e10, 1.0, 0.01);
  EXPECT_NEAR(AdjustHorizontal(10, -3, mc0.ka, mc0.kp), 0.0, 1e-9);
}

TEST(Geostatic, UnitWeightsAndOverburden) {
  EXPECT_NEAR(UnitWeightPerDepth(20, 1), 0.2, 1e-7);
  EXPECT_NEAR(UnitWeightPerDepth(120, 0), 0.069444, 1e-6);

  const std::vector<float> th = {6, 8};
  const std::vector<float> gam = {0.1f, 0.08f, 0.07f};
  EXPECT_FLOAT_EQ(GeostaticStress(th, gam, 1, 0), 0);
  EXPECT_FLOAT_EQ(GeostaticStress(th, gam, 2, 10), 0.6f + 4 * 0.08f);
  EXPECT_FLOAT_EQ(GeostaticStress(th, gam, 3, 15), 0.6f + 0.64f + 0.07f);
  // A depth above its layer is extended with that layer's unit weight.
  EXPECT_FLOAT_EQ(GeostaticStress(th, gam, 3, 13), 0.6f + 0.64f - 0.07f);
}

NonlinearLaw Granular(float k1, float k2, float phi, float k0 = 0.6f) {
  NonlinearLaw law;
  law.k1 = k1;
  law.k2 = k2;
  law.phi = phi;
  law.k0 = k0;
  law.mc = MohrCoulombCoefficients(phi);
  return law;
}

NonlinearLaw Clay(float k1, float k2, float k3, float k4, float emin, float emax) {
  NonlinearLaw law;
  law.clay = true;
  law.k1 = k1;
  law.k2 = k2;
  law.k3 = k3;
  law.k4 = k4;
  law.k0 = 0.8f;
  law.emin = emin;
  law.emax = emax;
  return law;
}

TEST(ModulusUpdate, GranularPowerLawWithNoTension) {
  // sz = 10, horizontal stresses tensile: raised to 0 (PHI 0), theta = 10.
  const ModulusUpdate u = UpdateModulus(Granular(10000, 0.5f, 0), 0, 10, -2, -2, 5000, 1.0f);
  EXPECT_EQ(u.fault, ModulusFault::None);
  EXPECT_NEAR(u.sxa, 0, 1e-6);
  EXPECT_FLOAT_EQ(u.sx, -2);
  EXPECT_NEAR(u.e, 10000 * std::sqrt(10.0), 0.05);
  // Relaxation 0.5 goes half way from the old modulus.
  const ModulusUpdate h = UpdateModulus(Granular(10000, 0.5f, 0), 0, 10, -2, -2, 5000, 0.5f);
  EXPECT_NEAR(h.e, 5000 + 0.5 * (10000 * std::sqrt(10.0) - 5000), 0.05);
  // Geostatic stresses are added: sz = geos + load, sx = geos * K0 + load.
  const ModulusUpdate g = UpdateModulus(Granular(10000, 0.5f, 0), 2, 10, 1, 1, 5000, 1.0f);
  EXPECT_FLOAT_EQ(g.sz, 12);
  EXPECT_FLOAT_EQ(g.sx, 2.2f);
  EXPECT_NEAR(g.e, 10000 * std::sqrt(12 + 4.4), 0.05);
}

TEST(ModulusUpdate, GranularK2ZeroIsLinearWhateverTheStress) {
  for (float sz : {-50.0f, 0.0f, 3.0f, 400.0f}) {
    const ModulusUpdate u = UpdateModulus(Granular(25000, 0, 0), 0, sz, -7, 2, 9000, 1.0f);
    EXPECT_EQ(u.fault, ModulusFault::None) << sz;
    EXPECT_FLOAT_EQ(u.e, 25000) << sz;
  }
}

TEST(ModulusUpdate, MinimumModulusAbove90) {
  // PHI 5000 is a minimum modulus: no adjustment, E not below it.
  const ModulusUpdate low = UpdateModulus(Granular(3000, 0, 5000), 0, 1, 0, 0, 4000, 1.0f);
  EXPECT_FLOAT_EQ(low.e, 5000);
  const ModulusUpdate neg = UpdateModulus(Granular(3000, 0.5f, 5000), 0, 1, -5, -5, 8000, 0.5f);
  EXPECT_EQ(neg.fault, ModulusFault::None);
  EXPECT_FLOAT_EQ(neg.e, 5000);  // negative bulk stress: the minimum, unrelaxed
  EXPECT_FLOAT_EQ(neg.sxa, -5);  // not adjusted
}

TEST(ModulusUpdate, ClayBilinearLaw) {
  const NonlinearLaw soft = Clay(3020, 6.2f, 1110, 178, 1827, 7682);
  // sd = K2 exactly: modulus K1 (first branch).
  const ModulusUpdate at = UpdateModulus(soft, 0, 6.2f, 0, 0, 1000, 1.0f);
  EXPECT_FLOAT_EQ(at.e, 3020);
  // Below the break point: K1 + (K2 - sd) K3, capped by EMAX.
  const ModulusUpdate below = UpdateModulus(soft, 0, 4.2f, 0, 0, 1000, 1.0f);
  EXPECT_NEAR(below.e, 3020 + 2 * 1110, 0.5);
  const ModulusUpdate capped = UpdateModulus(soft, 0, 0.2f, 0, 0, 1000, 1.0f);
  EXPECT_FLOAT_EQ(capped.e, 7682);
  // Above: K1 - (sd - K2) K4, not below EMIN.
  const ModulusUpdate above = UpdateModulus(soft, 0, 11.2f, 0, 0, 1000, 1.0f);
  EXPECT_NEAR(above.e, 3020 - 5 * 178, 0.5);
  const ModulusUpdate floor = UpdateModulus(soft, 0, 40, 0, 0, 1000, 1.0f);
  EXPECT_FLOAT_EQ(floor.e, 1827);
  // sz = sx > sy: the deviator is sz - (sy + sx) / 2; no adjustment of the horizontals.
  const ModulusUpdate eq = UpdateModulus(soft, 0, 10, 10, 2, 1000, 1.0f);
  EXPECT_NEAR(eq.e, 3020 + (6.2 - 4) * 1110, 0.5);
  EXPECT_FLOAT_EQ(eq.sya, 2);
  // sx largest.
  const ModulusUpdate sx = UpdateModulus(soft, 0, 2, 12, 4, 1000, 1.0f);
  EXPECT_NEAR(sx.e, 3020 - (12 - 3 - 6.2) * 178, 0.5);
}

TEST(ModulusUpdate, FaultsInsteadOfRunTimeErrors) {
  // Negative bulk stress with a fractional exponent.
  const ModulusUpdate neg = UpdateModulus(Granular(10000, 0.5f, 40), 0, -10, -1, -1, 5000, 0.5f);
  EXPECT_EQ(neg.fault, ModulusFault::NegativeBulkStress);
  // A new modulus of 0: clay with K1 0 at its break point, relaxation 1.
  const ModulusUpdate zero = UpdateModulus(Clay(0, 6.2f, 1110, 178, 0, 7682), 0, 6.2f, 0, 0, 1000, 1.0f);
  EXPECT_EQ(zero.fault, ModulusFault::NonPositiveModulus);
  // A negative one (no EMIN floor).
  const ModulusUpdate negative = UpdateModulus(Clay(3020, 6.2f, 1110, 178, 0, 7682), 0, 60, 0, 0, 1000, 1.0f);
  EXPECT_EQ(negative.fault, ModulusFault::NonPositiveModulus);
}

TEST(ModulusUpdate, RelativeChange) {
  EXPECT_FLOAT_EQ(RelativeChange(200, 100), 0.5f);
  EXPECT_FLOAT_EQ(RelativeChange(100, 101), 0.01f);
}

}  // namespace
}  // namespace pave::layered
