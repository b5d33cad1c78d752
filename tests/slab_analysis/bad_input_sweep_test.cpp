// Bad input never breaks the slab analysis, in either build: every example file, cut short and with
// its numbers replaced by hostile values, runs to one of the three exit statuses with a message when
// it stops, writes no "NaN" or "Inf", and ends. The test build runs under the address and
// undefined-behaviour sanitizers, so an out-of-bounds access or an overflow on the way fails the
// test as well.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "support/bad_input_sweep.h"
#include "slab_analysis/slab_driver.h"

namespace pave::slab {
namespace {

using pave::testing::ExampleText;
using pave::testing::ExpectSound;
using pave::testing::Outcome;
using pave::testing::SweepRunner;

// Each hostile value is tried on every kStride-th item in each build; `large` takes other values than
// BRUNTOLA on the same items, so the two builds together try two values in kStride.
constexpr int kStride = 20;

SweepRunner Runner(const std::string& tag, const SlabVariant& v) {
  return SweepRunner(
      tag, [v](const std::string& base, AnalysisHost& host) { return RunSlabProgram(base, v, host); }, ".SLA");
}

class SlabBadInputSweep : public ::testing::TestWithParam<std::tuple<const char*, bool>> {};

TEST_P(SlabBadInputSweep, EveryMutantEndsSoundly) {
  const auto [name, large] = GetParam();
  SweepRunner runner = Runner(std::string(name) + (large ? "_large" : ""), large ? kLarge : kBruntola);
  const int stride = pave::testing::SweepStride(kStride);
  // The English file, its SI twin and the two builds: four different offsets.
  pave::testing::SweepExample(name, runner, stride, kExitText, large ? stride / 4 : 0);
}

INSTANTIATE_TEST_SUITE_P(Examples, SlabBadInputSweep,
                         ::testing::Combine(::testing::Values("SLA1", "SLA1SI", "SLA2", "SLA2SI", "SLA3", "SLA3SI",
                                                              "SLA4", "SLA4SI", "SLA5", "SLA5SI", "SLA6", "SLA6SI"),
                                            ::testing::Bool()),
                         [](const ::testing::TestParamInfo<std::tuple<const char*, bool>>& info) {
                           return std::string(std::get<0>(info.param)) + (std::get<1>(info.param) ? "_large" : "");
                         });

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
  const std::string sla1 = ExampleText("SLA1"), cr = pave::testing::CrOnly(sla1);
  SweepRunner runner = Runner("cr", kBruntola);
  const Outcome a = runner.Run("SLA1", &sla1);
  const Outcome b = runner.Run("SLA1 with CR line ends", &cr);
  ASSERT_EQ(a.end, RunEnd::Normal);
  EXPECT_EQ(a.report, b.report);
  EXPECT_EQ(a.graph, b.graph);
}

}  // namespace
}  // namespace pave::slab
