#include "layered_analysis/extended_analyses.h"

#include "common/number_format.h"
#include "layered_analysis/collocation.h"
#include "layered_analysis/damage_analysis.h"
#include "layered_analysis/modulus_iteration.h"
#include "layered_analysis/modulus_points.h"
#include "layered_analysis/nonlinear_input.h"
#include "layered_analysis/problem_fault.h"
#include "layered_analysis/response_tables.h"
#include "layered_analysis/superposition.h"
#include "layered_analysis/viscoelastic_input.h"

namespace pave::layered {

bool CheckAnalysesAvailable(RunContext& c) {
  ProblemState& s = c.s;
  if (s.MATL < 1 || s.MATL > 4) {
    ValueStop(c, "THE MATERIAL CODE (MATL)", s.MATL, "BE 1, 2, 3 OR 4");
    return false;
  }
  if (s.NDAMA < 0 || s.NDAMA > 2) {
    ValueStop(c, "THE DAMAGE CODE (NDAMA)", s.NDAMA, "BE 0, 1 OR 2");
    return false;
  }
  return true;
}

namespace {

// Responses computed per point: all nine whenever a damage analysis needs the strains.
int ComputedResponses(const ProblemState& s) { return s.NDAMA != 0 ? 9 : s.NSTD; }

// The starting moduli of the nonlinear layers, at iteration 1.
void ShowStartingModuli(RunContext& c, bool combined) {
  ProblemState& s = c.s;
  c.report.End();
  c.report.Text("AT ITERATION").Num(s.IT).Text("LAYER NO. AND MODULUS ARE :   ");
  WriteModulusPairs(s, c.report);
  c.log.Line("AT ITERATION " + Str(s.IT) + (combined ? "  LAYER NO. AND MODULUS ARE:" : "  LAYER NO. AND MODULUS ARE :"));
  c.log.Display();
  for (int i = 1; i <= s.NOLAY; ++i) {
    const int L = s.LAYNO(i);
    c.log.text += LnUp(L, 4, "##") + LnUp(s.E(L), 11, "0.000E+00");
    if (i % 5 == 0 && i != s.NOLAY) {
      c.log.text += "\r\n";
      c.log.Display();
    }
  }
  c.log.text += "\r\n";
  if (combined) {
    c.log.lines += 1;
  } else {
    c.log.Display();
  }
}

// Stresses of the load at the modulus points with the current moduli.
void StressesAtModulusPoints(RunContext& c) {
  ProblemState& s = c.s;
  if (s.YW(s.LG) >= 0.0001f && s.LOAD(s.LG) != 0) {
    NONLAY(s, 2, &c.log);
    SUPERP(s);
  } else {
    NONLAY(s, 1, &c.log);
  }
}

// ENOLIN with its fault turned into the stop of this problem.
void UpdateModuli(RunContext& c) { ENOLIN(c.s, c.report, c.log); }

// Viscoelastic layers at creep time T of the current period. A compliance fitted to no positive value
// names the line of the layer's compliances as read.
void CreepModuli(RunContext& c, int T) {
  ProblemState& s = c.s;
  for (int j = 1; j <= s.NVL; ++j) {
    const float d = s.CREEP(j, T, s.IP);
    if (!(d > 0.0f)) {
      throw ProblemFault("THE CREEP COMPLIANCE OF LAYER " + Str(s.LNV(j)) + " AT TIME " + Str(s.TYME(T)) + " IN PERIOD " +
                         Str(s.IP) + " " + LineMark(c.in.LineOf(&s.CREEP(j, T, 1))) +
                         " IS NOT GREATER THAN 0, SO THIS PROBLEM STOPS.");
    }
    s.E(s.LNV(j)) = 1.0f / d;
  }
}

// Responses of the viscoelastic analysis at every creep time, under a stationary load (a table per
// time) or a moving load (collocated, one table).
void ViscoelasticResponses(RunContext& c) {
  ProblemState& s = c.s;
  const int LG = s.LG;
  const bool single = s.LOAD(LG) == 0;
  const int npos = single ? 1 : s.NPT(LG);
  const int nr1 = single ? s.NR(LG) : 1;
  const int nstd = ComputedResponses(s);
  const int nz = s.NZ;
  const int nt = s.NTYME;
  const bool moving = s.DUR > 0.0f;  // a negative duration counts as a stationary load
  for (int ipt = 1; ipt <= npos; ++ipt) {
    s.IPT = static_cast<i16>(ipt);
    for (int T = 1; T <= nt; ++T) {
      CreepModuli(c, T);
      Layers(c, ipt, nstd);
      if (!single) SUPPRI(s);
      if (!moving) {
        c.report.End();
        c.report.Text("TIME = ").Num(s.TYME(T)).End();
        if (single) SINOUT(c); else MULOUT(c);
      } else {
        for (int L1 = 1; L1 <= nr1; ++L1)
          for (int L2 = 1; L2 <= nz; ++L2)
            for (int K = 1; K <= nstd; ++K)
              s.RESPT((L1 - 1) * nz * nstd * nt + (L2 - 1) * nstd * nt + (K - 1) * nt + T) = s.RESP(L1, L2, K);
      }
    }
    if (moving) {
      COLLOC(s, nr1, nstd, nz, c.log);
      AFTCOL(s, nr1, nstd, nz);
      if (single) SINOUT(c); else MULOUT(c);
    }
  }
}

}  // namespace

void AnalyseNonlinear(RunContext& c) {
  ProblemState& s = c.s;
  for (int it = 1; it <= 20; ++it) {
    s.IT = static_cast<i16>(it);
    if (it == 1) {
      ShowStartingModuli(c, false);
    } else {
      UpdateModuli(c);
      if (s.NOCONV == 0) break;
    }
    StressesAtModulusPoints(c);
  }
  AnalyseLinear(c);
}

void AnalyseViscoelastic(RunContext& c) { ViscoelasticResponses(c); }

void AnalyseViscoelasticNonlinear(RunContext& c) {
  ProblemState& s = c.s;
  const int nt = s.NTYME;
  const int nolay = s.NOLAY;
  const bool moving = s.DUR > 0.0f;  // a negative duration counts as a stationary load
  for (int it = 1; it <= 20; ++it) {
    s.IT = static_cast<i16>(it);
    if (it == 1) {
      ShowStartingModuli(c, true);
    } else {
      UpdateModuli(c);
      if (s.NOCONV == 0) break;
    }
    for (int T = 1; T <= nt; ++T) {
      CreepModuli(c, T);
      StressesAtModulusPoints(c);
      if (moving) {
        for (int K = 1; K <= nolay; ++K)
          for (int st = 1; st <= 3; ++st) s.RESPT((K - 1) * 3 * nt + (st - 1) * nt + T) = s.RESP(1, K, st);
      }
    }
    if (moving) {
      COLLOC(s, 1, 3, nolay, c.log);
      AFTCOL(s, 1, 3, nolay);
    }
  }
  ViscoelasticResponses(c);
}

}  // namespace pave::layered
