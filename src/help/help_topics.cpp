#include "help/help_topics.h"

#include <array>

#include "help/help_topic_lines.h"

namespace pave {

namespace {

const std::array<HelpTopic, kHelpTopicCount>& Topics() {
  static const std::array<HelpTopic, kHelpTopicCount> topics{{
      {1, "Help: Main Screen", "Use of Main Screen", help_lines::MainScreen()},
      {2, "Help: Editor", "Use of Editor Screen", help_lines::EditorScreen()},
      {3, "Help: Editor", "Input Parameters for MORVELIN", help_lines::LayeredInput()},
      {4, "Help: Editor", "Input Parameters for BRUNTOLA", help_lines::SlabInput()},
      {5, "Help: Editor", "Output Parameters for MORVELIN", help_lines::LayeredOutput()},
      {6, "Help: Editor", "Output Parameters for BRUNTOLA", help_lines::SlabOutput()},
      {7, "Help: Editor", "Data File for MORVELIN", help_lines::LayeredDataFile()},
      {8, "Help: Editor", "Data File for BRUNTOLA", help_lines::SlabDataFile()},
      {9, "Help: Editor", "Examples for MORVELIN", help_lines::LayeredExamples()},
      {10, "Help: Editor", "Examples for BRUNTOLA", help_lines::SlabExamples()},
  }};
  return topics;
}

}  // namespace

const HelpTopic* FindHelpTopic(int code) {
  for (const HelpTopic& topic : Topics()) {
    if (topic.code == code) return &topic;
  }
  return nullptr;
}

std::string JoinTextLines(std::span<const std::string_view> lines, std::string_view line_break) {
  std::string text;
  for (std::string_view line : lines) {
    text += line;
    text += line_break;
  }
  return text;
}

std::string HelpTopicText(int code) {
  const HelpTopic* topic = FindHelpTopic(code);
  return topic ? JoinTextLines(topic->lines) : std::string();
}

}  // namespace pave
