#include "common/data_file_name.h"

#include <algorithm>
#include <filesystem>

#include "common/text_compare.h"

namespace pave {

namespace fs = std::filesystem;

namespace {
bool EndsWith(const std::string& s, const char* ending) {
  const std::size_t n = std::char_traits<char>::length(ending);
  return s.size() >= n && s.compare(s.size() - n, n, ending) == 0;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
}  // namespace

std::string BaseName(const std::string& argument) {
  if (EndsWith(argument, ".DAT") || EndsWith(argument, ".dat")) return argument.substr(0, argument.size() - 4);
  return argument;
}

std::vector<std::string> NamesDifferingOnlyInCase(const std::string& path) {
  const std::string folder = FolderOf(path);
  const std::string own = path.substr(folder.size());
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name != own && EqualsIgnoringCase(name, own)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string ListedNames(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
    text += names[i];
  }
  return text;
}

std::string FileInAnyCase(const std::string& path) {
  std::error_code ec;
  if (path.empty() || fs::is_regular_file(path, ec)) return path;
  const std::string folder = FolderOf(path);
  std::string found;
  for (const std::string& name : NamesDifferingOnlyInCase(path)) {
    if (!fs::is_regular_file(folder + name, ec)) continue;
    if (!found.empty()) return path;   // several: none of them is the one asked for
    found = name;
  }
  return found.empty() ? path : folder + found;
}

std::string DataFileOf(const std::string& argument) {
  if (BaseName(argument).empty()) return std::string();
  return FileInAnyCase(BaseName(argument) == argument ? argument + ".DAT" : argument);
}

}  // namespace pave
