// The analysis programs' front end where no display is available: the progress log goes to
// standard output (only what is new since the last update), each message box's text to standard
// error, and every OK is taken as given.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

#include "common/analysis_host.h"

namespace pave {

class TerminalHost : public AnalysisHost {
 public:
  TerminalHost(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

  void SetCaption(const std::string&) override {}
  // The engine passes the whole accumulated text: when it continues the text shown last, only
  // the continuation is written; a text started afresh is written whole.
  void ShowProgress(const std::string& text) override;
  void Message(const std::string& text) override;
  void SetBusy(bool) override {}

 private:
  std::ostream& out_;
  std::ostream& err_;
  std::string shown_;
};

// The run of an analysis program: the data file argument (possibly empty) and the host.
using AnalysisRun = std::function<RunEnd(const std::string& argument, AnalysisHost& host)>;

// True when a display is available (DISPLAY or WAYLAND_DISPLAY set and not empty).
bool DisplayAvailable();

// The program's one argument: argv[1] whole (blanks included), empty when there is none.
std::string ProgramArgument(int argc, char** argv);

// Runs `run` for the argument on `host` and returns the exit status; an exception escaping the run
// shows `error_text` with the argument and the exception's text on a line of their own, and gives
// status 2 (data error).
int RunGuarded(const AnalysisRun& run, const std::string& argument, AnalysisHost& host, const std::string& error_text);

// Runs `run` on a TerminalHost writing to `out` and `err`; returns the exit status (0 normal end,
// 1 input stop, 2 data error). An exception escaping the run is reported on `err` as RunGuarded
// reports it and gives status 2.
int RunInTerminal(const std::string& argument, const AnalysisRun& run, std::ostream& out,
                  std::ostream& err, const std::string& error_text);

}  // namespace pave
