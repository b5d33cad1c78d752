#include "shell/path_list.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace pave {
namespace {

std::vector<std::string> Places(const PathList& list) {
  std::vector<std::string> out;
  for (int i = 1; i <= list.nPaths(); ++i) out.push_back(list(i));
  return out;
}

TEST(PathList, StartupKeepsEightAndDropsRepeatsOfTheFirstLine) {
  struct Case {
    const char* name;
    std::string content;
    std::vector<std::string> expected;
    std::function<bool(const std::string&)> usable = nullptr;
  } cases[] = {
      {"empty file", "", {}},
      {"one line without line end", "/data/", {"/data/"}},
      {"CR LF and LF", "/a/\r\n/b/\n/c/\r\n", {"/a/", "/b/", "/c/"}},
      {"repeat of line 1 in another case dropped, repeats of later lines kept",
       "/DATA/\r\n/data/\r\n/X/\r\n/x/\r\n",
       {"/DATA/", "/X/", "/x/"}},
      {"twelve lines keep the first eight",
       "/1/\r\n/2/\r\n/3/\r\n/4/\r\n/5/\r\n/6/\r\n/7/\r\n/8/\r\n/9/\r\n/10/\r\n/11/\r\n/12/\r\n",
       {"/1/", "/2/", "/3/", "/4/", "/5/", "/6/", "/7/", "/8/"}},
      {"dropped repeats do not count toward the eight",
       "/1/\r\n/1/\r\n/2/\r\n/3/\r\n/4/\r\n/5/\r\n/6/\r\n/7/\r\n/8/\r\n/9/\r\n",
       {"/1/", "/2/", "/3/", "/4/", "/5/", "/6/", "/7/", "/8/"}},
      {"lines not usable are passed over, do not count toward the eight, and the first usable line is "
       "the one repeats are compared with",
       "/gone/\r\n/1/\r\n/GONE/\r\n/2/\r\n/3/\r\n/1/\r\n/4/\r\n/5/\r\n/6/\r\n/7/\r\n/8/\r\n/9/\r\n",
       {"/1/", "/2/", "/3/", "/4/", "/5/", "/6/", "/7/", "/8/"},
       [](const std::string& line) { return line.find("gone") == std::string::npos && line != "/GONE/"; }},
      {"nothing usable", "/gone/\r\n\r\n", {}, [](const std::string& line) { return !line.empty() && line != "/gone/"; }},
  };
  for (const Case& c : cases) {
    PathList list;
    list.ReadDataPath(c.content, c.usable);
    EXPECT_EQ(Places(list), c.expected) << c.name;
    EXPECT_EQ(list(list.nPaths() + 1), "") << c.name;
  }
}

TEST(PathList, ConfirmMovesANewDirectoryToTheTop) {
  PathList list;
  list.ReadDataPath("/a/\r\n/new/\r\n/b/\r\n");

  PathList same = list;
  PathList::Confirmation nothing = same.Confirm("/A/");   // place 1 in another case
  EXPECT_FALSE(nothing.added);
  EXPECT_EQ(Places(same), Places(list));

  PathList moved = list;
  PathList::Confirmation c = moved.Confirm("/new/");
  EXPECT_TRUE(c.added);
  EXPECT_EQ(c.removed_position, 3);   // the older copy, counted in the list after the insertion
  EXPECT_EQ(Places(moved), (std::vector<std::string>{"/new/", "/a/", "/b/"}));

  PathList other_case = list;
  c = other_case.Confirm("/NEW/");
  EXPECT_TRUE(c.added);
  EXPECT_EQ(c.removed_position, 0);
  EXPECT_EQ(Places(other_case), (std::vector<std::string>{"/NEW/", "/a/", "/new/", "/b/"}));
}

TEST(PathList, ConfirmNeverPassesItsPlacesAndDropsTheOldest) {
  PathList list;
  for (int i = 1; i <= 25; ++i) {
    PathList::Confirmation c = list.Confirm("/d" + std::to_string(i) + "/");
    EXPECT_TRUE(c.added);
    EXPECT_EQ(c.dropped, i > PathList::kMaxInUse ? "/d" + std::to_string(i - 19) + "/" : "");
  }
  EXPECT_EQ(list.nPaths(), PathList::kMaxInUse);
  EXPECT_EQ(list(1), "/d25/");
  EXPECT_EQ(list(19), "/d7/");
  EXPECT_EQ(list(20), "");
}

TEST(PathList, ExitWritesTheUnconfirmedBoxDirectoryFirst) {
  PathList list;
  list.ReadDataPath("/a/\r\n/b/\r\n");
  EXPECT_EQ(list.ExitLines("/a/", "/a/"), (std::vector<std::string>{"/a/", "/b/"}));
  EXPECT_EQ(list.ExitLines("/A/", "/A/"), (std::vector<std::string>{"/a/", "/b/"}));
  EXPECT_EQ(list.ExitLines("/c/", "/c/"), (std::vector<std::string>{"/c/", "/a/", "/b/"}));
  EXPECT_EQ(DataPathFileText({"/c/", "/a/"}), "/c/\r\n/a/\r\n");

  // The next start-up keeps that directory first and drops a later copy of it.
  PathList next;
  next.ReadDataPath(DataPathFileText({"/c/", "/a/", "/C/"}));
  EXPECT_EQ(Places(next), (std::vector<std::string>{"/c/", "/a/"}));
}

}  // namespace
}  // namespace pave
