#include "common/data_file_name.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace pave {
namespace {

namespace fs = std::filesystem;

// A folder's files (a name ending in "/" is a folder), the argument a run gets, and the data file
// it reads ("" for none).
struct DataFileCase {
  const char* name;
  std::vector<const char*> files;
  const char* argument;
  const char* data_file;
};

void PrintTo(const DataFileCase& c, std::ostream* out) { *out << c.name; }

class DataFileOfAnArgument : public ::testing::TestWithParam<DataFileCase> {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("data_file_name_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  fs::path dir;
};

// The exact name first; another letter case only where it leads to one file; of several files that
// differ only in letter case, the one named and none other.
TEST_P(DataFileOfAnArgument, IsTheFileNamedAndNoOther) {
  const DataFileCase& c = GetParam();
  for (const std::string file : c.files) {
    if (file.back() == '/') {
      fs::create_directories(dir / file);
    } else {
      std::ofstream(dir / file) << "x";
    }
  }
  const std::string folder = dir.string() + "/";
  const std::string argument = *c.argument ? folder + c.argument : std::string(c.argument);
  EXPECT_EQ(DataFileOf(argument), *c.data_file ? folder + c.data_file : std::string());
}

// (The analysis programs' tests run the programs on the common cases.)
const DataFileCase kDataFileCases[] = {
    {"ExtensionInAnotherCase", {"lay1.Dat"}, "lay1", "lay1.Dat"},
    {"OneOfTwoNamedWithExtension", {"LAY1.DAT", "lay1.dat"}, "lay1.dat", "lay1.dat"},
    {"NeitherOfTwoWithExtension", {"LAY1.DAT", "lay1.dat"}, "Lay1.DAT", "Lay1.DAT"},
    {"AFolderIsNoDataFile", {"LAY1.DAT/", "lay1.dat"}, "LAY1", "lay1.dat"},
    {"NoFile", {}, "NONE", "NONE.DAT"},
    {"NoName", {}, "", ""},
};

INSTANTIATE_TEST_SUITE_P(Folders, DataFileOfAnArgument, ::testing::ValuesIn(kDataFileCases),
                         [](const ::testing::TestParamInfo<DataFileCase>& info) { return std::string(info.param.name); });

TEST(DataFileName, NamesThatDifferOnlyInCaseAreListedWithoutTheOwnName) {
  const fs::path dir = fs::temp_directory_path() / ("case_twins_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "Lay1.dat");
  for (const char* name : {"LAY1.DAT", "lay1.dat", "LAY2.DAT", "LAY1.TXT"}) std::ofstream(dir / name) << "x";
  EXPECT_EQ(NamesDifferingOnlyInCase((dir / "lay1.dat").string()),
            (std::vector<std::string>{"LAY1.DAT", "Lay1.dat"}));
  EXPECT_EQ(NamesDifferingOnlyInCase((dir / "new.dat").string()), std::vector<std::string>{});
  EXPECT_EQ(FileInAnyCase((dir / "lay1.txt").string()), (dir / "LAY1.TXT").string());
  EXPECT_EQ(FileInAnyCase((dir / "Lay1.Dat").string()), (dir / "Lay1.Dat").string()) << "two files: none of them";
  fs::remove_all(dir);
  EXPECT_EQ(ListedNames({"LAY1.DAT"}), "LAY1.DAT");
  EXPECT_EQ(ListedNames({"LAY1.DAT", "Lay1.dat", "lay1.DAT"}), "LAY1.DAT, Lay1.dat and lay1.DAT");
}

}  // namespace
}  // namespace pave
