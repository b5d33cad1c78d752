#include "common/analysis_host.h"

#include "common/line_writer.h"
#include "common/number_format.h"

namespace pave {

void ProgressLog::Display() {
  ++lines;
  host_.ShowProgress(text);
  if (lines > limit_) {
    text.clear();
    lines = 0;
  }
}

void ProgressLog::Line(const std::string& line) {
  text += kCrLf;
  ++lines;
  text += line + kCrLf;
}

RunEnd EndWithoutProblems(ProgressLog& log, AnalysisHost& host, double nprob) {
  const std::string none = "The data file declares no problem (NPROB =" + Str(nprob) + "), so nothing was analysed.";
  log.Line(none);
  log.Display();
  host.Message(none);
  host.Message(kExitText);
  host.SetBusy(false);
  return RunEnd::InputStop;
}

}  // namespace pave
