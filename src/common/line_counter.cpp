#include "common/line_counter.h"

namespace pave {

namespace {

// True when character `i` ends a line: an LF, or a CR that no LF follows.
bool EndsLine(const std::string& text, std::size_t i) {
  return text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'));
}

}  // namespace

int LineCounter::LineAt(const std::string& text, std::size_t at) {
  if (at > text.size()) at = text.size();
  if (at_ > text.size()) {   // another, shorter text: count from its start
    at_ = 0;
    line_ = 1;
  }
  for (; at_ < at; ++at_) {
    if (EndsLine(text, at_)) ++line_;
  }
  for (; at_ > at; --at_) {
    if (EndsLine(text, at_ - 1)) --line_;
  }
  return line_;
}

}  // namespace pave
