// The line number of a place in a text, for messages that name the line a value stands on. The
// count of line ends is kept at the place last asked for and moved from there, forward or back, so
// that asking at places that move through the text (as a reader's do) costs in step with the
// distance moved: reading a whole file and naming the line of every item stays linear in its size.
//
// A line end is LF, CR LF (one line end) or a CR on its own, as the free-format reader takes them.
#pragma once

#include <cstddef>
#include <string>

namespace pave {

class LineCounter {
 public:
  // The 1-based line of place `at` of `text` (the text's end for a place beyond it). `text` is the
  // same text at every call.
  int LineAt(const std::string& text, std::size_t at);

 private:
  std::size_t at_ = 0;  // the place last asked for
  int line_ = 1;        // its line
};

}  // namespace pave
