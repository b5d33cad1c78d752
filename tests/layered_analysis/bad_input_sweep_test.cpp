// Bad input never breaks the layered analysis: every example file, cut short and with its numbers
// replaced by hostile values, runs to one of the three exit statuses with a message when it stops,
// writes no "NaN" or "Inf", and ends. The test build runs under the address and undefined-behaviour
// sanitizers, so an out-of-bounds access or an overflow on the way fails the test as well.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/bad_input_sweep.h"
#include "layered_analysis/run_driver.h"

namespace pave::layered {
namespace {

using pave::testing::ExampleText;
using pave::testing::ExpectSound;
using pave::testing::Outcome;
using pave::testing::SweepRunner;

// Each hostile value is tried on every kStride-th item; every truncation is run.
constexpr int kStride = 10;

SweepRunner Runner(const std::string& tag) {
  return SweepRunner(tag, [](const std::string& base, AnalysisHost& host) { return RunMorvelin(base, host); }, ".LAY");
}

// The layered program's own check of every run: every stop writes the report (whose last lines
// each stop words in its own way) and marks the stopped problem in the layer graph file with its
// title and "STOPPED" (a file that declares no problem has none to mark).
void ExpectLayeredEnd(const Outcome& o) {
  if (o.end != RunEnd::InputStop) return;
  ASSERT_GE(o.host.messages.size(), 2u);
  EXPECT_EQ(o.host.messages.back(), kExitText);
  const std::string& why = o.host.messages[o.host.messages.size() - 2];
  EXPECT_FALSE(o.report.empty()) << "an input stop without its report: " << why;
  if (why == NoProblemMessage(0)) return;
  const std::string graphEnd = "\r\nSTOPPED\r\n";
  ASSERT_GE(o.graph.size(), graphEnd.size()) << "an input stop without its graph file: " << why;
  EXPECT_EQ(o.graph.substr(o.graph.size() - graphEnd.size()), graphEnd);
}

class LayeredBadInputSweep : public ::testing::TestWithParam<const char*> {};

TEST_P(LayeredBadInputSweep, EveryMutantEndsSoundly) {
  SweepRunner runner = Runner(GetParam());
  pave::testing::SweepExample(GetParam(), runner, {kStride}, kExitText, ExpectLayeredEnd);
}

INSTANTIATE_TEST_SUITE_P(Examples, LayeredBadInputSweep,
                         ::testing::Values("LAY1", "LAY1SI", "LAY2", "LAY2SI", "LAY3", "LAY3SI", "LAY4", "LAY4SI",
                                           "LAY5", "LAY5SI", "LAY6", "LAY6SI"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

// LAY1 with its record (11), line 10, " 740000   23000   11000   (11) E", changed.
std::string Lay1WithModuli(const std::string& moduli) {
  std::string text = ExampleText("LAY1");
  const std::string record = " 740000   23000   11000   (11) E";
  text.replace(text.find(record), record.size(), moduli + "   (11) E");
  return text;
}

// The files a user may meet; a read fault is told with the sentence and where (the line and the
// text that could not be read, or where the data end).
TEST(LayeredBadInput, HandmadeFilesEndSoundly) {
  const std::string lay1 = ExampleText("LAY1");
  std::string manyProblems = lay1;
  manyProblems.replace(0, manyProblems.find('('), " 30000  ");
  const std::size_t line10 = lay1.find(" 740000");
  struct Case {
    const char* what;
    std::string text;
    RunEnd end;
    std::string where;  // in the message of a data error
  };
  const std::vector<Case> cases = {
      {"an empty file", "", RunEnd::DataError, "CASE.DAT holds no data."},
      {"a file of blanks", "   \r\n  \r\n\t \r\n", RunEnd::DataError, "CASE.DAT holds no data."},
      {"30000 problems declared, one present", manyProblems, RunEnd::DataError,
       ", line 14: the data end after record (20), where more data were expected."},
      {"LAY1 with CR line ends only", pave::testing::CrOnly(lay1), RunEnd::Normal, ""},
      {"letters in a number", Lay1WithModuli(" 74x000   23000   11000"), RunEnd::DataError,
       ", line 10: \"74x000\" is not a number."},
      {"NaN for a modulus", Lay1WithModuli(" NaN   23000   11000"), RunEnd::DataError,
       ", line 10: \"NaN\" is not a number."},
      {"a modulus beyond single precision", Lay1WithModuli(" 740000   1e39   11000"), RunEnd::DataError,
       ", line 10: \"1e39\" is too large for single precision."},
      {"the file cut after record (9)", lay1.substr(0, line10), RunEnd::DataError,
       ", line 9: the data end after record (9), where more data were expected."},
      {"a Ctrl-Z before record (11)", lay1.substr(0, line10) + "\x1a" + lay1.substr(line10), RunEnd::DataError,
       ", line 10: the data end at a Ctrl-Z after record (9), where more data were expected."},
  };
  SweepRunner runner = Runner("handmade");
  for (const Case& c : cases) {
    const Outcome o = runner.Run(c.what, &c.text);
    ExpectSound(c.what, o, kExitText, c.where);
    EXPECT_EQ(o.end, c.end) << c.what;
  }
  const Outcome missing = runner.Run("a missing file", nullptr);
  ExpectSound("a missing file", missing, kExitText, "CASE.DAT does not exist.");
  EXPECT_EQ(missing.end, RunEnd::DataError);
}

TEST(LayeredBadInput, CrLineEndsGiveTheReportOfCrLf) {
  SweepRunner runner = Runner("cr");
  pave::testing::ExpectCrLineEndsReadAlike("LAY1", runner);
}

// Fatigue constants (every record of the example changed alike) whose damage ratios leave the range
// of single precision stop their problem with a message before they are written, instead of printing
// "NaN" or "Inf". (An earth-pressure coefficient that would do so is refused where it is read.)
TEST(LayeredBadInput, ResultsOutOfRangeStopTheProblem) {
  struct Case {
    const char* example;
    const char* line;      // the records as the example has them
    const char* replaced;  // and as the case has them
  };
  const std::vector<Case> cases = {
      {"LAY4SI", " .414   3.291   .854   (50)", " .414   3.291   7   (50)"},
  };
  SweepRunner runner = Runner("range");
  for (const Case& c : cases) {
    std::string text = ExampleText(c.example);
    for (std::size_t at = text.find(c.line); at != std::string::npos; at = text.find(c.line, at))
      text.replace(at, std::string(c.line).size(), c.replaced);
    ASSERT_NE(text, ExampleText(c.example)) << c.line;
    const Outcome o = runner.Run(c.replaced, &text);
    ExpectSound(c.replaced, o, kExitText);
    EXPECT_EQ(o.end, RunEnd::InputStop) << c.replaced;
    ASSERT_FALSE(o.host.messages.empty());
    EXPECT_NE(o.host.messages.front().find(" OUT OF RANGE, SO THIS PROBLEM STOPS."), std::string::npos)
        << o.host.messages.front();
    EXPECT_NE(o.report.find(o.host.messages.front()), std::string::npos);
  }
}

// A slope of load distribution that would put the modulus points beyond the range of single precision
// is refused by its own range, naming it, before any derived value is computed.
TEST(LayeredBadInput, ModulusPointsFarAwayAreRefusedByTheirSlope) {
  struct Case {
    const char* example;
    const char* record;    // as the example has it
    const char* replaced;  // as the case has it
  };
  const std::vector<Case> cases = {
      {"LAY2", " 0  0  0  0  .01  (28)", " 0  0  0  1E+38  .01  (28)"},
  };
  SweepRunner runner = Runner("derived");
  for (const Case& c : cases) {
    std::string text = ExampleText(c.example);
    const std::size_t at = text.find(c.record);
    ASSERT_NE(at, std::string::npos) << c.record;
    text.replace(at, std::string(c.record).size(), c.replaced);
    const Outcome o = runner.Run(c.replaced, &text);
    ExpectSound(c.replaced, o, kExitText);
    EXPECT_EQ(o.end, RunEnd::InputStop) << c.example << c.replaced;
    ASSERT_FALSE(o.host.messages.empty());
    EXPECT_NE(o.host.messages.front().find("(SLD)"), std::string::npos) << o.host.messages.front();
  }
}

}  // namespace
}  // namespace pave::layered
