// Joints between slabs against what they must reproduce: a very stiff joint makes one continuous
// slab, a joint that transfers nothing leaves an unloaded slab at rest; and a quarter model with two
// axes of symmetry equals the full model on a solid foundation.
#include <cmath>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "slab_run_support.h"

namespace pave::slab {
namespace {

using testing::NodeTable;
using testing::RunSlabText;

const char* kLiquid = " 0  200  (24) NAS SUBMOD\r\n";
const char* kSolid = " 5000  .4  (28) YMS PRS\r\n";
const char* kRecord6 = "0  0  0  0  0  0  0  1  0  0  0  0  0  0  (6) NLAYER NNCK NOTCON NGAP NPRINT INPUT NBOND NTEMP NWT NCYCLE NAT1 NAT2 NSX NSY MDPO NUNIT\r\n";

std::string Head(int nfound, int nslab, int njoint) {
  return " 1  (1) NPROB\r\nJOINT TEST\r\n " + std::to_string(nfound) + "  0  1  1  (3) NFOUND NDAMA NPY NLG\r\n " +
         std::to_string(nslab) + "  " + std::to_string(njoint) + "  (4) NSLAB NJOINT\r\n";
}

std::string Common(int nnck, const std::string& grids, const std::string& load) {
  return " 1  " + std::to_string(nnck) + "  " + kRecord6 +
         " 0  150  0  650  0  5E-06  .001  1  (7) TEMP GAMA(1) GAMA(2) PMR(1) PMR(2) CT DEL FMAX\r\n"
         " 0  0  0  0  (8) F1(1) F1(2) F2(1) F2(2)\r\n" +
         grids + " 8  .15  4000000  (10) T PR YM\r\n 1  (12) NUDL\r\n 0  (13) NCNF\r\n 0  0  (14) NNMX NNMY\r\n" + load;
}

const char* kY = " 0  15  30  45  60";

// Two slabs of 4 x 5 nodes side by side, the joint at x = 60, a load on slab 1 next to the joint.
std::string TwoSlabs(const char* foundation, const std::string& joint, const std::string& bars = "") {
  std::string grid = std::string(" 0  20  40  60") + kY + "  (9) X Y\r\n";
  return Head(foundation == kSolid ? 1 : 0, 2, 1) + " 4  5  0  1  0  0  (5) NX NY JONO1 JONO2 JONO3 JONO4\r\n" +
         " 4  5  1  0  0  0  (5) NX NY JONO1 JONO2 JONO3 JONO4\r\n" +
         Common(18, grid + grid, " 1  45  55  25  35  100  (15) LS XL1 XL2 YL1 YL2 QQ\r\n") + " 1  (22) FSAF\r\n" + foundation +
         " 29000000  .3  (34) YMSB PRSB\r\n" + joint + bars;
}

// The same plan as one slab of 7 x 5 nodes.
std::string OneSlab(const char* foundation) {
  return Head(foundation == kSolid ? 1 : 0, 1, 0) + " 7  5  0  0  0  0  (5) NX NY JONO1 JONO2 JONO3 JONO4\r\n" +
         Common(18, std::string(" 0  20  40  60  80  100  120") + kY + "  (9) X Y\r\n",
                " 1  45  55  25  35  100  (15) LS XL1 XL2 YL1 YL2 QQ\r\n") +
         " 1  (22) FSAF\r\n" + foundation;
}

std::string Deflections(const char* foundation) {
  return foundation == kSolid ? "NODAL NUMBERS AND DEFLECTIONS OF SLABS (F) ARE:" : "DEFLECTIONS OF SLABS (F) ARE:";
}

TEST(JointBehaviour, VeryStiffJointActsAsAContinuousSlab) {
  for (const char* foundation : {kLiquid, kSolid}) {
    auto joined = RunSlabText("JOINED", TwoSlabs(foundation, " 1E+07  1E+09  0  0  0  0  0  0  (35) SPCON1 SPCON2 SCKV BD BS WJ GDC NNAJ\r\n"), kLarge);
    auto whole = RunSlabText("WHOLE", OneSlab(foundation), kLarge);
    ASSERT_EQ(joined.end, RunEnd::Normal);
    ASSERT_EQ(whole.end, RunEnd::Normal);
    auto wj = NodeTable(joined.report, Deflections(foundation));
    auto ww = NodeTable(whole.report, Deflections(foundation));
    ASSERT_EQ(wj.size(), 40u);
    ASSERT_EQ(ww.size(), 35u);
    for (int n = 1; n <= 20; ++n) EXPECT_NEAR(wj[n], ww[n], 2e-5 + 0.005 * std::fabs(ww[n])) << n;
    for (int n = 21; n <= 40; ++n) EXPECT_NEAR(wj[n], ww[n - 5], 2e-5 + 0.005 * std::fabs(ww[n - 5])) << n;
  }
}

TEST(JointBehaviour, JointWithoutBarsLeavesTheUnloadedSlabAtRest) {
  // Dowels listed node by node, none at any node.
  auto r = RunSlabText("LOOSE",
                       TwoSlabs(kLiquid, " 0  0  1500000  1  12  .25  0  5  (35) SPCON1 SPCON2 SCKV BD BS WJ GDC NNAJ\r\n",
                                " 0  0  0  0  0  (36) BARNO\r\n"),
                       kLarge);
  ASSERT_EQ(r.end, RunEnd::Normal);
  auto w = NodeTable(r.report, Deflections(kLiquid));
  ASSERT_EQ(w.size(), 40u);
  for (int n = 21; n <= 40; ++n) EXPECT_EQ(w[n], 0) << n;
  EXPECT_GT(w[18], 0.001);
  EXPECT_NE(r.report.find("SHEAR IN ONE DOWEL BAR (FAJPD)"), std::string::npos);
}

TEST(JointBehaviour, JointsNumberedAgainstTheRuleAreRefusedByName) {
  // Slab 2 lies to the left of slab 1: the joint is at the right side of the higher-numbered slab.
  std::string grid = std::string(" 0  20  40  60") + kY + "  (9) X Y\r\n";
  std::string data = Head(0, 2, 1) + " 4  5  1  0  0  0  (5) NX NY JONO1 JONO2 JONO3 JONO4\r\n" +
                     " 4  5  0  1  0  0  (5) NX NY JONO1 JONO2 JONO3 JONO4\r\n" +
                     Common(18, grid + grid, " 1  45  55  25  35  100  (15) LS XL1 XL2 YL1 YL2 QQ\r\n") +
                     " 1  (22) FSAF\r\n" + kLiquid + " 29000000  .3  (34) YMSB PRSB\r\n" +
                     " 1000  0  0  0  0  0  0  0  (35) SPCON1 SPCON2 SCKV BD BS WJ GDC NNAJ\r\n";
  auto r = RunSlabText("LEFT", data, kBruntola);
  EXPECT_EQ(r.end, RunEnd::InputStop);
  ASSERT_FALSE(r.messages.empty());
  EXPECT_NE(r.messages.front().find("JOINT NO. 1 LIES AT THE RIGHT OR TOP SIDE"), std::string::npos) << r.messages.front();
}

TEST(JointBehaviour, SlabWithoutAJointCannotBePlacedOnASolidFoundation) {
  std::string grid = std::string(" 0  20  40  60") + kY + "  (9) X Y\r\n";
  std::string data = Head(1, 2, 0) + " 4  5  0  0  0  0  (5) NX NY JONO1 JONO2 JONO3 JONO4\r\n" +
                     " 4  5  0  0  0  0  (5) NX NY JONO1 JONO2 JONO3 JONO4\r\n" +
                     Common(18, grid + grid, " 1  45  55  25  35  100  (15) LS XL1 XL2 YL1 YL2 QQ\r\n") +
                     " 1  (22) FSAF\r\n" + kSolid + " 29000000  .3  (34) YMSB PRSB\r\n";
  auto r = RunSlabText("APART", data, kLarge);
  EXPECT_EQ(r.end, RunEnd::InputStop);
  ASSERT_FALSE(r.messages.empty());
  EXPECT_NE(r.messages.front().find("SLAB NO. 2 HAS NO JOINT WITH A LOWER-NUMBERED SLAB"), std::string::npos)
      << r.messages.front();
}

TEST(JointBehaviour, BarsListedForFewerNodesThanTheJointHasAreRefused) {
  auto r = RunSlabText("SHORT",
                       TwoSlabs(kLiquid, " 0  0  1500000  1  12  .25  0  3  (35) SPCON1 SPCON2 SCKV BD BS WJ GDC NNAJ\r\n",
                                " 1  1  1  (36) BARNO\r\n"),
                       kBruntola);
  EXPECT_EQ(r.end, RunEnd::InputStop);
  ASSERT_FALSE(r.messages.empty());
  EXPECT_NE(r.messages.front().find("JOINT NO. 1 HAS 5 NODES BUT NNAJ = 3"), std::string::npos) << r.messages.front();
}

// Two slabs one above the other (a joint along x, whose nodes the liquid foundation renumbers), and
// the same plan as one slab.
std::string Stacked(const std::string& joint,
                    const std::string& load = " 1  25  35  45  55  100  (15) LS XL1 XL2 YL1 YL2 QQ\r\n") {
  std::string grid = " 0  15  30  45  60  0  20  40  60  (9) X Y\r\n";
  return Head(0, 2, 1) + " 5  4  0  0  0  1  (5) NX NY JONO1 JONO2 JONO3 JONO4\r\n" +
         " 5  4  0  0  1  0  (5) NX NY JONO1 JONO2 JONO3 JONO4\r\n" +
         Common(10, grid + grid, load) + " 1  (22) FSAF\r\n" + kLiquid +
         " 29000000  .3  (34) YMSB PRSB\r\n" + joint;
}

TEST(JointBehaviour, StackedSlabsWithAStiffJointActAsOneSlab) {
  auto joined = RunSlabText("STACKED", Stacked(" 1E+07  1E+09  0  0  0  0  0  0  (35) SPCON1 SPCON2 SCKV BD BS WJ GDC NNAJ\r\n"), kBruntola);
  auto whole = RunSlabText("TALL",
                           Head(0, 1, 0) + " 5  7  0  0  0  0  (5) NX NY JONO1 JONO2 JONO3 JONO4\r\n" +
                               Common(10, " 0  15  30  45  60  0  20  40  60  80  100  120  (9) X Y\r\n",
                                      " 1  25  35  45  55  100  (15) LS XL1 XL2 YL1 YL2 QQ\r\n") +
                               " 1  (22) FSAF\r\n" + kLiquid,
                           kBruntola);
  ASSERT_EQ(joined.end, RunEnd::Normal);
  ASSERT_EQ(whole.end, RunEnd::Normal);
  auto wj = NodeTable(joined.report, Deflections(kLiquid));
  auto ww = NodeTable(whole.report, Deflections(kLiquid));
  ASSERT_EQ(wj.size(), 40u);
  for (int c = 1; c <= 5; ++c)
    for (int r = 1; r <= 4; ++r) {
      const int lower = (c - 1) * 4 + r, upper = 20 + lower, tall = (c - 1) * 7 + r;
      EXPECT_NEAR(wj[lower], ww[tall], 2e-5 + 0.005 * std::fabs(ww[tall])) << lower;
      EXPECT_NEAR(wj[upper], ww[tall + 3], 2e-5 + 0.005 * std::fabs(ww[tall + 3])) << upper;
    }
}

// The joint shear at each node pair is the spring times the node's length of joint times the
// difference of the deflections across the joint.
TEST(JointBehaviour, JointShearFollowsTheRelativeDeflection) {
  auto r = RunSlabText("SPRING", Stacked(" 1000  0  0  0  0  0  0  0  (35) SPCON1 SPCON2 SCKV BD BS WJ GDC NNAJ\r\n"), kLarge);
  ASSERT_EQ(r.end, RunEnd::Normal);
  auto w = NodeTable(r.report, Deflections(kLiquid));
  const std::string head = "FOR JOINT NO. 1 SHEAR (FAJ1) AND MOMENT (FAJ2) AT THE NODES ARE:";
  std::size_t p = r.report.find(head);
  ASSERT_NE(p, std::string::npos);
  std::istringstream in(r.report.substr(r.report.find('\n', p) + 1));
  const double len[] = {7.5, 15, 15, 15, 7.5};
  int node, k = 0;
  double faj1, faj2;
  while (k < 5 && in >> node >> faj1 >> faj2) {
    const int top = 4 * (k + 1), bottom = 21 + 4 * k;  // top of slab 1, bottom of slab 2
    EXPECT_EQ(node, top);
    const double expected = -len[k] * 1000 * (w[top] - w[bottom]);
    EXPECT_NEAR(faj1, expected, 0.03 * std::fabs(expected) + 0.2) << node;
    EXPECT_EQ(faj2, 0);
    ++k;
  }
  EXPECT_EQ(k, 5);
  EXPECT_GT(w[20] - w[37], 1e-4);  // the loaded side deflects more
}

// With a gap between dowel and concrete the joint carries the spring on what exceeds the gap, in the
// direction of the relative deflection: here the upper slab is loaded, so it deflects more, and the
// unloaded lower slab rests on reactions equal to the shear the joint reports.
TEST(JointBehaviour, DowelGapActsWithTheSignOfTheRelativeDeflection) {
  auto r = RunSlabText("GAP",
                       Stacked(" 1000  0  0  0  0  0  .0005  0  (35) SPCON1 SPCON2 SCKV BD BS WJ GDC NNAJ\r\n",
                               " 2  25  35  5  15  100  (15) LS XL1 XL2 YL1 YL2 QQ\r\n"),
                       kLarge);
  ASSERT_EQ(r.end, RunEnd::Normal);
  auto w = NodeTable(r.report, Deflections(kLiquid));
  auto p = NodeTable(r.report, "NODAL NUMBER AND REACTIVE PRESSURE (SUBR) ARE:");
  const std::string head = "FOR JOINT NO. 1 SHEAR (FAJ1) AND MOMENT (FAJ2) AT THE NODES ARE:";
  std::size_t at = r.report.rfind(head);
  ASSERT_NE(at, std::string::npos);
  std::istringstream in(r.report.substr(r.report.find('\n', at) + 1));
  const double len[] = {7.5, 15, 15, 15, 7.5};
  double shear = 0;
  int node, k = 0;
  double faj1, faj2;
  while (k < 5 && in >> node >> faj1 >> faj2) {
    const double dw = w[4 * (k + 1)] - w[21 + 4 * k];
    ASSERT_LT(dw, -0.0005) << node;
    EXPECT_NEAR(faj1, -len[k] * 1000 * (dw + 0.0005), 0.03 * std::fabs(faj1) + 0.2) << node;
    shear += faj1;
    ++k;
  }
  ASSERT_EQ(k, 5);
  // Reactions under the lower slab: pressure times the node's area.
  const double hx[] = {7.5, 15, 15, 15, 7.5}, hy[] = {10, 20, 20, 10};
  double reactions = 0;
  for (int c = 0; c < 5; ++c)
    for (int rr = 0; rr < 4; ++rr) reactions += p[c * 4 + rr + 1] * hx[c] * hy[rr];
  EXPECT_NEAR(reactions, shear, 0.02 * shear + 1);
}

// A slab of 120 x 120 under a central load, and its quarter with both axes of symmetry.
TEST(JointBehaviour, QuarterModelEqualsTheFullModelOnASolidFoundation) {
  const std::string full =
      Head(1, 1, 0) + " 7  7  0  0  0  0  (5) NX NY JONO1 JONO2 JONO3 JONO4\r\n" +
      Common(25, " 0  20  40  60  80  100  120  0  20  40  60  80  100  120  (9) X Y\r\n",
             " 1  50  70  50  70  100  (15) LS XL1 XL2 YL1 YL2 QQ\r\n") +
      " 1  (22) FSAF\r\n" + kSolid;
  std::string quarter =
      Head(1, 1, 0) + " 4  4  0  0  0  0  (5) NX NY JONO1 JONO2 JONO3 JONO4\r\n" + " 1  1  0  0  0  0  0  0  0  1  0  0  4  4  0  0  (6) NLAYER NNCK NOTCON NGAP NPRINT INPUT NBOND NTEMP NWT NCYCLE NAT1 NAT2 NSX NSY MDPO NUNIT\r\n" +
      " 0  150  0  650  0  5E-06  .001  1  (7) TEMP GAMA(1) GAMA(2) PMR(1) PMR(2) CT DEL FMAX\r\n"
      " 0  0  0  0  (8) F1(1) F1(2) F2(1) F2(2)\r\n"
      " 0  20  40  60  0  20  40  60  (9) X Y\r\n 8  .15  4000000  (10) T PR YM\r\n 1  (12) NUDL\r\n 0  (13) NCNF\r\n"
      " 0  0  (14) NNMX NNMY\r\n 1  0  10  0  10  100  (15) LS XL1 XL2 YL1 YL2 QQ\r\n"
      " 1  5  9  13  (19) NODSX\r\n 1  2  3  4  (20) NODSY\r\n 1  (22) FSAF\r\n" +
      kSolid;
  for (const SlabVariant* v : {&kBruntola, &kLarge}) {
    auto f = RunSlabText("FULL", full, *v);
    auto q = RunSlabText("QUARTER", quarter, *v);
    ASSERT_EQ(f.end, RunEnd::Normal);
    ASSERT_EQ(q.end, RunEnd::Normal);
    auto wf = NodeTable(f.report, Deflections(kSolid));
    auto wq = NodeTable(q.report, Deflections(kSolid));
    ASSERT_EQ(wq.size(), 16u);
    for (int c = 1; c <= 4; ++c)
      for (int r = 1; r <= 4; ++r) {
        const int nq = (c - 1) * 4 + r, nf = (c + 2) * 7 + r + 3;
        EXPECT_NEAR(wq[nq], wf[nf], 2e-5 + 0.002 * std::fabs(wf[nf])) << nq;
      }
    auto sf = testing::MaxStresses(f.report), sq = testing::MaxStresses(q.report);
    ASSERT_EQ(sf.size(), 1u);
    ASSERT_EQ(sq.size(), 1u);
    EXPECT_EQ(sf[0].second, 25);
    EXPECT_EQ(sq[0].second, 1);
    EXPECT_NEAR(sq[0].first / sf[0].first, 1.0, 0.002);
  }
}

}  // namespace
}  // namespace pave::slab
