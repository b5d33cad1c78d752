// Message boxes, the input box and the beep: how every window talks to the user.
#pragma once

#include <optional>
#include <string>

namespace pave {

// YesNoDefaultNo: Yes and No with No as the button Enter presses, for a question whose Yes loses
// something (replacing a file).
enum class MessageButtons { Ok, YesNo, YesNoCancel, YesNoDefaultNo };
enum class MessageAnswer { Ok, Yes, No, Cancel };

class Window;

// Where a box opens: over the active window, or beside a given window and clear of it, for a
// question about what that window shows (a graph's page), so that the user sees the drawing while
// answering. The window is named rather than taken to be the active one: a window shown a moment
// ago may not be active yet.
struct BoxPlace {
  Window* clear_of = nullptr;   // null: over the active window

  static BoxPlace OverWindow() { return {}; }
  static BoxPlace ClearOf(Window* window) { return {window}; }
  bool operator==(const BoxPlace&) const = default;
};

class Messages {
 public:
  virtual ~Messages() = default;
  // A modal message box with the given buttons and title; returns the button pressed. Closing a
  // Yes/No/Cancel box with its close button answers Cancel, a Yes/No box No.
  virtual MessageAnswer Show(const std::string& text, MessageButtons buttons, const std::string& title,
                             BoxPlace place) = 0;
  // The input box: prompt, title and preset answer; the text entered, or nothing on Cancel.
  virtual std::optional<std::string> Input(const std::string& prompt, const std::string& title,
                                           const std::string& default_text, BoxPlace place) = 0;
  virtual void Beep() = 0;

  // The boxes over the active window, the common case.
  MessageAnswer Show(const std::string& text, MessageButtons buttons, const std::string& title) {
    return Show(text, buttons, title, BoxPlace::OverWindow());
  }
  std::optional<std::string> Input(const std::string& prompt, const std::string& title,
                                   const std::string& default_text) {
    return Input(prompt, title, default_text, BoxPlace::OverWindow());
  }

  // An OK-only box, the common case.
  void Tell(const std::string& text, const std::string& title) {
    Show(text, MessageButtons::Ok, title);
  }
};

}  // namespace pave
