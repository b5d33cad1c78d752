// What an analysis program needs of its window: caption, the progress text box, message boxes and the
// busy cursor. The window front end and the terminal front end implement it; tests record it.
#pragma once

#include <string>
#include <vector>

namespace pave {

// The message of a run that a missing file or bad data stopped (the small slab build says more).
inline constexpr const char* kDataErrorText = "File not found or data error";
// The last message of a run that went through its problems.
inline constexpr const char* kExitText = "Please click the OK button to exit.";

// Exit status of an analysis run.
enum class RunEnd : int {
  Normal = 0,      // normal end, after "Please click the OK button to exit."
  InputStop = 1,   // an input check or limit stopped the run
  DataError = 2,   // "File not found or data error" (or the slab program's longer text)
};

class AnalysisHost {
 public:
  virtual ~AnalysisHost() = default;
  virtual void SetCaption(const std::string& caption) = 0;
  // Puts the whole progress text into the text box and lets the window repaint.
  virtual void ShowProgress(const std::string& text) = 0;
  // An OK-only message box with the program's name as title; returns when acknowledged.
  virtual void Message(const std::string& text) = 0;
  virtual void SetBusy(bool busy) = 0;
};

// Passes every call on to another host and keeps the text of the last message: the reason of a
// stop, which the report then ends with.
class NotingHost : public AnalysisHost {
 public:
  explicit NotingHost(AnalysisHost& host) : host_(host) {}
  void SetCaption(const std::string& caption) override { host_.SetCaption(caption); }
  void ShowProgress(const std::string& text) override { host_.ShowProgress(text); }
  void Message(const std::string& text) override {
    last_message = text;
    host_.Message(text);
  }
  void SetBusy(bool busy) override { host_.SetBusy(busy); }

  std::string last_message;

 private:
  AnalysisHost& host_;
};

// Records every call; for tests.
class RecordingHost : public AnalysisHost {
 public:
  void SetCaption(const std::string& caption) override { captions.push_back(caption); }
  void ShowProgress(const std::string& text) override { shown.push_back(text); }
  void Message(const std::string& text) override { messages.push_back(text); }
  void SetBusy(bool busy) override { busy_calls.push_back(busy); }

  std::vector<std::string> captions, shown, messages;
  std::vector<bool> busy_calls;
};

// The progress log of the analysis programs: accumulated text; Display shows it, lets the window
// repaint and, once its line counter exceeds the limit (28 layered, 22 slab), starts a new text.
class ProgressLog {
 public:
  ProgressLog(AnalysisHost& host, int line_limit) : host_(host), limit_(line_limit) {}

  std::string text;   // the progress text; every step appends to it
  int lines = 0;      // lines counted since the text was last emptied

  void Display();
  // Appends a blank line and then `line` as a line of its own, and counts one line (the Display
  // that follows counts the other).
  void Line(const std::string& line);

 private:
  AnalysisHost& host_;
  int limit_;
};

// The message of a run that bad data stopped: the program's sentence and, on a line of its own, what
// the reader could not read and where ("In /data/X.DAT, line 10: "74x000" is not a number.").
std::string DataErrorMessage(const std::string& sentence, const std::string& dataFile, const std::string& where);

// The place of a fault that knows none of its own (an arithmetic fault of the analysis, a table
// index), for DataErrorMessage: the last line read and the problem under way, "line 33 (the last
// line read): problem 2 cannot be analysed (overflow)"; before any line was read (lastLine 0), the
// file and the fault.
std::string UnplacedFault(const std::string& dataFile, int lastLine, int problem, const std::string& fault);

// The stop of a run whose data file declares no problem (NPROB not above 0).
std::string NoProblemMessage(double nprob);

}  // namespace pave
