// Input of the viscoelastic layers of one problem (records (36) to (44)): echo to the report, the
// viscoelastic block of the layer graph file, the retardation times, the least-squares Dirichlet fit
// of the creep compliances of every viscoelastic layer, and the compliances of each period by
// time-temperature superposition.
#pragma once

#include "common/line_writer.h"

namespace pave::layered {

// VISINP(RunContext&), declared with the other steps of the run, reads where the previous input
// ended; a count beyond its table stops the run (NSTOP), a singular fit throws SingularSolve.

// Writes a list of compliances or coefficients: fields of 11 columns ("0.000E+00"), the first seven on
// one line, the rest on a second; a line end after the list.
void WriteCreepList(LineWriter& rep, const double* values, int n);

}  // namespace pave::layered
