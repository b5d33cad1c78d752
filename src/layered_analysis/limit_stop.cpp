#include "layered_analysis/limit_stop.h"

#include "common/number_format.h"

namespace pave::layered {

std::string LimitStop(ProblemState& s, LineWriter& rep, std::string_view what, long value, long limit,
                      std::string_view context) {
  const std::string tail =
      "WHICH IS GREATER THAN THE LIMIT OF " + std::to_string(limit) + ", SO COMPUTATION STOPS.";
  rep.End();
  rep.Text(what).Num(static_cast<int>(value)).Text(context).End();
  rep.Text(tail).End();
  s.NSTOP = 1;
  std::string msg(what);
  msg += " " + Str(value);
  if (!context.empty()) msg += " " + std::string(context);
  msg += " " + tail;
  return msg;
}

}  // namespace pave::layered
