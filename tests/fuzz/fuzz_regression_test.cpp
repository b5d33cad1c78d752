// What the fuzzers found, kept: each fixture is an input that once broke a reader, run again through
// its target (tests/fuzz/fixtures/<target>/). The examples run through the analysis targets too, so
// their checks pass every sound run; the checks themselves are tried on messages and reports made
// for them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "common/analysis_host.h"
#include "fuzz_targets.h"
#include "support/file_text.h"

namespace pave::fuzz {
namespace {

namespace fs = std::filesystem;

struct Fixture {
  std::string target;
  fs::path file;
};

void PrintTo(const Fixture& f, std::ostream* os) { *os << f.target << "/" << f.file.filename().string(); }

std::vector<Fixture> Fixtures() {
  std::vector<Fixture> fixtures;
  for (const auto& entry : fs::directory_iterator(fs::path(PAVE_SOURCE_DIR) / "examples")) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() != ".DAT") continue;
    if (name.starts_with("LAY")) fixtures.push_back({"morvelin", entry.path()});
    if (name.starts_with("SLA")) {
      fixtures.push_back({"bruntola", entry.path()});
      fixtures.push_back({"large", entry.path()});
    }
  }
  const fs::path root = fs::path(PAVE_TEST_DIR) / "fixtures";
  for (const NamedTarget& t : Targets()) {
    const fs::path dir = root / t.name;
    if (!fs::is_directory(dir)) continue;
    for (const auto& entry : fs::directory_iterator(dir)) {
      if (entry.is_regular_file()) fixtures.push_back({t.name, entry.path()});
    }
  }
  std::sort(fixtures.begin(), fixtures.end(), [](const Fixture& a, const Fixture& b) {
    return a.file != b.file ? a.file < b.file : std::string(a.target) < b.target;
  });
  return fixtures;
}

Target TargetNamed(const std::string& name) {
  for (const NamedTarget& t : Targets()) {
    if (name == t.name) return t.run;
  }
  return nullptr;
}

std::string TestName(const std::string& target, const fs::path& file) {
  const bool example = file.parent_path().filename() == "examples";
  std::string name = target + (example ? "_example_" : "_") + file.stem().string();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

class FuzzRegressionTest : public ::testing::TestWithParam<Fixture> {};

TEST_P(FuzzRegressionTest, RunsSoundly) {
  const Fixture& f = GetParam();
  const std::string bytes = pave::testing::FileText(f.file);
  Target run = TargetNamed(f.target);
  ASSERT_NE(run, nullptr);
  // A fault aborts the test program with its reason; coming back is passing.
  EXPECT_EQ(run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
}

INSTANTIATE_TEST_SUITE_P(Found, FuzzRegressionTest, ::testing::ValuesIn(Fixtures()),
                         [](const ::testing::TestParamInfo<Fixture>& info) {
                           return TestName(info.param.target, info.param.file);
                         });

// What the analysis targets take as a stop that says where it lies.
struct StopCase {
  const char* name;
  std::vector<std::string> messages;
  bool finding;
};

void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }

const char* const kData = "/dev/shm/pave_fuzz_1/CASE.DAT";

class StopSaysWhereTest : public ::testing::TestWithParam<StopCase> {};

TEST_P(StopSaysWhereTest, DataErrorNamesAPlace) {
  const StopCase& c = GetParam();
  const std::string found = UnplacedDataError(c.messages, kData);
  EXPECT_EQ(!found.empty(), c.finding) << found;
}

std::string Detail(const std::string& detail) { return std::string(kDataErrorText) + "\n" + detail; }

INSTANTIATE_TEST_SUITE_P(
    Messages, StopSaysWhereTest,
    ::testing::Values(
        StopCase{"BareSentence", {kDataErrorText}, true},
        StopCase{"BareSentenceAfterAStop", {"THE NUMBER OF LAYERS IS 30", kDataErrorText}, true},
        StopCase{"SentenceWithABlankDetail", {std::string(kDataErrorText) + "\n  "}, true},
        StopCase{"DetailWithoutALine", {Detail("X coordinates do not increase.")}, true},
        StopCase{"CountWithoutALine", {Detail("A count of 40000 lies outside -32768..32767.")}, true},
        StopCase{"EmptyFileNotNamed", {Detail("The file holds no data.")}, true},
        StopCase{"LineWordWithoutNumber", {Detail("A line ends too soon.")}, true},
        StopCase{"DetailWithALine", {Detail(std::string("In ") + kData + ", line 10: \"74x000\" is not a number.")},
                 false},
        StopCase{"DataEndOnALine", {Detail(std::string("In ") + kData + ", line 3: the data end.")}, false},
        StopCase{"FileNamed", {Detail(std::string(kData) + " does not exist.")}, false},
        StopCase{"StopForm", {Detail("THE MODULUS (E) IS 0 WHICH SHOULD BE FROM 1 TO 1E+10, SO COMPUTATION STOPS.")},
                 false},
        StopCase{"LimitForm", {Detail("THE NUMBER OF LAYERS (NL) IS 30 WHICH IS GREATER THAN THE LIMIT OF 25")}, false},
        StopCase{"WorkArray", {Detail("The problem needs more storage than the work array of 16000 values holds.")},
                 false},
        StopCase{"ProgramStopWithoutTheSentence", {"THE NUMBER OF PERIODS PER YEAR (NPY) (LINE 32) IS 13 WHICH IS GREATER THAN "
                                                   "THE LIMIT OF 12, SO COMPUTATION STOPS."},
                 false},
        StopCase{"NormalEnd", {kExitText}, false}),
    [](const ::testing::TestParamInfo<StopCase>& info) { return std::string(info.param.name); });

// What the analysis targets take as a number beyond any physical range.
struct NumberCase {
  const char* name;
  std::string text, input, report;
  bool finding;
};

void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.name; }

class PhysicalNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(PhysicalNumberTest, BeyondTheBoundIsAFinding) {
  const NumberCase& c = GetParam();
  const std::string found = UnphysicalNumber(c.text, c.input, c.report);
  EXPECT_EQ(!found.empty(), c.finding) << found;
}

INSTANTIATE_TEST_SUITE_P(
    Reports, PhysicalNumberTest,
    ::testing::Values(
        NumberCase{"StressAtTheBound", "  1     .1000E+26   -2.500\r\n", "", "", false},
        NumberCase{"StressBeyondTheBound", "  1     .1100E+26   -2.500\r\n", "", "", true},
        NumberCase{"NegativeBeyondTheBound", "DEFLECTION = -3.403E+38\r\n", "", "", true},
        NumberCase{"PlainDigitsBeyondTheBound", "123456789012345678901234567.0\r\n", "", "", true},
        NumberCase{"EchoOfTheInput", "TOLERANCE (DEL) = 0.1000E+39\r\n", "1,1E38,3\r\n", "", false},
        NumberCase{"InputHoldsAnotherNumber", "TOLERANCE (DEL) = 0.1000E+39\r\n", "1,2E38,3\r\n", "", true},
        NumberCase{"WordWithDigits", "LAYER2E99 IS NOT A NUMBER\r\n", "", "", false},
        NumberCase{"AllowableRepetitions", "ALLOWABLE LOAD REPETITIONS = 0.123E+31  DAMAGE RATIO = 0.100E-30\r\n", "",
                   "", false},
        NumberCase{"CrackingIndexInTheReport", "FOR PERIOD 1 LOAD GROUP 1 CRACKING INDEX (CI) FOR LAYER 1 IS .12345E+31\r\n",
                   "", "", false},
        NumberCase{"CrackingIndexInTheGraphFile", "1.235E+30\r\n", "",
                   "FOR PERIOD 1 LOAD GROUP 1 CRACKING INDEX (CI) FOR LAYER 1 IS .12345E+31\r\n", false},
        NumberCase{"GraphNumberTheReportShowsAsAStress", "1.235E+30\r\n", "", "STRESS = .12345E+31\r\n", true},
        // A line the input holds elsewhere than as a whole title is no echo of it.
        NumberCase{"LineTheInputHoldsOffItsPlace", " 1  9.9E+30 \r\n", " 1  (1)\r\nRUNWAY 1  9.9E+30X\r\n", "", true}),
    [](const ::testing::TestParamInfo<NumberCase>& info) { return std::string(info.param.name); });

// What the analysis targets take as a printed NaN or Inf, and what as the input's own text. The
// input is a data file whose title (record (2)) holds the letters; the text a report, graph file or
// message made for the case.
struct NonFiniteCase {
  const char* name;
  std::string text, title;
  bool finding;
};

void PrintTo(const NonFiniteCase& c, std::ostream* os) { *os << c.name; }

std::string DataFileTitled(const std::string& title) {
  return " 1  (1) NPROB\r\n" + title + "\r\n 0  0  1  1  (3) NFOUND NDAMA NPY NLG\r\n";
}

class NonFiniteTest : public ::testing::TestWithParam<NonFiniteCase> {};

TEST_P(NonFiniteTest, OnlyTheInputsOwnTextInItsPlaceIsPassedOver) {
  const NonFiniteCase& c = GetParam();
  const std::string found = UnechoedNonFinite(c.text, DataFileTitled(c.title));
  EXPECT_EQ(!found.empty(), c.finding) << found;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NonFiniteTest,
    ::testing::Values(
        // Computed lines: the same letters in the title, or the line's own text held elsewhere in
        // the input than as a whole title, make no echo.
        NonFiniteCase{"InfAtALineStartUnderATitleOfInfluence", "Influence of curling\r\n Inf  158.2202 \r\n",
                      "Influence of curling", true},
        NonFiniteCase{"NaNAtALineStartUnderATitleOfNaN", "NaN test slab\r\n NaN  12.5 \r\n", "NaN test slab", true},
        NonFiniteCase{"InfinityOfTheDictionaryInTheTitle", " 3  Infinity  1.5 \r\n", "Infinity  1.5 runway", true},
        NonFiniteCase{"ValueLineTheTitleHoldsAsItsEnd", " 1.5  nan  2.5 \r\n", "Runway 1.5  nan  2.5", true},
        NonFiniteCase{"WordWithTheTitlesNeighboursOnOneSide", " 12.5  NaN test \r\n", "NaN test slab", true},
        // The title's echoes.
        NonFiniteCase{"TitleLineOfTheGraphFile", "NaN test slab\r\n", "NaN test slab", false},
        NonFiniteCase{"TitleHeadingTheReport", "TITLE - NaN test slab\r\n", "NaN test slab", false},
        NonFiniteCase{"TitleHeadingTheProgressText", "TITLE: Inf load\r\n", "  Inf load  ", false},
        NonFiniteCase{"TitleCutAtItsComma", "NaN test\r\n", "NaN test, slab", false},
        NonFiniteCase{"ItemAMessageQuotes", "In CASE.DAT, line 3: \"NaN\" is not a number.", "TEST", false},
        NonFiniteCase{"TitleHeadingWithAnotherTitle", "TITLE - NaN test slab\r\n", "Other slab", true}),
    [](const ::testing::TestParamInfo<NonFiniteCase>& info) { return std::string(info.param.name); });

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(FuzzRegressionTest);

}  // namespace
}  // namespace pave::fuzz
