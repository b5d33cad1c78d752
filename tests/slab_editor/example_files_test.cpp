// Every example data file, read with File Old and saved again, is the same file byte for byte, and
// passes the checks made before saving.
#include <gtest/gtest.h>

#include "slab_editor/slab_file_reader.h"
#include "slab_editor/slab_file_writer.h"
#include "slab_editor/slab_save_checks.h"
#include "slab_test_support.h"
#include "support/file_text.h"

namespace pave::testing {
namespace {

class ExampleFileTest : public SlabDataTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ExampleFileTest, ReadAndSavedAgainIsByteIdentical) {
  const std::string original = ExampleText(GetParam());
  ASSERT_FALSE(original.empty());
  const SlabReadResult read = ReadSlabData(original);
  ASSERT_EQ(read.outcome, SlabReadResult::Outcome::Read) << read.reason;
  EXPECT_EQ(read.read.layouts[1], SlabLayout::Current);
  EXPECT_EQ(SlabFileText(), original);
  EXPECT_EQ(AnalysisRefusal(), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleFileTest,
                         ::testing::Values("SLA1", "SLA2", "SLA3", "SLA4", "SLA5", "SLA6", "SLA1SI", "SLA2SI",
                                           "SLA3SI", "SLA4SI", "SLA5SI", "SLA6SI"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace pave::testing
