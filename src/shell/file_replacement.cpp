#include "shell/file_replacement.h"

#include <filesystem>

#include <sys/stat.h>

#include "common/safe_file_write.h"
#include "platform/platform.h"

namespace pave {

namespace fs = std::filesystem;

bool SameFile(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  // Files that are there are the same when they are one file on one device, whatever names lead
  // to it (symbolic or hard links, other spellings of the folder).
  struct stat sa {}, sb {};
  if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0) return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
  std::error_code ea, eb;
  const fs::path ca = fs::weakly_canonical(fs::absolute(a, ea), ea);
  const fs::path cb = fs::weakly_canonical(fs::absolute(b, eb), eb);
  if (ea || eb) return fs::path(a).lexically_normal() == fs::path(b).lexically_normal();
  return ca == cb;
}

std::string ReplaceQuestion(const std::string& path) {
  return "The file " + path + " already exists.  Do you want to replace it?";
}

bool MayReplace(const std::string& path, std::string& agreed, const std::string& title) {
  std::error_code error;
  if (!fs::exists(path, error) || SameFile(path, agreed)) return true;
  if (!WhyNotReplaceable(path).empty()) return true;
  if (platform().messages().Show(ReplaceQuestion(path), MessageButtons::YesNoDefaultNo, title) != MessageAnswer::Yes)
    return false;
  agreed = path;
  return true;
}

std::optional<FileChoice> ChooseFileToSave(FileDialogRequest request, std::string& agreed, const std::string& title,
                                           const std::function<std::string(const std::string&)>& written) {
  request.mode = FileDialogMode::SaveAs;
  while (true) {
    std::optional<FileChoice> choice = platform().file_dialog().Show(request);
    if (!choice) return std::nullopt;
    const std::string path = written ? written(choice->file_name) : choice->file_name;
    if (MayReplace(path, agreed, title)) {
      agreed = path;
      return choice;
    }
    request.file_name = choice->file_name;
    request.filter_index = choice->filter_index;
  }
}

}  // namespace pave
