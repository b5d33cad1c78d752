// Bad input never breaks the slab analysis, in either build: every example file, cut short and with
// its numbers replaced by hostile values, runs to one of the three exit statuses with a message when
// it stops, writes no "NaN" or "Inf", and ends. The test build runs under the address and
// undefined-behaviour sanitizers, so an out-of-bounds access or an overflow on the way fails the
// test as well.
#include <gtest/gtest.h>

#include <string>
#include <ostream>
#include <vector>

#include "support/bad_input_sweep.h"
#include "slab_analysis/slab_driver.h"

namespace pave::slab {
namespace {

using pave::testing::ExampleText;
using pave::testing::ExpectSound;
using pave::testing::Outcome;
using pave::testing::SweepRunner;

// Each hostile value is tried on every kStride-th item, and every truncation is run, in BRUNTOLA.
// The large build differs only in the size of its work array and a few texts, and every run pays
// for clearing that array: it tries the values on every (2 kStride)-th item, other values than
// BRUNTOLA on the same items, and every other truncation.
constexpr int kStride = 20;

SweepRunner Runner(const std::string& tag, const SlabVariant& v) {
  return SweepRunner(
      tag, [v](const std::string& base, AnalysisHost& host) { return RunSlabProgram(base, v, host); }, ".SLA");
}

// One example in one build of the slab program.
struct SweepCase {
  const char* name;
  bool large;
  std::string Tag() const { return std::string(name) + (large ? "_large" : ""); }
};
void PrintTo(const SweepCase& c, std::ostream* os) { *os << c.Tag(); }

std::vector<SweepCase> SweepCases() {
  std::vector<SweepCase> cases;
  for (const char* name : {"SLA1", "SLA1SI", "SLA2", "SLA2SI", "SLA3", "SLA3SI", "SLA4", "SLA4SI", "SLA5", "SLA5SI",
                           "SLA6", "SLA6SI"}) {
    for (bool large : {false, true}) cases.push_back({name, large});
  }
  return cases;
}

// The slab program's own checks of every run: the advice to use the large build never follows bad
// data; every input stop ends the report with the stop's message and leaves the stopped problem in
// the graph file as its title and "STOPPED" (a file that declares no problem as "STOPPED" alone).
void ExpectSlabEnd(const Outcome& o) {
  if (o.end == RunEnd::DataError) {
    for (const std::string& m : o.host.messages) EXPECT_EQ(m.find("LARGE RAM"), std::string::npos) << m;
  }
  if (o.end != RunEnd::InputStop) return;
  ASSERT_GE(o.host.messages.size(), 2u);
  EXPECT_EQ(o.host.messages.back(), kExitText);
  const std::string& why = o.host.messages[o.host.messages.size() - 2];
  const std::string reportEnd = "\r\n\r\n" + why + "\r\n";
  ASSERT_GE(o.report.size(), reportEnd.size()) << "an input stop without its report: " << why;
  EXPECT_EQ(o.report.substr(o.report.size() - reportEnd.size()), reportEnd);
  const std::string graphEnd = "\r\nSTOPPED\r\n";
  ASSERT_GE(o.graph.size(), graphEnd.size()) << "an input stop without its graph file: " << why;
  EXPECT_EQ(o.graph.substr(o.graph.size() - graphEnd.size()), graphEnd);
}

class SlabBadInputSweep : public ::testing::TestWithParam<SweepCase> {};

TEST_P(SlabBadInputSweep, EveryMutantEndsSoundly) {
  const SweepCase c = GetParam();
  SweepRunner runner = Runner(c.Tag(), c.large ? kLarge : kBruntola);
  const pave::testing::SweepPlan plan = c.large ? pave::testing::SweepPlan{2 * kStride, kStride / 2, 2}
                                                 : pave::testing::SweepPlan{kStride};
  pave::testing::SweepExample(c.name, runner, plan, kExitText, ExpectSlabEnd);
}

INSTANTIATE_TEST_SUITE_P(Examples, SlabBadInputSweep, ::testing::ValuesIn(SweepCases()),
                         [](const ::testing::TestParamInfo<SweepCase>& info) { return info.param.Tag(); });

// SLA1 with the first occurrence of `from` (from its line `from` on when it starts the line) changed.
std::string Sla1With(const std::string& from, const std::string& to, std::size_t after = 0) {
  std::string text = ExampleText("SLA1");
  text.replace(text.find(from, after), from.size(), to);
  return text;
}

// The files a user may meet. A read fault is told with the sentence and where (the line and the text
// that could not be read, or where the data end); a stop ends the report with its message and marks
// the stopped problem in the graph file (ExpectSlabEnd).
TEST(SlabBadInput, HandmadeFilesEndSoundly) {
  const std::string sla1 = ExampleText("SLA1");
  std::string manyProblems = sla1, noProblem = sla1;
  manyProblems.replace(0, manyProblems.find('('), " 30000  ");
  noProblem.replace(0, noProblem.find('('), " 0  ");
  const std::size_t line12 = sla1.find(" 0   (12) NUDL");
  const std::size_t second = sla1.find("CURLING OF SLAB WITH FULL CONTACT ON SOLID");
  struct Case {
    const char* what;
    std::string text;
    RunEnd end;
    std::string where;  // in the first message
  };
  const std::vector<Case> cases = {
      {"an empty file", "", RunEnd::DataError, "CASE.DAT holds no data."},
      {"a file of blanks", "   \r\n  \r\n\t \r\n", RunEnd::DataError, "CASE.DAT holds no data."},
      {"30000 problems declared, two present", manyProblems, RunEnd::DataError,
       ", line 33: the data end after record (28), where more data were expected."},
      {"SLA1 with CR line ends only", pave::testing::CrOnly(sla1), RunEnd::Normal, ""},
      {"no problem declared", noProblem, RunEnd::InputStop, "(NPROB = 0)"},
      {"letters in a number", Sla1With(" 8   .15   4000000", " 8   .1x5   4000000"), RunEnd::DataError,
       ", line 10: \".1x5\" is not a number."},
      {"a letter for NFOUND", Sla1With(" 0  0  1  1  (3)", " X  0  1  1  (3)"), RunEnd::DataError,
       ", line 3: \"X\" is not a number."},
      {"NaN for a thickness", Sla1With(" 8   .15   4000000", " NaN   .15   4000000"), RunEnd::DataError,
       ", line 10: \"NaN\" is not a number."},
      {"a modulus beyond single precision", Sla1With(" 8   .15   4000000", " 8   .15   1e39"), RunEnd::DataError,
       ", line 10: \"1e39\" is too large for single precision."},
      {"the file cut after record (10)", sla1.substr(0, sla1.find(" 0   (12) NUDL")), RunEnd::DataError,
       ", line 10: the data end after record (10), where more data were expected."},
      {"a Ctrl-Z before record (12)", sla1.substr(0, line12) + "\x1a" + sla1.substr(line12), RunEnd::DataError,
       ", line 11: the data end at a Ctrl-Z after record (10), where more data were expected."},
      // A stop in the first problem, and one in the second after the first was complete.
      {"NLAYER -1 in problem 1", Sla1With(" 1  49  0", " -1  49  0"), RunEnd::InputStop, "(NLAYER)"},
      {"NLAYER -1 in problem 2", Sla1With(" 1  49  0", " -1  49  0", second), RunEnd::InputStop, "(NLAYER)"},
  };
  for (const SlabVariant& v : {kBruntola, kLarge}) {
    SweepRunner runner = Runner(v.large ? "handmade_large" : "handmade", v);
    for (const Case& c : cases) {
      const Outcome o = runner.Run(c.what, &c.text);
      ExpectSound(c.what, o, kExitText, "", ExpectSlabEnd);
      EXPECT_EQ(o.end, c.end) << c.what;
      ASSERT_FALSE(o.host.messages.empty()) << c.what;
      EXPECT_NE(o.host.messages.front().find(c.where), std::string::npos) << c.what << ": " << o.host.messages.front();
    }
    const Outcome missing = runner.Run("a missing file", nullptr);
    ExpectSound("a missing file", missing, kExitText, "CASE.DAT does not exist.");
    EXPECT_EQ(missing.end, RunEnd::DataError);
    // A file that declares no problem says so, in its report too.
    const Outcome none = runner.Run("no problem declared", &noProblem);
    ASSERT_EQ(none.host.messages.size(), 2u);
    EXPECT_EQ(none.host.messages[0], "The data file declares no problem (NPROB = 0), so nothing was analysed.");
    EXPECT_EQ(none.host.messages[1], kExitText);
    EXPECT_NE(none.host.shown.back().find("YOUR TEXT OUTPUT"), std::string::npos);
  }
}

TEST(SlabBadInput, CrLineEndsGiveTheReportOfCrLf) {
  SweepRunner runner = Runner("cr", kBruntola);
  pave::testing::ExpectCrLineEndsReadAlike("SLA1", runner);
}

// Values that leave the range of single precision (the curl of a node of a slab 1E+30 long, the
// cracking index under a load of 32767, the stresses in kPa under a load near the top of the range)
// stop the run (mostly through the error path) before they are written, instead of printing "Inf"
// in the report, the graph file or the progress text.
TEST(SlabBadInput, ValuesBeyondSinglePrecisionStopTheRun) {
  struct Case {
    const char* example;
    const char* record;    // as the example has it (its last occurrence)
    const char* replaced;  // as the case has it
  };
  const std::vector<Case> cases = {
      {"SLA5", " 0   90   180   0   72   144   (9)", " 0   90   1E+30   0   72   144   (9)"},
      {"SLA4SI", " 20.5334   689.476   (15)", " 20.5334   3.4E+38   (15)"},
      {"SLA3SI", " 208.28   620.528   (15)", " 208.28   3.4E+38   (15)"},
  };
  for (const SlabVariant& v : {kBruntola, kLarge}) {
    SweepRunner runner = Runner(v.large ? "range_large" : "range", v);
    for (const Case& c : cases) {
      std::string text = ExampleText(c.example);
      const std::size_t at = text.rfind(c.record);  // the last slab's record
      ASSERT_NE(at, std::string::npos) << c.record;
      text.replace(at, std::string(c.record).size(), c.replaced);
      const Outcome o = runner.Run(c.replaced, &text);
      ExpectSound(c.replaced, o, kExitText);
      EXPECT_NE(o.end, RunEnd::Normal) << c.example << c.replaced;
    }
  }
}

}  // namespace
}  // namespace pave::slab
