#include "common/safe_file_write.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace pave {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class SafeFileWriteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("safe_write_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  fs::path dir;
};

TEST_F(SafeFileWriteTest, ReplacesTheFileAndLeavesNoTemporaryFileBehind) {
  const fs::path file = dir / "LAY1.DAT";
  std::string reason;
  ASSERT_TRUE(WriteFileSafely(file.string(), "old\r\n", reason)) << reason;
  ::chmod(file.c_str(), 0640);
  ASSERT_TRUE(WriteFileSafely(file.string(), " 1  (1) NPROB\r\n", reason)) << reason;
  EXPECT_EQ(Read(file), " 1  (1) NPROB\r\n");
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms(0640)) << "the file keeps its permissions";
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(SafeFileWriteTest, AFailedWriteKeepsTheOldFileAndSaysWhy) {
  std::string reason;
  EXPECT_FALSE(WriteFileSafely((dir / "no such dir" / "X.DAT").string(), "x", reason));
  EXPECT_FALSE(reason.empty());
  fs::create_directories(dir / "sub.DAT");
  reason.clear();
  EXPECT_FALSE(WriteFileSafely((dir / "sub.DAT").string(), "x", reason));
  EXPECT_EQ(reason, "it is a directory");
  EXPECT_FALSE(WriteFileSafely("", "x", reason));

  // A read-only file in a folder that could take the rename stays as it was, for root too.
  const fs::path locked = dir / "LOCKED.DAT";
  ASSERT_TRUE(WriteFileSafely(locked.string(), "kept\r\n", reason)) << reason;
  fs::permissions(locked, fs::perms(0444));
  EXPECT_FALSE(WriteFileSafely(locked.string(), "new\r\n", reason));
  EXPECT_EQ(reason, "the file is read-only");
  std::string failed;
  EXPECT_FALSE(WriteFilesSafely({{(dir / "A.TXT").string(), "a"}, {locked.string(), "b"}}, failed, reason));
  EXPECT_EQ(failed, locked.string());
  EXPECT_EQ(Read(locked), "kept\r\n");
  EXPECT_EQ(fs::status(locked).permissions() & fs::perms::all, fs::perms(0444));
  EXPECT_FALSE(fs::exists(dir / "A.TXT"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2) << "no temporary file left";
}

}  // namespace
}  // namespace pave
