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
#include <functional>
#include <sstream>
#include <vector>

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

// A file reached through links: how the folder looks before the write, the name written, and the
// file that must get the bytes (its name from the folder).
struct LinkedFile {
  const char* name;
  std::function<void(const fs::path& dir)> make;
  const char* written;   // the name the saver writes
  const char* target;    // the file that gets the bytes
  std::vector<const char*> links;   // names that must stay symbolic links
  std::vector<const char*> same;    // further names of the target (hard links) that must show the bytes
};

void PrintTo(const LinkedFile& c, std::ostream* out) { *out << c.name; }

void Put(const fs::path& p, const std::string& bytes) {
  fs::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << bytes;
  ::chmod(p.c_str(), 0640);
}

class WritingThroughLinks : public SafeFileWriteTest, public ::testing::WithParamInterface<LinkedFile> {};

// Both writers (one file, and several files all or none) write the file the name leads to: the link
// stays, the file it points at gets the bytes and keeps its permissions, every hard link of it shows
// them, and no temporary file is left in any folder.
TEST_P(WritingThroughLinks, TheFileTheNameLeadsToGetsTheBytes) {
  const LinkedFile& c = GetParam();
  struct Umask {
    mode_t saved = ::umask(027);   // a new file gets 0640
    ~Umask() { ::umask(saved); }
  } umask;
  c.make(dir);
  const fs::path written = dir / c.written, target = dir / c.target;
  std::size_t entries = 0;
  for (auto it = fs::recursive_directory_iterator(dir); it != fs::recursive_directory_iterator(); ++it) ++entries;
  for (const std::string bytes : {"first save\r\n", "second, longer save of the file\r\n", "3\r\n"}) {
    std::string reason, failed;
    if (bytes == "first save\r\n") {
      ASSERT_TRUE(WriteFileSafely(written.string(), bytes, reason)) << reason;
    } else {
      ASSERT_TRUE(WriteFilesSafely({{written.string(), bytes}, {(dir / "OTHER.TXT").string(), bytes}}, failed, reason))
          << reason;
    }
    EXPECT_EQ(Read(target), bytes);
    EXPECT_EQ(Read(written), bytes);
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, fs::perms(0640)) << "the file keeps its permissions";
    for (const char* link : c.links) EXPECT_TRUE(fs::is_symlink(dir / link)) << link;
    for (const char* other : c.same) {
      EXPECT_EQ(Read(dir / other), bytes) << other;
      EXPECT_TRUE(fs::equivalent(dir / other, target)) << other << " is still the same file";
    }
  }
  std::size_t after = 0;
  for (auto it = fs::recursive_directory_iterator(dir); it != fs::recursive_directory_iterator(); ++it) ++after;
  const bool made = std::string(c.name).find("Dangling") != std::string::npos;
  EXPECT_EQ(after, entries + 1 + (made ? 1 : 0)) << "OTHER.TXT, and the file a dangling link names, and nothing else";
}

const LinkedFile kLinkedFiles[] = {
    {"AbsoluteLink",
     [](const fs::path& d) {
       Put(d / "real" / "LAY1.DAT", "old\r\n");
       fs::create_symlink(d / "real" / "LAY1.DAT", d / "LAY1.DAT");
     },
     "LAY1.DAT", "real/LAY1.DAT", {"LAY1.DAT"}, {}},
    {"RelativeLinkIntoAnotherFolder",
     [](const fs::path& d) {
       Put(d / "real" / "LAY1.DAT", "old\r\n");
       fs::create_directories(d / "work");
       fs::create_symlink("../real/LAY1.DAT", d / "work" / "LAY1.DAT");
     },
     "work/LAY1.DAT", "real/LAY1.DAT", {"work/LAY1.DAT"}, {}},
    {"ChainOfLinks",
     [](const fs::path& d) {
       Put(d / "real" / "LAY1.DAT", "old\r\n");
       fs::create_symlink("LAY1.DAT", d / "real" / "CURRENT.DAT");
       fs::create_symlink("real/CURRENT.DAT", d / "LAY1.DAT");
     },
     "LAY1.DAT", "real/LAY1.DAT", {"LAY1.DAT", "real/CURRENT.DAT"}, {}},
    {"DanglingLink",
     [](const fs::path& d) {
       fs::create_directories(d / "real");
       fs::create_symlink("real/NEW.DAT", d / "NEW.DAT");
     },
     "NEW.DAT", "real/NEW.DAT", {"NEW.DAT"}, {}},
    {"HardLinks",
     [](const fs::path& d) {
       Put(d / "LAY1.DAT", "old\r\n");
       fs::create_directories(d / "copy");
       fs::create_hard_link(d / "LAY1.DAT", d / "copy" / "LAY1.DAT");
     },
     "LAY1.DAT", "LAY1.DAT", {}, {"copy/LAY1.DAT"}},
    {"LinkToAFileWithHardLinks",
     [](const fs::path& d) {
       Put(d / "real" / "LAY1.DAT", "a longer old text than the saves have\r\n");
       fs::create_hard_link(d / "real" / "LAY1.DAT", d / "real" / "SAME.DAT");
       fs::create_symlink("real/SAME.DAT", d / "LAY1.DAT");
     },
     "LAY1.DAT", "real/LAY1.DAT", {"LAY1.DAT"}, {"real/SAME.DAT"}},
};

