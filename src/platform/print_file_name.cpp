#include "platform/print_file_name.h"

#include <algorithm>
#include <cstdio>

namespace pave {

namespace {
constexpr std::size_t kLongestLabel = 80;

bool Kept(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '_' ||
         c == '-';
}

bool Trimmed(char c) { return c == '-' || c == '.'; }
}  // namespace

std::string PrintLabel(std::string_view what) {
  std::string label;
  for (char c : what) {
    if (Kept(c)) {
      label += c;
    } else if (!label.empty() && label.back() != '-') {
      label += '-';
    }
  }
  if (label.size() > kLongestLabel) label.resize(kLongestLabel);
  while (!label.empty() && Trimmed(label.back())) label.pop_back();
  const auto first = std::find_if(label.begin(), label.end(), [](char c) { return !Trimmed(c); });
  label.erase(label.begin(), first);
  return label;
}

std::string NextPrintFileName(std::string_view program, std::string_view stamp,
                              const std::vector<std::string>& existing, std::string_view what) {
  const std::string prefix = std::string(program) + "-print-" + std::string(stamp) + "-";
  long highest = 0;
  for (const std::string& name : existing) {
    if (name.compare(0, prefix.size(), prefix) != 0) continue;
    long number = 0;
    std::size_t at = prefix.size();
    while (at < name.size() && at < prefix.size() + 9 && name[at] >= '0' && name[at] <= '9') {
      number = number * 10 + (name[at] - '0');
      ++at;
    }
    highest = std::max(highest, number);
  }
  char number[24];
  std::snprintf(number, sizeof number, "%03ld", highest + 1);
  const std::string label = PrintLabel(what);
  return prefix + number + (label.empty() ? "" : "-" + label) + ".pdf";
}

}  // namespace pave
