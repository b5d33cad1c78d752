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
  // The window keeps the reason beside the closing text once the message box is gone.
  c.log.Line(message);
  c.host.Message(message);
}

StopLine& StopLine::Add(const std::string& report, const std::string& message) {
  report_.texts.push_back(report);
  if (!message_.empty()) message_ += ' ';
  message_ += message;
  return *this;
}

void StopLine::Stop(RunContext& c, const std::string& tail) const {
  layered::Stop(c, {report_, {{tail}}}, message_ + " " + tail);
}

StopLine& StopLine::Is(int line) {
  const bool blank = !report_.texts.empty() && !report_.texts.back().empty() && report_.texts.back().back() == ' ';
  const std::string is = line > 0 ? LineMark(line) + " IS" : "IS";
  return Add((blank ? "" : " ") + is, is);
}

bool RangeStop(RunContext& c, StopLine line, const float& v, const ValueRange& range) {
  const bool si = c.s.NUNIT != 0;
  if (range.Holds(v, si)) return false;
  line.Is(c.in.LineOf(&v)).Num(v);
  if (const std::string unit = UnitName(range, si); !unit.empty()) line.Text(unit);
  line.Stop(c, "WHICH SHOULD BE " + RangeRule(range, si) + ", SO COMPUTATION STOPS.");
  return true;
}

void LimitStop(RunContext& c, const std::string& what, long value, int limit, int line) {
  StopLine().Text(what).Is(line).Num(value).Stop(
      c, "WHICH IS GREATER THAN THE LIMIT OF " + std::to_string(limit) + ", SO COMPUTATION STOPS.");
}

}  // namespace pave::layered
