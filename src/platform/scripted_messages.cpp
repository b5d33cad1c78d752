#include "platform/scripted_services.h"

namespace pave {

MessageAnswer ScriptedMessages::Show(const std::string& text, MessageButtons buttons, const std::string& title,
                                     BoxPlace place) {
  MessageAnswer answer = MessageAnswer::Ok;
  if (buttons != MessageButtons::Ok) {
    if (answers_.empty()) {
      ++unanswered;
      answer = buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel : MessageAnswer::No;
    } else {
      answer = answers_.front();
      answers_.pop_front();
    }
  }
  shown.push_back({text, buttons, title, answer, place});
  return answer;
}

std::optional<std::string> ScriptedMessages::Input(const std::string& prompt, const std::string& title,
                                                   const std::string& default_text, BoxPlace place) {
  std::optional<std::string> answer;
  if (inputs_.empty()) {
    ++unanswered;
  } else {
    answer = inputs_.front();
    inputs_.pop_front();
  }
  asked.push_back({prompt, title, default_text, answer, place});
  return answer;
}

std::vector<std::string> ScriptedMessages::Texts() const {
  std::vector<std::string> texts;
  for (const Shown& s : shown) texts.push_back(s.text);
  return texts;
}

}  // namespace pave
