// Finding a "NaN" or "Inf" that a program printed: no report, graph file, progress text or message
// of the package may hold one, whatever the input.
#pragma once

#include <string>

namespace pave::testing {

// The first word "NaN" or "Inf" (any letter case, standing alone as a word) in a text, with the line
// it stands on; empty when there is none. "INFLUENCE" or "NANO" are not such words, nor is a word
// inside double quotes on its line, which quotes what a data file holds ("NaN" or "-inf1" is not a
// number).
inline std::string NonFiniteWord(const std::string& text) {
  auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  auto lower = [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); };
  for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
    if (i > 0 && letter(text[i - 1])) continue;
    const std::string w{lower(text[i]), lower(text[i + 1]), lower(text[i + 2])};
    if (w != "nan" && w != "inf") continue;
    std::size_t end = i + 3;
    if (w == "inf" && end + 5 <= text.size()) {  // "Infinity"
      std::string rest;
      for (std::size_t j = end; j < end + 5; ++j) rest += lower(text[j]);
      if (rest == "inity") end += 5;
    }
    if (end < text.size() && letter(text[end])) continue;
    const std::size_t from = text.rfind('\n', i) == std::string::npos ? 0 : text.rfind('\n', i) + 1;
    std::size_t quotes = 0;
    for (std::size_t j = from; j < i; ++j) quotes += text[j] == '"';
    if (quotes % 2 == 1 && text.find('"', end) < text.find('\n', end)) continue;
    std::size_t to = text.find_first_of("\r\n", i);
    if (to == std::string::npos) to = text.size();
    return text.substr(from, to - from);
  }
  return {};
}

}  // namespace pave::testing
