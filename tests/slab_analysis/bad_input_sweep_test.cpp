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

class SlabBadInputSweep : public ::testing::TestWithParam<SweepCase> {};

TEST_P(SlabBadInputSweep, EveryMutantEndsSoundly) {
  const SweepCase c = GetParam();
  SweepRunner runner = Runner(c.Tag(), c.large ? kLarge : kBruntola);
  const pave::testing::SweepPlan plan = c.large ? pave::testing::SweepPlan{2 * kStride, kStride / 2, 2}
                                                 : pave::testing::SweepPlan{kStride};
  pave::testing::SweepExample(c.name, runner, plan, kExitText);
}

INSTANTIATE_TEST_SUITE_P(Examples, SlabBadInputSweep, ::testing::ValuesIn(SweepCases()),
                         [](const ::testing::TestParamInfo<SweepCase>& info) { return info.param.Tag(); });

TEST(SlabBadInput, HandmadeFilesEndSoundly) {
  const std::string sla1 = ExampleText("SLA1");
  std::string manyProblems = sla1, noProblem = sla1;
  manyProblems.replace(0, manyProblems.find('('), " 30000  ");
  noProblem.replace(0, noProblem.find('('), " 0  ");
  struct Case {
    const char* what;
    std::string text;
    RunEnd end;
  };
  const std::vector<Case> cases = {
      {"an empty file", "", RunEnd::DataError},
      {"a file of blanks", "   \r\n  \r\n\t \r\n", RunEnd::DataError},
      {"30000 problems declared, two present", manyProblems, RunEnd::DataError},
      {"SLA1 with CR line ends only", pave::testing::CrOnly(sla1), RunEnd::Normal},
      {"no problem declared", noProblem, RunEnd::InputStop},
  };
  for (const SlabVariant& v : {kBruntola, kLarge}) {
    SweepRunner runner = Runner(v.large ? "handmade_large" : "handmade", v);
    for (const Case& c : cases) {
      const Outcome o = runner.Run(c.what, &c.text);
      ExpectSound(c.what, o, kExitText);
      EXPECT_EQ(o.end, c.end) << c.what;
    }
    const Outcome missing = runner.Run("a missing file", nullptr);
    ExpectSound("a missing file", missing, kExitText);
    EXPECT_EQ(missing.end, RunEnd::DataError);
    // A file that declares no problem says so, and names no report, since none is written.
    const Outcome none = runner.Run("no problem declared", &noProblem);
    ASSERT_EQ(none.host.messages.size(), 2u);
    EXPECT_EQ(none.host.messages[0], "The data file declares no problem (NPROB = 0), so nothing was analysed.");
    EXPECT_EQ(none.host.messages[1], kExitText);
    EXPECT_EQ(none.host.shown.back().find("YOUR TEXT OUTPUT"), std::string::npos);
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
      {"SLA4SI", " 20.5334   689.476   (15)", " 20.5334   32767   (15)"},
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
