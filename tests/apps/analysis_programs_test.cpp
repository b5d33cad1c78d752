// The analysis programs as a user meets them: values no pavement has, data files that are not
// regular files, and report or graph files that cannot be written, in MORVELIN, BRUNTOLA and `large`
// alike.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "common/analysis_host.h"
#include "layered_analysis/run_driver.h"
#include "slab_analysis/slab_driver.h"
#include "support/bad_input_sweep.h"
#include "support/file_text.h"

namespace pave {
namespace {

namespace fs = std::filesystem;
using pave::testing::ExampleText;
using pave::testing::FileText;
using pave::testing::TextLines;

enum class Program { Morvelin, Bruntola, Large };

const char* Name(Program p) {
  switch (p) {
    case Program::Morvelin: return "Morvelin";
    case Program::Bruntola: return "Bruntola";
    default: return "Large";
  }
}
const char* GraphExtension(Program p) { return p == Program::Morvelin ? ".LAY" : ".SLA"; }
const char* Example(Program p) { return p == Program::Morvelin ? "LAY1" : "SLA1"; }
// The message of a run that bad data stopped, in all three programs: the sentence, then where.
std::string ErrorText(const std::string& where) { return std::string(kDataErrorText) + "\n" + where; }

RunEnd RunProgram(Program p, const std::string& base, AnalysisHost& host) {
  switch (p) {
    case Program::Morvelin: return layered::RunMorvelin(base, host);
    case Program::Bruntola: return slab::RunSlabProgram(base, slab::kBruntola, host);
    default: return slab::RunSlabProgram(base, slab::kLarge, host);
  }
}

// The programs a table row runs on: MORVELIN, or for a slab row (Bruntola) both builds of the slab
// program.
std::vector<Program> ProgramsOfRow(Program p) {
  return p == Program::Morvelin ? std::vector<Program>{Program::Morvelin}
                                : std::vector<Program>{Program::Bruntola, Program::Large};
}

// A folder of its own for each case, emptied first; made writable again and removed afterwards.
class Folder {
 public:
  explicit Folder(const std::string& tag)
      : dir_(fs::temp_directory_path() / ("pave_apps_" + std::to_string(::getpid()) + "_" + tag)) {
    Clean();
    fs::create_directories(dir_);
  }
  ~Folder() { Clean(); }
  const fs::path& dir() const { return dir_; }
  fs::path File(const std::string& name) const { return dir_ / name; }
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(dir_ / name, std::ios::binary) << text;
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  void Clean() {
    std::error_code ec;
    if (!fs::exists(dir_, ec)) return;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
    for (const auto& e : fs::recursive_directory_iterator(dir_, ec))
      fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir_, ec);
  }
  fs::path dir_;
};

std::string Joined(const std::vector<std::string>& messages) {
  std::string all;
  for (const std::string& m : messages) all += m + "\n";
  return all;
}

// ---------------------------------------------------------------------------------------------------
// Values that no pavement has are refused with a message that names the item and its value; the
// run ends as an input stop, never as a normal end with results.

struct ValueCase {
  const char* name;
  Program program;       // Bruntola: both slab builds
  const char* example;
  const char* record;    // as the example has it (its first occurrence is changed)
  const char* replaced;  // as the case has it
  const char* message;   // the message of the stop
};
void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.name; }

