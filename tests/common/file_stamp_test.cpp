#include "common/file_stamp.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

namespace pave {
namespace {

namespace fs = std::filesystem;

void Put(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

// What another program does to a file after it was stamped, and whether the file then holds
// something else than it did.
struct ChangeCase {
  const char* name;
  std::function<void(const fs::path&)> change;
  bool changed;
};
void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.name; }

class AFileStamp : public ::testing::TestWithParam<ChangeCase> {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("file_stamp_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  fs::path dir;
};

TEST_P(AFileStamp, TellsAChangeOfWhatTheFileHolds) {
  const fs::path file = dir / "LAY1.DAT";
  Put(file, " 1  (1) NPROB\r\nTITLE\r\n");
  const FileStamp before = StampOf(file.string());
  ASSERT_TRUE(before.exists);
  GetParam().change(file);
  EXPECT_EQ(ChangedSince(before, StampOf(file.string())), GetParam().changed);
}

// A program that replaces the file writes a new one beside it and renames it over the old one.
void ReplaceWith(const fs::path& file, const std::string& bytes) {
  Put(file.string() + ".new", bytes);
  fs::rename(file.string() + ".new", file);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, AFileStamp,
    ::testing::Values(
        ChangeCase{"Untouched", [](const fs::path&) {}, false},
        ChangeCase{"PermissionsChanged", [](const fs::path& f) { fs::permissions(f, fs::perms(0444)); }, false},
        ChangeCase{"WrittenAgainAsItWas", [](const fs::path& f) { Put(f, " 1  (1) NPROB\r\nTITLE\r\n"); }, false},
        ChangeCase{"ReplacedByTheSameBytes", [](const fs::path& f) { ReplaceWith(f, " 1  (1) NPROB\r\nTITLE\r\n"); },
                   false},
        // Within one tick of the file system's clock, with the length it had: only the bytes tell.
        ChangeCase{"SameLengthOtherBytesAtOnce", [](const fs::path& f) { Put(f, " 1  (1) NPROB\r\nTITLX\r\n"); }, true},
        ChangeCase{"TitleExtended", [](const fs::path& f) { Put(f, " 1  (1) NPROB\r\nTITLE EXTENDED\r\n"); }, true},
        ChangeCase{"ReplacedByOtherBytes", [](const fs::path& f) { ReplaceWith(f, " 2  (1) NPROB\r\n"); }, true},
        ChangeCase{"Emptied", [](const fs::path& f) { Put(f, ""); }, true},
        // A file that is gone has lost nothing that a save could undo.
        ChangeCase{"Removed", [](const fs::path& f) { fs::remove(f); }, false}),
    [](const ::testing::TestParamInfo<ChangeCase>& i) { return std::string(i.param.name); });

TEST_F(AFileStamp, AFileMadeWhereNoneWasIsAChange) {
  const fs::path file = dir / "NEW.DAT";
  const FileStamp before = StampOf(file.string());
  EXPECT_FALSE(before.exists);
  EXPECT_FALSE(ChangedSince(before, StampOf(file.string())));
  Put(file, "");
  EXPECT_TRUE(ChangedSince(before, StampOf(file.string())));
}

// Through a symbolic link the stamp is the stamp of the file it leads to.
TEST_F(AFileStamp, FollowsALinkToItsFile) {
  const fs::path file = dir / "LAY1.DAT", link = dir / "LINK.DAT";
  Put(file, "one\r\n");
  fs::create_symlink("LAY1.DAT", link);
  const FileStamp before = StampOf(link.string());
  Put(file, "two\r\n");
  EXPECT_TRUE(ChangedSince(before, StampOf(link.string())));
}

}  // namespace
}  // namespace pave
