// Input of the nonlinear layers of one problem (records (25) to (33) of the layered data file): echo
// to the report, the nonlinear block of the layer graph file, unit weights per unit depth, the
// Mohr-Coulomb coefficients of the granular layers, the geostatic stresses at the modulus points and
// the modulus points of every load group.
#pragma once

#include "layered_analysis/nonlinear_modulus.h"
#include "layered_analysis/problem_state.h"

namespace pave::layered {

// NOLINP(RunContext&), declared with the other steps of the run, reads where the layer and load records
// ended. Counts and layer numbers beyond their tables throw (TableIndexError), as does a value that
// cannot be read (DataError).

// Law of nonlinear layer i in period p, for the modulus update.
NonlinearLaw LawOf(const ProblemState& s, int i, int p);

}  // namespace pave::layered
