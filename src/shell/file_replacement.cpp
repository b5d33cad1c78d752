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

std::string ChangedOnDiskQuestion(const std::string& path) {
  return "The file " + path + " has been changed on disk by another program since it was read or saved "
         "here.  Saving replaces it, and the other program's change will be lost.  Do you want to save over it?";
}

bool MayReplace(const std::string& path, KnownFile& agreed, const std::string& title) {
  std::error_code error;
  std::string question;
  if (SameFile(path, agreed.path)) {
    // A file that cannot be replaced anyway is refused by the write, which says why.
    if (!agreed.ChangedOnDisk() || !WhyNotReplaceable(path).empty()) return true;
    question = ChangedOnDiskQuestion(path);
  } else if (!fs::exists(path, error)) {
    question = CaseTwinQuestion(path);   // a new file: asked only beside a name that differs in letter case
  } else if (WhyNotReplaceable(path).empty()) {
    question = ReplaceQuestion(path);    // a file that cannot be replaced is refused by the write, which says why
  }
  if (question.empty()) return true;
  if (platform().messages().Show(question, MessageButtons::YesNoDefaultNo, title) != MessageAnswer::Yes) return false;
  agreed.Take(path);
  return true;
}

std::optional<FileChoice> ChooseFileToSave(FileDialogRequest request, KnownFile& agreed, const std::string& title,
                                           const std::function<std::string(const std::string&)>& written) {
  request.mode = FileDialogMode::SaveAs;
  while (true) {
    std::optional<FileChoice> choice = platform().file_dialog().Show(request);
    if (!choice) return std::nullopt;
    const std::string path = written ? written(choice->file_name) : choice->file_name;
    if (MayReplace(path, agreed, title)) {
      // A file agreed to already stays as it was then; a new name is taken as it is now.
      if (!SameFile(path, agreed.path)) agreed.Take(path);
      return choice;
    }
    request.file_name = choice->file_name;
    request.filter_index = choice->filter_index;
  }
}

}  // namespace pave
