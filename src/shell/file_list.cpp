#include "shell/file_list.h"

#include <algorithm>
#include <filesystem>

#include "common/text_compare.h"

namespace pave {

namespace fs = std::filesystem;

bool MatchesPattern(std::string_view name, std::string_view pattern) {
  // Iterative wildcard match with backtracking to the last "*".
  std::size_t n = 0, p = 0, star = std::string_view::npos, mark = 0;
  auto same = [](char a, char b) { return EqualsIgnoringCase(std::string_view(&a, 1), std::string_view(&b, 1)); };
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || (pattern[p] != '*' && same(pattern[p], name[n])))) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      mark = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::optional<std::vector<std::string>> DataFileNames(const std::string& path, std::string_view pattern) {
  if (path.empty() || path.back() != '/') return std::nullopt;
  std::vector<std::string> names;
  std::error_code missing;
  if (!fs::is_directory(path, missing)) return names;
  for (const fs::directory_entry& entry : fs::directory_iterator(path)) {
    std::string name = entry.path().filename().string();
    if (name.empty() || name.front() == '.') continue;
    std::error_code error;
    if (!entry.is_regular_file(error)) continue;
    if (MatchesPattern(name, pattern)) names.push_back(name);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    std::string ua = UpperCase(a), ub = UpperCase(b);
    return ua != ub ? ua < ub : a < b;
  });
  return names;
}

std::int16_t FillFileList(const std::string& path, std::string_view pattern, ComboBox& combo) {
  if (path.empty() || path.back() != '/') return 0;
  combo.Clear();
  std::optional<std::vector<std::string>> names = DataFileNames(path, pattern);
  std::int16_t count = 0;
  for (const std::string& name : *names) {
    if (count == INT16_MAX) break;
    combo.AddItem(name);
    ++count;
  }
  if (count > 0) combo.SelectItem(0);
  return count;
}

}  // namespace pave
