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

std::string DataErrorMessage(const std::string& sentence, const std::string& dataFile, const std::string& where) {
  if (where.empty()) return sentence;
  std::string detail = where.compare(0, 5, "line ") == 0 ? "In " + dataFile + ", " + where : where;
  if (detail[0] >= 'a' && detail[0] <= 'z') detail[0] = static_cast<char>(detail[0] - 'a' + 'A');
  if (detail.back() != '.') detail += '.';
  return sentence + "\n" + detail;
}

std::string UnplacedFault(const std::string& dataFile, int lastLine, int problem, const std::string& fault) {
  if (lastLine <= 0) return dataFile + ": " + fault;
  const std::string what = problem > 0 ? "problem " + std::to_string(problem) : std::string("the data");
  return "line " + std::to_string(lastLine) + " (the last line read): " + what + " cannot be analysed (" + fault + ")";
}

std::string NoProblemMessage(double nprob) {
  return "The data file declares no problem (NPROB =" + Str(nprob) + "), so nothing was analysed.";
}

}  // namespace pave
