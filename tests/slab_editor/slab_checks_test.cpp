// The checks before saving and the entry checks of the General and Curling forms.
#include <gtest/gtest.h>

#include <functional>

#include "slab_editor/slab_entry_checks.h"
#include "slab_editor/slab_save_checks.h"
#include "slab_test_support.h"

namespace pave::testing {
namespace {

// A data set the analysis program accepts: the defaults with one 3 x 3 slab of 8 in.
void ValidSet(int s) {
  gSlabArrangement(s, 1, 1) = 3;
  gSlabArrangement(s, 1, 2) = 3;
  for (int n = 1; n <= 3; ++n) {
    gSlabX(s, 1, n) = 10.0f * (n - 1);
    gSlabY(s, 1, n) = 10.0f * (n - 1);
  }
  gSlabLayerProps(s, 1, 1) = 8;
  gSlabLayerProps(s, 1, 3) = 4E6f;
  gSlabDowel(s, 1) = 29000000;
}

struct RefusalCase {
  const char* name;
  std::function<void()> change;
  const char* message;   // nullptr: accepted
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class AnalysisRefusalTest : public SlabDataTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(AnalysisRefusalTest, NamesTheDataSetAndTheItem) {
  ValidSet(1);
  GetParam().change();
  const std::optional<std::string> refusal = AnalysisRefusal();
  if (!GetParam().message) {
    EXPECT_EQ(refusal, std::nullopt);
  } else {
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(*refusal, GetParam().message);
  }
}

void TwoSlabs() {
  gSlabGeneral(1, gen::kNSLAB) = 2;
  gSlabGeneral(1, gen::kNJOINT) = 1;
  gSlabArrangement(1, 1, 4) = 1;   // right side of slab 1
  gSlabArrangement(1, 2, 1) = 3;
  gSlabArrangement(1, 2, 2) = 3;
  gSlabArrangement(1, 2, 3) = 1;   // left side of slab 2
  gSlabJoints(1, 1, 3) = 1500000;  // the dowels of the joint: support modulus, diameter, spacing
  gSlabJoints(1, 1, 4) = 1;
  gSlabJoints(1, 1, 5) = 12;
  for (int n = 1; n <= 3; ++n) {
    gSlabX(1, 2, n) = 10.0f * (n - 1);
    gSlabY(1, 2, n) = 10.0f * (n - 1);
  }
}

// A layered foundation of two layers whose values were typed into its table; the first thickness
// as `thickness`.
void LayeredFoundationTyped(const char* thickness) {
  gSlabGeneral(1, gen::kNFOUND) = 2;
  gSlabLayered(1, 1) = Value(" 30");
  gSlabLayered(1, 2) = Value(" 2");
  const char* const typed[2][3] = {{thickness, " 20000", " .3"}, {nullptr, "5000 ", ".4"}};   // no TH below
  for (int L = 1; L <= 2; ++L) {
    for (int k = 1; k <= 3; ++k) {
      if (typed[L - 1][k - 1]) gSlabFoundLayers(1, L, k) = Value(typed[L - 1][k - 1]);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AnalysisRefusalTest,
    ::testing::Values(
        RefusalCase{"ValidDataSet", [] {}, nullptr},
        RefusalCase{"TwoValidDataSets", [] { gSlabNPROB = 2; CopySlabSet1To2(); }, nullptr},
        RefusalCase{"SecondDataSetIsChecked", [] {
                      gSlabNPROB = 2;
                      CopySlabSet1To2();
                      gSlabGeneral(2, gen::kNFOUND) = 3;
                    },
                    "Data Set 2: NFOUND should be 0, 1 or 2. Please correct it by clicking the General menu."},
        RefusalCase{"CommaInTitle", [] { gSlabTITLE(1) = "A, B"; },
                    "Data Set 1: No comma should be used in TITLE. Use colon or semicolon instead. Please correct it "
                    "by clicking the General menu."},
        // Numbers typed into a grid are held as their texts, as the grid showed them or as typed.
        RefusalCase{"LayeredFoundationTypedAsShown", [] { LayeredFoundationTyped(" 6"); }, nullptr},
        RefusalCase{"LayeredFoundationThicknessTypedNegative", [] { LayeredFoundationTyped("-6"); },
                    "Data Set 1: TH of foundation layer 1 is -6, which should be greater than 0. Please correct it by "
                    "clicking the Foundation menu."},
        RefusalCase{"NoSlab", [] { gSlabGeneral(1, gen::kNSLAB) = 0; },
                    "Data Set 1: NSLAB is 0, which is less than 1. Please correct it by clicking the General menu."},
        RefusalCase{"NoPeriod", [] { gSlabGeneral(1, gen::kNPY) = 0; },
                    "Data Set 1: NPY is 0, which is less than 1. Please correct it by clicking the General menu."},
        RefusalCase{"UnitsOtherThanZeroOrOne", [] { gSlabGeneral(1, gen::kNUNIT) = 2; },
                    "Data Set 1: NUNIT should be 0 or 1. Please correct it by clicking the General menu."},
        RefusalCase{"JointsWithOneSlab", [] { gSlabGeneral(1, gen::kNJOINT) = 1; },
                    "Data Set 1: When NSLAB = 1, NJOINT should always be 0. Please correct it by clicking the General "
                    "menu."},
        RefusalCase{"SecondLayerThicknessesWithOneLayer", [] { gSlabGeneral(1, gen::kNAT2) = 1; },
                    "Data Set 1: When NLAYER = 1, NAT2 should always be 0. Please correct it by clicking the General "
                    "menu."},
        RefusalCase{"NotconNotWhole", [] { gSlabCurling(1, curl::kNOTCON) = 1.5; },
                    "Data Set 1: NOTCON = 1.5 is not a whole number. Please correct it by clicking the Curling menu."},
        RefusalCase{"NgapBeyondItsList", [] { gSlabCurling(1, curl::kNGAP) = 121; },
                    "Data Set 1: NGAP is 121, which is greater than the limit of 120. Please correct it by clicking "
                    "the Curling menu."},
        RefusalCase{"CyclesWithTwoPeriods", [] {
                      gSlabCurling(1, curl::kNCYCLE) = 10;
                      gSlabGeneral(1, gen::kNPY) = 2;
                    },
                    "Data Set 1: When NCYCLE is not 1, NPY and NLG should both be 1. Please correct it by clicking "
                    "the General menu."},
        RefusalCase{"UserFatigueWithoutThreePrintNodes", [] { gSlabGeneral(1, gen::kNDAMA) = 2; },
                    "Data Set 1: When NDAMA = 2, NPRINT must be equal to 3. Please correct it by clicking the General "
                    "menu."},
        RefusalCase{"CoordinatesNotIncreasing", [] { gSlabX(1, 1, 3) = 10; },
                    "Data Set 1: the x coordinates of slab 1 do not increase from node to node. Please correct it by "
                    "clicking Slab\\X-coordinate menu."},
        RefusalCase{"OneNodeOnASlabSide", [] { gSlabArrangement(1, 1, 2) = 1; },
                    "Data Set 1: NY of slab 1 is 1, which is less than 2. Please correct it by clicking "
                    "Slab\\Arrangement menu."},
        RefusalCase{"MoreThan420Nodes", [] {
                      gSlabArrangement(1, 1, 1) = 25;
                      gSlabArrangement(1, 1, 2) = 25;
                      for (int n = 1; n <= 25; ++n) {
                        gSlabX(1, 1, n) = 10.0f * n;
                        gSlabY(1, 1, n) = 10.0f * n;
                      }
                    },
                    "Data Set 1: the total number of nodes is 625, which is greater than the limit of 420. Please "
                    "correct it by clicking Slab\\Arrangement menu."},
        RefusalCase{"MoreThan360Elements", [] {
                      gSlabArrangement(1, 1, 1) = 20;
                      gSlabArrangement(1, 1, 2) = 21;
                      for (int n = 1; n <= 21; ++n) {
                        gSlabX(1, 1, n) = 10.0f * n;
                        gSlabY(1, 1, n) = 10.0f * n;
                      }
                    },
                    "Data Set 1: the total number of elements is 380, which is greater than the limit of 360. Please "
                    "correct it by clicking Slab\\Arrangement menu."},
        RefusalCase{"NegativeSlabThickness", [] { gSlabLayerProps(1, 1, 1) = -8; },
                    "Data Set 1: T of slab layer 1 is -8, which should be greater than 0. Please correct it by clicking "
                    "Slab\\Properties menu."},
        RefusalCase{"PoissonAboveHalf", [] { gSlabLayerProps(1, 1, 2) = 0.6f; },
                    "Data Set 1: PR of slab layer 1 is .6, which should be from 0 to 0.5. Please correct it by "
                    "clicking Slab\\Properties menu."},
        RefusalCase{"ToleranceZero", [] { gSlabCurling(1, curl::kDEL) = 0; },
                    "Data Set 1: DEL is 0, which should be greater than 0. Please correct it by clicking the Curling "
                    "menu."},
        RefusalCase{"NegativeDisplacementLimit", [] { gSlabCurling(1, curl::kFMAX) = -1E+308; },
                    "Data Set 1: FMAX is -1E+308, which should not be negative. Please correct it by clicking the "
                    "Curling menu."},
        RefusalCase{"DamageCodeFive", [] { gSlabGeneral(1, gen::kNDAMA) = 5; },
                    "Data Set 1: NDAMA should be 0, 1, 2 or 3. Please correct it by clicking the General menu."},
        RefusalCase{"GapInputCodeTwo", [] { gSlabCurling(1, curl::kINPUT) = 2; },
                    "Data Set 1: INPUT should be 0 or 1. Please correct it by clicking the Curling menu."},
        RefusalCase{"NegativeSubgradeModulus", [] { gSlabLiquid(1, 1) = -200; },
                    "Data Set 1: SUBMOD is -200, which should not be negative. Please correct it by clicking the "
                    "Foundation menu."},
        RefusalCase{"AdjustmentFactorZero", [] { gSlabFSAF(1, 1) = 0; },
                    "Data Set 1: FSAF of period 1 is 0, which should be greater than 0. Please correct it by clicking "
                    "the Adjust menu."},
        // The ranges of the analysis program: what single precision carries and a report column holds.
        RefusalCase{"SlabThicknessDenormal", [] { gSlabLayerProps(1, 1, 1) = 1e-45f; },
                    "Data Set 1: T of slab layer 1 is 1.401298E-45 in., which should be from .001 to 1000 in. Please correct "
                    "it by clicking Slab\\Properties menu."},
        RefusalCase{"SlabModulusDenormal", [] { gSlabLayerProps(1, 1, 3) = 1e-45f; },
                    "Data Set 1: YM of slab layer 1 is 1.401298E-45 psi, which should be from 1 to 1E+10 psi. Please correct "
                    "it by clicking Slab\\Properties menu."},
        RefusalCase{"CoordinateFarAway", [] { gSlabX(1, 1, 3) = 1e5f; },
                    "Data Set 1: x coordinate 3 of slab 1 is 100000 in., which should be from -10000 to 10000 in. Please "
                    "correct it by clicking Slab\\X-coordinate menu."},
        RefusalCase{"LoadedAreaPressureHuge", [] {
                      gSlabNUDL(1, 1) = 1;
                      const Value area[] = {1, 0, 5, 0, 5, 1e30};
                      for (int k = 1; k <= 6; ++k) gSlabLoadAreas(1, 1, 1, k) = area[k - 1];
                    },
                    "Data Set 1: QQ of loaded area 1 of load group 1 is 1E+30 psi, which should be from -10000 to 10000 psi. "
                    "Please correct it by clicking the Uniform menu."},
        RefusalCase{"SubgradeModulusDenormal", [] { gSlabLiquid(1, 1) = 1e-45; },
                    "Data Set 1: SUBMOD is 1E-45 pci, which should be 0 or from .1 to 100000 pci. Please correct it by "
                    "clicking the Foundation menu."},
        RefusalCase{"FoundationModulusDenormal", [] {
                      gSlabGeneral(1, gen::kNFOUND) = 1;
                      gSlabSolid(1, 1) = 1e-45;
                    },
                    "Data Set 1: YMS is 1E-45 psi, which should be from 1 to 1E+10 psi. Please correct it by clicking the "
                    "Foundation menu."},
        RefusalCase{"ToleranceHuge", [] { gSlabCurling(1, curl::kDEL) = 3.5e38; },
                    "Data Set 1: DEL is 3.5E+38, which should be from .000001 to .1. Please correct it by clicking the "
                    "Curling menu."},
        RefusalCase{"DisplacementLimitHuge", [] { gSlabCurling(1, curl::kFMAX) = 1e39; },
                    "Data Set 1: FMAX is 1E+39 in., which should be from 0 to 1000 in. Please correct it by clicking "
                    "the Curling menu."},
        // SI data sets meet the same physical ranges, in their own units.
        RefusalCase{"TemperatureDifferenceAtTheEdgeSi", [] {
                      gSlabGeneral(1, gen::kNUNIT) = 1;
                      gSlabCurling(1, curl::kNTEMP) = 1;
                      gSlabCurling(1, curl::kTEMP) = -111.111f;
                      gSlabCurling(1, curl::kCT) = 0.000009f;
                    },
                    nullptr},
        RefusalCase{"TemperatureDifferenceBeyondSi", [] {
                      gSlabGeneral(1, gen::kNUNIT) = 1;
                      gSlabCurling(1, curl::kNTEMP) = 1;
                      gSlabCurling(1, curl::kTEMP) = 112;
                      gSlabCurling(1, curl::kCT) = 0.000009f;
                    },
                    "Data Set 1: TEMP is 112 C, which should be from -111.111 to 111.111 C. Please correct it by "
                    "clicking the Curling menu."},
        RefusalCase{"OblongElements", [] { gSlabX(1, 1, 2) = 1; },
                    "Data Set 1: some elements of slab 1 are too oblong, with an aspect ratio greater than 5. Please "
                    "correct it by clicking Slab\\X-coordinate menu."},
        RefusalCase{"NodeOutsideTheSlabs", [] {
                      gSlabGeneral(1, gen::kNPRINT) = 1;
                      gSlabNP(1, 1) = 10;
                    },
                    "Data Set 1: NP 1 is node 10, which is not one of the nodes 1 to 9. Please correct it by clicking "
                    "Optional\\Node Printout menu."},
        RefusalCase{"LoadedAreasOfOneGroupAbove24", [] { gSlabNUDL(1, 1) = 25; },
                    "Data Set 1: NUDL of load group 1 is 25, which is greater than the limit of 24. Please correct it "
                    "by clicking the Uniform menu."},
        RefusalCase{"LoadedAreasInAllAbove24", [] {
                      gSlabGeneral(1, gen::kNLG) = 2;
                      gSlabNUDL(1, 1) = 13;
                      gSlabNUDL(1, 2) = 12;
                    },
                    "Data Set 1: the total number of loaded areas (NUDL) is 25, which is greater than the limit of 24. "
                    "Please correct it by clicking the Uniform menu."},
        RefusalCase{"LoadedAreaOffItsSlab", [] {
                      gSlabNUDL(1, 1) = 1;
                      const Value area[] = {1, 0, 25, 0, 5, 80};
                      for (int k = 1; k <= 6; ++k) gSlabLoadAreas(1, 1, 1, k) = area[k - 1];
                    },
                    "Data Set 1: loaded area 1 of load group 1 (x from 0 to 25, y from 0 to 5) does not lie within "
                    "slab 1. Please correct it by clicking the Uniform menu."},
        RefusalCase{"LoadedAreaValueIsText", [] {
                      gSlabNUDL(1, 1) = 1;
                      const Value area[] = {1, 0, "5 6", 0, 5, 80};
                      for (int k = 1; k <= 6; ++k) gSlabLoadAreas(1, 1, 1, k) = area[k - 1];
                    },
                    "Data Set 1: XL2 of loaded area 1 of load group 1 = \"5 6\" is not a number. Please correct it by "
                    "clicking the Uniform menu."},
        RefusalCase{"SlabLayerWithoutModulus", [] { gSlabLayerProps(1, 1, 3) = 0; },
                    "Data Set 1: YM of slab layer 1 should not be 0. Please correct it by clicking Slab\\Properties "
                    "menu."},
        RefusalCase{"SolidFoundationWithoutModulus", [] {
                      gSlabGeneral(1, gen::kNFOUND) = 1;
                      gSlabSolid(1, 1) = 0;
                      gSlabSolid(1, 2) = .4;
                    },
                    "Data Set 1: YMS should not be 0. Please correct it by clicking the Foundation menu."},
        RefusalCase{"LayeredFoundationWithoutNL", [] { gSlabGeneral(1, gen::kNFOUND) = 2; },
                    "Data Set 1: NL has no value. Please correct it by clicking the Foundation menu."},
        RefusalCase{"DowelModulusEmpty", [] {
                      TwoSlabs();
                      gSlabDowel(1, 1) = Value();
                    },
                    "Data Set 1: YMSB has no value. Please correct it by clicking Optional\\Dowel menu."},
        RefusalCase{"TwoSlabsWithAJoint", [] { TwoSlabs(); }, nullptr},
        RefusalCase{"JointNamedByOneSide", [] {
                      TwoSlabs();
                      gSlabArrangement(1, 2, 3) = 0;
                    },
                    "Data Set 1: joint 1 is named by 1 slab sides; each joint is shared by two. Please correct it by "
                    "clicking Slab\\Arrangement menu."},
        RefusalCase{"MoreThan15NodesOnAJoint", [] {
                      TwoSlabs();
                      gSlabArrangement(1, 1, 2) = 16;
                      gSlabArrangement(1, 2, 2) = 16;
                      for (int n = 1; n <= 16; ++n) {
                        gSlabY(1, 1, n) = 10.0f * n;
                        gSlabY(1, 2, n) = 10.0f * n;
                      }
                    },
                    "Data Set 1: the number of nodes on joint 1 is 16, which is greater than the limit of 15. Please "
                    "correct it by clicking Slab\\Arrangement menu."},
        RefusalCase{"SpringJointWidthHuge", [] {
                      TwoSlabs();
                      gSlabJoints(1, 1, 1) = 5000;
                      gSlabJoints(1, 1, 6) = 1e38;
                    },
                    "Data Set 1: WJ of joint 1 is 1E+38 in., which should be from 0 to 1000 in. Please correct it by "
                    "clicking the Joint menu."},
        RefusalCase{"DowelsNotAtEveryJointNode", [] {
                      TwoSlabs();
                      gSlabJoints(1, 1, 8) = 2;
                    },
                    "Data Set 1: NNAJ of joint 1 is 2 but the joint has 3 nodes; the number of dowel bars must be "
                    "given at every node of the joint (or NNAJ = 0). Please correct it by clicking the Joint menu."},
        RefusalCase{"DamageWithMoreThan72GroupsOverThePeriods", [] {
                      gSlabGeneral(1, gen::kNDAMA) = 1;
                      gSlabGeneral(1, gen::kNPY) = 7;
                      gSlabGeneral(1, gen::kNLG) = 11;
                    },
                    "Data Set 1: NPY x NLG, the number of load groups over all periods, is 77, which is greater than "
                    "the limit of 72. Please correct it by clicking the General menu."},
        RefusalCase{"MissingLoadRepetitions", [] {
                      gSlabGeneral(1, gen::kNDAMA) = 1;
                      gSlabTNLR(1, 1, 1) = Value();
                    },
                    "Data Set 1: TNLR of load group 1 in period 1 has no value. Please correct it by clicking the "
                    "Damage menu."},
        RefusalCase{"DamageWithoutModulusOfRupture", [] {
                      gSlabGeneral(1, gen::kNDAMA) = 1;
                      gSlabTNLR(1, 1, 1) = 1000;
                    },
                    "Data Set 1: PMR of slab layer 1 is 0, which should be greater than 0. Please correct it by "
                    "clicking the Damage menu."}),
    [](const auto& info) { return std::string(info.param.name); });

class ErrCheckTest : public SlabDataTest {};

TEST_F(ErrCheckTest, TheFirstMissingEntryOfDataSetOneStopsTheCheck) {
  EXPECT_EQ(ErrCheckMessages(),
            std::vector<std::string>{"You forgot to enter NX or NY by clicking Slab\\Arrangement menu."});
  ValidSet(1);
  EXPECT_EQ(ErrCheckMessages(), std::vector<std::string>{});
  gSlabGeneral(1, gen::kNJOINT) = 1;
  gSlabGeneral(1, gen::kNSX) = 1;
  EXPECT_EQ(ErrCheckMessages(),
            std::vector<std::string>{"You forgot to enter the Joint Information by clicking the Joint menu."});
  gSlabJoints(1, 1, 4) = 1;
  EXPECT_EQ(ErrCheckMessages(), std::vector<std::string>{"You forgot to enter the nodal numbers on x axis of symmetry "
                                                         "(NODSX) by clicking Optional\\Node X SYMMETRY menu."});
  // Data set 2 is not checked here.
  gSlabNODSX(1, 1) = 1;
  gSlabNPROB = 2;
  EXPECT_EQ(ErrCheckMessages(), std::vector<std::string>{});
}

TEST_F(ErrCheckTest, ARaftGetsEachOfItsThreeMessages) {
  ValidSet(1);
  gSlabRaftCounts(1, 1) = 1;
  gSlabGeneral(1, gen::kNDAMA) = 1;
  gSlabGeneral(1, gen::kNPY) = 2;
  EXPECT_EQ(ErrCheckMessages(),
            (std::vector<std::string>{
                "Raft foundation doesn't need damage analysis, please change NDAMA to 0 by clicking the General menu.",
                "Raft foundation limits only to one period, please change NPY to 1 by clicking the General menu."}));
}

TEST(SlabEntryChecksTest, GeneralRoundsAndRefusesBeforeAnythingIsStored) {
  struct Case {
    std::array<double, 17> values;   // by field number
    const char* refusal;
  };
  //                        NFOUND NDAMA NPY  NLG NLAYER NBOND NSLAB NJOINT NNCK NPRINT NSX NSY MDPO NUNIT NAT1 NAT2
  const Case cases[] = {
      {{0, 0, 0, 1, 1, 1, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0}, nullptr},
      {{0, 0, 0, 13, 1, 1, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0}, "NPY should not be greater than 12"},
      {{0, 0, 0, 1, 1, 1, 1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0}, "When NLAYER = 1, NBOND should always be 0"},
      {{0, 0, 0, 1, 1, 2, 1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0}, nullptr},
      {{0, 0, 0, 1, 1, 1, 0, 1, 8, 1, 0, 0, 0, 0, 0, 0, 0}, "NJOINT should not be greater than 7"},
      {{0, 3, 0, 1, 1, 1, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0}, "NFOUND should be 0, 1 or 2"},
      {{0, 0, 0, 1, 1, 1, 0, 1, 0, 1, 0, 0, 0, 0, 2, 0, 0}, "NUNIT should be 0 or 1"},
      {{0, 0, 0, 1, 1, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}, "NSLAB should not be less than 1"},
      {{0, 0, 0, 1, 1, 1, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0}, "When NSLAB = 1, NJOINT should always be 0"},
      {{0, 0, 0, 1, 1, 1, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1}, "When NLAYER = 1, NAT2 should always be 0"},
      {{0, 0, 0, 1, 1, 1, 0, 1, 0, 1, 121, 0, 0, 0, 0, 0, 0}, "NPRINT should not be greater than 120"},
      {{0, 0, 0, 1, 1, 1, 0, 1, 0, 1, 0, 51, 0, 0, 0, 0, 0}, "NSX should not be greater than 50"},
      {{0, 0, 0, 1, 1, 1, 0, 1, 0, 1, 0, 0, 0, 0, 0, -1, 0}, "NAT1 should not be less than 0"},
      {{0, 0, 0, 1, 1, 1, 0, 1, 0, 1e6, 0, 0, 0, 0, 0, 0, 0}, "NNCK should not be greater than 420"},
      // A half goes to the even number: 2.5 is 2 slabs, 1.5 is 2 slabs, 0.5 none.
      {{0, 0, 0, 1, 1, 1, 0, 0.5, 0, 1, 0, 0, 0, 0, 0, 0, 0}, "NSLAB should not be less than 1"},
  };
  for (const Case& c : cases) {
    std::array<double, 17> v = c.values;
    const std::optional<std::string> refusal = GeneralRefusal("TITLE", v);
    EXPECT_EQ(refusal.value_or(""), c.refusal ? c.refusal : "");
  }
  std::array<double, 17> v = cases[0].values;
  v[gen::kNSLAB] = 2.5;
  v[gen::kNJOINT] = 1.5;
  v[gen::kNPY] = 12.4;
  EXPECT_EQ(GeneralRefusal("TITLE", v), std::nullopt);
  EXPECT_EQ(v[gen::kNSLAB], 2);
  EXPECT_EQ(v[gen::kNJOINT], 2);
  EXPECT_EQ(v[gen::kNPY], 12);
  EXPECT_EQ(GeneralRefusal("A, B", v), "No comma should be used in TITLE");
}

TEST(SlabEntryChecksTest, CurlingCountsAreWholeAndWithinTheirLists) {
  std::array<double, 11> v{};
  v[curl::kNCYCLE] = 1;
  EXPECT_EQ(CurlingRefusal(v), std::nullopt);
  v[curl::kNOTCON] = 1.5;
  EXPECT_EQ(CurlingRefusal(v), "NOTCON should be a whole number");
  v[curl::kNOTCON] = 120;
  v[curl::kNGAP] = 121;
  EXPECT_EQ(CurlingRefusal(v), "NGAP should not be greater than 120");
  v[curl::kNGAP] = 0;
  v[curl::kNCYCLE] = 1.5;
  EXPECT_EQ(CurlingRefusal(v), "NCYCLE should be a whole number");
}

}  // namespace
}  // namespace pave::testing
