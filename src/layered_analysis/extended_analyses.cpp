#include "layered_analysis/extended_analyses.h"

#include "common/number_format.h"

namespace pave::layered {

bool CheckAnalysesAvailable(RunContext& c) {
  ProblemState& s = c.s;
  if (s.MATL < 1 || s.MATL > 4) {
    const std::string tail = "WHICH SHOULD BE 1, 2, 3 OR 4, SO COMPUTATION STOPS.";
    Stop(c, {{{"THE MATERIAL CODE (MATL) IS", GenNum(s.MATL)}}, {{tail}}},
         "THE MATERIAL CODE (MATL) IS " + Str(s.MATL) + " " + tail);
    return false;
  }
  if (s.NDAMA < 0 || s.NDAMA > 2) {
    const std::string tail = "WHICH SHOULD BE 0, 1 OR 2, SO COMPUTATION STOPS.";
    Stop(c, {{{"THE DAMAGE CODE (NDAMA) IS", GenNum(s.NDAMA)}}, {{tail}}},
         "THE DAMAGE CODE (NDAMA) IS " + Str(s.NDAMA) + " " + tail);
    return false;
  }
  if (s.MATL != 1) {
    const std::string tail = "ONLY MATL = 1 (LINEAR ELASTIC) CAN BE ANALYSED BY THIS VERSION, SO COMPUTATION STOPS.";
    Stop(c, {{{"THE MATERIAL CODE (MATL) IS", GenNum(s.MATL)}}, {{tail}}},
         "THE MATERIAL CODE (MATL) IS " + Str(s.MATL) + ". " + tail);
    return false;
  }
  if (s.NDAMA != 0) {
    const std::string tail = "THE DAMAGE ANALYSIS IS NOT AVAILABLE IN THIS VERSION, SO COMPUTATION STOPS.";
    Stop(c, {{{"THE DAMAGE CODE (NDAMA) IS", GenNum(s.NDAMA)}}, {{tail}}},
         "THE DAMAGE CODE (NDAMA) IS " + Str(s.NDAMA) + ". " + tail);
    return false;
  }
  return true;
}

// Not reached while CheckAnalysesAvailable admits only the linear analysis without damage.
void NOLINP(RunContext& c) { c.s.NSTOP = 1; }
void VISINP(RunContext& c) { c.s.NSTOP = 1; }
void DAMINP(RunContext& c) { c.s.NSTOP = 1; }
void AnalyseNonlinear(RunContext&) {}
void AnalyseViscoelastic(RunContext&) {}
void AnalyseViscoelasticNonlinear(RunContext&) {}
void DamageStep(RunContext&) {}
void DamageSummary(RunContext&) {}

}  // namespace pave::layered
