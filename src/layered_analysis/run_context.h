// What every step of a layered analysis run works with: the problem state, the open data file, the
// report and layer graph file writers, the progress log and the window (or terminal) host.
#pragma once

#include <string>
#include <vector>

#include "common/analysis_host.h"
#include "common/free_format_reader.h"
#include "common/line_writer.h"
#include "common/number_format.h"
#include "common/value_ranges.h"
#include "layered_analysis/layered_responses.h"
#include "layered_analysis/problem_state.h"

namespace pave::layered {

inline constexpr int kProgressLineLimit = 28;

struct RunContext {
  ProblemState& s;
  FreeFormatReader& in;
  LineWriter& report;
  LineWriter& graph;
  ProgressLog& log;
  AnalysisHost& host;
  ResponseIntegrator& integrator;
};

// Progress log: appends text and shows the log.
void Progress(RunContext& c, const std::string& text);

// An input stop: an empty line and the given lines in the report, NSTOP = 1, the message in the
// progress text and in the message box.
// Each report line is written by the caller-supplied function (items with their blanks).
struct ReportLine {
  std::vector<std::string> texts;  // already formatted items, written one after another
};
void Stop(RunContext& c, const std::vector<ReportLine>& lines, const std::string& message);

// The place of a value in the data file as an input stop names it after the item: "(LINE 12)".
inline std::string LineMark(int line) { return "(LINE " + std::to_string(line) + ")"; }

// The common form of an input stop: a line of texts and numbers, then a tail. The report shows the
// line with its numbers as report items (GenNum) and the tail on a line of its own; the message is
// the line's parts in their Str form joined by single blanks, a blank and the tail.
class StopLine {
 public:
  StopLine& Text(const std::string& text) { return Add(text, text); }
  template <class T>
  StopLine& Num(T value) { return Add(GenNum(value), Str(value)); }
  // "IS" after the item, with the line of the data file the value stands in when it is known (> 0):
  // "... (LINE 12) IS".
  StopLine& Is(int line);
  void Stop(RunContext& c, const std::string& tail) const;

 private:
  StopLine& Add(const std::string& report, const std::string& message);
  ReportLine report_;
  std::string message_;
};

// The stop of a value that has no physical or counting sense:
//   "<what> IS v" / "WHICH SHOULD <rule>, SO COMPUTATION STOPS."
// `what` is the line naming the item; a value read by the reader's Read names its line:
// "<what> (LINE n) IS v".
template <class T>
void ValueStop(RunContext& c, StopLine what, const T& value, const std::string& rule) {
  what.Is(c.in.LineOf(&value)).Num(value).Stop(c, "WHICH SHOULD " + rule + ", SO COMPUTATION STOPS.");
}
template <class T>
void ValueStop(RunContext& c, const std::string& what, const T& value, const std::string& rule) {
  ValueStop(c, StopLine().Text(what), value, rule);
}

// Stops when v lies outside the range of its kind: the line (which names the item), the line of the
// data file v was read from, "IS", v in the data set's unit and "WHICH SHOULD BE <range and unit>, SO
// COMPUTATION STOPS.". True when it stopped.
bool RangeStop(RunContext& c, StopLine line, const float& v, const ValueRange& range);

// The limit stop of the counts and tables:
//   report "<what> IS n" / "WHICH IS GREATER THAN THE LIMIT OF m, SO COMPUTATION STOPS."
//   message "<what> IS n WHICH IS GREATER THAN THE LIMIT OF m, SO COMPUTATION STOPS."
// `line`: the line of the data file the count stands in, when it is known (> 0).
void LimitStop(RunContext& c, const std::string& what, long value, int limit, int line = 0);

}  // namespace pave::layered
