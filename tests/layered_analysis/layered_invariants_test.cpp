// Invariants of the layered responses: identical sublayers change nothing, bonded interfaces give the
// same result by either route, responses scale with the pressure, a frictionless interface carries
// no shear, and nineteen frictionless layers are analysed.
#include <gtest/gtest.h>

#include <cmath>

#include "layered_analysis/layered_responses.h"
#include "layered_analysis/superposition.h"
#include "support/layered_system.h"

namespace pave::layered {
namespace {

using testing::Layer;
using testing::SingleWheel;

const std::vector<float> kDepths = {0, 3, 5.9f, 6.1f, 12, 25};
const std::vector<float> kRadii = {0, 4, 6, 10, 30};

// Every response of two runs agrees within rel (relative to the largest magnitude of its kind).
void ExpectSameResponses(ProblemState& x, ProblemState& y, double rel) {
  for (int K = 1; K <= 9; ++K) {
    double scale = 0;
    for (int j = 1; j <= x.NR(1); ++j)
      for (int i = 1; i <= x.NZ; ++i) scale = std::max(scale, std::fabs(double(x.RESP(j, i, K))));
    for (int j = 1; j <= x.NR(1); ++j)
      for (int i = 1; i <= x.NZ; ++i)
        EXPECT_NEAR(x.RESP(j, i, K), y.RESP(j, i, K), rel * scale) << "J " << j << " I " << i << " K " << K;
  }
}

TEST(LayeredInvariantsTest, SplittingALayerIntoIdenticalSublayersChangesNothing) {
  auto whole = SingleWheel({{6, 500000, 0.35f}, {10, 30000, 0.4f}, {0, 8000, 0.45f}}, 6, 80, kDepths, kRadii);
  auto split = SingleWheel({{6, 500000, 0.35f}, {4, 30000, 0.4f}, {6, 30000, 0.4f}, {0, 8000, 0.45f}}, 6, 80,
                           kDepths, kRadii);
  ResponseIntegrator integrator;
  integrator.LAYERS(*whole, 1, 9);
  integrator.LAYERS(*split, 1, 9);
  ExpectSameResponses(*whole, *split, 2e-3);
}

TEST(LayeredInvariantsTest, AllInterfacesBondedGivesTheSameByEitherRoute) {
  const std::vector<Layer> layers = {{6, 500000, 0.35f}, {10, 30000, 0.4f}, {0, 8000, 0.45f}};
  auto bonded = SingleWheel(layers, 6, 80, kDepths, kRadii, 1);
  auto table = SingleWheel(layers, 6, 80, kDepths, kRadii, 0);
  ResponseIntegrator integrator;
  integrator.LAYERS(*bonded, 1, 9);
  integrator.LAYERS(*table, 1, 9);
  ExpectSameResponses(*bonded, *table, 1e-4);
}

TEST(LayeredInvariantsTest, ResponsesScaleLinearlyWithThePressure) {
  const std::vector<Layer> layers = {{6, 500000, 0.35f}, {10, 30000, 0.4f, 0}, {0, 8000, 0.45f}};
  auto once = SingleWheel(layers, 6, 80, kDepths, kRadii, 0);
  auto twice = SingleWheel(layers, 6, 160, kDepths, kRadii, 0);
  ResponseIntegrator integrator;
  integrator.LAYERS(*once, 1, 9);
  integrator.LAYERS(*twice, 1, 9);
  for (int j = 1; j <= once->NR(1); ++j)
    for (int i = 1; i <= once->NZ; ++i)
      for (int K = 1; K <= 9; ++K)
        EXPECT_NEAR(twice->RESP(j, i, K), 2 * once->RESP(j, i, K), 1e-5 * std::fabs(twice->RESP(j, i, K)) + 1e-12);
}

TEST(LayeredInvariantsTest, AFrictionlessInterfaceCarriesNoShearAndKeepsNormalStressAndDeflection) {
  // Interface between layers 1 and 2 at depth 6: just above, exactly at (upper layer) and below.
  auto s = SingleWheel({{6, 300000, 0.35f, 0}, {0, 10000, 0.45f}}, 6, 80, {6, 6.0001f}, {0, 3, 9}, 0);
  ResponseIntegrator integrator;
  integrator.LAYERS(*s, 1, 9);
  for (int j = 1; j <= 3; ++j) {
    EXPECT_NEAR(s->RESP(j, 1, 5), 0.0, 0.01) << "shear above, r index " << j;
    EXPECT_NEAR(s->RESP(j, 2, 5), 0.0, 0.01) << "shear below";
    EXPECT_NEAR(s->RESP(j, 1, 2), s->RESP(j, 2, 2), 0.01 * std::fabs(s->RESP(j, 1, 2)) + 0.01);
    EXPECT_NEAR(s->RESP(j, 1, 1), s->RESP(j, 2, 1), 1e-3 * s->RESP(j, 1, 1));
  }
  // A bonded interface transmits shear off the axis.
  auto b = SingleWheel({{6, 300000, 0.35f}, {0, 10000, 0.45f}}, 6, 80, {6}, {9}, 1);
  integrator.LAYERS(*b, 1, 9);
  EXPECT_GT(std::fabs(b->RESP(1, 1, 5)), 1.0);
}

TEST(LayeredInvariantsTest, NineteenLayersWithFrictionlessInterfacesAreAnalysed) {
  // Nineteen sublayers of one material with every interface bonded through the frictionless route:
  // the half-space again.
  std::vector<Layer> layers(19, Layer{1, 10000, 0.35f});
  auto table = SingleWheel(layers, 6, 100, {0, 5, 20}, {0, 12}, 0);
  auto one = SingleWheel({{0, 10000, 0.35f}}, 6, 100, {0, 5, 20}, {0, 12}, 1);
  ResponseIntegrator integrator;
  integrator.LAYERS(*table, 1, 9);
  integrator.LAYERS(*one, 1, 9);
  ExpectSameResponses(*one, *table, 2e-3);
  // And with some interfaces frictionless the run completes with finite responses.
  for (int i = 2; i <= 18; i += 4) table->INT(i) = 0;
  integrator.LAYERS(*table, 1, 9);
  for (int j = 1; j <= 2; ++j)
    for (int i = 1; i <= 3; ++i) EXPECT_TRUE(std::isfinite(table->RESP(j, i, 1)));
}

TEST(LayeredInvariantsTest, DualWheelsFarApartReduceToOne) {
  auto single = SingleWheel({{6, 500000, 0.35f}, {0, 10000, 0.45f}}, 6, 80, {0, 6, 12}, {0, 5});
  ResponseIntegrator integrator;
  integrator.LAYERS(*single, 1, 9);

  auto dual = SingleWheel({{6, 500000, 0.35f}, {0, 10000, 0.45f}}, 6, 80, {0, 6, 12}, {});
  dual->LOAD(1) = 1;
  dual->NR(1) = 2;
  dual->NPT(1) = 2;
  const float far = 20000;
  // Point 1 under wheel 1, point 2 five units from it along x; wheel 2 far away along y.
  const float px[3] = {0, 0, 5};
  for (int ipt = 1; ipt <= 2; ++ipt) {
    dual->RC(1, ipt, 1) = px[ipt];
    dual->DCPT(1, 1, ipt, 1) = 1;
    dual->DCPT(1, 2, ipt, 1) = 0;
    dual->RC(2, ipt, 1) = std::hypot(px[ipt], far);
    dual->DCPT(2, 1, ipt, 1) = px[ipt] / dual->RC(2, ipt, 1);
    dual->DCPT(2, 2, ipt, 1) = -far / dual->RC(2, ipt, 1);
  }
  for (int ipt = 1; ipt <= 2; ++ipt) {
    dual->IPT = static_cast<i16>(ipt);
    integrator.LAYERS(*dual, ipt, 5);
    SUPPRI(*dual);
    for (int i = 1; i <= 3; ++i) {
      const float w = single->RESP(ipt, i, 1);
      EXPECT_NEAR(dual->RESP(1, i, 1), w, 2e-3 * w) << "point " << ipt << " depth " << i;
      EXPECT_NEAR(dual->RESP(1, i, 2), single->RESP(ipt, i, 2), 0.05);
      // The principal stresses of one wheel: the vertical, radial and tangential stresses (no
      // shear on the axis; off the axis the extremes bracket them).
      const float sr = single->RESP(ipt, i, 3), st = single->RESP(ipt, i, 4), sz = single->RESP(ipt, i, 2);
      if (ipt == 1) {
        EXPECT_NEAR(dual->RESP(1, i, 3), std::max({sz, sr, st}), 0.05);
        EXPECT_NEAR(dual->RESP(1, i, 4), std::min({sz, sr, st}), 0.05);
      }
      EXPECT_NEAR(dual->RESP(1, i, 3) + dual->RESP(1, i, 4) + dual->RESP(1, i, 5), sz + sr + st, 0.1);
    }
  }
}

}  // namespace
}  // namespace pave::layered
