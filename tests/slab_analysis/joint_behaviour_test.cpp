// Joints between slabs against what they must reproduce: a very stiff joint makes one continuous
// slab, a joint that transfers nothing leaves an unloaded slab at rest; and a quarter model with two
// axes of symmetry equals the full model on a solid foundation.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "slab_report_reader.h"

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

TEST(JointBehaviour, BarsListedForFewerNodesThanTheJointHasAreRefused) {
  auto r = RunSlabText("SHORT",
                       TwoSlabs(kLiquid, " 0  0  1500000  1  12  .25  0  3  (35) SPCON1 SPCON2 SCKV BD BS WJ GDC NNAJ\r\n",
                                " 1  1  1  (36) BARNO\r\n"),
                       kBruntola);
  EXPECT_EQ(r.end, RunEnd::InputStop);
  ASSERT_FALSE(r.messages.empty());
  EXPECT_NE(r.messages.front().find("JOINT NO. 1 HAS 5 NODES BUT NNAJ = 3"), std::string::npos) << r.messages.front();
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
