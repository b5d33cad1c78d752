#include "slab_analysis/slab_run.h"

#include <cmath>
#include <limits>

#include "common/number_format.h"

namespace pave::slab {

SlabRun::SlabRun(const SlabVariant& v, AnalysisHost& h, SlabExtensions e)
    : variant(v),
      noting_(h),
      host(noting_),
      ext(std::move(e)),
      state(std::make_unique<SlabState>(v.nstore)),
      s(*state),
      log(h, 22) {}

void SlabRun::CreateOutputs() {
  outputs = std::make_unique<RunOutputs>(reportName, graphName, "slab graph file");
  outputs->Open();
  rep = std::make_unique<LineWriter>(outputs->report());
  gra = std::make_unique<LineWriter>(outputs->graph());
}

void SlabRun::PassGraphLines() {
  if (outputs) outputs->PassGraphLines();
}

void SlabRun::RecordStop() {
  if (!outputs) return;
  const std::string& why = noting_.last_message;
  if (!why.empty()) {
    if (rep->Column() != 1) rep->End();
    rep->End();
    rep->Text(why).End();
    // The window keeps the reason beside the closing text once the message box is gone.
    log.Line(why);
  }
  if (problem > 0)
    outputs->StopGraphProblem(s.TITLE);
  else
    outputs->StopGraphBeforeProblems();
}

std::string SlabRun::CommitOutputs() { return outputs ? outputs->Commit() : std::string(); }

FreeFormatReader& SlabRun::In() {
  if (!in) throw DataError("data file not open");
  return *in;
}

void SlabRun::LimitStop(const std::string& message) {
  host.Message(message);
  throw EndPath{};
}

double Div(double a, double b) {
  if (b == 0.0) throw ArithmeticError("division by zero");
  return Finite(a / b);
}

double Finite(double v, const char* what) {
  if (!std::isfinite(v)) throw ArithmeticError(what);
  return v;
}

float Single(double v) {
  if (!(std::fabs(v) <= std::numeric_limits<float>::max())) throw ArithmeticError("overflow");
  return static_cast<float>(v);
}

int Count(double v) {
  if (!std::isfinite(v)) throw CountError("a count is not a finite number");
  if (v < -32768.5 || v > 32767.5) throw CountError("a count of" + Str(v) + " lies outside -32768..32767");
  return static_cast<int>(std::lround(v));
}

}  // namespace pave::slab
