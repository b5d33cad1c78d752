#include "layered_analysis/run_context.h"

#include "common/number_format.h"

namespace pave::layered {

void Progress(RunContext& c, const std::string& text) {
  c.log.text += text;
  c.log.Display();
}

void Stop(RunContext& c, const std::vector<ReportLine>& lines, const std::string& message) {
  c.report.End();
  for (const ReportLine& line : lines) {
    for (const std::string& t : line.texts) c.report.Text(t);
    c.report.End();
  }
  c.s.NSTOP = 1;
  c.host.Message(message);
}

void LimitStop(RunContext& c, const std::string& what, long value, int limit) {
  const std::string tail = "WHICH IS GREATER THAN THE LIMIT OF " + std::to_string(limit) + ", SO COMPUTATION STOPS.";
  Stop(c, {{{what + " IS", GenNum(value)}}, {{tail}}}, what + " IS " + Str(value) + " " + tail);
}

}  // namespace pave::layered
