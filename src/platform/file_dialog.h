// The common file dialog (open and save as) with its filter list.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pave {

enum class FileDialogMode { Open, SaveAs };

struct FileDialogRequest {
  FileDialogMode mode = FileDialogMode::Open;
  // Filter text: description and pattern pairs separated by "|", for example
  // "All Files (*.*)|*.*|Data Files (*.DAT)|*.DAT|". Patterns match regardless of case.
  std::string filter;
  int filter_index = 1;    // 1-based entry of the filter list selected when the dialog opens
  std::string file_name;   // preset file name (may be empty, a bare name or a path)
  std::string title;       // empty: the dialog's usual title
};

struct FileChoice {
  std::string file_name;   // the chosen file, as a full path
  int filter_index = 1;    // 1-based filter entry selected when the dialog closed
};

class FileDialog {
 public:
  virtual ~FileDialog() = default;
  // Shows the dialog. Returns the choice, or nothing when the user cancelled (an error while the
  // dialog is shown counts as no choice too). After a choice the chosen file's directory is the
  // working directory. The save-as dialog itself does not ask before replacing a file: the savers
  // ask a question of their own, the same for every way a file is replaced.
  virtual std::optional<FileChoice> Show(const FileDialogRequest& request) = 0;
};

// One entry of a filter text.
struct FileFilter {
  std::string description;             // "Data Files (*.DAT)"
  std::vector<std::string> patterns;   // {"*.DAT"}; a pattern list "*.a;*.b" gives two
};

// Splits a filter text into its entries; an incomplete last pair keeps its description.
std::vector<FileFilter> ParseFileFilter(const std::string& filter);

// Makes the directory of `path` the working directory; false when it cannot be entered.
bool AdoptDirectoryOf(const std::string& path);

}  // namespace pave
