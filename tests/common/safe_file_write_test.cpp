#include "common/safe_file_write.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "common/run_outputs.h"

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

// Two files written together, the second of which is busy (a mount point, which no rename replaces):
// the first is put back from the link kept to it, and both stay as they were (the analysis programs
// show this for their report and graph file). Where the first cannot be put back, because the file
// system refused the link (here: a file the writer may write but not read, which the kernel's
// protection of hard links keeps from being linked), the message says exactly which file was
// replaced. Runs in a child with a mount namespace of its own, as the user "nobody".
TEST_F(SafeFileWriteTest, AFileThatCannotBePutBackIsNamedAsReplaced) {
  std::ifstream protection("/proc/sys/fs/protected_hardlinks");
  int protectedLinks = 0;
  protection >> protectedLinks;
  if (protectedLinks != 1) GTEST_SKIP() << "hard links are not protected here";
  const fs::path report = dir / "R.TXT", graph = dir / "G.SLA";
  std::ofstream(report, std::ios::binary) << "old report";
  std::ofstream(graph, std::ios::binary) << "old graph";
  ::chmod(report.c_str(), 0222);
  ::chmod(graph.c_str(), 0666);
  ::chmod(dir.c_str(), 0777);
  const std::string expected = "The slab graph file " + graph.string() +
                               " cannot be written (Device or resource busy). The report file " + report.string() +
                               " was replaced. The slab graph file is left as it was.";
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount(graph.c_str(), graph.c_str(), nullptr, MS_BIND, nullptr) != 0 || ::setgid(65534) != 0 ||
        ::setuid(65534) != 0)
      ::_exit(77);
    RunOutputs outputs(report.string(), graph.string(), "slab graph file");
    outputs.Open();
    outputs.report() << "new report";
    outputs.graph() << "new graph";
    const std::string message = outputs.Commit();
    if (message != expected) std::fprintf(stderr, "%s\n", message.c_str());
    ::_exit(message == expected ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no mount namespace of its own for the test";
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(Read(report), "new report");
  EXPECT_EQ(Read(graph), "old graph");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2) << "no file left beside them";
}

}  // namespace
}  // namespace pave
