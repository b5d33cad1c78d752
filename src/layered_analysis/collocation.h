// Collocation of the responses collected at the creep times into Dirichlet series over the problem's
// retardation times, and the responses under the moving load of duration DUR evaluated from them.
#pragma once

#include "common/analysis_host.h"
#include "layered_analysis/run_context.h"

namespace pave::layered {

// DCOEF of every response c = (r-1) Nnz Nnstd + (z-1) Nnstd + s from RESPT((c-1) NTYME + i). The
// progress log gets its line unless MATL is 4. A singular fit throws SingularSolve.
void COLLOC(ProblemState& s, int Nnr1, int Nnstd, int Nnz, ProgressLog& log);

// RESP(r, z, s) = response under the moving load, from the collocated series.
void AFTCOL(ProblemState& s, int Nnr1, int Nnstd, int Nnz);

// Responses that a load group of the problem collects for collocation, checked against the arrays
// that hold them; a stop (NSTOP) when they do not fit. Call after the input, before the analysis.
void CollocationLimitStop(RunContext& c);

}  // namespace pave::layered
