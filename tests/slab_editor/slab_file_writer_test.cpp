#include "slab_editor/slab_file_writer.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cctype>
#include <functional>

#include "slab_test_support.h"
#include "support/file_text.h"

namespace pave::testing {
namespace {

class SlabFileWriterTest : public SlabDataTest {};

// The record numbers of a file's lines in order; "T" for a title line.
std::string RecordSequence(const std::string& text) {
  std::string out;
  for (const std::string& line : TextLines(text)) {
    std::string number = "T";
    for (std::size_t at = line.find('('); at != std::string::npos; at = line.find('(', at + 1)) {
      std::size_t end = at + 1;
      while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end]))) ++end;
      if (end > at + 1 && end < line.size() && line[end] == ')') {
        number = line.substr(at + 1, end - at - 1);
        break;
      }
    }
    out += number + ' ';
  }
  return out;
}

TEST_F(SlabFileWriterTest, DefaultsOfANewDataSetAreWrittenByteForByte) {
  gSlabArrangement(1, 1, 1) = 5;
  gSlabArrangement(1, 1, 2) = 5;
  gSlabLayerProps(1, 1, 1) = 1;
  EXPECT_EQ(SlabFileText(),
            Blanks("_1__(1)_NPROB\r\n"
                   "\r\n"
                   "_0__0__1__1__(3)_NFOUND_NDAMA_NPY_NLG\r\n"
                   "_1__0__(4)_NSLAB_NJOINT\r\n"
                   "_5___5___0___0___0___0___(5)_NX_NY_JONO1_JONO2_JONO3_JONO4\r\n"
                   "_1__1__0__0__0__0__0__0__0__1__0__0__0__0__0__0__1__2__2_(6)_NLAYER_NNCK_NOTCON_NGAP_NPRINT_"
                   "INPUT_NBOND_NTEMP_NWT_NCYCLE_NAT1_NAT2_NSX_NSY_MDPO_NUNIT_UL_TC_CL\r\n"
                   "_0__0___0___0___0___0__.001__0__(7)_TEMP_GAMA(1)_GAMA(2)_PMR(1)_PMR(2)_CT_DEL_FMAX\r\n"
                   "_0___0___0___0___(8)_F1(1)_F1(2)_F2(1)_F2(2)\r\n"
                   "_0___0___0___0___0___0___0___0___0___0___(9)_X's_and_then_Y's\r\n"
                   "_1___.15___0___(10)_T_PR_YM\r\n"
                   "_0___(12)_NUDL\r\n"
                   "_0___(13)_NCNF\r\n"
                   "_0___0___(14)_NNMX_NNMY\r\n"
                   "_1___(22)_FSAF\r\n"
                   "_0___0___(24)_NAS_SUBMOD\r\n"));
}

struct SequenceCase {
  const char* name;
  std::function<void()> set;
  const char* sequence;   // record numbers of the lines, "T" the title
};
void PrintTo(const SequenceCase& c, std::ostream* os) { *os << c.name; }


void Slabs(int n, int joints) {
  gSlabGeneral(1, gen::kNSLAB) = static_cast<std::int16_t>(n);
  gSlabGeneral(1, gen::kNJOINT) = static_cast<std::int16_t>(joints);
  for (int s = 1; s <= n; ++s) {
    gSlabArrangement(1, s, 1) = 2;
    gSlabArrangement(1, s, 2) = 2;
  }
}

class RecordSequenceTest : public SlabFileWriterTest, public ::testing::WithParamInterface<SequenceCase> {};

