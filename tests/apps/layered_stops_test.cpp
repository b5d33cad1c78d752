// MORVELIN's stops as a user meets them in the examples: each names the item, the value as typed with
// its unit and the line it stands on; values no pavement has are refused in either unit system by
// their physical ranges; a file that declares no problem leaves a graph file marked "STOPPED"; creep
// times that cannot serve a moving load are told as such.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "common/analysis_host.h"
#include "layered_analysis/run_driver.h"
#include "support/bad_input_sweep.h"
#include "support/file_text.h"

namespace pave {
namespace {

using pave::testing::ExampleText;
using pave::testing::Outcome;
using pave::testing::SweepRunner;
using pave::testing::TextLines;

// Records of an example replaced by others: the first occurrence of each `from` becomes `to`.
using Changes = std::vector<std::pair<std::string, std::string>>;

struct RunResult {
  RunEnd end = RunEnd::DataError;
  std::vector<std::string> messages;
  std::string graph;
};

// Runs MORVELIN on the example with its records changed, in a folder of its own.
RunResult RunChanged(const std::string& example, const Changes& changes, const std::string& tag) {
  std::string text = ExampleText(example);
  for (const auto& [from, to] : changes) {
    const std::size_t at = text.find(from);
    if (at == std::string::npos) return {RunEnd::DataError, {"record not in " + example + ": " + from}, ""};
    text.replace(at, from.size(), to);
  }
  SweepRunner runner("layered_stops_" + tag,
                     [](const std::string& base, AnalysisHost& host) { return layered::RunMorvelin(base, host); }, ".LAY");
  const Outcome o = runner.Run(tag, &text);
  return {o.end, o.host.messages, o.graph};
}

// ---------------------------------------------------------------------------------------------------
// Every stop of the input names its place: the run ends as an input stop whose first message is the
// stop, and the graph file marks the problem "STOPPED".

struct StopCase {
  const char* name;
  const char* example;
  Changes changes;
  std::string message;
};
void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }

class LayeredStop : public ::testing::TestWithParam<StopCase> {};

TEST_P(LayeredStop, NamesTheItemTheValueAndItsLine) {
  const StopCase& c = GetParam();
  const RunResult run = RunChanged(c.example, c.changes, c.name);
  EXPECT_EQ(run.end, RunEnd::InputStop);
  ASSERT_FALSE(run.messages.empty());
  EXPECT_EQ(run.messages.front(), c.message);
  const std::vector<std::string> graph = TextLines(run.graph);
  ASSERT_FALSE(graph.empty());
  EXPECT_EQ(graph.back(), "STOPPED");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LayeredStop,
    ::testing::Values(
        StopCase{"CommaInTitle", "LAY1", {{"Example 1: Elastic", "Example 1, Elastic"}},
                 "No comma should be used for TITLE (LINE 2) and use semicolon instead."},
        StopCase{"RecordFiveCutShort", "LAY1", {{" 3  3  80  1  0  (5) NL NZ ICL NSTD NUNIT", " 3  3  80"}},
                 "FILE IS WRONG AND DOES NOT FIT WITH MORVELIN FORMAT: RECORD (5) (LINE 5) FALLS SHORT OF ITS VALUES NL "
                 "NZ ICL NSTD NUNIT AND ITS IDENTIFIER ENDING IN NUNIT; THE READING RAN ON TO \"(6) TH\" (LINE 6)."},
        StopCase{"RecordFiveWithoutNunit", "LAY1",
                 {{" 3  3  80  1  0  (5) NL NZ ICL NSTD NUNIT", " 3  3  80  1  (5) NL NZ ICL NSTD"}},
                 "FILE IS WRONG AND DOES NOT FIT WITH MORVELIN FORMAT: RECORD (5) (LINE 5) SHOULD HOLD NL NZ ICL NSTD "
                 "NUNIT AND AN IDENTIFIER ENDING IN NUNIT, NOT \"(5) NL NZ ICL NSTD\" (LINE 5)."},
        StopCase{"TandemWithNegativeSpacing", "LAY1", {{" 48   13.5   0   0", " -48   13.5   0   0"}},
                 "FOR LOAD GROUP  1 WITH LOAD =  2 XW SHOULD NOT BE 0: XW (LINE 14) IS -48 IN. WHICH SHOULD BE AT LEAST "
                 ".0001 IN., SO COMPUTATION STOPS."},
        StopCase{"DualWheelsWithoutSpacingSi", "LAY1SI",
                 {{" 2   (13) LOAD", " 1   (13) LOAD"}, {" 121.92   34.29   0", " 121.92   0   0"}},
                 "FOR LOAD GROUP  1 WITH LOAD = 1, YW SHOULD SHOULD NOT BE 0: YW (LINE 14) IS 0 CM, SO COMPUTATION "
                 "STOPS."},
        StopCase{"NegativeThickness", "LAY1", {{" 6   8   (6) TH", " -6   8   (6) TH"}},
                 "THE THICKNESS (TH) OF LAYER  1 (LINE 6) IS -6 IN. WHICH SHOULD BE FROM .001 TO 1000 IN., SO "
                 "COMPUTATION STOPS."},
        StopCase{"NegativeDepthSi", "LAY1SI", {{" 0   15.24", " -15.24   15.24"}},
                 "THE VERTICAL COORDINATE (ZC) OF POINT  1 (LINE 8) IS -15.24 CM WHICH SHOULD BE FROM 0 TO 2540 CM, SO "
                 "COMPUTATION STOPS."},
        StopCase{"ZeroContactRadius", "LAY1", {{" 4.52   70   (14) CR CP", " 0   70   (14) CR CP"}},
                 "THE CONTACT RADIUS (CR) OF LOAD GROUP  1 (LINE 12) IS  0 IN. WHICH SHOULD BE FROM .001 TO 1000 IN., "
                 "SO COMPUTATION STOPS."},
        StopCase{"NegativeModulusSi", "LAY1SI", {{" 5102300   158585", " 5102300   -158585"}},
                 "THE MODULUS (E) OF LAYER  2 IN PERIOD  1 (LINE 10) IS -158585 KPA WHICH SHOULD BE FROM 6.89476 TO "
                 "6.89476E+10 KPA, SO COMPUTATION STOPS."},
        StopCase{"NegativeRadialCount", "LAY2", {{" 1   (16) NR", " -1   (16) NR"}},
                 "THE NUMBER OF RADIAL COORDINATE (RC) (LINE 13) IS -1 FOR LOAD GROUP  1 WHICH SHOULD NOT BE NEGATIVE, "
                 "SO COMPUTATION STOPS."},
        StopCase{"TooManyPoints", "LAY1", {{" 12   (19) NPT", " 26   (19) NPT"}},
                 "THE NUMBER OF X AND Y COORDINATES (NPT) (LINE 13) IS  26 FOR LOAD GROUP 1 WHICH IS GREATER THAN THE "
                 "LIMIT OF 25, SO COMPUTATION STOPS."},
        StopCase{"TooManyDamageLayers", "LAY5", {{" 1  1  (46) NLBT NLTC", " 6  7  (46) NLBT NLTC"}},
                 "THE NUMBER OF DAMAGE LAYERS (NLBT + NLTC) (LINE 22) IS  13 WHICH IS GREATER THAN THE LIMIT OF 12, SO "
                 "COMPUTATION STOPS."}),
    [](const ::testing::TestParamInfo<StopCase>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------------
// The temperatures, nonlinear constants, traffic and damage coefficients have physical ranges, alike
// in both unit systems: the edge of the range is taken, a value beyond it refused by name, value, unit
// and line.

struct RangeCase {
  const char* name;
  const char* example;
  std::string record;  // as the example has it
  std::string inside;  // the record with a value at the edge of its range
  std::string beyond;  // the record with a value beyond it
  const char* item;    // the item as the message names it
  std::string message;
};
void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.name; }

class LayeredRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(LayeredRange, TakesTheEdgeAndRefusesBeyondIt) {
  const RangeCase& c = GetParam();
  const RunResult inside = RunChanged(c.example, {{c.record, c.inside}}, std::string(c.name) + "_inside");
  ASSERT_NE(inside.end, RunEnd::DataError) << (inside.messages.empty() ? "" : inside.messages.front());
  for (const std::string& m : inside.messages) EXPECT_EQ(m.find(c.item), std::string::npos) << m;
  const RunResult beyond = RunChanged(c.example, {{c.record, c.beyond}}, std::string(c.name) + "_beyond");
  EXPECT_EQ(beyond.end, RunEnd::InputStop);
  ASSERT_FALSE(beyond.messages.empty());
  EXPECT_EQ(beyond.messages.front(), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LayeredRange,
    ::testing::Values(
        // 212 F is 100 C; 70 F stays the reference temperature.
        RangeCase{"TemperatureEnglish", "LAY3", " 70   70   (44) TEMP", " 212   70   (44) TEMP",
                  " 1E+38   70   (44) TEMP", "(TEMP)",
                  "THE TEMPERATURE (TEMP) OF LAYER  1 IN PERIOD  1 (LINE 23) IS  1E+38 F WHICH SHOULD BE FROM -76 TO "
                  "212 F, SO COMPUTATION STOPS."},
        RangeCase{"TemperatureSi", "LAY3SI", " 21.1   21.1   (44) TEMP", " 21.1   -60   (44) TEMP",
                  " 21.1   -60.5   (44) TEMP", "(TEMP)",
                  "THE TEMPERATURE (TEMP) OF LAYER  2 IN PERIOD  1 (LINE 23) IS -60.5 C WHICH SHOULD BE FROM -60 TO 100 "
                  "C, SO COMPUTATION STOPS."},
        RangeCase{"ReferenceTemperatureSi", "LAY4SI", " .2034   21.1   (41) BETA TEMPREF",
                  " .2034   100   (41) BETA TEMPREF", " .2034   100.1   (41) BETA TEMPREF", "(TEMPREF)",
                  "THE REFERENCE TEMPERATURE (TEMPREF) OF LAYER  1 (LINE 21) IS  100.1 C WHICH SHOULD BE FROM -60 TO "
                  "100 C, SO COMPUTATION STOPS."},
        RangeCase{"LeastClayModulus", "LAY2", " 1827   7682   3020   (33)", " 0   7682   3020   (33)",
                  " -1   7682   3020   (33)", "(EMIN)",
                  "THE LEAST MODULUS (EMIN) OF LAYER  7 IN PERIOD  1 (LINE 34) IS -1 PSI WHICH SHOULD BE 0 OR FROM 1 TO "
                  "1E+10 PSI, SO COMPUTATION STOPS."},
        RangeCase{"GreatestClayModulusSi", "LAY2SI", " 12597   52967   20823   (33)", " 12597   6.89476E+10   20823   (33)",
                  " 12597   1E+38   20823   (33)", "(EMAX)",
                  "THE GREATEST MODULUS (EMAX) OF LAYER  7 IN PERIOD  1 (LINE 34) IS  1E+38 KPA WHICH SHOULD BE FROM "
                  "6.89476 TO 6.89476E+10 KPA, SO COMPUTATION STOPS."},
        RangeCase{"EarthPressureAtRest", "LAY2", " .5  .6  (31) K2 K0", " .5  10  (31) K2 K0", " .5  1E+38  (31) K2 K0",
                  "(K0)",
                  "THE COEFFICIENT OF EARTH PRESSURE AT REST (K0) OF LAYER  1 (LINE 21) IS  1E+38 WHICH SHOULD BE FROM 0 "
                  "TO 10, SO COMPUTATION STOPS."},
        RangeCase{"ClaySlope", "LAY2", " 6.2  1110  178", " 6.2  100000  178", " 6.2  -1110  178", "(K3)",
                  "THE SLOPE BELOW THE BREAK POINT (K3) OF LAYER  7 (LINE 27) IS -1110 WHICH SHOULD BE FROM 0 TO 100000, "
                  "SO COMPUTATION STOPS."},
        RangeCase{"Repetitions", "LAY5", " 50000   50000   50000   (49)", " 50000   1E+10   50000   (49)",
                  " 50000   1E+38   50000   (49)", "(TNLR)",
                  "THE LOAD REPETITIONS (TNLR) OF LOAD GROUP 2 IN PERIOD 1 (LINE 25) IS  1E+38 WHICH SHOULD BE FROM 0 TO "
                  "1E+10, SO COMPUTATION STOPS."},
        RangeCase{"DeformationCoefficient", "LAY5", " 1.365E-09   4.477   (51)", " 1   4.477   (51)",
                  " 1E+38   4.477   (51)", "(FT4)",
                  "THE DAMAGE COEFFICIENT (FT4) FOR TOP COMPRESSION OF LAYER  2 (LINE 27) IS  1E+38 WHICH SHOULD BE FROM "
                  "1E-20 TO 1, SO COMPUTATION STOPS."}),
    [](const ::testing::TestParamInfo<RangeCase>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------------
// A file that declares no problem: the run stops, and the graph file says so after its count.

TEST(LayeredNoProblem, MarksTheGraphFileStopped) {
  for (const char* count : {" 0  (1) NPROB", " -3  (1) NPROB"}) {
    const RunResult run = RunChanged("LAY1", {{" 1  (1) NPROB", count}}, "none");
    EXPECT_EQ(run.end, RunEnd::InputStop) << count;
    ASSERT_FALSE(run.messages.empty());
    EXPECT_NE(run.messages.front().find("declares no problem"), std::string::npos) << run.messages.front();
    const std::vector<std::string> graph = TextLines(run.graph);
    ASSERT_EQ(graph.size(), 2u) << run.graph;
    EXPECT_EQ(graph[1], "STOPPED");
  }
}

// ---------------------------------------------------------------------------------------------------
// LAY4's moving load of 0.1 s: its compliances are fitted by terms of the fixed retardation times
// 0.01 to 30 s. Creep times a thousand times longer (1 s to 1E+05 s) leave the shortest term out of
// reach of every creep time; thirty times longer, the fit reaches it but gives a compliance that is
// not positive.

const char* const kLay4Times = " .001   .003   .01   .03   .1   .3   1   3   10   30   100   (39) TYME";

TEST(LayeredCreepTimes, ThatCannotReachTheMovingLoadsTimesAreToldByNameLineAndSpan) {
  const RunResult run = RunChanged("LAY4", {{kLay4Times, " 1   3   10   30   100   300   1000   3000   10000   30000   100000   (39) TYME"}},
                             "creep1000");
  EXPECT_EQ(run.end, RunEnd::InputStop);
  ASSERT_FALSE(run.messages.empty());
  EXPECT_EQ(run.messages.front(),
            "THE CREEP TIMES (TYME) (LINE 20) FROM 1 TO 100000 SEC CANNOT REACH THE RETARDATION TIMES OF THE MOVING "
            "LOAD, .01 TO 30 SEC: THE SHORTEST CREEP TIME SHOULD BE LESS THAN .8 SEC, SO COMPUTATION STOPS.");
  for (const std::string& m : run.messages) EXPECT_EQ(m.find("IER"), std::string::npos) << m;
}

TEST(LayeredCreepTimes, AComplianceFittedToNoPositiveValueNamesTheLineOfTheCompliances) {
  const RunResult run = RunChanged("LAY4", {{kLay4Times, " .03   .09   .3   .9   3   9   30   90   300   900   3000   (39) TYME"}},
                             "creep30");
  EXPECT_EQ(run.end, RunEnd::InputStop);
  ASSERT_FALSE(run.messages.empty());
  EXPECT_EQ(run.messages.front(),
            "THE CREEP COMPLIANCE OF LAYER  1 AT TIME  9 IN PERIOD  1 (LINE 22) IS NOT GREATER THAN 0, SO THIS PROBLEM "
            "STOPS.");
}

}  // namespace
}  // namespace pave
