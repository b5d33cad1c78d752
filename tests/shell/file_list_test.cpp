#include "shell/file_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "shell/directory_of.h"
#include "shell_fixture.h"
#include "support/unprivileged.h"

namespace pave::testing {
namespace {

TEST(DirectoryOf, EverythingUpToTheLastSeparator) {
  struct Case {
    const char* path;
    const char* dir;
  } cases[] = {
      {"/a/b/c/d/e/f/file.txt", "/a/b/c/d/e/f/"},
      {"/file.txt", "/"},
      {"/1/2/3/4/5/6/7/8/9/10/11/12/LAY1.DAT", "/1/2/3/4/5/6/7/8/9/10/11/12/"},
      {"LAY1.DAT", ""},
      {"", ""},
      {"/data dir/with blanks/", "/data dir/with blanks/"},
  };
  for (const Case& c : cases) {
    std::string dir = "stale";
    DirectoryOf(c.path, dir);
    EXPECT_EQ(dir, c.dir) << c.path;
  }
  EXPECT_EQ(BareName("/a/b/LAY1.DAT"), "LAY1.DAT");
  EXPECT_EQ(BareName("LAY1.DAT"), "LAY1.DAT");
}

TEST(FileList, PatternMatchesWithoutRegardToCase) {
  EXPECT_TRUE(MatchesPattern("LAY1.DAT", "*.dat"));
  EXPECT_TRUE(MatchesPattern("lay1.Dat", "*.DAT"));
  EXPECT_TRUE(MatchesPattern(".dat", "*.dat"));
  EXPECT_TRUE(MatchesPattern("a.b.dat", "*.dat"));
  EXPECT_TRUE(MatchesPattern("SLA1.DAT", "SLA?.*"));
  EXPECT_FALSE(MatchesPattern("LAY1.DAT.bak", "*.dat"));
  EXPECT_FALSE(MatchesPattern("LAY1.TXT", "*.dat"));
  EXPECT_FALSE(MatchesPattern("dat", "*.dat"));
}

class FillFileListTest : public ShellTest {};

TEST_F(FillFileListTest, ListsTheDataFilesOfMixedCaseSorted) {
  for (const char* name : {"slab2.dat", "LAY1.DAT", "Lay2.Dat", "LAY1.TXT", "notes.dat.txt", ".hidden.dat"}) {
    WriteFile(Path(name), "x");
  }
  std::filesystem::create_directories(Path("folder.dat"));
  PlainComboBox combo;
  combo.SetText("old");
  combo.AddItem("old");
  EXPECT_EQ(FillFileList(Dir(), "*.dat", combo), 3);
  EXPECT_EQ(combo.Items(), (std::vector<std::string>{"LAY1.DAT", "Lay2.Dat", "slab2.dat"}));
  EXPECT_EQ(ComboText(combo), "LAY1.DAT");
}

TEST_F(FillFileListTest, NoFinalSeparatorLeavesTheBoxAndNoFilesEmptyIt) {
  WriteFile(Path("LAY1.DAT"), "x");
  PlainComboBox combo;
  combo.AddItem("kept");
  combo.SetText("kept");
  std::string without = Dir().substr(0, Dir().size() - 1);
  EXPECT_EQ(FillFileList(without, "*.dat", combo), 0);
  EXPECT_EQ(combo.Items(), std::vector<std::string>{"kept"});
  EXPECT_EQ(combo.Text(), "kept");

  std::filesystem::create_directories(Path("empty"));
  EXPECT_EQ(FillFileList(Path("empty/"), "*.dat", combo), 0);
  EXPECT_TRUE(combo.Items().empty());
  EXPECT_EQ(combo.Text(), "");

  // A directory that does not exist lists nothing.
  combo.AddItem("x");
  EXPECT_EQ(FillFileList(Path("missing/"), "*.dat", combo), 0);
  EXPECT_TRUE(combo.Items().empty());
}

TEST_F(FillFileListTest, AnUnreadableDirectoryReachesTheCaller) {
  std::filesystem::create_directories(Path("locked"));
  std::filesystem::permissions(Path("locked"), std::filesystem::perms::none);
  const std::string locked = Path("locked/");
  EXPECT_TRUE(RunsUnprivileged([&] {
    PlainComboBox combo;
    try {
      FillFileList(locked, "*.dat", combo);
    } catch (const std::filesystem::filesystem_error&) {
      return true;
    }
    return false;
  }));
  std::filesystem::permissions(Path("locked"), std::filesystem::perms::owner_all);
}

}  // namespace
}  // namespace pave::testing