class ValueRefusal : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ValueRefusal, StopsWithAMessageNamingTheItemAndValue) {
  const ValueCase& c = GetParam();
  std::string text = ExampleText(c.example);
  const std::size_t at = text.find(c.record);
  ASSERT_NE(at, std::string::npos) << c.record;
  text.replace(at, std::string(c.record).size(), c.replaced);
  for (Program p : ProgramsOfRow(c.program)) {
    SCOPED_TRACE(Name(p));
    Folder folder(std::string(c.name) + Name(p));
    folder.Write("CASE.DAT", text);
    RecordingHost host;
    const RunEnd end = RunProgram(p, folder.File("CASE").string(), host);
    EXPECT_EQ(end, RunEnd::InputStop);
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages.front(), c.message);
    // The layered program also writes the reason into its report.
    if (p == Program::Morvelin) {
      EXPECT_NE(FileText(folder.File("CASE.TXT")).find("WHICH SHOULD"), std::string::npos);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValueRefusal,
    ::testing::Values(
        ValueCase{"MorvelinDelZero", Program::Morvelin, "LAY1", " .001  (4) DEL", " 0  (4) DEL",
                  "THE TOLERANCE FOR INTEGRATION (DEL) (LINE 4) IS  0 WHICH SHOULD BE GREATER THAN 0, SO COMPUTATION STOPS."},
        ValueCase{"MorvelinDelNegative", Program::Morvelin, "LAY1", " .001  (4) DEL", " -1  (4) DEL",
                  "THE TOLERANCE FOR INTEGRATION (DEL) (LINE 4) IS -1 WHICH SHOULD BE GREATER THAN 0, SO COMPUTATION STOPS."},
        ValueCase{"MorvelinIclNegative", Program::Morvelin, "LAY1", " 3  3  80  1  0  (5)", " 3  3  -80  1  0  (5)",
                  "THE LIMIT OF INTEGRATION CYCLES (ICL) (LINE 5) IS -80 WHICH SHOULD BE AT LEAST 1, SO COMPUTATION STOPS."},
        ValueCase{"MorvelinLoadNegative", Program::Morvelin, "LAY1", " 2   (13) LOAD", " -2   (13) LOAD",
                  "THE LOAD CODE (LOAD) OF LOAD GROUP 1 (LINE 11) IS -2 WHICH SHOULD BE 0, 1, 2 OR 3, SO COMPUTATION STOPS."},
        ValueCase{"MorvelinPoissonAboveHalf", Program::Morvelin, "LAY1", " .4   .35   .45   (7) PR",
                  " .4   .6   .45   (7) PR",
                  "THE POISSON'S RATIO (PR) OF LAYER  2 (LINE 7) IS  .6 WHICH SHOULD BE BETWEEN 0 AND 0.5, SO COMPUTATION STOPS."},
        ValueCase{"MorvelinRadialCountNegative", Program::Morvelin, "LAY2", " 1   (16) NR", " -1   (16) NR",
                  "THE NUMBER OF RADIAL COORDINATE (RC) (LINE 13) IS -1 FOR LOAD GROUP  1 WHICH SHOULD NOT BE NEGATIVE, "
                  "SO COMPUTATION STOPS."},
        ValueCase{"MorvelinIterationLimitZero", Program::Morvelin, "LAY2", " 7  15  (25)", " 7  0  (25)",
                  "THE MAXIMUM NUMBER OF ITERATIONS (ITENOL) (LINE 15) IS  0 WHICH SHOULD BE A WHOLE NUMBER FROM 1 TO 20, SO "
                  "COMPUTATION STOPS."},
        ValueCase{"MorvelinIterationLimitFraction", Program::Morvelin, "LAY2", " 7  15  (25)", " 7  2.5  (25)",
                  "THE MAXIMUM NUMBER OF ITERATIONS (ITENOL) (LINE 15) IS  2.5 WHICH SHOULD BE A WHOLE NUMBER FROM 1 TO 20, SO "
                  "COMPUTATION STOPS."},
        ValueCase{"MorvelinLoadDurationNegative", Program::Morvelin, "LAY4", " .1  (36) DUR", " -.1  (36) DUR",
                  "THE DURATION OF MOVING LOAD (DUR) (LINE 17) IS -.1 SEC WHICH SHOULD BE 0 OR FROM .001 TO 100 SEC, SO "
                  "COMPUTATION STOPS."},
        ValueCase{"MorvelinLoadSpreadNegative", Program::Morvelin, "LAY6", " 0  0  6.75  0  .01  (28)",
                  " 0  0  6.75  -3  .01  (28)",
                  "THE SLOPE OF LOAD DISTRIBUTION (SLD) (LINE 22) IS -3 WHICH SHOULD BE FROM 0 TO 10, SO COMPUTATION STOPS."},
        ValueCase{"MorvelinModulusPointRadiusNegative", Program::Morvelin, "LAY6", " 0  0  6.75  0  .01  (28)",
                  " -5  0  6.75  0  .01  (28)",
                  "THE RADIAL COORDINATE (RCNOL) OF THE MODULUS POINTS (LINE 22) IS -5 IN. WHICH SHOULD BE FROM 0 TO 1000 IN., "
                  "SO COMPUTATION STOPS."},
        ValueCase{"MorvelinNonlinearToleranceZero", Program::Morvelin, "LAY2", " 0  0  0  0  .01  (28)",
                  " 0  0  0  0  0  (28)",
                  "THE TOLERANCE FOR NONLINEAR ANALYSIS (DELNOL) (LINE 18) IS  0 WHICH SHOULD BE GREATER THAN 0, SO COMPUTATION "
                  "STOPS."},
        ValueCase{"MorvelinNoCreepTimes", Program::Morvelin, "LAY4", " 11  (38) NTYME", " 0  (38) NTYME",
                  "THE NUMBER OF CREEP TIMES (NTYME) (LINE 19) IS  0 WHICH SHOULD BE AT LEAST 1, SO COMPUTATION STOPS."},
        ValueCase{"MorvelinRepetitionsNegative", Program::Morvelin, "LAY5", " 50000   50000   50000   (49)",
                  " 50000   -5   50000   (49)",
                  "THE LOAD REPETITIONS (TNLR) OF LOAD GROUP 2 IN PERIOD 1 (LINE 25) IS -5 WHICH SHOULD NOT BE NEGATIVE, SO "
                  "COMPUTATION STOPS."},
        // Values that single precision cannot carry through the arithmetic, or that no pavement has
        // and no report column holds.
        ValueCase{"MorvelinModulusDenormal", Program::Morvelin, "LAY1", " 740000   23000   11000   (11) E",
                  " 740000   1E-45   11000   (11) E",
                  "THE MODULUS (E) OF LAYER  2 IN PERIOD  1 (LINE 10) IS  1.401298E-45 PSI WHICH SHOULD BE FROM 1 TO 1E+10 PSI, SO "
                  "COMPUTATION STOPS."},
        ValueCase{"MorvelinModulusTiny", Program::Morvelin, "LAY5", " 450000  ", " 1E-30  ",
                  "THE MODULUS (E) OF LAYER  1 IN PERIOD  1 (LINE 9) IS  1E-30 PSI WHICH SHOULD BE FROM 1 TO 1E+10 PSI, SO COMPUTATION "
                  "STOPS."},
        ValueCase{"MorvelinViscoelasticModulusDenormal", Program::Morvelin, "LAY4", " 0   30000   15000   (11) E",
                  " 1E-45   30000   15000   (11) E",
                  "THE MODULUS (E) OF LAYER  1 IN PERIOD  1 (LINE 9) IS  1.401298E-45 PSI WHICH SHOULD BE 0 OR FROM 1 TO 1E+10 PSI, SO "
                  "COMPUTATION STOPS."},
        ValueCase{"MorvelinThicknessDenormal", Program::Morvelin, "LAY3", " 10   (6) TH", " 1E-45   (6) TH",
                  "THE THICKNESS (TH) OF LAYER  1 (LINE 6) IS  1.401298E-45 IN. WHICH SHOULD BE FROM .001 TO 1000 IN., SO COMPUTATION "
                  "STOPS."},
        ValueCase{"MorvelinThicknessHuge", Program::Morvelin, "LAY4", " 6   8   (6) TH", " 3.4E+38   3.4E+38   (6) TH",
                  "THE THICKNESS (TH) OF LAYER  1 (LINE 6) IS  3.4E+38 IN. WHICH SHOULD BE FROM .001 TO 1000 IN., SO COMPUTATION STOPS."},
        ValueCase{"MorvelinCreepTimeNegativeStationary", Program::Morvelin, "LAY3", " .01   .03   .1 ", " -1   .03   .1 ",
                  "THE CREEP TIME (TYME) NO. 1 (LINE 18) IS -1 SEC WHICH SHOULD BE FROM .000001 TO 1E+10 SEC, SO COMPUTATION STOPS."},
        ValueCase{"MorvelinCreepTimeNegativeMoving", Program::Morvelin, "LAY4", " .001   .003   .01 ", " -1   .003   .01 ",
                  "THE CREEP TIME (TYME) NO. 1 (LINE 20) IS -1 SEC WHICH SHOULD BE FROM .000001 TO 1E+10 SEC, SO COMPUTATION STOPS."},
        ValueCase{"MorvelinComplianceHuge", Program::Morvelin, "LAY4", "   2.601E-05   (42)", "   3.4E+38   (42)",
                  "THE CREEP COMPLIANCE (CREEP) NO. 11 OF LAYER 1 (LINE 22) IS  3.4E+38 1/PSI WHICH SHOULD BE FROM 1E-10 TO 1 1/PSI, SO "
                  "COMPUTATION STOPS."},
        ValueCase{"MorvelinDepthBeyondColumn", Program::Morvelin, "LAY2", " 0   12   (8) ZC", " 0   1E+11   (8) ZC",
                  "THE VERTICAL COORDINATE (ZC) OF POINT  2 (LINE 8) IS  1E+11 IN. WHICH SHOULD BE FROM 0 TO 1000 IN., SO COMPUTATION "
                  "STOPS."},
        ValueCase{"MorvelinPressureHuge", Program::Morvelin, "LAY5", " 3.785   100   (14) CR CP",
                  " 3.785   1E+30   (14) CR CP",
                  "THE CONTACT PRESSURE (CP) OF LOAD GROUP  1 (LINE 11) IS  1E+30 PSI WHICH SHOULD BE FROM -10000 TO 10000 PSI, SO "
                  "COMPUTATION STOPS."},
        ValueCase{"MorvelinPointFarAway", Program::Morvelin, "LAY1", " 48   13.5   0   0   0   3.375",
                  " 48   13.5   1E+05   0   0   3.375",
                  "THE X COORDINATE (XPT) OF RESPONSE POINT  1 OF LOAD GROUP  1 (LINE 14) IS  100000 IN. WHICH SHOULD BE FROM -1000 "
                  "TO 1000 IN., SO COMPUTATION STOPS."},
        ValueCase{"SlabThicknessNegative", Program::Bruntola, "SLA1", " 8   .15   4000000   (10)",
                  " -8   .15   4000000   (10)",
                  "THE THICKNESS (T) OF SLAB LAYER 1 (LINE 10) IS -8 IN. WHICH SHOULD BE FROM .001 TO 1000 IN., SO COMPUTATION "
                  "STOPS."},
        ValueCase{"SlabPoissonNegative", Program::Bruntola, "SLA1", " 8   .15   4000000   (10)",
                  " 8   -.15   4000000   (10)",
                  "THE POISSON'S RATIO (PR) OF SLAB LAYER 1 (LINE 10) IS -.15 WHICH SHOULD BE FROM 0 TO 0.5, SO COMPUTATION STOPS."},
        ValueCase{"SlabCycleCountNegative", Program::Bruntola, "SLA1", " 0  1  0  1  0  0  7  7  0  0  1  2  2 (6)",
                  " 0  1  0  -5  0  0  7  7  0  0  1  2  2 (6)",
                  "THE MAX NO. OF CYCLES FOR CHECKING CONTACT (NCYCLE) (LINE 6) IS -5 WHICH SHOULD BE A WHOLE NUMBER FROM 0 TO "
                  "32767, SO COMPUTATION STOPS."},
        ValueCase{"SlabDisplacementLimitNegative", Program::Bruntola, "SLA1", " .001  1  (7)", " .001  -1E+308  (7)",
                  "THE MAXIMUM ALLOWABLE VERTICAL DISPLACEMENT (FMAX) (LINE 7) IS -1E+308 IN. WHICH SHOULD BE FROM 0 TO 1000 "
                  "IN., SO COMPUTATION STOPS."},
        ValueCase{"SlabToleranceZero", Program::Bruntola, "SLA1", " .001  1  (7)", " 0  1  (7)",
                  "THE TOLERANCE FOR ITERATIONS (DEL) (LINE 7) IS 0 WHICH SHOULD BE FROM .000001 TO .1, SO COMPUTATION STOPS."},
        ValueCase{"SlabThicknessDenormal", Program::Bruntola, "SLA1", " 8   .15   4000000   (10)",
                  " 1E-45   .15   4000000   (10)",
                  "THE THICKNESS (T) OF SLAB LAYER 1 (LINE 10) IS 1.401298E-45 IN. WHICH SHOULD BE FROM .001 TO 1000 IN., SO COMPUTATION "
                  "STOPS."},
        ValueCase{"SlabModulusDenormal", Program::Bruntola, "SLA1", " 8   .15   4000000   (10)", " 8   .15   1E-45   (10)",
                  "THE YOUNG'S MODULUS (YM) OF SLAB LAYER 1 (LINE 10) IS 1.401298E-45 PSI WHICH SHOULD BE FROM 1 TO 1E+10 PSI, SO "
                  "COMPUTATION STOPS."},
        ValueCase{"SlabLoadBeyondColumn", Program::Bruntola, "SLA6", " 1   0   600   0   10   125   (15)",
                  " 1   0   600   0   10   1E+11   (15)",
                  "THE INTENSITY (QQ) OF LOADED AREA 1 OF LOAD GROUP 1 (LINE 14) IS 1E+11 PSI WHICH SHOULD BE FROM -10000 TO 10000 PSI, SO "
                  "COMPUTATION STOPS."},
        ValueCase{"SlabLoadNoPavementCarries", Program::Bruntola, "SLA6", " 1   0   600   0   10   125   (15)",
                  " 1   0   600   0   10   1E+30   (15)",
                  "THE INTENSITY (QQ) OF LOADED AREA 1 OF LOAD GROUP 1 (LINE 14) IS 1E+30 PSI WHICH SHOULD BE FROM -10000 TO 10000 PSI, SO "
                  "COMPUTATION STOPS."},
        ValueCase{"SlabCoordinateFarAway", Program::Bruntola, "SLA6", " 0   60   120   180 ", " 0   60   120   1E+05 ",
                  "THE X COORDINATE NO. 4 OF SLAB 1 (RECORD (9)) (LINE 9) IS 100000 IN. WHICH SHOULD BE FROM -10000 TO 10000 IN., SO "
                  "COMPUTATION STOPS."},
        ValueCase{"SlabSubgradeModulusDenormal", Program::Bruntola, "SLA1", " 0   200   (24)", " 0   1E-45   (24)",
                  "THE SUBGRADE MODULUS (SUBMOD) (LINE 17) IS 1.401298E-45 PCI WHICH SHOULD BE 0 OR FROM .1 TO 100000 PCI, SO COMPUTATION "
                  "STOPS."},
        ValueCase{"SlabFoundationModulusDenormal", Program::Bruntola, "SLA1", " 15000   .4   (28)", " 1E-45   .4   (28)",
                  "THE YOUNG'S MODULUS OF FOUNDATION (YMS) (LINE 33) IS 1E-45 PSI WHICH SHOULD BE FROM 1 TO 1E+10 PSI, SO COMPUTATION "
                  "STOPS."},
        ValueCase{"SlabSubgradeModulusNegative", Program::Bruntola, "SLA1", " 0   200   (24)", " 0   -200   (24)",
                  "THE SUBGRADE MODULUS (SUBMOD) (LINE 17) IS -200 PCI WHICH SHOULD BE 0 OR FROM .1 TO 100000 PCI, SO "
                  "COMPUTATION STOPS."},
        ValueCase{"SlabAdjustmentFactorZero", Program::Bruntola, "SLA1", " 1   (22) FSAF", " 0   (22) FSAF",
                  "THE FOUNDATION ADJUSTMENT FACTOR (FSAF) OF PERIOD 1 (LINE 16) IS 0 WHICH SHOULD BE FROM .001 TO 1000, SO "
                  "COMPUTATION STOPS."},
        ValueCase{"SlabFoundationModulusZero", Program::Bruntola, "SLA1", " 15000   .4   (28)", " 0   .4   (28)",
                  "THE YOUNG'S MODULUS OF FOUNDATION (YMS) (LINE 33) IS 0 PSI WHICH SHOULD BE FROM 1 TO 1E+10 PSI, SO "
                  "COMPUTATION STOPS."}),
    [](const ::testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------------
// The codes of records (3) and (4) of the slab file: a value outside its range is named as such
// (not taken for a comma in the title). How the run then ends is the table of input stops below.

struct CodeCase {
  const char* name;
  const char* line;      // the title and record (3) as the case has them
  const char* message;
};
void PrintTo(const CodeCase& c, std::ostream* os) { *os << c.name; }

class SlabCodeRefusal : public ::testing::TestWithParam<CodeCase> {};

TEST_P(SlabCodeRefusal, NamesTheCode) {
  const CodeCase& c = GetParam();
  const std::string good = ExampleText("SLA1");
  const std::string head = "CURLING OF SLAB WITH FULL CONTACT ON LIQUID FOUNDATION\r\n 0  0  1  1  (3) NFOUND NDAMA NPY NLG";
  const std::size_t at = good.find(head);
  ASSERT_NE(at, std::string::npos);
  std::string text = good;
  text.replace(at, head.size(), c.line);
  for (Program p : {Program::Bruntola, Program::Large}) {
    Folder folder(std::string(c.name) + Name(p));
    folder.Write("CASE.DAT", text);
    RecordingHost host;
    EXPECT_EQ(RunProgram(p, folder.File("CASE").string(), host), RunEnd::InputStop) << Name(p);
    EXPECT_EQ(host.messages, (std::vector<std::string>{c.message, kExitText})) << Name(p);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SlabCodeRefusal,
    ::testing::Values(
        CodeCase{"FoundationThree", "TITLE\r\n 3  0  1  1  (3) NFOUND NDAMA NPY NLG",
                 "THE TYPE OF FOUNDATION (NFOUND) (LINE 3) IS 3 WHICH SHOULD BE 0, 1 OR 2, SO COMPUTATION STOPS."},
        CodeCase{"FoundationNinetyNine", "TITLE\r\n 99  0  1  1  (3) NFOUND NDAMA NPY NLG",
                 "THE TYPE OF FOUNDATION (NFOUND) (LINE 3) IS 99 WHICH SHOULD BE 0, 1 OR 2, SO COMPUTATION STOPS."},
        CodeCase{"FoundationNegative", "TITLE\r\n -1  0  1  1  (3) NFOUND NDAMA NPY NLG",
                 "THE TYPE OF FOUNDATION (NFOUND) (LINE 3) IS -1 WHICH SHOULD BE 0, 1 OR 2, SO COMPUTATION STOPS."},
        CodeCase{"FoundationFraction", "TITLE\r\n .5  0  1  1  (3) NFOUND NDAMA NPY NLG",
                 "THE TYPE OF FOUNDATION (NFOUND) (LINE 3) IS .5 WHICH SHOULD BE 0, 1 OR 2, SO COMPUTATION STOPS."},
        CodeCase{"DamageFive", "TITLE\r\n 0  5  1  1  (3) NFOUND NDAMA NPY NLG",
                 "THE TYPE OF DAMAGE ANALYSIS (NDAMA) (LINE 3) IS 5 WHICH SHOULD BE 0, 1, 2 OR 3, SO COMPUTATION STOPS."},
        CodeCase{"NoPeriod", "TITLE\r\n 0  0  0  1  (3) NFOUND NDAMA NPY NLG",
                 "THE NUMBER OF PERIODS PER YEAR (NPY) (LINE 3) IS 0 WHICH SHOULD BE A WHOLE NUMBER OF AT LEAST 1, SO "
                 "COMPUTATION STOPS."},
        CodeCase{"LoadGroupsNegative", "TITLE\r\n 0  0  1  -1  (3) NFOUND NDAMA NPY NLG",
                 "THE NUMBER OF LOAD GROUPS (NLG) (LINE 3) IS -1 WHICH SHOULD BE A WHOLE NUMBER OF AT LEAST 0, SO COMPUTATION "
                 "STOPS."},
        // A comma in the title is told as such, whatever follows it.
        CodeCase{"CommaBeforeText", "SLAB A, TEST\r\n 0  0  1  1  (3) NFOUND NDAMA NPY NLG",
                 "No comma should be used for TITLE (LINE 2) and use semicolon instead."},
        CodeCase{"CommaBeforeValidCode", "SLAB A,1\r\n 0  0  1  1  (3) NFOUND NDAMA NPY NLG",
                 "No comma should be used for TITLE (LINE 2) and use semicolon instead."}),
    [](const ::testing::TestParamInfo<CodeCase>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------------
// Every input stop, wherever it is raised, ends the run alike: exit status 1, the stop's message and
// then the closing one; the report holds the problems before the stopped one and ends with the
// message; the graph file holds them and marks the stopped problem with its title and "STOPPED";
// both take the place of the files of an earlier run. Each case changes the last problem of a file of
// two problems (SLA5, and LAY1 given twice), or its problem count.

struct InputStopCase {
  const char* name;
  Program program;       // Bruntola: both slab builds
  const char* from;      // changed where it first stands in the last problem (in the whole file for NPROB)
  const char* to;
  std::string message;
  std::string reportEnd = {};  // the report's last line, where it is not the message
};
void PrintTo(const InputStopCase& c, std::ostream* os) { *os << c.name; }

// The data file of a case's program before the change: SLA5, or LAY1 with its problem given twice.
std::string TwoProblems(Program p) {
  if (p != Program::Morvelin) return ExampleText("SLA5");
  const std::string lay1 = ExampleText("LAY1");
  const std::size_t body = lay1.find("\r\n") + 2;
  return " 2  (1) NPROB\r\n" + lay1.substr(body) + lay1.substr(body);
}
// The title of the last problem of that file.
std::string LastTitle(Program p) {
  return p == Program::Morvelin ? "Example 1: Elastic three-layer system under dual-tandem tires"
                                : "FOUR SLABS ON LAYER FOUNDATION - STEP 2 - WHEEL LOADS";
}

class InputStop : public ::testing::TestWithParam<InputStopCase> {};

TEST_P(InputStop, EndsTheReportWithItsMessageAndMarksTheGraphFile) {
  const InputStopCase& c = GetParam();
  const std::string good = TwoProblems(c.program);
  const std::string title = LastTitle(c.program);
  const bool noProblem = std::string(c.from).find("NPROB") != std::string::npos;
  std::string text = good;
  const std::size_t at = text.find(c.from, noProblem ? 0 : text.rfind("\r\n" + title + "\r\n"));
  ASSERT_NE(at, std::string::npos) << c.from;
  text.replace(at, std::string(c.from).size(), c.to);
  for (Program p : ProgramsOfRow(c.program)) {
    SCOPED_TRACE(Name(p));
    Folder folder(std::string("stop_") + c.name + Name(p));
    const fs::path report = folder.File("CASE.TXT"), graph = folder.File(std::string("CASE") + GraphExtension(p));
    // The earlier run on the file as it was leaves its pair, which the stopped run replaces.
    folder.Write("CASE.DAT", good);
    RecordingHost first;
    ASSERT_EQ(RunProgram(p, folder.File("CASE").string(), first), RunEnd::Normal);
    const std::string goodReport = FileText(report), goodGraph = FileText(graph);
    folder.Write("CASE.DAT", text);
    RecordingHost host;
    EXPECT_EQ(RunProgram(p, folder.File("CASE").string(), host), RunEnd::InputStop);
    EXPECT_EQ(host.messages, (std::vector<std::string>{c.message, kExitText}));
    EXPECT_NE(host.shown.back().find(report.string()), std::string::npos) << "the end text names the report";
    std::vector<std::string> names = {"CASE" + std::string(GraphExtension(p)), "CASE.DAT", "CASE.TXT"};
    std::sort(names.begin(), names.end());
    EXPECT_EQ(folder.Names(), names);

    const std::string stopped = FileText(report), marked = FileText(graph);
    // The results of the problems before the stopped one, as the good run wrote them.
    const std::string heading = p == Program::Morvelin ? "PROBLRM NO. 2 " : "PROBLEM NO. 2 ";
    const std::string before =
        goodReport.substr(0, noProblem ? goodReport.find("NUMBER OF PROBLEMS") : goodReport.find(heading));
    EXPECT_EQ(stopped.compare(0, before.size(), before), 0) << stopped;
    const std::string reportEnd = c.reportEnd.empty() ? c.message : c.reportEnd;
    const std::string tail = (c.reportEnd.empty() ? "\r\n\r\n" : "\r\n") + reportEnd + "\r\n";
    ASSERT_GE(stopped.size(), before.size() + tail.size());
    EXPECT_EQ(stopped.substr(stopped.size() - tail.size()), tail);
    if (noProblem) {
      // Both programs mark the stop after the count.
      EXPECT_EQ(marked, " 0 \r\nSTOPPED\r\n");
      continue;
    }
    // The graph file: the earlier problem whole, then the stopped one's title line and "STOPPED".
    const std::size_t last = goodGraph.rfind("\r\n" + title + "\r\n") + 2;
    ASSERT_EQ(marked.compare(0, last, goodGraph, 0, last), 0) << marked;
    const std::vector<std::string> rest = TextLines(marked.substr(std::min(last, marked.size())));
    ASSERT_EQ(rest.size(), 2u) << marked.substr(std::min(last, marked.size()));
    EXPECT_EQ(rest[1], "STOPPED");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InputStop,
    ::testing::Values(
        // Before the first problem.
        InputStopCase{"SlabNoProblem", Program::Bruntola, " 2  (1) NPROB", " 0  (1) NPROB",
                      "The data file declares no problem (NPROB = 0), so nothing was analysed."},
        InputStopCase{"LayeredNoProblem", Program::Morvelin, " 2  (1) NPROB", " 0  (1) NPROB",
                      "The data file declares no problem (NPROB = 0), so nothing was analysed."},
        // Records (2) to (4) of the slab file, before anything of the problem was echoed.
        InputStopCase{"SlabCommaInTitle", Program::Bruntola, "STEP 2 - WHEEL", "STEP 2, WHEEL",
                      "No comma should be used for TITLE (LINE 31) and use semicolon instead."},
        InputStopCase{"SlabQuoteAtTitleStart", Program::Bruntola, "FOUR SLABS ON LAYER FOUNDATION - STEP 2 - WHEEL LOADS",
                      "\"Runway 09\" section B",
                      "The TITLE in line 31, \"Runway 09\" section B, begins with a double quote, which would cut it "
                      "to the quoted text. TITLE should not begin with a double quote, so computation stops."},
        InputStopCase{"SlabRecordFourIdentifier", Program::Bruntola, "(4) NSLAB NJOINT", "(4) NSLAB",
                      "FILE IS WRONG AND DOES NOT FIT WITH BRUNTOLA FORMAT (LINE 33)"},
        InputStopCase{"SlabFoundationCode", Program::Bruntola, " 2  0  1  1  (3)", " 3  0  1  1  (3)",
                      "THE TYPE OF FOUNDATION (NFOUND) (LINE 32) IS 3 WHICH SHOULD BE 0, 1 OR 2, SO COMPUTATION STOPS."},
        InputStopCase{"SlabDamageCode", Program::Bruntola, " 2  0  1  1  (3)", " 2  5  1  1  (3)",
                      "THE TYPE OF DAMAGE ANALYSIS (NDAMA) (LINE 32) IS 5 WHICH SHOULD BE 0, 1, 2 OR 3, SO COMPUTATION STOPS."},
        InputStopCase{"SlabNoPeriod", Program::Bruntola, " 2  0  1  1  (3)", " 2  0  0  1  (3)",
                      "THE NUMBER OF PERIODS PER YEAR (NPY) (LINE 32) IS 0 WHICH SHOULD BE A WHOLE NUMBER OF AT LEAST 1, SO "
                      "COMPUTATION STOPS."},
        InputStopCase{"SlabLoadGroupsNotWhole", Program::Bruntola, " 2  0  1  1  (3)", " 2  0  1  1E-38  (3)",
                      "THE NUMBER OF LOAD GROUPS (NLG) (LINE 32) IS 1E-38 WHICH SHOULD BE A WHOLE NUMBER OF AT LEAST 0, SO "
                      "COMPUTATION STOPS."},
        // The driver's limits, the slab input, its foundation, the numbering and the joints.
        InputStopCase{"SlabTooManyPeriods", Program::Bruntola, " 2  0  1  1  (3)", " 2  0  13  1  (3)",
                      "THE NUMBER OF PERIODS PER YEAR (NPY) (LINE 32) IS 13 WHICH IS GREATER THAN THE LIMIT OF 12, SO "
                      "COMPUTATION STOPS."},
        InputStopCase{"SlabTooManySlabs", Program::Bruntola, " 4  4  (4)", " 7  4  (4)",
                      "THE TOTAL NUMBER OF SLABS (NSLAB) (LINE 33) IS 7 WHICH IS GREATER THAN THE LIMIT OF 6, SO COMPUTATION "
                      "STOPS."},
        InputStopCase{"SlabOblongElement", Program::Bruntola, " 0   90   180   0   72   144   (9)",
                      " 0   90   180   0   10   144   (9)",
                      "Some elements of slab 1 (LINE 41) are too oblong with an aspect ratio of 9 (it should be from 0.2 to 5) "
                      "so the computation is terminated.  Please change the grid size."},
        InputStopCase{"SlabFoundationFactor", Program::Bruntola, " 1   (22) FSAF", " 0   (22) FSAF",
                      "THE FOUNDATION ADJUSTMENT FACTOR (FSAF) OF PERIOD 1 (LINE 52) IS 0 WHICH SHOULD BE FROM .001 TO 1000, SO "
                      "COMPUTATION STOPS."},
        InputStopCase{"SlabFoundationLayers", Program::Bruntola, " 2   30   (30)", " 7   30   (30)",
                      "THE NUMBER OF LAYERS IN BURMISTER FOUNDATION (NL) (LINE 53) IS 7; IT MUST BE 1 TO 6, SO COMPUTATION "
                      "STOPS."},
        InputStopCase{"SlabJointOfThreeSlabs", Program::Bruntola, " 3   3   4   0   0   3   (5)",
                      " 3   3   4   0   1   3   (5)",
                      "JOINT NO. 1 IS NAMED BY MORE THAN TWO SLAB SIDES, SO COMPUTATION STOPS."},
        InputStopCase{"SlabNegativeSpring", Program::Bruntola, " 5000   0   0   0   0   0   0   0   (35)",
                      " -1   0   0   0   0   0   0   0   (35)",
                      "THE SHEAR SPRING CONSTANT (SPCON1) OF JOINT 1 (LINE 58) IS -1 PSI WHICH SHOULD BE FROM 0 TO 1E+10 PSI, SO "
                      "COMPUTATION STOPS."},
        // The layered program: its title, its format check, and the stops of its input.
        InputStopCase{"LayeredCommaInTitle", Program::Morvelin, "Example 1: Elastic", "Example 1, Elastic",
                      "No comma should be used for TITLE (LINE 15) and use semicolon instead."},
        InputStopCase{"LayeredQuoteAtTitleStart", Program::Morvelin,
                      "Example 1: Elastic three-layer system under dual-tandem tires", "\"Runway 09\" section B",
                      "The TITLE in line 15, \"Runway 09\" section B, begins with a double quote, which would cut it "
                      "to the quoted text. TITLE should not begin with a double quote, so computation stops."},
        InputStopCase{"LayeredWithoutNunit", Program::Morvelin, " 3  3  80  1  0  (5) NL NZ ICL NSTD NUNIT",
                      " 3  3  80  1  (5) NL NZ ICL NSTD",
                      "FILE IS WRONG AND DOES NOT FIT WITH MORVELIN FORMAT: RECORD (5) (LINE 18) SHOULD HOLD NL NZ ICL NSTD "
                      "NUNIT AND AN IDENTIFIER ENDING IN NUNIT, NOT \"(5) NL NZ ICL NSTD\" (LINE 18)."},
        InputStopCase{"LayeredTooManyPoints", Program::Morvelin, " 12   (19) NPT", " 26   (19) NPT",
                      "THE NUMBER OF X AND Y COORDINATES (NPT) (LINE 26) IS  26 FOR LOAD GROUP 1 WHICH IS GREATER THAN "
                      "THE LIMIT OF 25, SO COMPUTATION STOPS.",
                      "WHICH IS GREATER THAN THE LIMIT OF 25, SO COMPUTATION STOPS."},
        InputStopCase{"LayeredMaterialCode", Program::Morvelin, " 1  0  1  1  (3)", " 5  0  1  1  (3)",
                      "THE MATERIAL CODE (MATL) (LINE 16) IS  5 WHICH SHOULD BE 1, 2, 3 OR 4, SO COMPUTATION STOPS.",
                      "WHICH SHOULD BE 1, 2, 3 OR 4, SO COMPUTATION STOPS."}),
    [](const ::testing::TestParamInfo<InputStopCase>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------------
// A value that cannot be analysed is refused where it is read, naming the item and its line: as an
// input stop (the report ends with the message, the graph file marks the problem "STOPPED") or, for a
// fault of reading, as a data error that names the file too. A fault the analysis meets later names
// the last line read and the problem. Each case changes one line of an example.

struct PlacedCase {
  const char* name;
  Program program;      // Bruntola: both slab builds
  const char* example;
  int line;             // the line changed; 0: the whole file is `to`
  const char* from;     // within that line
  const char* to;
  RunEnd end;
  const char* item;     // what the message names
  std::string message;  // the whole message; "@" stands for the data file's path
  int named = 0;        // the line the message names, where it is not the line changed
};
void PrintTo(const PlacedCase& c, std::ostream* os) { *os << c.name; }

// The example with `from` changed to `to` in its line `line` (1-based; CR LF line ends).
std::string WithLineChanged(const std::string& text, int line, const std::string& from, const std::string& to) {
  std::size_t begin = 0;
  for (int i = 1; i < line; ++i) begin = text.find("\r\n", begin) + 2;
  const std::size_t end = text.find("\r\n", begin);
  std::string changed = text.substr(begin, end - begin);
  const std::size_t at = changed.find(from);
  if (at == std::string::npos) return text;
  changed.replace(at, from.size(), to);
  return text.substr(0, begin) + changed + text.substr(end);
}

class PlacedRefusal : public ::testing::TestWithParam<PlacedCase> {};

TEST_P(PlacedRefusal, NamesTheItemAndItsLine) {
  const PlacedCase& c = GetParam();
  const std::string good = ExampleText(c.example);
  const std::string text = c.line == 0 ? std::string(c.to) : WithLineChanged(good, c.line, c.from, c.to);
  ASSERT_NE(text, good) << c.from;
  for (Program p : ProgramsOfRow(c.program)) {
    SCOPED_TRACE(Name(p));
    Folder folder(std::string("placed_") + c.name + Name(p));
    folder.Write("CASE.DAT", text);
    RecordingHost host;
    EXPECT_EQ(RunProgram(p, folder.File("CASE").string(), host), c.end);
    ASSERT_FALSE(host.messages.empty());
    std::string message = c.message;
    if (const std::size_t at = message.find('@'); at != std::string::npos)
      message.replace(at, 1, folder.File("CASE.DAT").string());
    EXPECT_EQ(host.messages.front(), message);
    std::string upper = host.messages.front();
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char ch) { return std::toupper(ch); });
    std::string item = c.item;
    std::transform(item.begin(), item.end(), item.begin(), [](unsigned char ch) { return std::toupper(ch); });
    EXPECT_NE(upper.find(item), std::string::npos) << "the item";
    if (c.line > 0) {
      EXPECT_NE(upper.find("LINE " + std::to_string(c.named > 0 ? c.named : c.line)), std::string::npos) << "the line";
    }
    if (c.end == RunEnd::InputStop) {
      EXPECT_EQ(host.messages.back(), kExitText);
      const std::string graph = FileText(folder.File(std::string("CASE") + GraphExtension(p)));
      ASSERT_GE(graph.size(), 9u);
      EXPECT_EQ(graph.substr(graph.size() - 9), "STOPPED\r\n");
      // The report ends with the message (the layered program puts its tail on a line of its own).
      const std::string report = FileText(folder.File("CASE.TXT"));
      const std::string tail = message.substr(message.find(" WHICH ") + 1);
      EXPECT_EQ(report.substr(report.size() - tail.size() - 2), tail + "\r\n");
    } else {
      EXPECT_EQ(host.messages.size(), 1u);
      EXPECT_EQ(host.messages.front().rfind(std::string(kDataErrorText) + "\n", 0), 0u);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlacedRefusal,
    ::testing::Values(
        // A modulus of 0 is taken only for a viscoelastic layer; -0 is no way around that.
        PlacedCase{"ModulusZeroOfAnElasticLayer", Program::Morvelin, "LAY4SI", 12, " 0   206850 ", " 0   0 ",
                   RunEnd::InputStop, "THE MODULUS (E) OF LAYER  2 IN PERIOD  4",
                   "THE MODULUS (E) OF LAYER  2 IN PERIOD  4 (LINE 12) IS  0 WHICH SHOULD BE GREATER THAN 0 FOR A "
                   "LAYER THAT IS NOT VISCOELASTIC, SO COMPUTATION STOPS."},
        PlacedCase{"ModulusMinusZeroOfANonlinearLayer", Program::Morvelin, "LAY2SI", 10, " 827400 ", " -0 ",
                   RunEnd::InputStop, "THE MODULUS (E) OF LAYER  1 IN PERIOD  1",
                   "THE MODULUS (E) OF LAYER  1 IN PERIOD  1 (LINE 10) IS  0 WHICH SHOULD BE GREATER THAN 0 FOR A "
                   "LAYER THAT IS NOT VISCOELASTIC, SO COMPUTATION STOPS."},
        PlacedCase{"ViscoelasticLayerNumberZero", Program::Morvelin, "LAY3", 16, " 2  1   2 ", " 2  0   2 ",
                   RunEnd::InputStop, "THE VISCOELASTIC LAYER NUMBER (LNV) NO. 1",
                   "THE VISCOELASTIC LAYER NUMBER (LNV) NO. 1 (LINE 16) IS  0 WHICH SHOULD BE AT LEAST 1, SO "
                   "COMPUTATION STOPS."},
        PlacedCase{"NonlinearLayerNumberZero", Program::Morvelin, "LAY2SI", 16, " 1   0   2 ", " 0   0   2 ",
                   RunEnd::InputStop, "THE NONLINEAR LAYER NUMBER (LAYNO) NO. 1",
                   "THE NONLINEAR LAYER NUMBER (LAYNO) NO. 1 (LINE 16) IS  0 WHICH SHOULD BE AT LEAST 1, SO "
                   "COMPUTATION STOPS."},
        PlacedCase{"NunitBeyondSixteenBits", Program::Morvelin, "LAY4SI", 5, "9  1  (5)", "9  1E+11  (5)",
                   RunEnd::DataError, "NUNIT \"1E+11\"",
                   ErrorText("In @, line 5: NUNIT \"1E+11\" is outside -32768..32767.")},
        PlacedCase{"LayeredFileOfNoData", Program::Morvelin, "LAY1", 0, "", "  \r\n", RunEnd::DataError,
                   "CASE.DAT", ErrorText("@ holds no data.")},
        // A temperature difference no slab has is refused where it is read, in the data set's unit.
        PlacedCase{"TemperatureBeyondAnyPavement", Program::Bruntola, "SLA1SI", 23, " 11.11 ", " 1E+38 ",
                   RunEnd::InputStop, "THE DIFFERENCE IN TEMPERATURE BETWEEN BOTTOM AND TOP OF SLAB (TEMP)",
                   "THE DIFFERENCE IN TEMPERATURE BETWEEN BOTTOM AND TOP OF SLAB (TEMP) (LINE 23) IS 1E+38 C WHICH "
                   "SHOULD BE FROM -111.111 TO 111.111 C, SO COMPUTATION STOPS."},
        PlacedCase{"ProblemCountBeyondSixteenBits", Program::Bruntola, "SLA1SI", 1, " 2 ", " 1E+11 ",
                   RunEnd::DataError, "NPROB \"1E+11\"",
                   ErrorText("In @, line 1: NPROB \"1E+11\" is outside -32768..32767.")},
        PlacedCase{"CheckNodeBeyondSixteenBits", Program::Bruntola, "SLA1SI", 6, " 1  49 ", " 1  1E+11 ",
                   RunEnd::InputStop, "NODE 100000000000 OF RECORD (6) NNCK",
                   "NODE 100000000000 OF RECORD (6) NNCK (LINE 6) IS OUTSIDE THE NODES 1 TO 49, SO COMPUTATION "
                   "STOPS."},
        PlacedCase{"XCoordinatesDecrease", Program::Bruntola, "SLA1SI", 9, " 0   30.48   60.96 ", " 0   60.96   30.48 ",
                   RunEnd::DataError, "the x coordinates of slab 1",
                   ErrorText("In @, line 9: the x coordinates of slab 1 do not increase (no. 2 is 60.96, no. 3 is "
                             "30.48).")},
        PlacedCase{"YCoordinatesRepeatInProblemTwo", Program::Bruntola, "SLA1SI", 25, " 0   30.48   60.96   91.44 ",
                   " 0   30.48   30.48   91.44 ", RunEnd::DataError, "the y coordinates of slab 1",
                   ErrorText("In @, line 25: the y coordinates of slab 1 do not increase (no. 2 is 30.48, no. 3 is "
                             "30.48).")},
        PlacedCase{"SlabFileOfNoData", Program::Bruntola, "SLA1", 0, "", "", RunEnd::DataError, "CASE.DAT",
                   ErrorText("@ holds no data.")}),
    [](const ::testing::TestParamInfo<PlacedCase>& info) { return std::string(info.param.name); });

// No data error of the programs is the bare sentence: whatever stops a run (a fault of reading, of a
// count, of the analysis), the message says what and names the data file and where in it.
TEST(DataErrorMessage, NeverTheBareSentence) {
  struct Input {
    const char* what;
    Program program;
    std::string text;
  };
  const std::string lay1 = ExampleText("LAY1"), sla1 = ExampleText("SLA1");
  const std::vector<Input> inputs = {
      {"an empty file", Program::Morvelin, ""},
      {"a file of blanks", Program::Large, " \r\n\t\r\n"},
      {"a letter in a number", Program::Morvelin, WithLineChanged(lay1, 10, "740000", "74x000")},
      {"a file cut short", Program::Bruntola, sla1.substr(0, sla1.size() / 2)},
      {"a Ctrl-Z in the middle", Program::Morvelin, lay1.substr(0, 200) + "\x1a"},
      {"a count beyond 16 bits", Program::Large, WithLineChanged(sla1, 1, " 2 ", " 40000 ")},
      {"NUNIT beyond 16 bits", Program::Morvelin, WithLineChanged(lay1, 5, " 0  (5)", " 1E+11  (5)")},
      {"a grid line given twice", Program::Bruntola, WithLineChanged(sla1, 9, " 0   12   24 ", " 0   12   12 ")},
  };
  for (const Input& in : inputs) {
    SCOPED_TRACE(in.what);
    Folder folder(std::string("bare_") + Name(in.program));
    folder.Write("CASE.DAT", in.text);
    RecordingHost host;
    ASSERT_EQ(RunProgram(in.program, folder.File("CASE").string(), host), RunEnd::DataError);
    ASSERT_EQ(host.messages.size(), 1u);
    const std::string& m = host.messages[0];
    EXPECT_EQ(m.rfind(std::string(kDataErrorText) + "\n", 0), 0u) << m;
    EXPECT_NE(m.find(folder.File("CASE.DAT").string()), std::string::npos) << m;
    EXPECT_GT(m.size(), std::string(kDataErrorText).size() + 1 + folder.File("CASE.DAT").string().size() + 10) << m;
  }
}

// ---------------------------------------------------------------------------------------------------
// A data file that is not a regular file is refused as a missing file, at once, and the message
// says so: a named pipe with no writer, a link to a device that never ends, a folder. The watchdog
// ends the test program, naming the case, when a run does not end.

TEST(DataFileKind, OnlyRegularFilesAreRead) {
  struct Kind {
    const char* name;
    std::function<void(const fs::path&)> make;
  };
  const std::vector<Kind> kinds = {
      {"a named pipe", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); }},
      {"a link to /dev/zero", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }},
      {"a folder", [](const fs::path& p) { fs::create_directory(p); }},
  };
  pave::testing::Watchdog watchdog(std::chrono::seconds(30));
  for (Program p : {Program::Morvelin, Program::Bruntola, Program::Large})
    for (const Kind& k : kinds) {
      const std::string what = std::string(Name(p)) + " on " + k.name;
      Folder folder(std::string("kind_") + Name(p));
      k.make(folder.File("CASE.DAT"));
      RecordingHost host;
      watchdog.Start(what);
      const RunEnd end = RunProgram(p, folder.File("CASE").string(), host);
      watchdog.Stop();
      EXPECT_EQ(end, RunEnd::DataError) << what;
      EXPECT_EQ(host.messages, std::vector<std::string>{ErrorText(folder.File("CASE.DAT").string() +
                                                                   " is not a regular file.")})
          << what;
    }
}

// ---------------------------------------------------------------------------------------------------
// The data file is found the same way in all three programs: from the argument with or without
// ".DAT", whatever the letter case of the file's name; beside a file whose name differs only in
// letter case, exactly the file the argument names, and neither where it names neither. A name as
// long as the file system allows is analysed, and its report and graph file take their place beside
// it.

struct NameCase {
  const char* name;
  std::string file;      // the data file's name
  std::string argument;  // the argument, in the data file's folder
  std::string base;      // the base of the report and graph file; empty: the file is not found
  std::string twin = {};   // another data file in the folder, whose name differs only in letter case
};
void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }

class DataFileName : public ::testing::TestWithParam<NameCase> {};

TEST_P(DataFileName, IsFoundAndNamesTheFilesWritten) {
  const NameCase& c = GetParam();
  for (Program p : {Program::Morvelin, Program::Bruntola, Program::Large}) {
    Folder folder(std::string("name_") + c.name + Name(p));
    folder.Write(c.file, ExampleText(Example(p)));
    if (!c.twin.empty()) folder.Write(c.twin, ExampleText(Example(p)));
    RecordingHost host;
    const RunEnd end = RunProgram(p, folder.File(c.argument).string(), host);
    if (c.base.empty()) {
      EXPECT_EQ(end, RunEnd::DataError) << Name(p);
      EXPECT_EQ(host.messages, std::vector<std::string>{ErrorText(folder.File(c.argument + ".DAT").string() +
                                                                   " does not exist.")})
          << Name(p);
      continue;
    }
    EXPECT_EQ(end, RunEnd::Normal) << Name(p) << "\n" << Joined(host.messages);
    std::vector<std::string> names = {c.file, c.base + ".TXT", c.base + GraphExtension(p)};
    if (!c.twin.empty()) names.push_back(c.twin);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(folder.Names(), names) << Name(p);
    EXPECT_NE(FileText(folder.File(c.base + ".TXT")).find("INPUT FILE NAME  -" + folder.File(c.file).string()),
              std::string::npos)
        << Name(p);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DataFileName,
    ::testing::Values(NameCase{"LowerCaseFileForAnUpperCaseArgument", "x.dat", "X", "X"},
                      NameCase{"UpperCaseFileForALowerCaseArgument", "X.DAT", "x", "x"},
                      NameCase{"ArgumentWithItsExtension", "case.dat", "CASE.dat", "CASE"},
                      // Only ".DAT" and ".dat" end the argument: "x.Dat" names the data file x.Dat.DAT.
                      NameCase{"OtherCaseOfTheExtensionStays", "x.Dat", "x.Dat", ""},
                      NameCase{"SmallExtensionBesideCapitals", "lay.dat", "lay.dat", "lay", "LAY.DAT"},
                      NameCase{"CapitalsBesideSmallLetters", "LAY.DAT", "LAY", "LAY", "lay.dat"},
                      NameCase{"NeitherOfTwoIsGuessed", "LAY.DAT", "lay", "", "Lay.dat"},
                      // The longest names: the temporary files beside them are no longer.
                      NameCase{"BaseNameOf243Characters", std::string(243, 'A') + ".DAT", std::string(243, 'A'),
                               std::string(243, 'A')},
                      NameCase{"BaseNameOf251Characters", std::string(251, 'B') + ".dat", std::string(251, 'B'),
                               std::string(251, 'B')}),
    [](const ::testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------------
// The files of an earlier run stay as they were when a run fails: when its report or graph file
// cannot be written (the message says which file, where and why; exit status 2), and when a data
// error stops it. No temporary file is left behind.

struct Blocker {
  const char* tag;   // the case's name in the test list
  const char* name;
  const char* file;  // "TXT" or "GRAPH": the file that cannot be written
  // Blocks the file; false where the test program cannot (the case is then skipped).
  std::function<bool(const fs::path& file, const fs::path& dir)> block;
  const char* reason;
  std::function<void(const fs::path& file)> unblock = [](const fs::path&) {};
};

// A file that is a mount point cannot be replaced, as a busy file: it is found writable before the
// run, and only the rename at its end fails. The file is bound onto itself in a mount namespace of
// the test program's own; false where the test program may not make one.
bool BindOntoItself(const fs::path& f) {
  static const bool own = ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
  return own && ::mount(f.c_str(), f.c_str(), nullptr, MS_BIND, nullptr) == 0;
}

const std::vector<Blocker>& Blockers() {
  static const std::vector<Blocker> blockers = {
      {"ReadOnlyReport", "read-only report", "TXT", [](const fs::path& f, const fs::path&) { fs::permissions(f, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read); return true; },
       "the file is read-only"},
      {"ReadOnlyGraphFile", "read-only graph file", "GRAPH", [](const fs::path& f, const fs::path&) { fs::permissions(f, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read); return true; },
       "the file is read-only"},
      {"FolderInTheReportsPlace", "folder in the report's place", "TXT", [](const fs::path& f, const fs::path&) { fs::remove(f); return fs::create_directory(f); },
       "it is a directory"},
      {"FolderInTheGraphFilesPlace", "folder in the graph file's place", "GRAPH", [](const fs::path& f, const fs::path&) { fs::remove(f); return fs::create_directory(f); },
       "it is a directory"},
      {"ReadOnlyFolder", "read-only folder", "TXT", [](const fs::path&, const fs::path& d) { fs::permissions(d, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec); return true; },
       "its folder is read-only"},
      // The report is replaced first: when the graph file then cannot be, the report is put back.
      {"BusyGraphFile", "busy graph file", "GRAPH", [](const fs::path& f, const fs::path&) { return BindOntoItself(f); },
       "Device or resource busy", [](const fs::path& f) { ::umount2(f.c_str(), MNT_DETACH); }},
  };
  return blockers;
}

void PrintTo(const Blocker& b, std::ostream* os) { *os << b.name; }

class BlockedOutput : public ::testing::TestWithParam<Blocker> {};

TEST_P(BlockedOutput, IsNamedAndTheEarlierFilesStay) {
  const Blocker& b = GetParam();
  for (Program p : {Program::Morvelin, Program::Bruntola, Program::Large}) {
    const std::string what = std::string(Name(p)) + " with a " + b.name;
    Folder folder(std::string("blocked_") + Name(p));
    folder.Write("CASE.DAT", ExampleText(Example(p)));
    const fs::path report = folder.File("CASE.TXT"), graph = folder.File(std::string("CASE") + GraphExtension(p));
    RecordingHost first;
    ASSERT_EQ(RunProgram(p, folder.File("CASE").string(), first), RunEnd::Normal) << what;
    const std::string oldReport = FileText(report), oldGraph = FileText(graph);
    ASSERT_FALSE(oldGraph.empty());
    const std::vector<std::string> names = folder.Names();
    const fs::path blocked = std::string(b.file) == "TXT" ? report : graph;
    if (!b.block(blocked, folder.dir())) GTEST_SKIP() << "the test program cannot block the file so here";
    struct Release {
      const Blocker& b;
      const fs::path& f;
      ~Release() { b.unblock(f); }
    } release{b, blocked};

    RecordingHost host;
    EXPECT_EQ(RunProgram(p, folder.File("CASE").string(), host), RunEnd::DataError) << what;
    ASSERT_EQ(host.messages.size(), 1u) << what << "\n" << Joined(host.messages);
    const std::string kind = std::string(b.file) == "TXT" ? "report file" : (p == Program::Morvelin ? "layer graph file" : "slab graph file");
    EXPECT_EQ(host.messages[0], "The " + kind + " " + blocked.string() + " cannot be written (" + b.reason +
                                    "). The files of an earlier run are left as they were.")
        << what;
    EXPECT_EQ(folder.Names(), names) << what;
    if (fs::is_regular_file(report)) {
      EXPECT_EQ(FileText(report), oldReport) << what;
    }
    if (fs::is_regular_file(graph)) {
      EXPECT_EQ(FileText(graph), oldGraph) << what;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, BlockedOutput, ::testing::ValuesIn(Blockers()),
                         [](const ::testing::TestParamInfo<Blocker>& info) { return std::string(info.param.tag); });

TEST(OutputFiles, ADataErrorLeavesTheEarlierFilesAsTheyWere) {
  for (Program p : {Program::Morvelin, Program::Bruntola, Program::Large}) {
    Folder folder(std::string("data_error_") + Name(p));
    const std::string good = ExampleText(Example(p));
    folder.Write("CASE.DAT", good);
    RecordingHost first;
    ASSERT_EQ(RunProgram(p, folder.File("CASE").string(), first), RunEnd::Normal) << Name(p);
    const std::string oldReport = FileText(folder.File("CASE.TXT"));
    const std::string oldGraph = FileText(folder.File(std::string("CASE") + GraphExtension(p)));
    // The file cut short in the middle of its last records.
    folder.Write("CASE.DAT", good.substr(0, good.size() * 3 / 4));
    RecordingHost host;
    EXPECT_EQ(RunProgram(p, folder.File("CASE").string(), host), RunEnd::DataError) << Name(p);
    ASSERT_EQ(host.messages.size(), 1u) << Name(p);
    EXPECT_EQ(host.messages[0].rfind(ErrorText("In " + folder.File("CASE.DAT").string() + ", line "), 0), 0u)
        << host.messages[0];
    EXPECT_NE(host.messages[0].find(", where more data were expected."), std::string::npos) << host.messages[0];
    EXPECT_EQ(FileText(folder.File("CASE.TXT")), oldReport) << Name(p);
    EXPECT_EQ(FileText(folder.File(std::string("CASE") + GraphExtension(p))), oldGraph) << Name(p);
    EXPECT_EQ(folder.Names().size(), 3u) << Name(p);
  }
}

// The programs themselves, without a display: the message on standard error and exit status 2.
TEST(OutputFiles, TheProgramsSayWhichFileCannotBeWrittenAndExitWithTheDataErrorStatus) {
  for (const char* program : {"morvelin", "bruntola", "large"}) {
    Folder folder(std::string("terminal_") + program);
    const bool layered = std::string(program) == "morvelin";
    folder.Write("CASE.DAT", ExampleText(layered ? "LAY1" : "SLA1"));
    fs::create_directory(folder.File("CASE.TXT"));
    const fs::path err = folder.dir() / "err.out";
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY '" + (fs::path(PAVE_BIN_DIR) / program).string() + "' '" +
                                folder.File("CASE").string() + "' >/dev/null 2>'" + err.string() + "'";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw)) << program;
    EXPECT_EQ(WEXITSTATUS(raw), 2) << program;
    EXPECT_EQ(FileText(err), "The report file " + folder.File("CASE.TXT").string() +
                                 " cannot be written (it is a directory). The files of an earlier run are left as they "
                                 "were.\n")
        << program;
  }
}

}  // namespace
}  // namespace pave
