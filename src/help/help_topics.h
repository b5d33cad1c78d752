// The ten topics of the help window: each is a code, the window caption, the title shown above the
// text and the text itself, a fixed sequence of short lines. Nothing in them depends on a data file.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace pave {

struct HelpTopic {
  int code = 0;                 // 1 to 10, the screen code its openers set
  std::string_view caption;     // window caption
  std::string_view title;       // title above the text
  std::span<const std::string_view> lines;   // the text, line by line, without line ends
};

inline constexpr int kHelpTopicCount = 10;

// The topic of `code`, or null for a code outside 1 to 10.
const HelpTopic* FindHelpTopic(int code);

// The lines joined into one text, every line (the last one included) followed by `line_break`.
std::string JoinTextLines(std::span<const std::string_view> lines, std::string_view line_break = "\r\n");

// The text of the topic with CR LF line ends; empty for a code outside 1 to 10.
std::string HelpTopicText(int code);

}  // namespace pave