INSTANTIATE_TEST_SUITE_P(Links, WritingThroughLinks, ::testing::ValuesIn(kLinkedFiles),
                         [](const ::testing::TestParamInfo<LinkedFile>& info) { return std::string(info.param.name); });

// A loop of links, or a link to a read-only file, is refused before anything is written.
TEST_F(SafeFileWriteTest, ALinkThatLeadsNowhereWritableIsRefused) {
  fs::create_symlink("B.DAT", dir / "A.DAT");
  fs::create_symlink("A.DAT", dir / "B.DAT");
  std::string reason;
  EXPECT_FALSE(WriteFileSafely((dir / "A.DAT").string(), "x", reason));
  EXPECT_EQ(reason, "Too many levels of symbolic links");
  EXPECT_EQ(WhyNotReplaceable((dir / "A.DAT").string()), reason);

  Put(dir / "ro" / "LOCKED.DAT", "kept");
  ::chmod((dir / "ro" / "LOCKED.DAT").c_str(), 0444);
  fs::create_symlink("ro/LOCKED.DAT", dir / "LOCKED.DAT");
  EXPECT_FALSE(WriteFileSafely((dir / "LOCKED.DAT").string(), "x", reason));
  const std::string ro = fs::canonical(dir / "ro").string() + "/";
  EXPECT_EQ(reason, "the file it links to, " + ro + "LOCKED.DAT, is read-only");
  EXPECT_EQ(Read(dir / "ro" / "LOCKED.DAT"), "kept");
  EXPECT_TRUE(fs::is_symlink(dir / "LOCKED.DAT"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 4) << "no temporary file left";
}

// A link into a read-only folder names that folder, not the link's own (which could be written).
TEST_F(SafeFileWriteTest, ALinkIntoAReadOnlyFolderNamesThatFolder) {
  Put(dir / "ro" / "ROLNK.DAT", "kept");
  fs::create_directories(dir / "links");
  fs::create_symlink("../ro/./ROLNK.DAT", dir / "links" / "ROLNK.DAT");
  ::chmod((dir / "ro").c_str(), 0555);
  std::string reason;
  EXPECT_FALSE(WriteFileSafely((dir / "links" / "ROLNK.DAT").string(), "x", reason));
  ::chmod((dir / "ro").c_str(), 0755);
  EXPECT_EQ(reason, "the folder " + fs::canonical(dir / "ro").string() + "/ that holds the file it links to is read-only");
  EXPECT_EQ(Read(dir / "ro" / "ROLNK.DAT"), "kept");
  // Without a link the folder is the file's own.
  ::chmod((dir / "ro").c_str(), 0555);
  EXPECT_EQ(WhyNotReplaceable((dir / "ro" / "ROLNK.DAT").string()), "its folder is read-only");
  ::chmod((dir / "ro").c_str(), 0755);
}

// A slab run's report and graph file committed in a child with a mount namespace of its own, in
// which the graph file is busy (a mount point, which no rename replaces), as the user "nobody" when
// asked. The child's exit status: 0 when the run's message is `expected`, 77 when the test cannot
// have a namespace of its own.
int CommitWithBusyGraph(const fs::path& report, const fs::path& graph, const std::string& expected, bool as_nobody) {
  const pid_t child = ::fork();
  if (child < 0) return -1;
  if (child == 0) {
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount(graph.c_str(), graph.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
        (as_nobody && (::setgid(65534) != 0 || ::setuid(65534) != 0)))
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
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
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
  const int status = CommitWithBusyGraph(report, graph, expected, true);
  if (status == 77) GTEST_SKIP() << "no mount namespace of its own for the test";
  EXPECT_EQ(status, 0);
  EXPECT_EQ(Read(report), "new report");
  EXPECT_EQ(Read(graph), "old graph");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2) << "no file left beside them";
}

// A report with a second name (a hard link) is written in place; when the graph file then cannot
// be written, the report gets its old bytes back under both names.
TEST_F(SafeFileWriteTest, AFileWrittenInPlaceIsPutBackWhenTheOtherFails) {
  const fs::path report = dir / "R.TXT", graph = dir / "G.SLA", second = dir / "SECOND.TXT";
  std::ofstream(report, std::ios::binary) << "old report";
  std::ofstream(graph, std::ios::binary) << "old graph";
  fs::create_hard_link(report, second);
  const std::string expected = "The slab graph file " + graph.string() +
                               " cannot be written (Device or resource busy). The files of an earlier run are "
                               "left as they were.";
  const int status = CommitWithBusyGraph(report, graph, expected, false);
  if (status == 77) GTEST_SKIP() << "no mount namespace of its own for the test";
  EXPECT_EQ(status, 0);
  EXPECT_EQ(Read(report), "old report");
  EXPECT_TRUE(fs::equivalent(report, second));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 3) << "no file left beside them";
}

}  // namespace
}  // namespace pave
