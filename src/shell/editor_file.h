// The text editor's file rules: which file Open reads for the chosen name and filter, reading a
// whole file into the editor's text and writing it back.
#pragma once

#include <string>

namespace pave {

// The filter the user chose in the editor's file dialog.
enum class EditorFileType { Text = 0, All = 1, Data = 2 };

// The editor dialog's filter list, "Text Files" (entry 3) selected when no file is named.
inline constexpr const char* kEditorFilter =
    "All Files (*.*)|*.*|Data Files (*.DAT)|*.DAT|Text Files (*.TXT)|*.TXT|";
inline constexpr int kEditorFilterIndex = 3;
EditorFileType EditorFileTypeOf(int filter_index);
// The filter entry the dialog opens with for a preset file name: the one that lists that file
// (Data Files for ".DAT", Text Files for ".TXT" or no name, All Files for any other name).
int EditorFilterIndexFor(const std::string& file_name);

// The file that Open reads for the chosen name: the chosen file itself. Only a name typed without
// an extension that names no file gets the extension of the selected filter ("txt" for Text Files,
// "dat" for Data Files). A name that names no file exactly finds one without regard to case
// ("LAY1.txt" finds "LAY1.TXT"), where only one file has it in any case.
std::string OpenedFileName(const std::string& chosen, EditorFileType type);

// The editor's text: lines separated by "\n", UTF-8. A file that is not valid UTF-8 is taken as
// Latin-1 and written back the same way.
struct EditorText {
  std::string text;
  bool latin1 = false;
};

// Files larger than this are refused as too long for the editor.
inline constexpr std::uintmax_t kEditorMaxFileBytes = 32u * 1024u * 1024u;

struct ReadOutcome {
  bool ok = false;
  bool too_long = false;
  std::string reason;   // why the file could not be read
  EditorText content;
};
ReadOutcome ReadEditorFile(const std::string& path);

// The editor's text as file bytes: CR LF line ends, a CR LF after the last line when it has none.
std::string EditorFileBytes(const EditorText& content);
// Writes the text; false (with the reason) when the file cannot be written.
bool WriteEditorFile(const std::string& path, const EditorText& content, std::string& reason);

// Converts file bytes to the editor's text and back (line ends: CR LF, LF or CR in; "\n" out).
EditorText EditorTextFromBytes(const std::string& bytes);

// The messages of reading and writing.
std::string TooLongMessage(const std::string& name);
std::string CannotReadMessage(const std::string& name, const std::string& reason);
std::string CannotWriteMessage(const std::string& name, const std::string& reason);

}  // namespace pave
