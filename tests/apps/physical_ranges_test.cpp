// The ranges of the analysis programs are physical: a pavement is taken or refused alike whether its
// data set is in English or in SI units. Each case puts a value at the edge of its range and just
// beyond it, in an English example and in its SI twin: the value at the edge runs to the normal end
// with no message but the closing one, the value beyond stops the run with a message that names the
// item, the value with its unit and the range in the same unit.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>

#include "common/analysis_host.h"
#include "common/value_ranges.h"
#include "layered_analysis/run_driver.h"
#include "slab_analysis/slab_driver.h"
#include "support/file_text.h"

namespace pave {
namespace {

namespace fs = std::filesystem;
using pave::testing::ExampleText;

struct RangeCase {
  const char* name;
  bool layered;       // MORVELIN, or else BRUNTOLA
  const char* example;
  const char* record;  // as the example has it; its first occurrence is changed
  const char* inside;  // the record with a value at the edge of its range
  const char* beyond;  // the record with a value just beyond it
  const char* item;    // what the message names
  const char* told;    // the value, its unit and the range, as the message gives them
};
void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.name; }

struct Outcome {
  RunEnd end;
  std::string messages;
};

Outcome RunCase(const RangeCase& c, const char* replaced, const std::string& tag) {
  std::string text = ExampleText(c.example);
  text.replace(text.find(c.record), std::string(c.record).size(), replaced);
  const fs::path dir = fs::temp_directory_path() / ("pave_ranges_" + std::to_string(::getpid()) + "_" + c.name + tag);
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::ofstream(dir / "CASE.DAT", std::ios::binary) << text;
  RecordingHost host;
  const std::string base = (dir / "CASE").string();
  const RunEnd end = c.layered ? layered::RunMorvelin(base, host) : slab::RunSlabProgram(base, slab::kBruntola, host);
  std::string all;
  for (const std::string& m : host.messages) all += m + "\n";
  fs::remove_all(dir);
  return {end, all};
}

class PhysicalRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(PhysicalRange, TakesTheEdgeAndRefusesBeyondItInTheDataSetsUnit) {
  const RangeCase& c = GetParam();
  ASSERT_NE(ExampleText(c.example).find(c.record), std::string::npos) << c.record;
  const Outcome inside = RunCase(c, c.inside, "_inside");
  EXPECT_EQ(inside.messages.find(c.item), std::string::npos) << inside.messages;
  EXPECT_EQ(inside.end, RunEnd::Normal) << inside.messages;
  EXPECT_EQ(inside.messages, std::string(kExitText) + "\n");
  const Outcome beyond = RunCase(c, c.beyond, "_beyond");
  EXPECT_EQ(beyond.end, RunEnd::InputStop) << beyond.messages;
  EXPECT_NE(beyond.messages.find(c.item), std::string::npos) << beyond.messages;
  EXPECT_NE(beyond.messages.find(c.told), std::string::npos) << beyond.messages;
  EXPECT_NE(beyond.messages.find("(LINE "), std::string::npos) << beyond.messages;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PhysicalRange,
    ::testing::Values(
        // A deep subgrade over bedrock: 1000 in. is 2540 cm.
        RangeCase{"ThicknessEnglish", true, "LAY1", " 6   8   (6) TH", " 6   1000   (6) TH", " 6   1000.1   (6) TH",
                  "THE THICKNESS (TH) OF LAYER  2", "1000.1 IN. WHICH SHOULD BE FROM .001 TO 1000 IN., SO"},
        RangeCase{"ThicknessSi", true, "LAY1SI", " 15.24   20.32   (6) TH", " 15.24   2540   (6) TH",
                  " 15.24   2540.3   (6) TH", "THE THICKNESS (TH) OF LAYER  2",
                  "2540.3 CM WHICH SHOULD BE FROM .00254 TO 2540 CM, SO"},
        RangeCase{"ThicknessTwelveMetresSi", true, "LAY1SI", " 15.24   20.32   (6) TH", " 15.24   1200   (6) TH",
                  " 15.24   1E+04   (6) TH", "THE THICKNESS (TH) OF LAYER  2", "10000 CM WHICH SHOULD BE"},
        RangeCase{"ModulusEnglish", true, "LAY1", " 740000   23000   11000   (11) E", " 1E+10   23000   11000   (11) E",
                  " 1.01E+10   23000   11000   (11) E", "THE MODULUS (E) OF LAYER  1 IN PERIOD  1",
                  "1.01E+10 PSI WHICH SHOULD BE FROM 1 TO 1E+10 PSI, SO"},
        RangeCase{"ModulusSi", true, "LAY1SI", " 5102300   158585   75845   (11) E",
                  " 6.89476E+10   158585   75845   (11) E", " 6.9E+10   158585   75845   (11) E",
                  "THE MODULUS (E) OF LAYER  1 IN PERIOD  1", "6.9E+10 KPA WHICH SHOULD BE FROM 6.89476 TO 6.89476E+10 KPA"},
        // Ten years and more of creep: times are seconds in either system.
        RangeCase{"CreepTimeEnglish", true, "LAY3", "   3   10   (39) TYME", "   3   1E+10   (39) TYME",
                  "   3   1.1E+10   (39) TYME", "THE CREEP TIME (TYME) NO. 7",
                  "1.1E+10 SEC WHICH SHOULD BE FROM .000001 TO 1E+10 SEC, SO"},
        RangeCase{"CreepTimeSi", true, "LAY3SI", "   3   10   (39) TYME", "   3   3.15E+08   (39) TYME",
                  "   3   1.1E+10   (39) TYME", "THE CREEP TIME (TYME) NO. 7",
                  "1.1E+10 SEC WHICH SHOULD BE FROM .000001 TO 1E+10 SEC, SO"},
        RangeCase{"IntegrationToleranceEnglish", true, "LAY1", " .001  (4) DEL", " .1  (4) DEL", " .11  (4) DEL",
                  "THE TOLERANCE FOR INTEGRATION (DEL)", ".11 WHICH SHOULD BE FROM .000001 TO .1, SO"},
        RangeCase{"IntegrationToleranceHuge", true, "LAY3SI", " .001  (4) DEL", " .000001  (4) DEL", " 1E+38  (4) DEL",
                  "THE TOLERANCE FOR INTEGRATION (DEL)", "1E+38 WHICH SHOULD BE FROM .000001 TO .1, SO"},
        // The depth where a nonlinear layer's modulus is taken lies in the pavement.
        RangeCase{"NonlinearDepthEnglish", true, "LAY2", " 1   3   5   7   9   11   18   (27) ZCNOL",
                  " 0   3   5   7   9   11   18   (27) ZCNOL", " -1   3   5   7   9   11   18   (27) ZCNOL",
                  "THE Z COORDINATE (ZCNOL) OF NONLINEAR LAYER", "-1 IN. WHICH SHOULD BE FROM 0 TO 1000 IN., SO"},
        RangeCase{"NonlinearDepthSi", true, "LAY2SI", " 2.54   7.62   12.7", " 0   7.62   12.7", " -2.54   7.62   12.7",
                  "THE Z COORDINATE (ZCNOL) OF NONLINEAR LAYER", "-2.54 CM WHICH SHOULD BE FROM 0 TO 2540 CM, SO"},
        // Unit weights of the layers whose moduli depend on their stresses: 10000 pcf is 1570.87 kN/m^3.
        RangeCase{"UnitWeightEnglish", true, "LAY2", " 135   115   (30) GAM", " 135   10000   (30) GAM",
                  " 135   -1   (30) GAM", "THE UNIT WEIGHT (GAM) OF LAYER  7",
                  "-1 PCF WHICH SHOULD BE FROM 0 TO 10000 PCF, SO"},
        RangeCase{"UnitWeightSi", true, "LAY2SI", " 21.2   18.1   (30) GAM", " 21.2   1570.87   (30) GAM",
                  " 21.2   1571   (30) GAM", "THE UNIT WEIGHT (GAM) OF LAYER  7",
                  "1571 KN/M^3 WHICH SHOULD BE FROM 0 TO 1570.87 KN/M^3, SO"},
        // Slab temperatures: a difference of 200 F is one of 111.111 C.
        RangeCase{"TemperatureEnglish", false, "SLA1", " 20  0   0   0   0   .000005", " 200  0   0   0   0   .000005",
                  " 201  0   0   0   0   .000005", "(TEMP)", "201 F WHICH SHOULD BE FROM -200 TO 200 F, SO"},
        RangeCase{"TemperatureSi", false, "SLA1SI", " 11.11  0   0   0   0   .000009",
                  " -111.111  0   0   0   0   .000009", " 1E+38  0   0   0   0   .000009", "(TEMP)",
                  "1E+38 C WHICH SHOULD BE FROM -111.111 TO 111.111 C, SO"},
        RangeCase{"ExpansionEnglish", false, "SLA1", " .000005  .001  1  (7)", " .0001  .001  1  (7)",
                  " .00011  .001  1  (7)", "(CT)", ".00011 PER F WHICH SHOULD BE FROM 0 TO .0001 PER F, SO"},
        RangeCase{"ExpansionSi", false, "SLA1SI", " .000009  .001  2.54  (7)", " .00018  .001  2.54  (7)",
                  " .00019  .001  2.54  (7)", "(CT)", "PER C WHICH SHOULD BE FROM 0 TO .00018 PER C, SO"},
        RangeCase{"SlabToleranceHuge", false, "SLA4", " .001  1  (7)", " .1  1  (7)", " 3.5E+38  1  (7)",
                  "THE TOLERANCE FOR ITERATIONS (DEL)", "3.5E+38 WHICH SHOULD BE FROM .000001 TO .1, SO"},
        RangeCase{"DisplacementLimitEnglish", false, "SLA1", " .001  1  (7)", " .001  1000  (7)", " .001  1E+39  (7)",
                  "THE MAXIMUM ALLOWABLE VERTICAL DISPLACEMENT (FMAX)", "1E+39 IN. WHICH SHOULD BE FROM 0 TO 1000 IN., SO"},
        RangeCase{"DisplacementLimitSi", false, "SLA1SI", " .001  2.54  (7)", " .001  2540  (7)", " .001  2541  (7)",
                  "THE MAXIMUM ALLOWABLE VERTICAL DISPLACEMENT (FMAX)", "2541 CM WHICH SHOULD BE FROM 0 TO 2540 CM, SO"},
        // Shear springs: psi, or kN/cm^2 in SI units.
        RangeCase{"ShearSpringEnglish", false, "SLA5", " 5000   0   0   0   0   0   0   0   (35)",
                  " 1E+10   0   0   0   0   0   0   0   (35)", " 1.1E+10   0   0   0   0   0   0   0   (35)",
                  "THE SHEAR SPRING CONSTANT (SPCON1) OF JOINT 1", "1.1E+10 PSI WHICH SHOULD BE FROM 0 TO 1E+10 PSI, SO"},
        RangeCase{"ShearSpringSi", false, "SLA5SI", " 3.44738   0   0   0   0   0   0   0   (35)",
                  " 6.89476E+06   0   0   0   0   0   0   0   (35)", " 6.9E+06   0   0   0   0   0   0   0   (35)",
                  "THE SHEAR SPRING CONSTANT (SPCON1) OF JOINT 1",
                  "6900000 KN/CM^2 WHICH SHOULD BE FROM 0 TO 6894760 KN/CM^2, SO"},
        // The gap at a joint acts on a shear spring as on dowels.
        RangeCase{"SpringJointGapNegative", false, "SLA5", " 5000   0   0   0   0   0   0   0   (35)",
                  " 5000   0   0   0   0   0   .001   0   (35)", " 5000   0   0   0   0   0   -1   0   (35)",
                  "THE GAP BETWEEN DOWEL AND CONCRETE (GDC) OF JOINT 1",
                  "-1 IN. WHICH SHOULD BE FROM 0 TO 1000 IN., SO"},
        RangeCase{"SpringJointGapHuge", false, "SLA5SI", " 3.44738   0   0   0   0   0   0   0   (35)",
                  " 3.44738   0   0   0   0   0   .00254   0   (35)", " 3.44738   0   0   0   0   0   32769   0   (35)",
                  "THE GAP BETWEEN DOWEL AND CONCRETE (GDC) OF JOINT 1",
                  "32769 CM WHICH SHOULD BE FROM 0 TO 2540 CM, SO"}),
    [](const ::testing::TestParamInfo<RangeCase>& info) { return std::string(info.param.name); });

// A value a little beyond an edge of a range, in the direction `outward` (+1 above it, -1 below it):
// by a hundred-thousandth of the edge's own size, which single precision (some six parts in a
// hundred million) still tells from the edge; beyond an edge of 0, by the least normal single.
double Beyond(double edge, int outward) {
  const double step = edge != 0 ? std::fabs(edge) * 1e-5 : std::numeric_limits<float>::min();
  return edge + outward * step;
}

// The SI limits are the English limits converted: the same pavement meets the same range.
TEST(PhysicalRange, SiLimitsAreTheEnglishLimitsConverted) {
  struct Limit {
    const ValueRange& range;
    double siLeast, siGreatest;
    const char* rule;  // as the editors quote it in SI units
  };
  const Limit limits[] = {
      {range::kThickness, 0.00254, 2540, "from .00254 to 2540 cm"},
      {range::kModulus, 6.89476, 6.89476e10, "from 6.89476 to 6.89476E+10 kPa"},
      {range::kModulusOrZero, 6.89476, 6.89476e10, "0 or from 6.89476 to 6.89476E+10 kPa"},
      {range::kPressure, -68947.6, 68947.6, "from -68947.6 to 68947.6 kPa"},
      {range::kSubgradeModulus, 0.0271447, 27144.7, "0 or from .0271447 to 27144.7 MN/m^3"},
      {range::kShearSpring, 0, 6.89476e6, "from 0 to 6894760 kN/cm^2"},
      {range::kCreepTime, 1e-6, 1e10, "from .000001 to 1E+10 sec"},
      {range::kTemperatureDifference, -111.111, 111.111, "from -111.111 to 111.111 C"},
      {range::kTolerance, 1e-6, 0.1, "from .000001 to .1"},
  };
  for (const Limit& l : limits) {
    SCOPED_TRACE(l.rule);
    EXPECT_DOUBLE_EQ(l.range.Least(true), l.siLeast);
    EXPECT_DOUBLE_EQ(l.range.Greatest(true), l.siGreatest);
    EXPECT_EQ(RangeRule(l.range, true, false), l.rule);
    // The edges hold in both systems, and a value a little beyond either edge in neither.
    for (const bool si : {false, true}) {
      EXPECT_TRUE(l.range.Holds(l.range.Least(si), si));
      EXPECT_TRUE(l.range.Holds(l.range.Greatest(si), si));
      EXPECT_FALSE(l.range.Holds(Beyond(l.range.Greatest(si), 1), si));
      EXPECT_FALSE(l.range.Holds(Beyond(l.range.Least(si), -1), si));
    }
  }
  EXPECT_EQ(RangeRule(range::kThickness, false), "FROM .001 TO 1000 IN.");
}

}  // namespace
}  // namespace pave
