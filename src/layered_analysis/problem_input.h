// Input of one problem of the layered data file: records (2) to (5) with the format check and their
// echo, records (6) to (20) (ELAINP) with their checks, stops and the wheel layout of every load
// group, and the checks made before the analysis starts.
#pragma once

#include <string>

#include "layered_analysis/run_context.h"

namespace pave::layered {

// Records (2) to (5). Returns the message of the stop when the problem cannot be analysed: a title
// that cannot be analysed under (the records after it are then not read), or an identifier of
// record (5) that does not end in "NUNIT"; empty otherwise.
std::string ReadGeneralRecords(RunContext& c);
// Echo of records (2) to (5) to the report and the layer graph file.
void EchoGeneralRecords(RunContext& c);
// Records (6) to (20); sets NSTOP when the computation must stop.
void ELAINP(RunContext& c);
// Checks of the values the analysis divides by (layer thickness, contact radius, moduli) and of the
// codes it dispatches on; sets NSTOP with a message when one fails.
void CheckBeforeAnalysis(RunContext& c);
// After the nonlinear and viscoelastic records: a modulus of 0 (or -0) is taken only for a
// viscoelastic layer, whose modulus comes from its creep compliances; for any other layer (a
// nonlinear layer starts its iteration from it) it stops the computation naming the layer, the period
// and the line.
void CheckGivenModuli(RunContext& c);

// Geometry of wheels first..last of load group LG to each of its response points.
void WheelGeometry(ProblemState& s, int LG, int first, int last);

}  // namespace pave::layered
