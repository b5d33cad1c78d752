#include <cmath>
#include <stdexcept>

#include <gtest/gtest.h>

#include "slab_analysis/foundation_gauss.h"
#include "slab_analysis/halfspace_flexibility.h"
#include "slab_analysis/layered_foundation.h"

namespace pave {
namespace {

LayeredTable TableAt(std::initializer_list<float> distances) {
  LayeredTable t;
  int k = 1;
  for (float r : distances) t.RD[k++] = r;
  for (; k <= 21; ++k) t.RD[k] = t.RD[k - 1] + 1;
  return t;
}

LayeredTable SlabTable() { return LayeredTable{LayeredDistances(7.0711f, 7.0711f, 56.5685f), {}}; }

LayeredLayers Uniform(int NL, float E, float nu, int maxic) {
  LayeredLayers l;
  l.NL = NL;
  l.MAXIC = maxic;
  for (int i = 1; i <= NL; ++i) {
    l.E[i] = E;
    l.PRBF[i] = nu;
    if (i < NL) l.TH[i] = 6;
  }
  return l;
}

TEST(LayeredDistances, FourByFourSlabOfTenByTenElements) {
  const float expected[22] = {0,       0.6364f,  0.9581f,  1.2799f,  1.6016f,  1.9233f,  2.5668f, 3.2103f,
                              3.8537f, 4.4972f,  5.7841f,  7.0711f,  9.5459f,  12.0208f, 14.4957f, 16.9706f,
                              21.9203f, 26.8701f, 31.8198f, 36.7696f, 46.6690f, 56.5685f};
  auto RD = LayeredDistances(7.0711f, 7.0711f, 56.5685f);
  for (int k = 1; k <= 21; ++k) EXPECT_NEAR(RD[k], expected[k], 1e-4) << k;
  EXPECT_THROW(LayeredDistances(5, 5, 5), std::domain_error);  // no spread for the node terms
}

// Identical layers are a half-space: DEF(K) RD(K) is (1 - nu^2)/pi times the truncated integral of
// J0, about 0.9175 for 30 intervals, 1.4703 for one and 0.6688 for two.
TEST(LaySla, IdenticalLayersGiveTheHalfSpaceTimesTheTruncatedIntegral) {
  struct Case {
    int NL, maxic;
    double integral;
  };
  for (Case c : {Case{3, 30, 0.9175}, Case{2, 1, 1.4703}, Case{2, 2, 0.6688}, Case{2, 0, 1.4703}, Case{1, 30, 0.9175}}) {
    const float nu = 0.35f;
    LayeredTable t = SlabTable();
    LaySla(Uniform(c.NL, 5000, nu, c.maxic), t);
    for (int k = 1; k <= 21; ++k)
      EXPECT_NEAR(t.DEF[k] * t.RD[k] * M_PI / (1 - nu * nu), c.integral, 2e-3) << c.NL << " " << c.maxic << " " << k;
  }
}

TEST(LaySla, StiffTopLayerOnSoftBase) {
  LayeredLayers l;
  l.NL = 2;
  l.MAXIC = 30;
  l.TH[1] = 10;
  l.E[1] = 1000;
  l.E[2] = 100;
  l.PRBF[1] = l.PRBF[2] = 0.35f;
  LayeredTable t = TableAt({1, 5, 20});
  LaySla(l, t);
  EXPECT_NEAR(t.DEF[1], 0.469, 0.003);
  EXPECT_NEAR(t.DEF[2], 0.2545, 0.0015);
  EXPECT_NEAR(t.DEF[3], 0.140, 0.001);
}

TEST(LaySla, SplittingALayerChangesNothing) {
  LayeredLayers two;
  two.NL = 2;
  two.TH[1] = 12;
  two.E[1] = 20000;
  two.E[2] = 5000;
  two.PRBF[1] = 0.3f;
  two.PRBF[2] = 0.4f;
  LayeredLayers three = two;
  three.NL = 3;
  three.TH[1] = 5;
  three.TH[2] = 7;
  three.E[2] = 20000;
  three.E[3] = 5000;
  three.PRBF[2] = 0.3f;
  three.PRBF[3] = 0.4f;
  LayeredTable a = SlabTable(), b = SlabTable();
  LaySla(two, a);
  LaySla(three, b);
  for (int k = 1; k <= 21; ++k) EXPECT_NEAR(b.DEF[k] / a.DEF[k], 1.0, 1e-4) << k;
}

TEST(LayeredTableValue, InterpolatesThroughThreePoints) {
  LayeredTable t = SlabTable();
  for (int k = 1; k <= 21; ++k) t.DEF[k] = 3 + 2 * t.RD[k] - 0.01f * t.RD[k] * t.RD[k];  // a quadratic
  for (int k = 2; k <= 20; ++k) EXPECT_EQ(LayeredTableValue(t, t.RD[k]), t.DEF[k]);
  for (float q : {0.3f, 50.0f, 70.0f, 8.0f})
    EXPECT_NEAR(LayeredTableValue(t, q), 3 + 2 * q - 0.01f * q * q, 1e-3) << q;
}

TEST(BurDia, EqualsTheHalfSpaceTermForAOneOverRTable) {
  LayeredTable t = SlabTable();
  const float nu = 0.4f, E = 7000;
  // A table of exactly (1 - nu^2)/(pi r) times E: the half-space.
  for (int k = 1; k <= 21; ++k) t.DEF[k] = static_cast<float>((1 - nu * nu) / (M_PI * t.RD[k]));
  float layered = BurDia(t, E, 5, 5, kFoundationGaussAbscissa, kFoundationGaussWeight);
  float half = BouDia(5, 5, kFoundationGaussAbscissa, kFoundationGaussWeight, E, nu);
  EXPECT_NEAR(layered / half, 1.0, 0.03);  // quadratic interpolation of 1/r, extrapolated below RD(1)
  EXPECT_NEAR(BurOff(t, E, 20) / HalfSpacePointTerm(20, E, nu), 1.0, 0.01);
}

}  // namespace
}  // namespace pave
