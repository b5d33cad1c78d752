// The example data files reproduce the results their example screens quote.
#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>
#include <fstream>

#include "slab_analysis/slab_driver.h"
#include "slab_run_support.h"
#include "support/file_text.h"

namespace pave::slab::testing {
namespace {

namespace fs = std::filesystem;

struct Example {
  const char* file;
  bool si;
  double node1, node7;   // x stress at nodes 1 and 7, psi
  double fosum, subsum;  // force sums, lb
  double sumTolerance;
  double solid1, solid7;  // x stress at nodes 1 and 7 on the solid foundation
};
void PrintTo(const Example& e, std::ostream* os) { *os << e.file; }


// First problem of each file: the liquid foundation.
std::string FirstProblem(const std::string& report) {
  const std::size_t end = report.find("PROBLEM NO. 2");
  return report.substr(0, end);
}

class ExamplesTest : public ::testing::TestWithParam<std::tuple<Example, bool>> {};

TEST_P(ExamplesTest, ReproduceTheQuotedStressesAndSums) {
  const auto [ex, large] = GetParam();
  const fs::path dir = TestDir(std::string(ex.file) + (large ? "_large" : ""));
  fs::copy_file(fs::path(PAVE_SOURCE_DIR) / "examples" / (std::string(ex.file) + ".DAT"), dir / (std::string(ex.file) + ".DAT"));
  RecordingHost host;
  const SlabExtensions ext = DefaultSlabExtensions();
  const RunEnd end = RunSlabProgram((dir / ex.file).string(), large ? kLarge : kBruntola, host);
  // The second problem needs the solid foundation.
  EXPECT_EQ(end, ext.HasSolidLayered() ? RunEnd::Normal : RunEnd::InputStop);
  const std::string whole = pave::testing::FileText(dir / (std::string(ex.file) + ".TXT"));
  const std::string report = FirstProblem(whole);
  EXPECT_NE(report.find("HALF BAND WIDTH (NB) =  27 "), std::string::npos);
  auto stress = StressTable(report);
  const double toPsi = ex.si ? 1 / 6.894757 : 1.0;
  const double toLb = ex.si ? 1000 / 4.448222 : 1.0;
  EXPECT_NEAR(stress.at(1)[0] * toPsi, ex.node1, ex.si ? 1.0 : 0.05);
  EXPECT_NEAR(stress.at(7)[0] * toPsi, ex.node7, ex.si ? 1.0 : 0.05);
  EXPECT_NEAR(NumberAfter(report, "SUM OF FORCES (FOSUM) = ") * toLb, ex.fosum, ex.sumTolerance);
  EXPECT_NEAR(NumberAfter(report, "SUM OF REACTIONS (SUBSUM) = ") * toLb, ex.subsum, ex.sumTolerance);
  if (ext.HasSolidLayered()) {
    const std::string second = whole.substr(whole.find("PROBLEM NO. 2"));
    EXPECT_NE(second.find("HALF BAND WIDTH (NB) =  147 "), std::string::npos);
    auto solid = StressTable(second);
    EXPECT_NEAR(solid.at(1)[0] * toPsi, ex.solid1, ex.si ? 1.0 : 0.05);
    EXPECT_NEAR(solid.at(7)[0] * toPsi, ex.solid7, ex.si ? 1.0 : 0.05);
  }
  // The graph file starts with the problem count and the first title.
  std::ifstream gin(dir / (std::string(ex.file) + ".SLA"), std::ios::binary);
  std::string first, title;
  std::getline(gin, first);
  std::getline(gin, title);
  EXPECT_EQ(first, " 2 \r");
  EXPECT_EQ(title.rfind("CURLING OF SLAB", 0), 0u);
}

// Quoted: full contact 237.6 and 216.2 psi with an error of the reaction sum of 1.7 lb; partial contact
// 230.8 and 212.0 psi, FOSUM 7500.0 lb and SUBSUM 7497.5 lb; on the solid foundation 237.0 and 204.3,
// 224.9 and 205.2 psi. The SI files convert their inputs at four
// significant digits, so their results are compared more loosely.
INSTANTIATE_TEST_SUITE_P(
    Files, ExamplesTest,
    ::testing::Combine(::testing::Values(Example{"SLA1", false, 237.6, 216.2, 0, 0, 2.0, 237.0, 204.3},
                                         Example{"SLA2", false, 230.8, 212.0, 7500.0, 7497.5, 1.0, 224.9, 205.2},
                                         Example{"SLA1SI", true, 237.6, 216.2, 0, 0, 2.0, 237.0, 204.3},
                                         Example{"SLA2SI", true, 230.8, 212.0, 7500.0, 7497.5, 15.0, 224.9, 205.2}),
                       ::testing::Bool()),
    [](const ::testing::TestParamInfo<std::tuple<Example, bool>>& info) {
      return std::string(std::get<0>(info.param).file) + (std::get<1>(info.param) ? "_large" : "");
    });

}  // namespace
}  // namespace pave::slab::testing