TEST_P(RecordSequenceTest, RecordsArePresentAndRepeatAsTheirCountsSay) {
  GetParam().set();
  EXPECT_EQ(RecordSequence(SlabFileText()), GetParam().sequence);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecordSequenceTest,
    ::testing::Values(
        SequenceCase{"LiquidWithoutModuli", [] { Slabs(1, 0); }, "1 T 3 4 5 6 7 8 9 10 12 13 14 22 24 "},
        SequenceCase{"LiquidWithTwoModuli", [] { Slabs(1, 0); gSlabLiquid(1, 2) = 2; },
                     "1 T 3 4 5 6 7 8 9 10 12 13 14 22 24 25 "},
        SequenceCase{"Solid", [] { Slabs(1, 0); gSlabGeneral(1, gen::kNFOUND) = 1; },
                     "1 T 3 4 5 6 7 8 9 10 12 13 14 22 28 "},
        SequenceCase{"LayeredWithOneLayer", [] {
                       Slabs(1, 0);
                       gSlabGeneral(1, gen::kNFOUND) = 2;
                       gSlabLayered(1, 2) = 1;
                     },
                     "1 T 3 4 5 6 7 8 9 10 12 13 14 22 30 32 33 "},
        SequenceCase{"LayeredWithThreeLayers", [] {
                       Slabs(1, 0);
                       gSlabGeneral(1, gen::kNFOUND) = 2;
                       gSlabLayered(1, 2) = 3;
                     },
                     "1 T 3 4 5 6 7 8 9 10 12 13 14 22 30 31 32 33 "},
        SequenceCase{"TwoSlabsWithoutJointsWriteTheDowelRecord", [] { Slabs(2, 0); },
                     "1 T 3 4 5 5 6 7 8 9 9 10 12 13 14 22 24 34 "},
        SequenceCase{"JointWithoutAndWithDowelNodes", [] {
                       Slabs(3, 2);
                       gSlabJoints(1, 1, 8) = 0;
                       gSlabJoints(1, 2, 8) = 2;
                     },
                     "1 T 3 4 5 5 5 6 7 8 9 9 9 10 12 13 14 22 24 34 35 35 36 "},
        SequenceCase{"OneSlabWritesNoDowelRecordWhateverNJOINT", [] { Slabs(1, 1); },
                     "1 T 3 4 5 6 7 8 9 10 12 13 14 22 24 35 "},
        SequenceCase{"DamageWithTwoPeriodsAndThreeGroups", [] {
                       Slabs(1, 0);
                       gSlabGeneral(1, gen::kNDAMA) = 1;
                       gSlabGeneral(1, gen::kNPY) = 2;
                       gSlabGeneral(1, gen::kNLG) = 3;
                       gSlabNUDL(1, 2) = 2;
                     },
                     "1 T 3 4 5 6 7 8 9 10 12 13 14 15 15 22 24 37 37 "},
        SequenceCase{"NoLoadGroupWithDamageWritesEachPeriodsIdentifier", [] {
                       Slabs(1, 0);
                       gSlabGeneral(1, gen::kNDAMA) = 1;
                       gSlabGeneral(1, gen::kNPY) = 2;
                       gSlabGeneral(1, gen::kNLG) = 0;
                     },
                     "1 T 3 4 5 6 7 8 9 10 12 13 14 22 24 37 37 "},
        SequenceCase{"AdditionalThicknessesOfBothLayersWhateverNLAYER", [] {
                       Slabs(1, 0);
                       gSlabGeneral(1, gen::kNAT1) = 1;
                       gSlabGeneral(1, gen::kNAT2) = 2;
                     },
                     "1 T 3 4 5 6 7 8 9 10 11 11 12 13 14 22 24 "},
        SequenceCase{"NodalLoadsAndNodeLists", [] {
                       Slabs(1, 0);
                       gSlabRaftCounts(1, 1) = 1;
                       gSlabRaftCounts(1, 3) = 2;
                       gSlabCurling(1, curl::kNOTCON) = 1;
                       gSlabGeneral(1, gen::kNPRINT) = 1;
                       gSlabGeneral(1, gen::kNSX) = 1;
                       gSlabGeneral(1, gen::kNSY) = 1;
                       gSlabCurling(1, curl::kNGAP) = 1;
                     },
                     "1 T 3 4 5 6 7 8 9 10 12 13 14 16 16 17 18 19 20 21 22 24 "},
        SequenceCase{"TwoDataSets", [] {
                       Slabs(1, 0);
                       gSlabNPROB = 2;
                       CopySlabSet1To2();
                       gSlabGeneral(2, gen::kNFOUND) = 1;
                     },
                     "1 T 3 4 5 6 7 8 9 10 12 13 14 22 24 T 3 4 5 6 7 8 9 10 12 13 14 22 28 "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SlabFileWriterTest, ListsOfZeroLayersAndLoadGroupsLeaveTheIdentifierAlone) {
  Slabs(1, 0);
  gSlabGeneral(1, gen::kNLAYER) = 0;
  gSlabGeneral(1, gen::kNLG) = 0;
  const auto lines = TextLines(SlabFileText());
  EXPECT_EQ(lines[9], " (10) T PR YM");
  EXPECT_EQ(lines[10], " (12) NUDL");
}

TEST_F(SlabFileWriterTest, DowelValuesStayApartWhetherNumbersTextsOrEmpty) {
  Slabs(2, 0);
  EXPECT_EQ(TextLines(SlabFileText())[17], Blanks("_.3__(34)_YMSB_PRSB"));
  gSlabDowel(1, 1) = "29000000";
  gSlabDowel(1, 2) = ".3";
  EXPECT_EQ(TextLines(SlabFileText())[17], Blanks("29000000_.3__(34)_YMSB_PRSB"));
}

TEST_F(SlabFileWriterTest, ValuesPrintAsHeldAndTablesInTheirPrecision) {
  Slabs(1, 0);
  gSlabGeneral(1, gen::kNLG) = 1;
  gSlabNUDL(1, 1) = 1;
  const Value area[] = {1, "2.50", 7.25, 1E-9, Value(), -3};
  for (int k = 1; k <= 6; ++k) gSlabLoadAreas(1, 1, 1, k) = area[k - 1];
  gSlabRaftCounts(1, 1) = 1;
  gSlabNodalLoads(1, 1, 1, 1) = 5;
  gSlabNodalLoads(1, 1, 2, 1) = 0.1;
  gSlabFSAF(1, 1) = 0.35f;
  const auto lines = TextLines(SlabFileText());
  EXPECT_EQ(lines[13], Blanks("_1__2.50__7.25___1E-09___-3___(15)_LS_XL1_XL2_YL1_YL2_QQ"));
  EXPECT_EQ(lines[14], Blanks("_5___.1___(16)_NN_FF"));
  EXPECT_EQ(lines[15], Blanks("_.35___(22)_FSAF"));
}

}  // namespace
}  // namespace pave::testing
