#include "platform/scripted_services.h"

namespace pave {

std::optional<FileChoice> ScriptedFileDialog::Show(const FileDialogRequest& request) {
  requests.push_back(request);
  if (choices_.empty()) {
    ++unanswered;
    return std::nullopt;
  }
  std::optional<FileChoice> choice = choices_.front();
  choices_.pop_front();
  if (choice) {
    if (choice->filter_index == 0) choice->filter_index = request.filter_index;
    AdoptDirectoryOf(choice->file_name);
  }
  return choice;
}

}  // namespace pave
