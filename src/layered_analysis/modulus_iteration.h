// Modulus update of the nonlinear layers (one step of the nonlinear iteration): total stresses at the
// modulus points, the stress-dependent moduli with relaxation, the report and progress lines, and the
// decision whether another iteration is needed (NOCONV).
#pragma once

#include <stdexcept>

#include "common/analysis_host.h"
#include "common/line_writer.h"
#include "layered_analysis/problem_state.h"

namespace pave::layered {

// A modulus that cannot be formed (a negative bulk stress of a granular layer, a new modulus of 0 or
// less): the problem cannot go on. what() is the message for the report and the message box.
class ModulusFaultError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// New moduli E(LAYNO(i)) from RESP(1, i, 1..3) of the current period s.IP; sets NOCONV; leaves the total
// (adjusted) stresses in RESP(1, i, 1..3). Throws ModulusFaultError.
void ENOLIN(ProblemState& s, LineWriter& rep, ProgressLog& log);

// The pairs of layer number and modulus of the nonlinear layers ("##" in 4, "0.000E+00" in 11): a line
// end after the second pair unless it is the last, the rest on a second line, then a line end.
void WriteModulusPairs(const ProblemState& s, LineWriter& rep);

}  // namespace pave::layered
