// The reports of all 24 examples, as MORVELIN and BRUNTOLA write them: no two numbers touch, and
// the columns of a table stay where its headings put them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/analysis_host.h"
#include "layered_analysis/run_driver.h"
#include "slab_analysis/slab_driver.h"
#include "support/file_text.h"
#include "support/touching_numbers.h"

namespace pave {
namespace {

namespace fs = std::filesystem;

// The example run in a directory of its own; its report.
std::string ExampleReport(const std::string& name) {
  const fs::path dir = fs::temp_directory_path() / ("pave_example_reports_" + std::to_string(::getpid()) + "_" + name);
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::ofstream(dir / (name + ".DAT"), std::ios::binary) << testing::ExampleText(name);
  RecordingHost host;
  const std::string base = (dir / name).string();
  const RunEnd end = name.starts_with("LAY") ? layered::RunMorvelin(base, host)
                                             : slab::RunSlabProgram(base, slab::kBruntola, host);
  EXPECT_EQ(end, RunEnd::Normal) << name;
  std::string report = testing::FileText(dir / (name + ".TXT"));
  fs::remove_all(dir);
  return report;
}

class EveryExampleReport : public ::testing::TestWithParam<const char*> {};

TEST_P(EveryExampleReport, HasNoTwoNumbersTouching) {
  const std::string report = ExampleReport(GetParam());
  ASSERT_FALSE(report.empty());
  EXPECT_EQ(testing::TouchingNumbers(report), "");
}

INSTANTIATE_TEST_SUITE_P(Examples, EveryExampleReport,
                         ::testing::Values("LAY1", "LAY1SI", "LAY2", "LAY2SI", "LAY3", "LAY3SI", "LAY4", "LAY4SI",
                                           "LAY5", "LAY5SI", "LAY6", "LAY6SI", "SLA1", "SLA1SI", "SLA2", "SLA2SI",
                                           "SLA3", "SLA3SI", "SLA4", "SLA4SI", "SLA5", "SLA5SI", "SLA6", "SLA6SI"));

// The lines of a text without their line ends.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// LAY3SI's viscoelastic tables, where SI stresses of -2.44 MPa filled their columns: every row as
// long as the heading above it, each of its fields (10, 12, 14, 10, 9, 9 and 9 columns) ending in
// a digit with a blank in front of the field's value.
TEST(ExampleReports, Lay3SiTablesKeepTheirColumns) {
  const std::vector<std::string> lines = Lines(ExampleReport("LAY3SI"));
  const std::string heading = "  COORDINATE  COORDINATE  DISPLACEMENT  STRESS   STRESS   STRESS   STRESS";
  std::vector<std::size_t> ends;   // the last column of each field, from 0
  std::size_t column = 0;
  for (std::size_t width : {10, 12, 14, 10, 9, 9, 9}) ends.push_back((column += width) - 1);
  ASSERT_EQ(ends.back() + 1, heading.size());
  int rows = 0;
  for (std::size_t i = 0; i + 2 < lines.size(); ++i) {
    if (lines[i] != heading) continue;
    for (std::size_t row = i + 1; row <= i + 2; ++row) {
      SCOPED_TRACE(lines[row]);
      ++rows;
      ASSERT_EQ(lines[row].size(), heading.size());
      std::size_t start = 0;
      for (std::size_t end : ends) {
        EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(lines[row][end]))) << "column " << end + 1;
        EXPECT_EQ(lines[row][start], ' ') << "column " << start + 1;
        start = end + 1;
      }
    }
  }
  EXPECT_EQ(rows, 14);   // two rows at each of the seven times
}

}  // namespace
}  // namespace pave
