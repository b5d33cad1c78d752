// Input of the viscoelastic layers of one problem (records (36) to (44)): echo to the report, the
// viscoelastic block of the layer graph file, the retardation times, the least-squares Dirichlet fit
// of the creep compliances of every viscoelastic layer, and the compliances of each period by
// time-temperature superposition.
#pragma once

#include <string>

#include "common/free_format_reader.h"
#include "common/line_writer.h"
#include "layered_analysis/problem_state.h"

namespace pave::layered {

// Reads where the previous input ended. Returns the message box text of a limit stop (NSTOP is then
// set and the reason is in the report), otherwise an empty text. A singular fit throws SingularSolve.
std::string VISINP(ProblemState& s, FreeFormatReader& in, LineWriter& rep, LineWriter& lay);

// Writes a list of compliances or coefficients: fields of 11 columns ("0.000E+00"), the first seven on
// one line, the rest on a second; a line end after the list.
void WriteCreepList(LineWriter& rep, const double* values, int n);

}  // namespace pave::layered
