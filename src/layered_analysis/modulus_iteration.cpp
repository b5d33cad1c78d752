#include "layered_analysis/modulus_iteration.h"

#include <cmath>
#include <string>

#include "common/number_format.h"
#include "common/value_ranges.h"
#include "layered_analysis/nonlinear_input.h"
#include "layered_analysis/nonlinear_modulus.h"

namespace pave::layered {

void WriteModulusPairs(const ProblemState& s, LineWriter& rep) {
  for (int i = 1; i <= s.NOLAY; ++i) {
    const int L = s.LAYNO(i);
    rep.Text(LnUp(L, 4, "##")).Text(LnUp(s.E(L), 11, "0.000E+00"));
    if (i == 2 && i != s.NOLAY) rep.End();
  }
  rep.End();
}

namespace {

void StressTable(const ProblemState& s, LineWriter& rep, const float (*st)[3]) {
  for (int i = 1; i <= s.NOLAY; ++i) {
    rep.Text(LnUp(s.LAYNO(i), 5, "##"));
    for (int k = 0; k < 3; ++k) rep.Text(LnUp(st[i][k], 11, "####0.000"));
    if (i % 2 == 0 && i != s.NOLAY) rep.End();
  }
  rep.End();
}

}  // namespace

void ENOLIN(ProblemState& s, LineWriter& rep, ProgressLog& log) {
  s.NOCONV = 0;
  const int p = s.IP;
  const int nolay = s.NOLAY;
  float eold[kMaxNonlinear + 1];
  float total[kMaxNonlinear + 1][3];
  float used[kMaxNonlinear + 1][3];
  for (int i = 1; i <= nolay; ++i) {
    const int L = s.LAYNO(i);
    eold[i] = s.E(L);
    const ModulusUpdate u = UpdateModulus(LawOf(s, i, p), s.GEOS(i), s.RESP(1, i, 1), s.RESP(1, i, 2),
                                          s.RESP(1, i, 3), eold[i], s.RELAX(p));
    if (u.fault == ModulusFault::NegativeBulkStress) {
      throw ProblemFault("THE BULK STRESS OF NONLINEAR LAYER " + Str(L) +
                              " IS NEGATIVE, SO ITS MODULUS CANNOT BE COMPUTED AND THIS PROBLEM STOPS.");
    }
    if (u.fault == ModulusFault::NonPositiveModulus) {
      throw ProblemFault("THE NEW MODULUS OF NONLINEAR LAYER " + Str(L) +
                              " IS NOT GREATER THAN 0, SO THIS PROBLEM STOPS.");
    }
    // Coefficients far out of any material's range can drive the modulus beyond what a layer has.
    if (const bool si = s.NUNIT != 0; !range::kModulus.Holds(u.e, si)) {
      throw ProblemFault("THE NEW MODULUS OF NONLINEAR LAYER " + Str(L) + " IS " + Str(u.e) + " " +
                         UnitName(range::kModulus, si) + ", OUTSIDE THE RANGE OF MODULI " + RangeRule(range::kModulus, si) +
                         ", SO THIS PROBLEM STOPS.");
    }
    // An earth-pressure coefficient or a unit weight far out of range can leave the stresses
    // infinite while the modulus stays within its bounds.
    for (const float v : {u.sz, u.sx, u.sy, u.sxa, u.sya}) {
      if (!std::isfinite(v)) {
        throw ProblemFault("THE STRESSES OF NONLINEAR LAYER " + Str(L) + " ARE OUT OF RANGE, SO THIS PROBLEM STOPS.");
      }
    }
    s.E(L) = u.e;
    total[i][0] = u.sz;
    total[i][1] = u.sx;
    total[i][2] = u.sy;
    used[i][0] = u.sz;
    used[i][1] = u.sxa;
    used[i][2] = u.sya;
    s.RESP(1, i, 1) = u.sz;
    s.RESP(1, i, 2) = u.sxa;
    s.RESP(1, i, 3) = u.sya;
  }

  rep.Text("AT ITERATION").Num(s.IT).Text("LAYER NO. AND MODULUS ARE :   ");
  WriteModulusPairs(s, rep);

  log.Line("AT ITERATION " + Str(s.IT) + "  LAYER NO., PREVIOUS ELASTIC MODULUS AND NEW MODULUS ARE:");
  log.Display();
  for (int i = 1; i <= nolay; ++i) {
    const int L = s.LAYNO(i);
    log.text += LnUp(L, 3, "##") + LnUp(eold[i], 10, "0.000E+00") + LnUp(s.E(L), 10, "0.000E+00");
    if (i % 3 == 0 && i != nolay) {
      log.text += "\r\n";
      log.Display();
    }
  }
  log.text += "\r\n";
  log.lines += 1;

  for (int i = 1; i <= nolay; ++i) {
    const int L = s.LAYNO(i);
    if (RelativeChange(s.E(L), eold[i]) > s.DELNOL && s.IT < s.ITENOL) {
      s.NOCONV = 1;
      return;
    }
  }
  rep.End();
  rep.Text("LAYER NUMBER AND THREE NORMAL STRESSES INCLUDING GEOSTATIC STRESSES").End();
  StressTable(s, rep, total);
  rep.End();
  rep.Text("LAYER NUMBER AND ADJUSTED THREE NORMAL STRESSES INCLUDING GEOSTATIC").End();
  rep.Text("STRESSES FOR COMPUTING ELASTIC MODULUS ARE:").End();
  StressTable(s, rep, used);
}

}  // namespace pave::layered
