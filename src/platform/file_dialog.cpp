#include "platform/file_dialog.h"

#include <filesystem>
#include <system_error>

namespace pave {
namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : text) {
    if (c == separator) {
      parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  parts.push_back(part);
  return parts;
}

std::string Trim(const std::string& text) {
  auto begin = text.find_first_not_of(' ');
  if (begin == std::string::npos) return {};
  auto end = text.find_last_not_of(' ');
  return text.substr(begin, end - begin + 1);
}

}  // namespace

std::vector<FileFilter> ParseFileFilter(const std::string& filter) {
  std::vector<std::string> parts = Split(filter, '|');
  // A final "|" leaves an empty last part that belongs to no entry.
  if (!parts.empty() && parts.back().empty() && parts.size() % 2 == 1) parts.pop_back();
  std::vector<FileFilter> entries;
  for (std::size_t i = 0; i < parts.size(); i += 2) {
    FileFilter entry;
    entry.description = parts[i];
    if (i + 1 < parts.size()) {
      for (const std::string& pattern : Split(parts[i + 1], ';')) {
        std::string p = Trim(pattern);
        if (!p.empty()) entry.patterns.push_back(p);
      }
    }
    if (entry.description.empty() && entry.patterns.empty()) continue;
    entries.push_back(entry);
  }
  return entries;
}

bool AdoptDirectoryOf(const std::string& path) {
  std::filesystem::path directory = std::filesystem::path(path).parent_path();
  if (directory.empty()) return true;   // a bare name: the working directory stays
  std::error_code error;
  std::filesystem::current_path(directory, error);
  return !error;
}

}  // namespace pave
