// The small build inverts the foundation matrix of 225 nodes, where the inverse it builds no longer
// fits between the band and the matrix: it must agree with the large build.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "slab_run_support.h"

namespace pave::slab {
namespace {

std::string ThreeSlabs225() {
  std::string x, y;
  for (int i = 0; i < 15; ++i) x.append(" ").append(std::to_string(10 * i));
  for (int j = 0; j < 5; ++j) y.append(" ").append(std::to_string(10 * j));
  std::string d =
      " 1  (1) NPROB\r\nTHREE SLABS ON A SOLID FOUNDATION\r\n 1  0  1  1  (3) NFOUND NDAMA NPY NLG\r\n"
      " 3  2  (4) NSLAB NJOINT\r\n"
      " 15  5  0  1  0  0  (5) NX NY JONO1 JONO2 JONO3 JONO4\r\n"
      " 15  5  1  2  0  0  (5) NX NY JONO1 JONO2 JONO3 JONO4\r\n"
      " 15  5  2  0  0  0  (5) NX NY JONO1 JONO2 JONO3 JONO4\r\n"
      " 1  113  0  0  1  0  0  0  0  1  0  0  0  0  0  0  (6) NLAYER NNCK NOTCON NGAP NPRINT INPUT NBOND NTEMP NWT "
      "NCYCLE NAT1 NAT2 NSX NSY MDPO NUNIT\r\n"
      " 0  150  0  650  0  5E-06  .001  1  (7) TEMP GAMA(1) GAMA(2) PMR(1) PMR(2) CT DEL FMAX\r\n"
      " 0  0  0  0  (8) F1(1) F1(2) F2(1) F2(2)\r\n";
  for (int s = 0; s < 3; ++s) d += x + y + "  (9) X Y\r\n";
  d += " 9  .15  4000000  (10) T PR YM\r\n 1  (12) NUDL\r\n 0  (13) NCNF\r\n 0  0  (14) NNMX NNMY\r\n"
       " 2  65  75  15  25  100  (15) LS XL1 XL2 YL1 YL2 QQ\r\n 113  (18) NP\r\n 1  (22) FSAF\r\n"
       " 5000  .4  (28) YMS PRS\r\n 29000000  .3  (34) YMSB PRSB\r\n";
  for (int j = 0; j < 2; ++j) d += " 0  0  1500000  1.25  12  .25  0  0  (35) SPCON1 SPCON2 SCKV BD BS WJ GDC NNAJ\r\n";
  return d;
}

TEST(SolidFoundationStorage, SmallBuildAgreesWithTheLargeOneAt225Nodes) {
  auto small = testing::RunSlabText("S225", ThreeSlabs225(), kBruntola);
  auto large = testing::RunSlabText("S225", ThreeSlabs225(), kLarge);
  ASSERT_EQ(small.end, RunEnd::Normal);
  ASSERT_EQ(large.end, RunEnd::Normal);
  EXPECT_EQ(testing::NumberAfter(small.report, "HALF BAND WIDTH (NB) = "), 36);  // cut: deflection iteration
  EXPECT_EQ(testing::NumberAfter(large.report, "HALF BAND WIDTH (NB) = "), 675);
  auto ss = testing::MaxStresses(small.report), sl = testing::MaxStresses(large.report);
  ASSERT_EQ(ss.size(), 1u);
  ASSERT_EQ(sl.size(), 1u);
  EXPECT_NEAR(ss[0].first / sl[0].first, 1.0, 0.005);
  auto ws = testing::NodeTable(small.report, "NODAL NUMBERS AND DEFLECTIONS OF SLABS (F) ARE:");
  auto wl = testing::NodeTable(large.report, "NODAL NUMBERS AND DEFLECTIONS OF SLABS (F) ARE:");
  ASSERT_EQ(ws.size(), 225u);
  for (int n : {1, 75, 113, 150, 225}) EXPECT_NEAR(ws[n], wl[n], 2e-5 + 0.01 * std::fabs(wl[n])) << n;
}

}  // namespace
}  // namespace pave::slab
