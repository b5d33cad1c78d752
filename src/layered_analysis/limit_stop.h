// Stops of the input for a count or number beyond what the analysis can hold, in the style of the
// other input stops: the reason goes into the report, NSTOP is set, and the message box text is
// returned for the run to show.
#pragma once

#include <string>
#include <string_view>

#include "common/line_writer.h"
#include "layered_analysis/problem_state.h"

namespace pave::layered {

// Report: an empty line, "<what> <value> <context>" and "WHICH IS GREATER THAN THE LIMIT OF <limit>,
// SO COMPUTATION STOPS."; message: the same on one line.
std::string LimitStop(ProblemState& s, LineWriter& rep, std::string_view what, long value, long limit,
                      std::string_view context = {});

}  // namespace pave::layered
