#include "shell/file_replacement.h"

#include <filesystem>

#include <sys/stat.h>

#include "common/data_file_name.h"
#include "common/safe_file_write.h"
#include "platform/platform.h"
#include "shell/directory_of.h"

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

std::string CaseTwinQuestion(const std::string& path) {
  const std::vector<std::string> others = NamesDifferingOnlyInCase(path);
  if (others.empty()) return std::string();
  const bool several = others.size() > 1;
  const std::string name = BareName(path);
  return "The folder " + DirectoryOf(path) + " already holds " + ListedNames(others) + ", whose name" +
         (several ? "s differ" : " differs") + " from " + name +
         " only in letter case.  Many systems take such names for one file.  Do you want to save " + name +
         " beside " + (several ? "them" : "it") + "?";
}

bool MayReplace(const std::string& path, std::string& agreed, const std::string& title) {
  if (SameFile(path, agreed)) return true;
  std::error_code error;
  std::string question;
  if (!fs::exists(path, error)) {
    question = CaseTwinQuestion(path);   // a new file: asked only beside a name that differs in letter case
  } else if (WhyNotReplaceable(path).empty()) {
    question = ReplaceQuestion(path);    // a file that cannot be replaced is refused by the write, which says why
  }
  if (question.empty()) return true;
  if (platform().messages().Show(question, MessageButtons::YesNoDefaultNo, title) != MessageAnswer::Yes) return false;
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
