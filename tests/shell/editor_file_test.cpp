#include "shell/editor_file.h"

#include <gtest/gtest.h>

#include "shell_fixture.h"

namespace pave::testing {
namespace {

class EditorFileTest : public ShellTest {};

// The file chosen in the open dialog is the file read, whatever filter is selected; only a name
// typed without an extension gets the filter's.
TEST_F(EditorFileTest, TheChosenFileIsTheFileOpened) {
  for (const char* name : {"LAY1.DAT", "LAY1.TXT", "NOTE.TXT", "PLAIN", "a.b.TXT", "TWIN.TXT", "twin.TXT"})
    WriteFile(Path(name), "x");
  struct Case {
    const char* chosen;
    EditorFileType type;
    const char* opened;
  } cases[] = {
      {"LAY1.DAT", EditorFileType::Text, "LAY1.DAT"},
      {"LAY1.DAT", EditorFileType::Data, "LAY1.DAT"},
      {"LAY1.DAT", EditorFileType::All, "LAY1.DAT"},
      {"lay1.dat", EditorFileType::Text, "LAY1.DAT"},   // found without regard to case
      {"a.b.TXT", EditorFileType::Data, "a.b.TXT"},
      {"NOTE", EditorFileType::Text, "NOTE.TXT"},       // typed without its extension
      {"LAY1", EditorFileType::Data, "LAY1.DAT"},
      {"PLAIN", EditorFileType::Text, "PLAIN"},         // a file without an extension
      {"NOTE.TX", EditorFileType::Text, "NOTE.TX"},     // no such file: the read says so
      {"GONE", EditorFileType::All, "GONE"},
      {"twin.txt", EditorFileType::Text, "twin.txt"},   // two files in other cases: neither is guessed
  };
  for (const Case& c : cases) EXPECT_EQ(OpenedFileName(Path(c.chosen), c.type), Path(c.opened)) << c.chosen;
}

TEST(EditorFile, TheDialogOpensWithTheFilterThatListsTheOfferedFile) {
  struct Case {
    const char* offered;
    int filter_index;
  } cases[] = {{"", 3}, {"LAY1.DAT", 2}, {"/work/sla1si.dat", 2}, {"/work/LAY1.TXT", 3},
               {"notes.txt", 3}, {"README", 1}, {"/work.dat/NOTE.LOG", 1}, {".DAT", 1}};
  for (const Case& c : cases) EXPECT_EQ(EditorFilterIndexFor(c.offered), c.filter_index) << c.offered;
  EXPECT_EQ(EditorFileTypeOf(1), EditorFileType::All);
  EXPECT_EQ(EditorFileTypeOf(2), EditorFileType::Data);
  EXPECT_EQ(EditorFileTypeOf(3), EditorFileType::Text);
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
