#include "layered_analysis/nonlinear_input.h"

#include <cmath>
#include <string>

#include "common/number_format.h"
#include "layered_analysis/extended_analyses.h"
#include "layered_analysis/nonlinear_modulus.h"

namespace pave::layered {

namespace {

// Value list of the nonlinear echo: the count grows after each value by the length of its Str form
// plus 2 (with a decimal point) or 1, and the line is ended once it passes 78.
void WrappedAfter(LineWriter& rep, int& count, float v) {
  rep.Num(v);
  const std::string t = Str(v);
  count += static_cast<int>(t.size()) + (t.find('.') != std::string::npos ? 2 : 1);
  if (count > 78) {
    rep.End();
    count = 0;
  }
}

// A geostatic stress or a modulus point's coordinate that single precision cannot hold (depths,
// unit weights or the slope of load distribution far out of range) ends the run through the
// data-error path before it is written.
float InRange(float v) {
  if (!std::isfinite(v)) throw NumericFault("modulus point out of range");
  return v;
}

}  // namespace

NonlinearLaw LawOf(const ProblemState& s, int i, int p) {
  NonlinearLaw law;
  law.clay = s.NCLAY(i) == 1;
  law.k0 = s.K0(i);
  law.k2 = s.K2(i);
  law.k3 = s.K3(i);
  law.k4 = s.K4(i);
  law.k1 = s.K1(i, p);
  law.phi = s.PHI(i, p);
  law.emin = s.EMIN(i, p);
  law.emax = s.EMAX(i, p);
  law.mc.ka = s.KA(i, p);
  law.mc.kp = s.KP(i, p);
  return law;
}

void NOLINP(RunContext& c) {
  ProblemState& s = c.s;
  FreeFormatReader& in = c.in;
  LineWriter& rep = c.report;
  LineWriter& lay = c.graph;
  // (25) NOLAY ITENOL
  in.Read(s.NOLAY);
  float itenol = 0;   // read as it stands, so that a fraction is refused rather than rounded
  in.Read(itenol);
  in.SkipIdentifier();
  if (s.NOLAY < 0) return ValueStop(c, "THE NUMBER OF NONLINEAR LAYERS (NOLAY)", s.NOLAY, "NOT BE NEGATIVE");
  if (!range::kIterations.Holds(itenol, false) || std::floor(itenol) != itenol)
    return ValueStop(c, "THE MAXIMUM NUMBER OF ITERATIONS (ITENOL)", itenol,
                     "BE A WHOLE NUMBER " + RangeRule(range::kIterations, false));
  s.ITENOL = static_cast<i16>(itenol);
  const int nolay = s.NOLAY;
  if (nolay > kMaxNonlinear)
    return LimitStop(c, "THE NUMBER OF NONLINEAR LAYERS (NOLAY)", nolay, kMaxNonlinear, in.LineOf(&s.NOLAY));
  // (26) LAYNO NCLAY pairs, (27) ZCNOL: no record for an empty list.
  for (int i = 1; i <= nolay; ++i) {
    in.Read(s.LAYNO(i));
    in.Read(s.NCLAY(i));
  }
  for (int i = 1; i <= nolay; ++i) {
    if (s.LAYNO(i) > s.NL)
      return LimitStop(c, "THE NONLINEAR LAYER NUMBER (LAYNO)", s.LAYNO(i), s.NL, in.LineOf(&s.LAYNO(i)));
    if (s.LAYNO(i) < 1)
      return ValueStop(c, "THE NONLINEAR LAYER NUMBER (LAYNO) NO." + Str(static_cast<i16>(i)), s.LAYNO(i), "BE AT LEAST 1");
  }
  if (nolay > 0) in.SkipIdentifier();
  for (int i = 1; i <= nolay; ++i) in.Read(s.ZCNOL(i));
  if (nolay > 0) in.SkipIdentifier();
  // (28)
  in.Read(s.RCNOL);
  in.Read(s.XPTNOL);
  in.Read(s.YPTNOL);
  in.Read(s.SLD);
  in.Read(s.DELNOL);
  in.SkipIdentifier();
  if (!(s.DELNOL > 0)) return ValueStop(c, "THE TOLERANCE FOR NONLINEAR ANALYSIS (DELNOL)", s.DELNOL, "BE GREATER THAN 0");
  if (RangeStop(c, StopLine().Text("THE TOLERANCE FOR NONLINEAR ANALYSIS (DELNOL)"), s.DELNOL, range::kTolerance)) return;
  if (RangeStop(c, StopLine().Text("THE RADIAL COORDINATE (RCNOL) OF THE MODULUS POINTS"), s.RCNOL, range::kLength) ||
      RangeStop(c, StopLine().Text("THE SLOPE OF LOAD DISTRIBUTION (SLD)"), s.SLD, range::kLoadSpread))
    return;
  // The depth where a nonlinear layer's modulus is taken lies in the pavement, not above it.
  for (int i = 1; i <= nolay; ++i)
    if (RangeStop(c, StopLine().Text("THE Z COORDINATE (ZCNOL) OF NONLINEAR LAYER").Num(s.LAYNO(i)), s.ZCNOL(i),
                  range::kLength))
      return;
  // (29) RELAX, (30) GAM
  for (int p = 1; p <= s.NPY; ++p) in.Read(s.RELAX(p));
  if (s.NPY > 0) in.SkipIdentifier();
  for (int l = 1; l <= s.NL; ++l) {
    in.Read(s.GAM(l));
    s.GAMRead(l) = s.GAM(l);
  }
  if (s.NL > 0) in.SkipIdentifier();
  for (int l = 1; l <= s.NL; ++l)
    if (RangeStop(c, StopLine().Text("THE UNIT WEIGHT (GAM) OF LAYER").Num(static_cast<i16>(l)), s.GAM(l),
                  range::kUnitWeight))
      return;

  // Layer graph file: lines 13 to 17.
  lay.Num(s.NOLAY).End();
  for (int i = 1; i <= nolay; ++i) lay.Num(s.LAYNO(i)).Num(s.NCLAY(i));
  lay.End();
  for (int i = 1; i <= nolay; ++i) lay.Num(s.ZCNOL(i));
  lay.End();
  lay.Num(s.RCNOL).Num(s.XPTNOL).Num(s.YPTNOL).Num(s.SLD).End();
  for (int l = 1; l <= s.NL; ++l) lay.Num(s.GAMRead(l));
  lay.End();

  // Echo of (25) to (30).
  rep.End();
  rep.Text("NUMBER OF NONLINEAR LAYERS (NOLAY)-------------------------- = ").Num(s.NOLAY).End();
  rep.Text("MAXIMUM NUMBER OF ITERATIONS FOR NONLINEAR ANALYSIS (ITENOL) = ").Num(s.ITENOL).End();
  rep.End();
  rep.Text("LAYER NUMBER (LAYNO) AND SOIL TYPE (NCLAY) ARE: ");
  int count = 53;
  for (int i = 1; i <= nolay; ++i) {
    count += 3 + static_cast<int>(Str(s.LAYNO(i)).size());
    if (count > 78) {
      rep.End();
      count = 0;
    }
    rep.Num(s.LAYNO(i)).Num(s.NCLAY(i));
  }
  rep.End();
  rep.End();
  rep.Text("Z COORDINATES (ZCNOL) FOR COMPUTING ELASTIC MODULUS ARE: ");
  count = 57;
  for (int i = 1; i <= nolay; ++i) WrappedAfter(rep, count, s.ZCNOL(i));
  rep.End();
  rep.Text("R COORDINATE (RCNOL) FOR COMPUTING ELASTIC MODULUS ---------- = ").Num(s.RCNOL).End();
  rep.Text("X COORDINATE (XPTNOL) FOR COMPUTING ELASTIC MODULUS --------- = ").Num(s.XPTNOL).End();
  rep.Text("Y COORDINATE (YPTNOL) FOR COMPUTING ELASTIC MODULUS --------- = ").Num(s.YPTNOL).End();
  rep.Text("SLOPE OF LOAD DISTRIBUTION (SLD) ---------------------------- = ").Num(s.SLD).End();
  rep.Text("TOLERANCE (DELNOL) FOR NONLINEAR ANALYSIS ------------------- = ").Num(s.DELNOL).End();
  rep.Text("RELAXATION FACTORS (RELAX) FOR NONLINEAR ANALYSIS OF EACH PERIOD ARE:");
  for (int p = 1; p <= s.NPY; ++p) {
    if (p == 3) rep.End();
    rep.Num(s.RELAX(p));
  }
  rep.End();
  rep.End();
  rep.Text("UNIT WEIGHT OF LAYERS (GAM) ARE: ");
  count = 39;
  for (int l = 1; l <= s.NL; ++l) {
    WrappedAfter(rep, count, s.GAMRead(l));
    s.GAM(l) = UnitWeightPerDepth(s.GAMRead(l), s.NUNIT);
  }
  rep.End();
  rep.End();

  // (31) nonseasonal constants, echoed line by line.
  for (int i = 1; i <= nolay; ++i) {
    const bool clay = s.NCLAY(i) == 1;
    in.Read(s.K2(i));
    if (clay) {
      in.Read(s.K3(i));
      in.Read(s.K4(i));
    }
    in.Read(s.K0(i));
    in.SkipIdentifier();
    const char* nclay = s.LAYNO(i) >= 10 ? "   NCLAY = " : "    NCLAY = ";
    rep.Text("LAYER NO. = ").Num(s.LAYNO(i)).Text(nclay).Num(s.NCLAY(i));
    if (clay) {
      rep.Text(" K2 = ").Num(s.K2(i)).Text(" K3 = ").Num(s.K3(i)).Text(" K4 = ").Num(s.K4(i));
      rep.Text(" K0 = ").Num(s.K0(i)).End();
    } else {
      rep.Text("    K2 = ").Num(s.K2(i)).Text("    K0 = ").Num(s.K0(i)).End();
    }
    lay.Num(s.K2(i));
    if (clay) lay.Num(s.K3(i)).Num(s.K4(i));
    lay.Num(s.K0(i)).End();
  }
  for (int i = 1; i <= nolay; ++i) {
    if (s.NCLAY(i) == 1 && RangeStop(c, StopLine().Text("THE SLOPE BELOW THE BREAK POINT (K3) OF LAYER").Num(s.LAYNO(i)),
                                     s.K3(i), range::kModulusSlope))
      return;
    if (RangeStop(c, StopLine().Text("THE COEFFICIENT OF EARTH PRESSURE AT REST (K0) OF LAYER").Num(s.LAYNO(i)), s.K0(i),
                  range::kEarthPressureAtRest))
      return;
  }

  // Geostatic stresses at the modulus points.
  float w[kMaxLayers + 1] = {};
  s.ZTOP(1) = 0;
  for (int l = 2; l <= s.NL; ++l) {
    s.ZTOP(l) = s.ZTOP(l - 1) + s.TH(l - 1);
    w[l] = w[l - 1] + s.GAM(l - 1) * s.TH(l - 1);
  }
  for (int i = 1; i <= nolay; ++i) {
    const int l = s.LAYNO(i);
    s.GEOS(i) = InRange(w[l] + (s.ZCNOL(i) - s.ZTOP(l)) * s.GAM(l));
  }
  rep.End();
  rep.Text("LAYER NUMBER AND GEOSTATIC STRESS (GEOS) ARE:").End();
  for (int i = 1; i <= nolay; ++i) {
    rep.Text(LnUp(s.LAYNO(i), 4, "##")).Text(LnUp(s.GEOS(i), 11, "###0.00000"));
    if (i % 5 == 0 && i != nolay) rep.End();
  }
  rep.End();
  rep.End();

  // (33) seasonal constants, per period and nonlinear layer.
  for (int p = 1; p <= s.NPY; ++p) {
    for (int i = 1; i <= nolay; ++i) {
      const bool clay = s.NCLAY(i) == 1;
      if (clay) {
        in.Read(s.EMIN(i, p));
        in.Read(s.EMAX(i, p));
      } else {
        in.Read(s.PHI(i, p));
      }
      in.Read(s.K1(i, p));
      in.SkipIdentifier();
      const char* nclay = s.LAYNO(i) >= 10 ? "NCLAY = " : " NCLAY = ";
      rep.Text("FOR PERIOD").Num(p).Text(" LAYER NO. = ").Num(s.LAYNO(i)).Text(nclay).Num(s.NCLAY(i));
      if (clay) {
        rep.Text(" EMIN = ").Num(s.EMIN(i, p)).Text(" EMAX = ").Num(s.EMAX(i, p)).End();
        rep.Tab(42).Text("  K1 = ").Num(s.K1(i, p)).End();
        lay.Num(s.EMIN(i, p)).Zone().Num(s.EMAX(i, p)).Zone().Num(s.K1(i, p)).End();
      } else {
        rep.Text(" PHI = ").Num(s.PHI(i, p)).Text("  K1 = ").Num(s.K1(i, p)).End();
        lay.Num(s.PHI(i, p)).Num(s.K1(i, p)).End();
        if (s.PHI(i, p) <= 90.0f) {
          const MohrCoulomb mc = MohrCoulombCoefficients(s.PHI(i, p));
          s.KA(i, p) = mc.ka;
          s.KP(i, p) = mc.kp;
        }
      }
    }
  }

  for (int p = 1; p <= s.NPY; ++p)
    for (int i = 1; i <= nolay; ++i) {
      if (s.NCLAY(i) != 1) continue;
      const auto layer = [&](const char* what) {
        return StopLine().Text(what).Num(s.LAYNO(i)).Text("IN PERIOD").Num(static_cast<i16>(p));
      };
      // A least modulus of 0 sets no floor.
      if (RangeStop(c, layer("THE LEAST MODULUS (EMIN) OF LAYER"), s.EMIN(i, p), range::kModulusOrZero) ||
          RangeStop(c, layer("THE GREATEST MODULUS (EMAX) OF LAYER"), s.EMAX(i, p), range::kModulus))
        return;
    }

  // Modulus points of every load group.
  for (int g = 1; g <= s.NLG; ++g) {
    rep.End();
    const bool dual = s.YW(g) >= 0.0001f && s.LOAD(g) != 0;
    if (dual) {
      for (int i = 1; i <= nolay; ++i) {
        s.XNOL(i) = InRange(s.XPTNOL + s.SLD * s.ZCNOL(i));
        s.YNOL(i) = InRange(s.YPTNOL + s.SLD * s.ZCNOL(i));
        for (int k = 1; k <= 2; ++k) {
          const float wy = k == 1 ? 0.0f : s.YW(g);
          const float dx = s.XNOL(i) - 0.0f;
          const float dy = s.YNOL(i) - wy;
          const float r = static_cast<float>(std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy));
          s.RNOL(k, i, g) = r;
          if (r >= 0.0001f) {
            s.DCNOL(k, 1, i, g) = dx / r;
            s.DCNOL(k, 2, i, g) = dy / r;
          }
        }
      }
      rep.Text("FOR LOAD GROUP").Num(g).Text(" LAYER NO. AND X COORDINATE FOR COMPUTING MODULUS ARE:").End();
      for (int i = 1; i <= nolay; ++i) rep.Num(s.LAYNO(i)).Num(s.XNOL(i));
      rep.End();
      rep.Text("FOR LOAD GROUP").Num(g).Text(" LAYER NO. AND Y COORDINATE FOR COMPUTING MODULUS ARE:").End();
      for (int i = 1; i <= nolay; ++i) rep.Num(s.LAYNO(i)).Num(s.YNOL(i));
      // This line is ended by whatever the report gets next.
    } else {
      for (int i = 1; i <= nolay; ++i) s.RNOL(1, i, g) = InRange(s.RCNOL + s.SLD * s.ZCNOL(i));
      rep.Text("FOR LOAD GROUP").Num(g).Text(" LAYER NO. AND R COORDINATE FOR COMPUTING MODULUS ARE:").End();
      for (int i = 1; i <= nolay; ++i) rep.Num(s.LAYNO(i)).Num(s.RNOL(1, i, g));
      rep.End();
    }
  }
}

}  // namespace pave::layered
