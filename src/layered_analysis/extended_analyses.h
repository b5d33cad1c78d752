// The parts of a run beyond the linear elastic analysis: nonlinear layers, viscoelastic layers and
// the damage analysis. The run driver calls them at their places; each works on the run context.
#pragma once

#include "layered_analysis/run_context.h"

namespace pave::layered {

// Whether the problem's material code and damage code can be analysed; when not, stops the run
// (report lines, message box, NSTOP) and returns false. Called after the layer and load input.
bool CheckAnalysesAvailable(RunContext& c);

// Input of the nonlinear layers (MATL 2 or 4), the viscoelastic layers (MATL 3 or 4) and the damage
// analysis (NDAMA > 0); each may set NSTOP.
void NOLINP(RunContext& c);
void VISINP(RunContext& c);
void DAMINP(RunContext& c);

// LAYERS with its progress line, and the linear elastic analysis of the current load group (also
// the last step of the nonlinear analysis). A damage analysis computes the strains whatever NSTD is.
void Layers(RunContext& c, int IptL, int NstdL);
void AnalyseLinear(RunContext& c);

// The analysis of the current period, load group and pass for MATL 2, 3 and 4.
void AnalyseNonlinear(RunContext& c);
void AnalyseViscoelastic(RunContext& c);
void AnalyseViscoelasticNonlinear(RunContext& c);

// Damage step after the response tables of a pass, and the summary with the design life after the
// last period of a problem.
void DamageStep(RunContext& c);
void DamageSummary(RunContext& c);

}  // namespace pave::layered
