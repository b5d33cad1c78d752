// A homogeneous half-space under a uniform circular load against the closed forms: on the axis the
// vertical displacement and the vertical and radial stresses at depth, at the surface the deflection
// (the Hankel integral, in closed form by complete elliptic integrals). Two identical layers and a
// single layer must both be the half-space.
#include <gtest/gtest.h>

#include <ostream>

#include <cmath>

#include "layered_analysis/layered_responses.h"
#include "support/layered_system.h"

namespace pave::layered {
namespace {

using testing::Layer;
using testing::SingleWheel;

constexpr double a = 6, p = 100, E = 10000, nu = 0.35;

double AxisDisplacement(double z) {
  const double s = std::sqrt(a * a + z * z);
  return p * a * (1 + nu) / E * (a / s + (1 - 2 * nu) * (s - z) / a);
}
double AxisVerticalStress(double z) { return p * (1 - std::pow(z / std::sqrt(a * a + z * z), 3)); }
double AxisRadialStress(double z) {
  const double s = std::sqrt(a * a + z * z);
  return p / 2 * ((1 + 2 * nu) - 2 * (1 + nu) * z / s + std::pow(z / s, 3));
}
double SurfaceDeflection(double r) {
  const double c = 4 * (1 - nu * nu) * p / (M_PI * E);
  if (r <= a) return c * a * std::comp_ellint_2(r / a);
  const double k = a / r;
  return c * r * (std::comp_ellint_2(k) - (1 - k * k) * std::comp_ellint_1(k));
}

struct HalfSpaceCase {
  const char* name;
  std::vector<Layer> layers;
};
void PrintTo(const HalfSpaceCase& c, std::ostream* os) { *os << c.name; }


class HalfSpaceTest : public ::testing::TestWithParam<HalfSpaceCase> {};

TEST_P(HalfSpaceTest, AxisResponsesBelowTheSurfaceWithinAThirdOfAPercent) {
  const std::vector<float> depths = {2, 5, 10, 20, 40};
  auto s = SingleWheel(GetParam().layers, a, p, depths, {0});
  ResponseIntegrator integrator;
  integrator.LAYERS(*s, 1, 9);
  for (int i = 1; i <= static_cast<int>(depths.size()); ++i) {
    const double z = depths[i - 1];
    EXPECT_NEAR(s->RESP(1, i, 1), AxisDisplacement(z), 0.003 * AxisDisplacement(z)) << "z " << z;
    EXPECT_NEAR(s->RESP(1, i, 2), AxisVerticalStress(z), 0.003 * AxisVerticalStress(z)) << "z " << z;
    // The radial stress passes through zero with depth: measured against the pressure.
    EXPECT_NEAR(s->RESP(1, i, 3), AxisRadialStress(z), 0.003 * std::max(std::fabs(AxisRadialStress(z)), 0.1 * p))
        << "z " << z;
    EXPECT_FLOAT_EQ(s->RESP(1, i, 3), s->RESP(1, i, 4)) << "radial and tangential stress equal on the axis";
  }
}

TEST_P(HalfSpaceTest, SurfaceDeflectionWithinOnePercent) {
  const std::vector<float> radii = {0, 3, 6, 9, 12, 24};
  auto s = SingleWheel(GetParam().layers, a, p, {0}, radii);
  ResponseIntegrator integrator;
  integrator.LAYERS(*s, 1, 9);
  for (int j = 1; j <= static_cast<int>(radii.size()); ++j) {
    const double r = radii[j - 1];
    EXPECT_NEAR(s->RESP(j, 1, 1), SurfaceDeflection(r), 0.01 * SurfaceDeflection(r)) << "r " << r;
  }
  EXPECT_NEAR(s->RESP(1, 1, 1), 2 * (1 - nu * nu) * p * a / E, 0.0005);
}

INSTANTIATE_TEST_SUITE_P(
    TwoIdenticalLayersAndOne, HalfSpaceTest,
    ::testing::Values(HalfSpaceCase{"TwoIdenticalLayers", {{10, 10000, 0.35f}, {0, 10000, 0.35f}}},
                      HalfSpaceCase{"OneLayer", {{0, 10000, 0.35f}}}),
    [](const auto& info) { return std::string(info.param.name); });

// The homogeneous system of two identical layers with DEL = 0.001 against the closed forms on the
// axis, at the surface and at depths 5 and 20. The integration stops when a cycle adds at most DEL
// of what it has summed; the cycles' terms alternate in sign and shrink, so what is left out is no
// more than the last one: each response lies within DEL of its own size (of the pressure for the
// surface stresses, whose convergence is not tested).
TEST(HalfSpaceTest, HomogeneousSystemWithinTheIntegrationTolerance) {
  constexpr double del = 0.001;
  auto s = SingleWheel({{10, 10000, 0.35f}, {0, 10000, 0.35f}}, a, p, {0, 5, 20}, {0});
  ASSERT_FLOAT_EQ(s->DEL, del);
  ResponseIntegrator integrator;
  integrator.LAYERS(*s, 1, 9);
  EXPECT_NEAR(s->RESP(1, 1, 1), AxisDisplacement(0), del * AxisDisplacement(0));
  EXPECT_NEAR(s->RESP(1, 1, 2), p, del * p);
  EXPECT_NEAR(s->RESP(1, 1, 3), (1 + 2 * nu) / 2 * p, del * p);
  EXPECT_NEAR(s->RESP(1, 2, 2), AxisVerticalStress(5), del * AxisVerticalStress(5));
  EXPECT_NEAR(s->RESP(1, 2, 3), AxisRadialStress(5), del * AxisRadialStress(5));
  EXPECT_NEAR(s->RESP(1, 3, 2), AxisVerticalStress(20), del * AxisVerticalStress(20));
}

}  // namespace
}  // namespace pave::layered
