// Scripted platform services for tests: answers are queued in advance, every call is recorded.
// When a queue runs dry the service gives the cautious answer (OK, No, Cancel, no choice) and
// counts it in `unanswered`, so a test can tell that a question came it did not expect.
#pragma once

#include <deque>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/clipboard.h"
#include "platform/desktop.h"
#include "platform/drawing_surface.h"
#include "platform/file_dialog.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/processes.h"

namespace pave {

class ScriptedMessages : public Messages {
 public:
  struct Shown {
    std::string text;
    MessageButtons buttons;
    std::string title;
    MessageAnswer answer;
    BoxPlace place;
  };
  struct Asked {
    std::string prompt, title, default_text;
    std::optional<std::string> answer;
    BoxPlace place;
  };

  // Answers for the next boxes with Yes/No or Yes/No/Cancel buttons; OK-only boxes take none.
  void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
  // Answers for the next input boxes; nothing means Cancel.
  void QueueInput(std::optional<std::string> answer) { inputs_.push_back(std::move(answer)); }

  using Messages::Input;
  using Messages::Show;
  MessageAnswer Show(const std::string& text, MessageButtons buttons, const std::string& title,
                     BoxPlace place) override;
  std::optional<std::string> Input(const std::string& prompt, const std::string& title,
                                   const std::string& default_text, BoxPlace place) override;
  void Beep() override { ++beeps; }

  // The texts of the message boxes shown, in order.
  std::vector<std::string> Texts() const;

  std::vector<Shown> shown;
  std::vector<Asked> asked;
  int beeps = 0;
  int unanswered = 0;

 private:
  std::deque<MessageAnswer> answers_;
  std::deque<std::optional<std::string>> inputs_;
};

class ScriptedDesktop : public Desktop {
 public:
  void SetBusy(bool value) override {
    busy = value;
    busy_calls.push_back(value);
  }
  void ProcessEvents() override { ++events_processed; }

  bool busy = false;
  std::vector<bool> busy_calls;
  int events_processed = 0;
};

class ScriptedFileDialog : public FileDialog {
 public:
  // The next dialog's answer: a chosen file (full path; filter index 0 keeps the request's index)
  // or nothing for Cancel.
  void QueueChoice(std::optional<FileChoice> choice) { choices_.push_back(std::move(choice)); }
  void QueueChoice(const std::string& file_name, int filter_index = 0) {
    choices_.push_back(FileChoice{file_name, filter_index});
  }
  void QueueCancel() { choices_.push_back(std::nullopt); }

  // Records the request; on a choice makes the chosen file's directory the working directory,
  // as the real dialog does.
  std::optional<FileChoice> Show(const FileDialogRequest& request) override;

  std::vector<FileDialogRequest> requests;
  int unanswered = 0;

 private:
  std::deque<std::optional<FileChoice>> choices_;
};

class ScriptedPrinter : public Printer {
 public:
  enum class Op { FontName, FontSize, FontBold, Line, EndDocument, Page, DataDirectory };
  struct Call {
    explicit Call(Op o) : op(o) {}
    Op op;
    std::string text;    // font name, printed line, data directory
    int column = 0;      // printed line's column
    double size = 0;     // font size
    bool bold = false;
    int width = 0, height = 0;   // printed page, twips
    PageOrientation orientation = PageOrientation::Portrait;
  };
  // A printed page: its size in twips, its orientation and what it drew on a recording surface.
  struct PrintedPage {
    int width = 0, height = 0;
    PageOrientation orientation = PageOrientation::Portrait;
    std::vector<DrawnFigure> figures;
  };

  bool SetFontName(const std::string& name) override;
  bool SetFontSize(double points) override;
  bool SetFontBold(bool bold) override;
  bool PrintLine(const std::string& text, int column = 1) override;
  int LineColumns() override;
  bool EndDocument() override;
  bool PrintPage(const PrintablePage& page) override;
  void SetDataDirectory(const std::string& directory) override;
  void BeginCommand(const std::string& what) override;
  void EndCommand() override;

  // Print commands ended so far, each as the number of documents it sent (commands are not calls),
  // and what each one said it printed.
  std::vector<int> commands;
  std::vector<std::string> command_names;
  // The width of a line of the sheet in points, for a font whose characters are 0.6 of its size
  // wide; 0: a line of any length fits.
  double line_points = 0;

  // Documents ended so far, each as its lines with the column shown as leading blanks
  // (column 12 = 11 blanks). A printed page is a document with one line "[page WxH]" (twips),
  // "[landscape page WxH]" when turned.
  std::vector<std::vector<std::string>> documents;
  // Lines printed since the last end of document.
  std::vector<std::string> open_document;
  std::vector<Call> calls;
  std::vector<PrintedPage> pages;
  // Fault injection: every font setting is refused; the calls with these 0-based numbers (counted
  // over all calls above) fail.
  bool refuse_fonts = false;
  std::set<std::size_t> failing_calls;

 private:
  bool Record(Call call);
  int command_depth_ = 0;
  std::size_t command_start_ = 0;
  std::string command_name_;
  double points_ = 10;   // the font size last accepted
};

class ScriptedProcesses : public Processes {
 public:
  struct Started {
    std::string program, argument;
  };
  bool Start(const std::string& program, const std::string& argument) override;
  bool OpenTerminal(const std::string& directory) override;

  std::vector<Started> started;
  std::vector<std::string> terminals;   // directories
  bool succeed = true;                  // what Start and OpenTerminal return
};

class ScriptedClipboard : public Clipboard {
 public:
  void Clear() override {
    text.clear();
    calls.push_back("clear");
  }
  void SetText(const std::string& value) override {
    text = value;
    calls.push_back("set " + value);
  }
  std::string GetText() override {
    calls.push_back("get");
    return text;
  }

  std::string text;
  std::vector<std::string> calls;
};

}  // namespace pave
