// The run driver and the input checks: file names, line ends, stops with their messages and exit
// statuses, the texts of the two builds.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>
#include <fstream>

#include "common/data_file_name.h"
#include "slab_analysis/fatigue.h"
#include "slab_analysis/liquid_contact.h"
#include "slab_analysis/slab_driver.h"
#include "slab_run_support.h"
#include "support/file_text.h"

namespace pave::slab::testing {
namespace {

namespace fs = std::filesystem;

SlabFile Small() {
  SlabFile f;
  f.xs = {0, 20, 40, 60};
  f.ys = {0, 20, 40};
  f.areas.push_back({1, 10, 30, 10, 30, 50});
  return f;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

TEST(RunDriverTest, FileNamesCaptionAndCaseOfTheExtension) {
  const fs::path dir = TestDir("names");
  {
    std::ofstream out(dir / "slab1.dat", std::ios::binary);
    out << Small().Text();
  }
  RecordingHost host;
  const std::string base = (dir / "slab1").string();
  EXPECT_EQ(RunSlabProgram(base + ".dat", kBruntola, host), RunEnd::Normal);
  EXPECT_EQ(host.captions.back(), "BRUNTOL - " + base);
  EXPECT_TRUE(fs::exists(base + ".TXT"));
  EXPECT_TRUE(fs::exists(base + ".SLA"));
  EXPECT_EQ(host.messages.back(), "Please click the OK button to exit.");
  EXPECT_EQ(BaseName("A.Dat"), "A.Dat");
  EXPECT_EQ(BaseName("A.DAT"), "A");
}

TEST(RunDriverTest, LfAndCrLfFilesGiveTheSameReport) {
  const std::string crlf = Small().Text();
  std::string lf;
  for (char c : crlf)
    if (c != '\r') lf += c;
  RunResult a = RunText(crlf, "crlf"), b = RunText(lf, "lf");
  ASSERT_EQ(a.end, RunEnd::Normal);
  ASSERT_EQ(b.end, RunEnd::Normal);
  EXPECT_EQ(Replace(a.report, "crlf", "lf"), b.report);
  EXPECT_EQ(a.graph, b.graph);
}

TEST(RunDriverTest, StopsShowTheirMessageAndEndWithTheRightStatus) {
  struct Case {
    const char* name;
    std::string text;
    RunEnd end;
    const char* message;  // start of the first message
  };
  const std::string good = Small().Text();
  SlabFile badNode = Small();
  badNode.notcon = {3, 13};
  SlabFile badCheck = Small();
  badCheck.nnck = 0;
  SlabFile outside = Small();
  outside.areas = {{1, 50, 70, 0, 10, 5}};
  SlabFile otherSlab = Small();
  otherSlab.areas = {{2, 0, 10, 0, 10, 5}};
  SlabFile tooMany = Small();
  for (int i = 0; i < 121; ++i) tooMany.forces.push_back({1, 1});
  for (const Case& c : {
           Case{"comma", Replace(good, "TEST SLAB", "SLAB A, TEST"), RunEnd::InputStop,
                "No comma should be used for TITLE"},
           Case{"record4", Replace(good, "(4) NSLAB NJOINT", "(4) NSLAB"), RunEnd::InputStop,
                "FILE IS WRONG AND DOES NOT FIT WITH BRUNTOLA FORMAT"},
           Case{"node17", badNode.Text(), RunEnd::InputStop, "NODE 13 OF RECORD (17) NODNC (LINE "},
           Case{"nnck", badCheck.Text(), RunEnd::InputStop, "NODE 0 OF RECORD (6) NNCK (LINE "},
           Case{"outside", outside.Text(), RunEnd::InputStop, "LOADED AREA 1 OF LOAD GROUP 1 IN RECORD (15)"},
           Case{"slab2", otherSlab.Text(), RunEnd::InputStop, "SLAB NO. 2 OF LOADED AREA 1"},
           Case{"forces", tooMany.Text(), RunEnd::InputStop, "THE NUMBER OF NODAL FORCES (NCNF) (LINE "},
           Case{"truncated", good.substr(0, good.size() / 2), RunEnd::DataError, "File not found or data error\nIn "},
       }) {
    RunResult r = RunText(c.text, c.name);
    EXPECT_EQ(r.end, c.end) << c.name;
    ASSERT_FALSE(r.host.messages.empty()) << c.name;
    EXPECT_EQ(r.host.messages.front().rfind(c.message, 0), 0u) << c.name << ": " << r.host.messages.front();
  }
}

TEST(RunDriverTest, LimitMessagesKeepTheBlanksAroundTheirNumber) {
  auto grid = [](int nx, int ny) {
    SlabFile f = Small();
    f.xs.clear();
    f.ys.clear();
    for (int i = 0; i < nx; ++i) f.xs.push_back(10.0f * i);
    for (int j = 0; j < ny; ++j) f.ys.push_back(10.0f * j);
    return f;
  };
  SlabFile xs = grid(61, 2);
  SlabFile nodes = grid(30, 15);
  SlabFile elements = grid(20, 21);
  SlabFile nsx = Small();
  nsx.nodsx.assign(51, 1);
  SlabFile areas = Small();
  areas.areas.assign(25, {1, 0, 10, 0, 10, 5});
  struct Case {
    const char* name;
    SlabFile file;
    const char* message;
  };
  for (const Case& c : {
           Case{"xs", xs, "THE TOTAL NUMBER OF X COORDINATES (LINE 5) IS  61 WHICH IS GREATER THAN THE MAXIMUM OF 60"},
           Case{"nodes", nodes, "THE TOTAL NUMBER OF NODES IS  450 WHICH IS GREATER THAN THE LIMIT OF 420"},
           Case{"elements", elements, "THE TOTAL NUMBER OF ELEMENTS IS  380 WHICH IS GREATER THAN THE LIMIT OF 360"},
           Case{"nsx", nsx, "THE TOTAL NUMBER OF NODES ON THE X AXIS OF SYMMETRY (NSX) (LINE 6) IS  51 WHICH IS GREATER"},
           Case{"areas", areas, "THE TOTAL NUMBER OF LOADED AREAS (NUDL) (LINE 11) IS  25 WHICH IS GREATER THAN THE MAXIMUM OF 24"},
       }) {
    RunResult r = RunText(c.file.Text(), c.name);
    EXPECT_EQ(r.end, RunEnd::InputStop) << c.name;
    ASSERT_FALSE(r.host.messages.empty()) << c.name;
    EXPECT_EQ(r.host.messages.front().rfind(c.message, 0), 0u) << c.name << ": " << r.host.messages.front();
  }
}

TEST(RunDriverTest, TheLargeBuildsOwnTexts) {
  // A missing file is told alike in both builds, with the file's name; the advice to use the large
  // build comes only from BRUNTOLA, and only when the work array is too small (the foundation step
  // here finds it so).
  for (const SlabVariant& v : {kBruntola, kLarge}) {
    RecordingHost host;
    const fs::path none = TestDir(v.large ? "nofile_large" : "nofile") / "NONE";
    EXPECT_EQ(RunSlabProgram(none.string(), v, host), RunEnd::DataError);
    EXPECT_EQ(host.messages.back(), "File not found or data error\n" + none.string() + ".DAT does not exist.");

    const fs::path dir = TestDir(v.large ? "storage_large" : "storage");
    fs::copy_file(fs::path(PAVE_SOURCE_DIR) / "examples/SLA3.DAT", dir / "SLA3.DAT");
    SlabExtensions ext = DefaultSlabExtensions();
    if (!ext.HasSolidLayered()) continue;
    ext.SolSti = [](SlabRun&) { throw StorageError("SK beyond the work array"); };
    RecordingHost full;
    EXPECT_EQ(RunSlabProgram((dir / "SLA3").string(), v, full, ext), RunEnd::DataError);
    const std::string needs = "\nThe problem needs more storage than the work array of " +
                              std::to_string(v.nstore) + " values holds.";
    EXPECT_EQ(full.messages.back(), (v.large ? "File not found or data error"
                                             : "File not found, data error or insufficient memory.  You may want to "
                                               "use BRUNTOLA LARGE RAM.") +
                                        needs);
  }
  RecordingHost host;
  RunResult ok = RunText(Small().Text(), "large_ok", kLarge);
  ASSERT_EQ(ok.end, RunEnd::Normal);
  EXPECT_NE(ok.host.shown.back().find(".  YOY CAN CLICK THE EDITOR BUTTON TO OPEN THE FILE FOR INSPECTION."),
            std::string::npos);
  // Same results as the small build.
  RunResult small = RunText(Small().Text(), "large_ok");
  EXPECT_EQ(StressTable(small.report), StressTable(ok.report));
}

TEST(RunDriverTest, TheLargeBuildHoldsTheTitleAsAGeneralValue) {
  SlabFile f = Small();
  f.title = "123";
  RunResult big = RunText(f.Text(), "title_large", kLarge), small = RunText(f.Text(), "title_small");
  EXPECT_NE(big.report.find("TITLE - 123 \r\n"), std::string::npos);
  EXPECT_NE(big.graph.find("\r\n 123 \r\n"), std::string::npos);
  EXPECT_NE(small.report.find("TITLE -123\r\n"), std::string::npos);
}

TEST(RunDriverTest, ContactCyclesWithoutALimitEndWhenTheContactSettles) {
  // Curling with partial contact and no cycle limit (NCYCLE = 0).
  SlabFile f;
  f.xs = f.ys = {0, 12, 24, 36, 48, 60, 72};
  f.ntemp = 1;
  f.temp = 20;
  f.ct = 5e-6f;
  f.nwt = 1;
  f.gama = 150;
  f.ncycle = 0;
  f.k = 200;
  f.nnck = 49;
  f.areas.clear();
  RunResult r = RunText(f.Text(), "ncycle0");
  EXPECT_EQ(r.end, RunEnd::Normal);
  EXPECT_NEAR(NumberAfter(r.report, "SUM OF REACTIONS (SUBSUM) = "), 150.0 / 1728 * 8 * 72 * 72, 2.0);
}

TEST(FatigueTest, CrackingIndexAndDesignLifeFollowTheMaximumStress) {
  SlabFile f = Small();
  f.ndama = 1;
  f.areas = {{1, 10, 30, 10, 30, 95}};
  RunResult r = RunText(f.Text(), "fatigue");
  ASSERT_EQ(r.end, RunEnd::Normal);
  const double smax = NumberAfter(r.report, "MAXIMUM STRESS (SMAX) IN LAYER 1  IS");
  const float sr = static_cast<float>(std::fabs(smax) / 600);
  ASSERT_GE(sr, 0.45f);
  const double ci = 1000 / *AllowedRepetitions(1, sr, 0, 0);
  EXPECT_NEAR(NumberAfter(r.report, "CRACKING INDEX (CI) FOR LAYER 1 IS"), ci, 1e-3 * ci);
  EXPECT_NEAR(NumberAfter(r.report, "DESIGN LIFE (DL) IN YEARS ="), 1 / ci, 0.01 + 1e-3 / ci);
}

TEST(FatigueTest, PcaCriteriaAndUserCoefficients) {
  EXPECT_FALSE(AllowedRepetitions(1, 0.4499f, 0, 0));
  ASSERT_TRUE(AllowedRepetitions(1, 0.45f, 0, 0));
  EXPECT_NEAR(*AllowedRepetitions(1, 0.45f, 0, 0), std::pow(4.2577 / (0.45f - 0.4325), 3.268), 1e-6 * 1e9);
  EXPECT_NEAR(*AllowedRepetitions(3, 0.55f, 0, 0), std::pow(10.0, 11.737 - 12.077 * 0.55f), 1e-3);
  EXPECT_NEAR(*AllowedRepetitions(2, 0.0f, 12, 10), 1e12, 1);
}

// Beyond the curve's reach: a stress ratio of 1 still allows 10^(11.737 - 12.077) = 0.457
// repetitions, one of 5 allows 10^-48.6, fewer than single precision holds, and so none; the user's
// coefficients 1 and 100 at a ratio of 1 allow 10^-99, none either.
TEST(FatigueTest, AStressRatioBeyondTheCurveAllowsNoRepetition) {
  EXPECT_NEAR(*AllowedRepetitions(1, 1.0f, 0, 0), 0.45709, 1e-5);
  EXPECT_EQ(*AllowedRepetitions(1, 5.0f, 0, 0), 0.0);
  EXPECT_EQ(*AllowedRepetitions(3, 30.0f, 0, 0), 0.0);
  EXPECT_EQ(*AllowedRepetitions(2, 1.0f, 1, 100), 0.0);
}

// The cracking index of n repetitions against N allowed is n / N; none allowed, or an index beyond
// single precision, gives the largest single-precision number, and the design life 1 / sum.
TEST(FatigueTest, CrackingIndexAndLifeBeyondAnyCount) {
  const double beyond = 3.4028234663852886e38;
  EXPECT_DOUBLE_EQ(CrackingIndex(3650, 0.5), 7300);
  EXPECT_EQ(CrackingIndex(3650, 0), beyond);
  EXPECT_EQ(CrackingIndex(3650, 1e-37), beyond);
  EXPECT_EQ(CrackingIndex(0, 0), 0);
  EXPECT_EQ(CrackingIndex(3650, HUGE_VAL), 0);
  EXPECT_FLOAT_EQ(LifeInYears(0.08f), 12.5f);
  EXPECT_EQ(LifeInYears(0), 1000);
  EXPECT_EQ(LifeInYears(static_cast<float>(beyond)), 0);
}

TEST(ContactTest, AZeroCheckNodeDeflectionUsesTheAbsoluteChange) {
  RecordingHost host;
  SlabRun r(kBruntola, host);
  std::ostringstream report;
  r.rep = std::make_unique<LineWriter>(report);
  SlabState& s = r.s;
  s.ISOLVE = 0;
  s.IC = 1;
  s.NNCK = 1;
  s.NEWNO(1) = 1;
  s.F(1) = 0;
  s.FOLD = 0.5f;
  s.DEL = 0.001;
  s.NDAMA = 1;
  DisChe(r);
  EXPECT_EQ(s.ITFLAG, 1);
  s.IC = 3;
  s.FOLD = 0;
  s.F(1) = 0;
  DisChe(r);
  EXPECT_EQ(s.ITFLAG, 0);
}

}  // namespace
}  // namespace pave::slab::testing

namespace pave::slab::testing {
namespace {

TEST(GraphFileTest, RecordsOfOneSlabWithStressResults) {
  RunResult r = RunText(Small().Text(), "graph");
  ASSERT_EQ(r.end, RunEnd::Normal);
  const std::vector<std::string> g = pave::testing::TextLines(r.graph);
  const std::vector<std::string> head = {" 1 ", "TEST SLAB", " 0  0  1  1 ", " 1  0 ", " 4  3  0  0  0  0 ",
                                         " 1  0  0  0 ", " 0  20  40  60 ", " 0  20  40 ", " 8  .15  4000000 ", " 1 ",
                                         " 0  0  0  0 ", " 1  10  30  10  30  50 ", " 1 ", " 100 ", " 12  1 "};
  ASSERT_GE(g.size(), head.size() + 5);
  for (std::size_t i = 0; i < head.size(); ++i) EXPECT_EQ(g[i], head[i]) << i;
  // Twelve print nodes, four pairs of stresses per line; then SMAX with its node and NODEOFF, and the
  // four extremes.
  for (std::size_t i = head.size(); i < head.size() + 3; ++i) {
    std::istringstream in(g[i]);
    double v;
    int n = 0;
    while (in >> v) ++n;
    EXPECT_EQ(n, 8) << g[i];
  }
  std::istringstream rec18(g[head.size() + 3]);
  int node, off;
  double smax;
  ASSERT_TRUE(rec18 >> node >> smax >> off);
  EXPECT_EQ(off, 0);
  EXPECT_NEAR(smax, NumberAfter(r.report, "MAXIMUM STRESS (SMAX) IN LAYER 1  IS"), 0.001 * std::fabs(smax));
  std::istringstream rec19(g[head.size() + 4]);
  int n = 0;
  double v;
  while (rec19 >> v) ++n;
  EXPECT_EQ(n, 8);
  EXPECT_EQ(g.size(), head.size() + 5);
}

}  // namespace
}  // namespace pave::slab::testing
