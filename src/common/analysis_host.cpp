#include "common/analysis_host.h"

#include "common/line_writer.h"

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

}  // namespace pave
