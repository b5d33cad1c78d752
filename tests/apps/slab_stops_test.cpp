// The stops of the slab programs as a user meets them: each names the item, the value as typed, its
// unit and range, and the line it stands on; and the runs that used to end normally with a wrong
// answer, or to stop blaming the wrong thing, now give a sound answer or a stop that says why.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "common/analysis_host.h"
#include "slab_analysis/slab_driver.h"
#include "support/bad_input_sweep.h"
#include "support/file_text.h"

namespace pave {
namespace {

using pave::testing::ExampleText;
using pave::testing::Outcome;
using pave::testing::SweepRunner;
using pave::testing::TextLines;

// A data file with one of its lines (counted from 1) replaced.
std::string ReplacedLine(const std::string& data, int line, const std::string& text) {
  std::vector<std::string> lines = TextLines(data);
  lines.at(static_cast<std::size_t>(line - 1)) = text;
  std::string joined;
  for (const std::string& l : lines) joined += l + "\r\n";
  return joined;
}
std::string WithLine(const std::string& example, int line, const std::string& text) {
  return ReplacedLine(ExampleText(example), line, text);
}

// A run of one slab build on a data file written into a folder of its own.
struct SlabRunResult {
  RunEnd end;
  std::vector<std::string> messages;
  std::string report, graph;
};
SlabRunResult RunSlab(const std::string& tag, const std::string& data, const slab::SlabVariant& variant) {
  SweepRunner runner("slab_stops_" + tag,
                     [&variant](const std::string& base, AnalysisHost& host) {
                       return slab::RunSlabProgram(base, variant, host);
                     },
                     ".SLA");
  const Outcome o = runner.Run(tag, &data);
  return {o.end, o.host.messages, o.report, o.graph};
}

// ---------------------------------------------------------------------------------------------------
// Stops of the slab input: one line of an example changed.

struct StopCase {
  const char* name;
  const char* example;
  int line;
  const char* text;  // the line as the case has it
  const char* message;
  int otherLine = 0;  // a second line changed, where the stop needs one
  const char* otherText = nullptr;
};
void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }

class SlabStop : public ::testing::TestWithParam<StopCase> {};

TEST_P(SlabStop, NamesTheItemTheValueAndTheLine) {
  const StopCase& c = GetParam();
  std::string data = WithLine(c.example, c.line, c.text);
  if (c.otherLine != 0) data = ReplacedLine(data, c.otherLine, c.otherText);
  for (const slab::SlabVariant& variant : {slab::kBruntola, slab::kLarge}) {
    SCOPED_TRACE(variant.large ? "large" : "BRUNTOLA");
    const SlabRunResult run = RunSlab(c.name, data, variant);
    EXPECT_EQ(run.end, RunEnd::InputStop);
    ASSERT_FALSE(run.messages.empty());
    EXPECT_EQ(run.messages.front(), c.message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SlabStop,
    ::testing::Values(
        // Element shapes are checked on every slab: the third slab of SLA5 with an element 0.001 in.
        // wide and 72 in. long (0.001 / 72 = 1.3889E-05).
        StopCase{"OblongElementOfThirdSlab", "SLA5", 14, " 0   .001   180   0   72   144   (9) X's and then Y's",
                 "Some elements of slab 3 (LINE 14) are too oblong with an aspect ratio of 1.388889E-05 (it should be "
                 "from 0.2 to 5) so the computation is terminated.  Please change the grid size."},
        StopCase{"OblongElementOfSecondSlab", "SLA3", 11,
                 " 0   16   40   80   120   180   0   16   41   66   82   98   121   122   (9) X's and then Y's",
                 "Some elements of slab 2 (LINE 11) are too oblong with an aspect ratio of 16 (it should be from 0.2 to "
                 "5) so the computation is terminated.  Please change the grid size."},
        // FMAX 0 would stop the deflection iteration at once; a gap at a dowel (line 28) calls for it.
        StopCase{"DisplacementLimitZeroWhereTheIterationUsesIt", "SLA5", 10,
                 "-20  150   0   650   0   .000005  .001  0  (7) TEMP GAMA(1) GAMA(2) PMR(1) PMR(2) CT DEL FMAX",
                 "THE MAXIMUM ALLOWABLE VERTICAL DISPLACEMENT (FMAX) (LINE 10) IS 0 IN. WHICH SHOULD BE FROM .001 TO 1000 "
                 "IN., SO COMPUTATION STOPS.",
                 28, " 0   0   1500000   .875   12   .25   .001   0   (35) SPCON1 SPCON2 SCKV BD BS WJ GDC NNAJ"},
        // Record (10).
        StopCase{"SlabThicknessBeyondRange", "SLA3", 12, " 1001   .15   4000000   (10) T PR YM",
                 "THE THICKNESS (T) OF SLAB LAYER 1 (LINE 12) IS 1001 IN. WHICH SHOULD BE FROM .001 TO 1000 IN., SO "
                 "COMPUTATION STOPS."},
        StopCase{"SlabThicknessNegative", "SLA1", 10, " -8   .15   4000000   (10) T PR YM",
                 "THE THICKNESS (T) OF SLAB LAYER 1 (LINE 10) IS -8 IN. WHICH SHOULD BE FROM .001 TO 1000 IN., SO "
                 "COMPUTATION STOPS."},
        StopCase{"SlabModulusZero", "SLA1", 10, " 8   .15   0   (10) T PR YM",
                 "THE YOUNG'S MODULUS (YM) OF SLAB LAYER 1 (LINE 10) IS 0 PSI WHICH SHOULD BE FROM 1 TO 1E+10 PSI, SO "
                 "COMPUTATION STOPS."},
        StopCase{"UnitWeightNegative", "SLA2", 7,
                 " 20  -150   0   0   0   .000005  .001  1  (7) TEMP GAMA(1) GAMA(2) PMR(1) PMR(2) CT DEL FMAX",
                 "THE UNIT WEIGHT OF LAYER 1 (GAMA) (LINE 7) IS -150 PCF WHICH SHOULD BE FROM 0 TO 10000 PCF, SO "
                 "COMPUTATION STOPS."},
        // The codes of record (6) take only their codes.
        StopCase{"WeightCodeHuge", "SLA2", 6,
                 " 1  49  13  0  0  0  0  1  1E+39  10  0  0  7  7  0  0  1  2  2 (6) NLAYER NNCK NOTCON NGAP NPRINT INPUT "
                 "NBOND NTEMP NWT NCYCLE NAT1 NAT2 NSX NSY MDPO NUNIT UL TC CL",
                 "THE CODE INDICATING WHETHER SLAB WEIGHT IS CONSIDERED (NWT) (LINE 6) IS 1E+39 WHICH SHOULD BE 0 OR 1, SO "
                 "COMPUTATION STOPS."},
        StopCase{"WeightCodeHalf", "SLA2", 6,
                 " 1  49  13  0  0  0  0  1  2.5  10  0  0  7  7  0  0  1  2  2 (6) NLAYER NNCK NOTCON NGAP NPRINT INPUT "
                 "NBOND NTEMP NWT NCYCLE NAT1 NAT2 NSX NSY MDPO NUNIT UL TC CL",
                 "THE CODE INDICATING WHETHER SLAB WEIGHT IS CONSIDERED (NWT) (LINE 6) IS 2.5 WHICH SHOULD BE 0 OR 1, SO "
                 "COMPUTATION STOPS."},
        StopCase{"WarpingCodeLarge", "SLA2", 6,
                 " 1  49  13  0  0  0  0  70000  1  10  0  0  7  7  0  0  1  2  2 (6) NLAYER NNCK NOTCON NGAP NPRINT INPUT "
                 "NBOND NTEMP NWT NCYCLE NAT1 NAT2 NSX NSY MDPO NUNIT UL TC CL",
                 "THE CONDITION OF WARPING (NTEMP) (LINE 6) IS 70000 WHICH SHOULD BE 0 OR 1, SO COMPUTATION STOPS."},
        StopCase{"GapInputCode", "SLA1", 6,
                 " 1  49  0  0  0  2  0  1  0  1  0  0  7  7  0  0  1  2  2 (6) NLAYER NNCK NOTCON NGAP NPRINT INPUT NBOND "
                 "NTEMP NWT NCYCLE NAT1 NAT2 NSX NSY MDPO NUNIT UL TC CL",
                 "THE CODE FOR INPUT OF GAPS OR PRECOMPRESSIONS (INPUT) (LINE 6) IS 2 WHICH SHOULD BE 0 OR 1, SO "
                 "COMPUTATION STOPS."},
        StopCase{"UnitSystemCode", "SLA1", 6,
                 " 1  49  0  0  0  0  0  1  0  1  0  0  7  7  0  3  1  2  2 (6) NLAYER NNCK NOTCON NGAP NPRINT INPUT NBOND "
                 "NTEMP NWT NCYCLE NAT1 NAT2 NSX NSY MDPO NUNIT UL TC CL",
                 "THE SYSTEM OF UNITS (NUNIT) (LINE 6) IS 3 WHICH SHOULD BE 0 OR 1, SO COMPUTATION STOPS."},
        StopCase{"DamageNeedsThreePrintPoints", "SLA4", 6,
                 " 1  1  0  0  2  0  0  0  0  1  0  0  0  9  0  0  1  2  2 (6) NLAYER NNCK NOTCON NGAP NPRINT INPUT NBOND "
                 "NTEMP NWT NCYCLE NAT1 NAT2 NSX NSY MDPO NUNIT UL TC CL",
                 "WHEN NDAMA = 2 or 3, NPRINT MUST BE EQUAL TO 3.  YOUR NPRINT (LINE 6) IS  2 SO THE PROGRAM IS STOPPED.",
                 3, " 1  2  2  3  (3) NFOUND NDAMA NPY NLG"},
        // Counts, slab and joint numbers.
        StopCase{"TooManyNodalForces", "SLA1", 12, " 121   (13) NCNF",
                 "THE NUMBER OF NODAL FORCES (NCNF) (LINE 12) IS 121 WHICH IS GREATER THAN THE LIMIT OF 120, SO "
                 "COMPUTATION STOPS."},
        StopCase{"NodalMomentCountNegative", "SLA1", 13, " 0   -1   (14) NNMX NNMY",
                 "THE NUMBER OF NODAL MOMENTS ABOUT THE Y AXIS (NCMY) (LINE 13) IS -1 WHICH SHOULD BE A WHOLE NUMBER OF "
                 "AT LEAST 0, SO COMPUTATION STOPS."},
        StopCase{"JointNumberBeyondJoints", "SLA3", 5, " 7   8   0   4   0   0   (5) NX NY JONO1 JONO2 JONO3 JONO4",
                 "JOINT NO. 4 OF SLAB 1 IN RECORD (5) (LINE 5) IS NOT A JOINT 0 TO 1, SO COMPUTATION STOPS."},
        StopCase{"LoadOnSlabThatIsNot", "SLA3", 16, " 3   125.222   130.778   0   16   90   (15) LS XL1 XL2 YL1 YL2 QQ",
                 "SLAB NO. 3 OF LOADED AREA 1 OF LOAD GROUP 1 IN RECORD (15) (LINE 16) IS NOT A SLAB 1 TO 2, SO "
                 "COMPUTATION STOPS."},
        StopCase{"LoadOutsideItsSlab", "SLA3", 17, " 1   125.222   190   66   82   90   (15) LS XL1 XL2 YL1 YL2 QQ",
                 "LOADED AREA 2 OF LOAD GROUP 1 IN RECORD (15) (LINE 17) (X FROM 125.222 TO 190, Y FROM 66 TO 82) DOES "
                 "NOT LIE WITHIN SLAB NO. 1, SO COMPUTATION STOPS."},
        // Records (2) to (4).
        StopCase{"CommaInTitle", "SLA1", 2, "CURLING OF SLAB, FULL CONTACT",
                 "No comma should be used for TITLE (LINE 2) and use semicolon instead."},
        StopCase{"RecordFourWithoutItsIdentifier", "SLA1", 4, " 1  0  (4) NSLAB",
                 "FILE IS WRONG AND DOES NOT FIT WITH BRUNTOLA FORMAT (LINE 4)"},
        // The foundations.
        StopCase{"FoundationModulusZero", "SLA1", 33, " 0   .4   (28) YMS PRS",
                 "THE YOUNG'S MODULUS OF FOUNDATION (YMS) (LINE 33) IS 0 PSI WHICH SHOULD BE FROM 1 TO 1E+10 PSI, SO "
                 "COMPUTATION STOPS."},
        StopCase{"FoundationLayerThicknessZero", "SLA5", 23, " 0   (31) TH",
                 "THE THICKNESS (TH) OF FOUNDATION LAYER 1 (LINE 23) IS 0 IN. WHICH SHOULD BE FROM .001 TO 1000 IN., SO "
                 "COMPUTATION STOPS."},
        StopCase{"FoundationLayerModulusZero", "SLA5", 24, " 0   5000   (32) E",
                 "THE YOUNG MODULUS (E) OF FOUNDATION LAYER 1 (LINE 24) IS 0 PSI WHICH SHOULD BE FROM 1 TO 1E+10 PSI, SO "
                 "COMPUTATION STOPS."},
        // Joints: a spring joint (SLA5 line 27) and a dowelled one (line 28).
        StopCase{"SpringJointWidthHuge", "SLA5", 27, " 5000   0   0   0   0   1E+38   0   0   (35) SPCON1 SPCON2 SCKV BD BS WJ GDC NNAJ",
                 "THE JOINT WIDTH (WJ) OF JOINT 1 (LINE 27) IS 1E+38 IN. WHICH SHOULD BE FROM 0 TO 1000 IN., SO "
                 "COMPUTATION STOPS."},
        StopCase{"SpringJointDowelDiameterHuge", "SLA5", 27,
                 " 5000   0   0   1E+38   0   0   0   0   (35) SPCON1 SPCON2 SCKV BD BS WJ GDC NNAJ",
                 "THE DOWEL DIAMETER (BD) OF JOINT 1 (LINE 27) IS 1E+38 IN. WHICH SHOULD BE FROM 0 TO 1000 IN., SO "
                 "COMPUTATION STOPS."},
        StopCase{"SpringJointWidthHugeSi", "SLA5SI", 27,
                 " 3.44738   0   0   0   0   1E+38   0   0   (35) SPCON1 SPCON2 SCKV BD BS WJ GDC NNAJ",
                 "THE JOINT WIDTH (WJ) OF JOINT 1 (LINE 27) IS 1E+38 CM WHICH SHOULD BE FROM 0 TO 2540 CM, SO "
                 "COMPUTATION STOPS."},
        StopCase{"DowelledJointWidthNegative", "SLA5", 28,
                 " 0   0   1500000   .875   12   -1   0   0   (35) SPCON1 SPCON2 SCKV BD BS WJ GDC NNAJ",
                 "THE JOINT WIDTH (WJ) OF JOINT 2 (LINE 28) IS -1 IN. WHICH SHOULD BE FROM 0 TO 1000 IN., SO "
                 "COMPUTATION STOPS."},
        StopCase{"DowelSupportZero", "SLA5", 28,
                 " 0   0   0   .875   12   .25   0   0   (35) SPCON1 SPCON2 SCKV BD BS WJ GDC NNAJ",
                 "THE MODULUS OF DOWEL SUPPORT (SCKV) OF JOINT 2 (LINE 28) IS 0 PCI WHICH SHOULD BE FROM 1 TO 1E+10 PCI, SO "
                 "COMPUTATION STOPS."},
        StopCase{"DowelGapNegative", "SLA5", 28,
                 " 0   0   1500000   .875   12   .25   -1   0   (35) SPCON1 SPCON2 SCKV BD BS WJ GDC NNAJ",
                 "THE GAP BETWEEN DOWEL AND CONCRETE (GDC) OF JOINT 2 (LINE 28) IS -1 IN. WHICH SHOULD BE FROM 0 TO 1000 "
                 "IN., SO COMPUTATION STOPS."},
        StopCase{"MomentSpringNegative", "SLA5", 27,
                 " 5000   -1   0   0   0   0   0   0   (35) SPCON1 SPCON2 SCKV BD BS WJ GDC NNAJ",
                 "THE MOMENT SPRING CONSTANT (SPCON2) OF JOINT 1 (LINE 27) IS -1 IN.-LB/IN. WHICH SHOULD BE FROM 0 TO "
                 "1E+10 IN.-LB/IN., SO COMPUTATION STOPS."},
        // The dowel modulus in SI units is checked in kPa as typed.
        StopCase{"DowelModulusHugeSi", "SLA5SI", 26, " 1E+12  .3  (34) YMSB PRSB",
                 "THE YOUNG MODULUS OF DOWEL BAR (YMSB) (LINE 26) IS 1E+12 KPA WHICH SHOULD BE FROM 6.89476 TO "
                 "6.89476E+10 KPA, SO COMPUTATION STOPS."}),
    [](const ::testing::TestParamInfo<StopCase>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------------
// Values in range run to a normal end.

TEST(SlabRun, TakesADowelModulusInKilopascalsAsTyped) {
  // 50,000 kPa lies within 6.89476 to 6.89476E+10 kPa.
  const SlabRunResult run = RunSlab("ymsb", WithLine("SLA5SI", 26, " 50000  .3  (34) YMSB PRSB"), slab::kBruntola);
  EXPECT_EQ(run.end, RunEnd::Normal) << (run.messages.empty() ? "" : run.messages.front());
  EXPECT_NE(run.report.find("YOUNG MODULUS OF DOWEL BAR (YMSB)   = 5.000E+04"), std::string::npos);
}

// A slab whose stress passes its modulus of rupture many times over cracks at the first load: its
// allowed count of repetitions is 0, its cracking index beyond any count (the largest
// single-precision number, 3.40282E+38) and its design life 0 years.
struct CrackCase {
  const char* name;
  int line;
  const char* text;
};
void PrintTo(const CrackCase& c, std::ostream* os) { *os << c.name; }

class SlabThatCracksAtOnce : public ::testing::TestWithParam<CrackCase> {};

TEST_P(SlabThatCracksAtOnce, HasADesignLifeOfZeroYears) {
  const CrackCase& c = GetParam();
  std::string data = WithLine("SLA4", c.line, c.text);
  if (std::string(c.name).find("Own") != std::string::npos) {
    // NDAMA 2 with the user's coefficients: 10^(1 - 100 SR) repetitions.
    const std::string code = " 1  1  2  3  (3)";
    data.replace(data.find(code), code.size(), " 1  2  2  3  (3)");
    const std::string coefficients = " 0   0   0   0   (8)";
    data.replace(data.find(coefficients), coefficients.size(), " 1   0   100   0   (8)");
  }
  for (const slab::SlabVariant& variant : {slab::kBruntola, slab::kLarge}) {
    SCOPED_TRACE(variant.large ? "large" : "BRUNTOLA");
    const SlabRunResult run = RunSlab(c.name, data, variant);
    ASSERT_EQ(run.end, RunEnd::Normal) << (run.messages.empty() ? "" : run.messages.front());
    EXPECT_NE(run.report.find("SUM OF CRACKING INDEX (SUMCI) =    .34028E+39"), std::string::npos) << run.report;
    EXPECT_NE(run.report.find("DESIGN LIFE (DL) IN YEARS = "), std::string::npos);
    const std::vector<std::string> lines = TextLines(run.report);
    for (const std::string& line : lines) {
      if (line.rfind("DESIGN LIFE (DL) IN YEARS = ", 0) == 0) {
        EXPECT_EQ(line.substr(line.size() - 5), " 0.00") << line;
      }
    }
    // The graph file ends with the design life.
    const std::vector<std::string> graph = TextLines(run.graph);
    ASSERT_FALSE(graph.empty());
    EXPECT_EQ(graph.back(), " 0 ");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SlabThatCracksAtOnce,
    ::testing::Values(
        CrackCase{"RuptureModulusFiftyPsi", 7,
                  " 0  150   0   50   0   .000005  .001  1  (7) TEMP GAMA(1) GAMA(2) PMR(1) PMR(2) CT DEL FMAX"},
        CrackCase{"RuptureModulusTenPsi", 7,
                  " 0  150   0   10   0   .000005  .001  1  (7) TEMP GAMA(1) GAMA(2) PMR(1) PMR(2) CT DEL FMAX"},
        CrackCase{"OwnCoefficientsRuptureModulusTenPsi", 7,
                  " 0  150   0   10   0   .000005  .001  1  (7) TEMP GAMA(1) GAMA(2) PMR(1) PMR(2) CT DEL FMAX"}),
    [](const ::testing::TestParamInfo<CrackCase>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------------
// A data file that declares no problem: the graph file is marked as stopped, like that of any stop.

class NoProblem : public ::testing::TestWithParam<const char*> {};

TEST_P(NoProblem, MarksTheGraphFileStopped) {
  const std::string count = GetParam();
  const SlabRunResult run = RunSlab("nprob", WithLine("SLA1", 1, " " + count + "  (1) NPROB"), slab::kBruntola);
  EXPECT_EQ(run.end, RunEnd::InputStop);
  // The count as numbers are written (a blank for the sign of a positive one), then "STOPPED".
  EXPECT_EQ(run.graph, (count[0] == '-' ? count : " " + count) + " \r\nSTOPPED\r\n");
}

INSTANTIATE_TEST_SUITE_P(Counts, NoProblem, ::testing::Values("0", "-3"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           return std::string(info.param[0] == '-' ? "Negative" : "Zero");
                         });

}  // namespace
}  // namespace pave
