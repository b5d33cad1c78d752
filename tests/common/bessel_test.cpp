#include <gtest/gtest.h>

#include <cmath>

#include "common/bessel.h"

namespace pave {
namespace {

double At(int order, double x) {
  double y = -99;
  BESSEL(order, x, y);
  return y;
}

// Bessel's integral J_n(x) = (1/pi) * integral over 0..pi of cos(n t - x sin t) dt. Its integrand
// is smooth and periodic, so the trapezoidal rule converges geometrically: with 400 panels it is
// exact to rounding for the arguments used here (x up to 50).
double ReferenceJ(int n, double x) {
  constexpr int kPanels = 400;
  const double pi = std::acos(-1.0);
  const double h = pi / kPanels;
  double sum = 0.5 * (std::cos(0.0) + std::cos(n * pi));
  for (int k = 1; k < kPanels; ++k) {
    const double t = k * h;
    sum += std::cos(n * t - x * std::sin(t));
  }
  return sum * h / pi;
}

TEST(Bessel, TheReferenceIntegralGivesTabulatedValues) {
  EXPECT_NEAR(ReferenceJ(0, 1.0), 0.7651976865579666, 1e-14);
  EXPECT_NEAR(ReferenceJ(1, 10.0), 0.0434727461688614, 1e-14);
  EXPECT_NEAR(ReferenceJ(0, 0.0), 1.0, 1e-15);
}

TEST(Bessel, AgreesWithTheBesselFunctions) {
  // The polynomial error is below 5e-8; the single-precision phase adds up to about 6e-8 sqrt(x).
  for (int i = 0; i <= 500; ++i) {
    const double x = static_cast<float>(i * 0.1);
    const double tol = 1e-7 + 6e-8 * std::sqrt(x);
    EXPECT_NEAR(At(0, x), ReferenceJ(0, x), tol) << x;
    EXPECT_NEAR(At(1, x), ReferenceJ(1, x), tol) << x;
  }
}

TEST(Bessel, TabulatedValues) {
  EXPECT_NEAR(At(0, 1.0), 0.7651976866, 1e-7);
  EXPECT_NEAR(At(1, 1.0), 0.4400505857, 1e-7);
  EXPECT_NEAR(At(0, 5.0), -0.1775967713, 1e-7);
  EXPECT_NEAR(At(1, 5.0), -0.3275791376, 1e-7);
  EXPECT_NEAR(At(0, 2.404825557695773), 0.0, 1e-7);  // first zero of J0
}

TEST(Bessel, ZeroArgumentIsExact) {
  EXPECT_EQ(At(0, 0.0), 1.0);
  EXPECT_EQ(At(1, 0.0), 0.0);
}

TEST(Bessel, OrderChoice) {
  EXPECT_EQ(At(2, 1.5), At(1, 1.5));
  EXPECT_EQ(At(7, 4.5), At(1, 4.5));
  EXPECT_EQ(At(-1, 1.5), At(0, 1.5));
  EXPECT_EQ(BesselJ(1, 4.5), At(1, 4.5));
}

TEST(Bessel, RangesMeetAtThree) {
  const double below = std::nextafter(3.0f, 0.0f);
  for (int order : {0, 1}) {
    EXPECT_NEAR(At(order, 3.0), At(order, below), 1e-7);
    EXPECT_NEAR(At(order, 3.0), ReferenceJ(order, 3.0), 1e-7);
    // 2.9999999 is 3 in single precision and so takes the asymptotic form.
    EXPECT_EQ(At(order, 2.9999999), At(order, 3.0));
    EXPECT_NE(At(order, below), At(order, 3.0));
  }
}

TEST(Bessel, ArgumentIsRoundedToSinglePrecisionFirst) {
  for (double x : {0.1, 1.2345678912, 2.7182818284, 3.3, 17.123456789}) {
    EXPECT_EQ(At(0, x), At(0, static_cast<float>(x))) << x;
    EXPECT_EQ(At(1, x), At(1, static_cast<float>(x))) << x;
  }
}

}  // namespace
}  // namespace pave
