// Modulus update of the nonlinear layers (one step of the nonlinear iteration): total stresses at the
// modulus points, the stress-dependent moduli with relaxation, the report and progress lines, and the
// decision whether another iteration is needed (NOCONV).
#pragma once

#include "common/analysis_host.h"
#include "common/line_writer.h"
#include "layered_analysis/problem_fault.h"
#include "layered_analysis/problem_state.h"

namespace pave::layered {

// New moduli E(LAYNO(i)) from RESP(1, i, 1..3) of the current period s.IP; sets NOCONV; leaves the total
// (adjusted) stresses in RESP(1, i, 1..3). Throws ProblemFault for a granular layer whose bulk stress is negative
// or a new modulus of 0 or less.
void ENOLIN(ProblemState& s, LineWriter& rep, ProgressLog& log);

// The pairs of layer number and modulus of the nonlinear layers ("##" in 4, "0.000E+00" in 11): a line
// end after the second pair unless it is the last, the rest on a second line, then a line end.
void WriteModulusPairs(const ProblemState& s, LineWriter& rep);

}  // namespace pave::layered
