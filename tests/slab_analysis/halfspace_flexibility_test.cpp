#include <cmath>
#include <stdexcept>

#include <gtest/gtest.h>

#include "slab_analysis/foundation_gauss.h"
#include "slab_analysis/halfspace_flexibility.h"

namespace pave {
namespace {

const float* CEE = kFoundationGaussAbscissa;
const float* WGT = kFoundationGaussWeight;

// The element term by its definition, in double precision: the Gauss value of the integral of
// (1 - nu^2)/(pi E r) over the 2A x 2B element from its corner, divided by 8AB.
double ReferenceElementTerm(double A, double B, double E, double nu) {
  const double x[5] = {-0.90618, -0.53847, 0, 0.53847, 0.90618};
  const double w[5] = {0.23693, 0.47863, 0.56889, 0.47863, 0.23693};
  double s = 0;
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 5; ++j) {
      double px = (1 + x[i]) * A, py = (1 + x[j]) * B;
      s += w[i] * w[j] * (A * B) / (M_PI * std::hypot(px, py));  // Jacobian AB
    }
  return s * (1 - nu * nu) / E / (8 * A * B);
}

TEST(HalfSpaceFlexibility, ElementTermMatchesDoublePrecisionReference) {
  EXPECT_NEAR(BouDia(1, 1, CEE, WGT, 2, 0.5f), ReferenceElementTerm(1, 1, 2, 0.5), 2e-7);
  EXPECT_NEAR(BouDia(12, 30, CEE, WGT, 15000, 0.4f) / ReferenceElementTerm(12, 30, 15000, 0.4), 1.0, 2e-6);
}

TEST(HalfSpaceFlexibility, ElementTermAgainstExactIntegral) {
  // Exact: integral of 1/r over an a x b rectangle from its corner = a asinh(b/a) + b asinh(a/b).
  // The 5 x 5 rule on the corner singularity stays within 2 % of it.
  for (double ab : {1.0, 2.0, 0.5}) {
    double a = 2, b = 2 * ab;  // whole element 2A x 2B with A = 1
    double exact = (a * std::asinh(b / a) + b * std::asinh(a / b)) / M_PI / (8 * 1 * ab);
    EXPECT_NEAR(BouDia(1, static_cast<float>(ab), CEE, WGT, 1, 0) / exact, 1.0, 0.02) << ab;
  }
}

TEST(HalfSpaceFlexibility, Scaling) {
  float d = BouDia(5, 7, CEE, WGT, 3000, 0.3f);
  EXPECT_NEAR(BouDia(10, 14, CEE, WGT, 3000, 0.3f), d / 2, d * 1e-6);
  EXPECT_NEAR(BouDia(5, 7, CEE, WGT, 6000, 0.3f), d / 2, d * 1e-6);
}

TEST(HalfSpaceFlexibility, PointTerm) {
  EXPECT_FLOAT_EQ(HalfSpacePointTerm(10, 10000, 0.45f), static_cast<float>((1 - 0.2025) / (10 * 3.141593 * 10000)));
  EXPECT_THROW(HalfSpacePointTerm(0, 10000, 0.45f), std::domain_error);
  EXPECT_THROW(BouDia(0, 0, CEE, WGT, 1, 0.3f), std::domain_error);
  EXPECT_THROW(BouDia(1, 1, CEE, WGT, 0, 0.3f), std::domain_error);
}

}  // namespace
}  // namespace pave
