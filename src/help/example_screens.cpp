#include "help/example_screens.h"

#include <vector>

#include "common/line_writer.h"

namespace pave {

std::span<const ExampleScreen> ExampleScreens() {
  static const std::vector<ExampleScreen> all = [] {
    std::vector<ExampleScreen> screens;
    for (const ExampleScreen& s : LayeredExampleScreens()) screens.push_back(s);
    for (const ExampleScreen& s : SlabExampleScreens()) screens.push_back(s);
    screens.push_back(MohrScreen());
    return screens;
  }();
  return all;
}

const ExampleScreen* FindExampleScreen(std::string_view kind) {
  for (const ExampleScreen& s : ExampleScreens()) {
    if (s.kind == kind) return &s;
  }
  return nullptr;
}

std::string ExampleScreenText(const ExampleScreen& screen) {
  std::string text;
  for (std::string_view line : screen.title_lines) text.append(line).append(kCrLf);
  if (!screen.title_lines.empty()) text.append(kCrLf);
  for (std::string_view line : screen.description) text.append(line).append(kCrLf);
  return text;
}

std::string ExampleScreenPrintText(std::string_view text) {
  std::string printed;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    start = next;
    // Greedy breaking at blanks; the blanks at a break go, a word longer than the limit stays whole.
    bool broken = false;
    while (line.size() > static_cast<std::size_t>(kExampleLineLimit)) {
      std::size_t cut = line.rfind(' ', kExampleLineLimit);
      if (cut == std::string_view::npos || line.find_first_not_of(' ') >= cut) {
        cut = line.find(' ', kExampleLineLimit);
        if (cut == std::string_view::npos) break;
      }
      std::size_t piece_end = line.find_last_not_of(' ', cut);
      printed.append(line.substr(0, piece_end + 1)).append(kCrLf);
      std::size_t rest = line.find_first_not_of(' ', cut);
      line = rest == std::string_view::npos ? std::string_view() : line.substr(rest);
      broken = true;
    }
    if (!line.empty() || !broken) printed.append(line).append(kCrLf);
  }
  return printed;
}

}  // namespace pave
