#include "layered_analysis/damage_arithmetic.h"

#include <vector>

#include <gtest/gtest.h>

namespace pave::layered {
namespace {

TEST(DamageArithmetic, AllowableRepetitionsByThePowerLaws) {
  // Fatigue: .0796 * (1E-4)^-3.291 * 500000^-.854, worked out by hand: 1.57758E+07.
  EXPECT_NEAR(AllowableTension(0.0796f, 3.291f, 0.854f, -1e-4f, 500000) / 1.57758e7, 1.0, 1e-5);
  // Permanent deformation: 1.365E-09 * (2E-4)^-4.477 = 4.95931E+07.
  EXPECT_NEAR(AllowableCompression(1.365e-9f, 4.477f, 2e-4f) / 4.95931e7, 1.0, 1e-5);
  // A strain of 0 gives 1E30 allowable repetitions and no damage.
  EXPECT_FLOAT_EQ(AllowableTension(0.0796f, 3.291f, 0.854f, 0, 500000), 1e30f);
  EXPECT_FLOAT_EQ(AllowableCompression(1.365e-9f, 4.477f, 0), 1e30f);
  EXPECT_FLOAT_EQ(DamageRatio(45630, 1e30f, 0), 0);
  EXPECT_FLOAT_EQ(DamageRatio(45630, 4.563e6f, -1e-4f), 0.01f);
}

TEST(DamageArithmetic, DesignLifeIsTheReciprocalOfTheLargestSum) {
  const std::vector<float> sums = {0.05f, 0.08f, 0.02f};
  const DesignLife d = DesignLifeOf(sums);
  EXPECT_FLOAT_EQ(d.largest, 0.08f);
  EXPECT_FLOAT_EQ(d.years, 12.5f);
  EXPECT_FALSE(d.unlimited);

  const std::vector<float> none = {0, 0};
  const DesignLife z = DesignLifeOf(none);
  EXPECT_TRUE(z.unlimited);
  EXPECT_EQ(z.largest, 0);
}

}  // namespace
}  // namespace pave::layered
