// What the fuzzers found, kept: each fixture is an input that once broke a reader, run again through
// its target (tests/fuzz/fixtures/<target>/). The examples run through every file target too.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz_targets.h"
#include "support/file_text.h"

namespace pave::fuzz {
namespace {

namespace fs = std::filesystem;

struct Fixture {
  std::string target;
  fs::path file;
};

void PrintTo(const Fixture& f, std::ostream* os) { *os << f.target << "/" << f.file.filename().string(); }

std::vector<Fixture> Fixtures() {
  std::vector<Fixture> fixtures;
  const fs::path root = fs::path(PAVE_TEST_DIR) / "fixtures";
  for (const NamedTarget& t : Targets()) {
    const fs::path dir = root / t.name;
    if (!fs::is_directory(dir)) continue;
    for (const auto& entry : fs::directory_iterator(dir)) {
      if (entry.is_regular_file()) fixtures.push_back({t.name, entry.path()});
    }
  }
  std::sort(fixtures.begin(), fixtures.end(), [](const Fixture& a, const Fixture& b) { return a.file < b.file; });
  return fixtures;
}

Target TargetNamed(const std::string& name) {
  for (const NamedTarget& t : Targets()) {
    if (name == t.name) return t.run;
  }
  return nullptr;
}

std::string TestName(const std::string& target, const fs::path& file) {
  std::string name = target + "_" + file.stem().string();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

class FuzzRegressionTest : public ::testing::TestWithParam<Fixture> {};

TEST_P(FuzzRegressionTest, RunsSoundly) {
  const Fixture& f = GetParam();
  const std::string bytes = pave::testing::FileText(f.file);
  Target run = TargetNamed(f.target);
  ASSERT_NE(run, nullptr);
  // A fault aborts the test program with its reason; coming back is passing.
  EXPECT_EQ(run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
}

INSTANTIATE_TEST_SUITE_P(Found, FuzzRegressionTest, ::testing::ValuesIn(Fixtures()),
                         [](const ::testing::TestParamInfo<Fixture>& info) {
                           return TestName(info.param.target, info.param.file);
                         });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(FuzzRegressionTest);

}  // namespace
}  // namespace pave::fuzz
