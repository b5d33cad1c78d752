#include "layered_analysis/response_tables.h"

#include <cmath>

#include "common/number_format.h"
#include "layered_analysis/problem_fault.h"

namespace pave::layered {

namespace {

// Effective modulus at a picked strain: the stress-to-strain ratio that equals the modulus of an
// elastic layer, (s - nu * (o1 + o2)) / eps; the current modulus when the strain is 0.
float EffectiveModulus(const ProblemState& s, int I, float sigma, float o1, float o2, float eps) {
  const int L = s.work.LAY(I);
  if (eps == 0.0f) return s.E(L);
  return (sigma - s.PR(L) * (o1 + o2)) / eps;
}

// The responses that a table prints or a damage analysis picks: wheel J's at depth I. A load or
// a modulus so extreme that a response leaves the range of single precision stops the problem
// before its table is written, instead of printing an undefined number.
bool InRange(const ProblemState& s, int J, int I) {
  const int nstd = s.NDAMA != 0 ? 9 : s.NSTD;
  for (int K = 1; K <= nstd; ++K)
    if (!std::isfinite(s.RESP(J, I, K))) return false;
  return true;
}

}  // namespace

void SINOUT(RunContext& c) {
  ProblemState& s = c.s;
  LineWriter& w = c.report;
  const int LG = s.LG;
  for (int J = 1; J <= s.NR(LG); ++J)
    for (int I = 1; I <= s.NZ; ++I)
      if (!InRange(s, J, I))
        throw ProblemFault("THE RESPONSES AT RADIAL COORDINATE " + Str(s.RC(J, 1, LG)) + " AND VERTICAL COORDINATE " +
                           Str(s.ZC(I)) + " ARE OUT OF RANGE, SO THIS PROBLEM STOPS.");
  if (s.NDAMA != 1) w.End();
  if (s.NSTD == 1) {
    w.Text("    RADIAL          VERTICAL         VERTICAL").End();
    w.Text("  COORDINATE       COORDINATE      DISPLACEMENT").End();
  } else if (s.NSTD == 5) {
    w.Text("    RADIAL     VERTICAL     VERTICAL   VERTICAL  RADIAL   TANG.    SHEAR").End();
    w.Text("  COORDINATE  COORDINATE  DISPLACEMENT  STRESS   STRESS   STRESS   STRESS").End();
  } else if (s.NDAMA != 1) {
    w.Text("   RADIAL     VERTICAL     VERTICAL   VERTICAL    RADIAL  TANGENTIAL   SHEAR").End();
    w.Text(" COORDINATE  COORDINATE  DISPLACEMENT  STRESS     STRESS    STRESS     STRESS").End();
    w.Text("                                      (STRAIN)   (STRAIN)  (STRAIN)   (STRAIN)").End();
  }
  for (int I = 1; I <= s.NZ; ++I) s.DMSTR(I) = 0;

  for (int J = 1; J <= s.NR(LG); ++J) {
    const float r = s.RC(J, 1, LG);
    for (int I = 1; I <= s.NZ; ++I) {
      const float z = s.ZC(I);
      if (z < 0.0001f) s.RESP(J, I, 2) = r <= s.CR(LG) ? s.CP(LG) : 0.0f;
      auto R = [&](int K) { return static_cast<double>(s.RESP(J, I, K)); };
      if (s.NSTD == 1) {
        w.Text(LnUp(r, 11, "##0.00000")).Text(LnUp(z, 17, "####0.00000")).Text(LnUp(R(1), 17, "####0.00000")).End();
      } else if (s.NSTD == 5) {
        w.Text(LnUp(r, 10, "##0.00000#")).Text(LnUp(z, 12, "####0.00000")).Text(LnUp(R(1), 14, "####0.00000"));
        w.Text(LnUp(R(2), 10, "####0.000"));
        for (int K = 3; K <= 5; ++K) w.Text(LnUp(R(K), 9, "####0.000"));
        w.End();
      } else if (s.NDAMA != 1) {
        w.Text(LnUp(r, 10, "###0.00000")).Text(LnUp(z, 12, "####0.00000")).Text(LnUp(R(1), 12, "####0.00000"));
        for (int K = 2; K <= 4; ++K) w.Text(LnUp(R(K), 11, "####0.000"));
        w.Text(LnUp(R(5), 10, "####0.000")).End();
        w.Text("  (STRAIN)").Tab(36);
        for (int K = 6; K <= 8; ++K) w.Text(LnUp(R(K), 11, "0.000E+00"));
        w.Text(LnUp(R(9), 10, ".000E+00")).End();
      }
      if (s.NDAMA != 0) {
        const float sz = s.RESP(J, I, 2), sr = s.RESP(J, I, 3), st = s.RESP(J, I, 4);
        if (I <= s.NLBT) {
          if (s.RESP(J, I, 7) <= s.DMSTR(I)) {
            s.DMSTR(I) = s.RESP(J, I, 7);
            s.EMOD(I) = EffectiveModulus(s, I, sr, st, sz, s.DMSTR(I));
          }
          if (s.RESP(J, I, 8) <= s.DMSTR(I)) {
            s.DMSTR(I) = s.RESP(J, I, 8);
            s.EMOD(I) = EffectiveModulus(s, I, st, sr, sz, s.DMSTR(I));
          }
        } else if (s.RESP(J, I, 6) > s.DMSTR(I)) {
          s.DMSTR(I) = s.RESP(J, I, 6);
        }
      }
    }
  }
}

void MULOUT(RunContext& c) {
  ProblemState& s = c.s;
  LineWriter& w = c.report;
  const int LG = s.LG, IPT = s.IPT;
  for (int I = 1; I <= s.NZ; ++I)
    if (!InRange(s, 1, I))
      throw ProblemFault("THE RESPONSES AT POINT NO. " + Str(IPT) + " AND VERTICAL COORDINATE " + Str(s.ZC(I)) +
                         " ARE OUT OF RANGE, SO THIS PROBLEM STOPS.");
  if (IPT == 1) {
    w.End();
    if (s.NSTD == 1) {
      w.Text("  POINT           VERTICAL         VERTICAL").End();
      w.Text("   NO.           COORDINATE      DISPLACEMENT").End();
    } else if (s.NSTD == 5) {
      w.Text(" POINT    VERTICAL   VERTICAL  VERTICAL     MAJOR       MINOR   INTERMEDIATE").End();
      w.Text("                                          PRINCIPAL   PRINCIPAL   PRINCIPAL").End();
      w.Text("  NO.    COORDINATE    DISP.    STRESS      STRESS      STRESS      STRESS").End();
    } else if (s.NDAMA != 1) {
      w.Text(" POINT    VERTICAL   VERTICAL   VERTICAL     MAJOR       MINOR  INTERMEDIATE").End();
      w.Text("                                           PRINCIPAL    PRINCIAL  P. STRESS").End();
      w.Text("  NO.    COORDINATE    DISP.     STRESS      STRESS      STRESS  (HORIZONTAL").End();
      w.Text("                                (STRAIN)    (STRAIN)    (STRAIN)  P. STRAIN)").End();
    }
    for (int I = 1; I <= s.NZ; ++I) {
      s.DMSTR(I) = 0;
      if (s.IPASS == 1) s.DMPT(I) = 0;  // no stale pick from an earlier load group
    }
  }
  for (int I = 1; I <= s.NZ; ++I) {
    const float z = s.ZC(I);
    if (z < 0.0001f) {
      // Surface: the contact pressure when the point lies within the contact radius of one of the
      // current group's wheels (RC holds the distance from each wheel of the current layout).
      s.RESP(1, I, 2) = 0;
      for (int J = 1; J <= s.NR(LG); ++J) {
        if (s.RC(J, IPT, LG) <= s.CR(LG)) {
          s.RESP(1, I, 2) = s.CP(LG);
          break;
        }
      }
    }
    auto R = [&](int K) { return static_cast<double>(s.RESP(1, I, K)); };
    if (s.NSTD == 1) {
      w.Text(LnUp(IPT, 4, "##")).Text("    ").Text(LnUp(z, 17, "####0.00000")).Text(LnUp(R(1), 17, "####0.00000")).End();
    } else if (s.NSTD == 5) {
      w.Text(LnUp(IPT, 3, "###")).Text("   ").Text(LnUp(z, 10, "###0.00000")).Text(LnUp(R(1), 11, "####0.000"));
      w.Text(LnUp(R(2), 12, "####0.000")).Text(LnUp(R(3), 11, "####0.000"));
      w.Text(LnUp(R(4), 12, "####0.000")).Text(LnUp(R(5), 12, "####0.000")).End();
    } else if (s.NDAMA != 1) {
      w.Text(LnUp(IPT, 3, "###")).Text(LnUp(z, 14, "###0.00000")).Text(LnUp(R(1), 11, "###0.00000"));
      for (int K = 2; K <= 5; ++K) w.Text(LnUp(R(K), 12, "####0.000"));
      w.End();
      w.Text("          (STRAIN)           ");
      for (int K = 6; K <= s.NSTD; ++K) w.Text(LnUp(R(K), 12, "0.000E+00"));
      w.End();
    }
    if (s.NDAMA != 0) {
      if (I <= s.NLBT) {
        if (s.IPASS == 1) {
          if (s.RESP(1, I, 9) <= s.DMSTR(I)) {
            s.DMSTR(I) = s.RESP(1, I, 9);
            s.DMPT(I) = static_cast<i16>(IPT);
            s.EMOD(I) = EffectiveModulus(s, I, s.RESP(1, I, 4), s.RESP(1, I, 3), s.RESP(1, I, 5), s.RESP(1, I, 8));
          }
        } else if (s.DMPT(I) == IPT) {
          s.DMSTR(I) = s.RESP(1, I, 9) >= 0.0f ? 0.0f : s.RESP(1, I, 9);
        }
      } else {
        if (s.IPASS == 1) {
          if (s.RESP(1, I, 6) > s.DMSTR(I)) {
            s.DMSTR(I) = s.RESP(1, I, 6);
            s.DMPT(I) = static_cast<i16>(IPT);
          }
        } else if (s.DMPT(I) == IPT) {
          s.DMSTR(I) = s.RESP(1, I, 6) <= 0.0f ? 0.0f : s.RESP(1, I, 6);
        }
      }
    }
  }
  if (s.NDAMA == 2) w.End();
}

}  // namespace pave::layered
