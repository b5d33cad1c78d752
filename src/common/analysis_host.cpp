#include "common/analysis_host.h"

namespace pave {

void ProgressLog::Display() {
  ++lines;
  host_.ShowProgress(text);
  if (lines > limit_) {
    text.clear();
    lines = 0;
  }
}

}  // namespace pave
