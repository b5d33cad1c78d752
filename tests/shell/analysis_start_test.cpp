#include "shell/analysis_start.h"

#include <gtest/gtest.h>

namespace pave {
namespace {

TEST(AnalysisStart, CommandLineIsTheProgramAndTheDataFileWithoutExtension) {
  struct Case {
    AnalysisProgram program;
    const char* file_box;
    const char* program_path;
    const char* argument;
    const char* file_box_after;
  } cases[] = {
      {AnalysisProgram::Bruntola, "slab1.dat", "/pav/bruntola", "/work dir/slab1", "slab1.dat"},
      {AnalysisProgram::Morvelin, "LAY1", "/pav/morvelin", "/work dir/LAY1", "LAY1.DAT"},
      {AnalysisProgram::Large, "SLA6SI.DAT", "/pav/large", "/work dir/SLA6SI", "SLA6SI.DAT"},
      {AnalysisProgram::Morvelin, "my file.Dat", "/pav/morvelin", "/work dir/my file", "my file.Dat"},
      {AnalysisProgram::Morvelin, "", "/pav/morvelin", "/work dir/", ".DAT"},
  };
  for (const Case& c : cases) {
    AnalysisStart start = PrepareAnalysisStart(c.program, c.file_box, "/pav/", "/work dir/");
    EXPECT_EQ(start.program, c.program_path) << c.file_box;
    EXPECT_EQ(start.argument, c.argument) << c.file_box;
    EXPECT_EQ(start.file_box, c.file_box_after) << c.file_box;
  }
}

}  // namespace
}  // namespace pave
