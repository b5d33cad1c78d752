#include "shell/editor_file.h"

#include <gtest/gtest.h>

#include "shell_fixture.h"

namespace pave::testing {
namespace {

TEST(EditorFile, OpenedNameReplacesTheExtensionByTheFilter) {
  struct Case {
    const char* chosen;
    EditorFileType type;
    const char* opened;
  } cases[] = {
      {"/work/LAY1.DAT", EditorFileType::Text, "/work/LAY1.txt"},
      {"/work/LAY1.DAT", EditorFileType::Data, "/work/LAY1.dat"},
      {"/work/LAY1.DAT", EditorFileType::All, "/work/LAY1.DAT"},
      {"/work/NOTE.TX", EditorFileType::Text, "/work/NOTE.txt"},
      {"/work/NOTE", EditorFileType::Text, "/work/NOTE.txt"},
      {"/work.d/NOTE", EditorFileType::Data, "/work.d/NOTE.dat"},
      {"/work/a.b.TXT", EditorFileType::Text, "/work/a.b.txt"},
  };
  for (const Case& c : cases) EXPECT_EQ(OpenedFileName(c.chosen, c.type), c.opened) << c.chosen;
  EXPECT_EQ(EditorFileTypeOf(1), EditorFileType::All);
  EXPECT_EQ(EditorFileTypeOf(2), EditorFileType::Data);
  EXPECT_EQ(EditorFileTypeOf(3), EditorFileType::Text);
}

class EditorFileTest : public ShellTest {};

TEST_F(EditorFileTest, FindsTheFileWithoutRegardToCase) {
  WriteFile(Path("LAY1.TXT"), "r");
  EXPECT_EQ(ExistingFileIgnoringCase(Path("LAY1.txt")), Path("LAY1.TXT"));
  EXPECT_EQ(ExistingFileIgnoringCase(Path("LAY1.TXT")), Path("LAY1.TXT"));
  EXPECT_EQ(ExistingFileIgnoringCase(Path("LAY2.txt")), Path("LAY2.txt"));
}

TEST_F(EditorFileTest, ReadAndSaveKeepTheFileAsItWas) {
  struct Case {
    const char* name;
    std::string bytes;
    std::string text;
    std::string saved;
  } cases[] = {
      {"CR LF", "a\r\nb\r\n", "a\nb\n", "a\r\nb\r\n"},
      {"LF only", "a\nb\n", "a\nb\n", "a\r\nb\r\n"},
      {"last line without end", "a\r\nb", "a\nb", "a\r\nb\r\n"},
      {"empty", "", "", ""},
      {"Latin-1 degree sign", "72 \xB0" "F\r\n", "72 \xC2\xB0" "F\n", "72 \xB0" "F\r\n"},
      {"UTF-8 kept", "\xC2\xB0" "C\r\n", "\xC2\xB0" "C\n", "\xC2\xB0" "C\r\n"},
  };
  for (const Case& c : cases) {
    WriteFile(Path("f.txt"), c.bytes);
    ReadOutcome read = ReadEditorFile(Path("f.txt"));
    ASSERT_TRUE(read.ok) << c.name;
    EXPECT_EQ(read.content.text, c.text) << c.name;
    std::string reason;
    ASSERT_TRUE(WriteEditorFile(Path("f.txt"), read.content, reason)) << c.name;
    EXPECT_EQ(FileText(Path("f.txt")), c.saved) << c.name;
    // Saving again does not let the file grow.
    ReadOutcome again = ReadEditorFile(Path("f.txt"));
    ASSERT_TRUE(WriteEditorFile(Path("f.txt"), again.content, reason));
    EXPECT_EQ(FileText(Path("f.txt")), c.saved) << c.name;
  }
}

TEST_F(EditorFileTest, FailuresSayWhatHappened) {
  ReadOutcome missing = ReadEditorFile(Path("missing.txt"));
  EXPECT_FALSE(missing.ok);
  EXPECT_FALSE(missing.too_long);
  EXPECT_EQ(CannotReadMessage("x", missing.reason), "File x cannot be read (No such file or directory).");

  std::string reason;
  EXPECT_FALSE(WriteEditorFile(Path("no/such/dir/f.txt"), EditorText{"a", false}, reason));
  EXPECT_FALSE(reason.empty());
  EXPECT_EQ(TooLongMessage("R.TXT"),
            "File R.TXT is too long and the full text cannot be read by this editor.  Please use some "
            "other editors or word processors to read it.");
}

}  // namespace
}  // namespace pave::testing
