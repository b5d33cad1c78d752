// The text editor's Open: any file is read or refused with a reason, and a text that was read is
// written back as the same text (Save ends the last line with a line end where it had none).
#include "fuzz_targets.h"
#include "shell/editor_file.h"

namespace pave::fuzz {

int TextEditorOpen(const std::uint8_t* data, std::size_t size) {
  const std::string path = ScratchFile("TEXT.TXT", data, size);
  const ReadOutcome read = ReadEditorFile(path);
  if (!read.ok) {
    if (read.reason.empty() && !read.too_long) Fault("a file refused without a reason");
    return 0;
  }
  const EditorText again = EditorTextFromBytes(EditorFileBytes(read.content));
  std::string expected = read.content.text;
  if (!expected.empty() && expected.back() != '\n') expected += '\n';
  if (again.text != expected) Fault("the text changed when written and read again");
  return 0;
}

}  // namespace pave::fuzz
