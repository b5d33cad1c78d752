#include "layered_analysis/viscoelastic_input.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/number_format.h"
#include "common/value_ranges.h"
#include "layered_analysis/collocation.h"
#include "layered_analysis/dirichlet_series.h"
#include "layered_analysis/equation_solver.h"
#include "layered_analysis/extended_analyses.h"
#include "layered_analysis/layered_responses.h"

namespace pave::layered {

void WriteCreepList(LineWriter& rep, const double* values, int n) {
  for (int i = 1; i <= n; ++i) {
    rep.Text(LnUp(values[i - 1], 11, "0.000E+00"));
    if (i == 7 && i != n) rep.End();
  }
  rep.End();
}

namespace {

// A fitted compliance or Dirichlet coefficient that single precision cannot hold (creep times that
// are not positive, compliances far out of range) ends the run through the data-error path before
// it is written.
float Fitted(float v) {
  if (!std::isfinite(v)) throw NumericFault("creep compliance fit out of range");
  return v;
}

// A moving load's compliances are fitted by terms of fixed retardation times. The term of a time d
// is lost at a creep time t where t / d reaches the exponent cutoff; a term lost at every creep time
// leaves the fit's equations without a solution. So the shortest creep time must lie below the cutoff
// times the shortest retardation time; otherwise the stop names the creep times, their line and the
// span the moving load needs. True when it stopped.
bool MovingLoadOutOfReach(RunContext& c, const std::vector<float>& delta, const std::vector<float>& tyme) {
  float shortestDelta = kInfiniteRetardation, longestDelta = 0;
  for (const float d : delta) {
    if (d >= kInfiniteRetardation) continue;
    shortestDelta = std::min(shortestDelta, d);
    longestDelta = std::max(longestDelta, d);
  }
  const float shortest = *std::min_element(tyme.begin(), tyme.end());
  const float longest = *std::max_element(tyme.begin(), tyme.end());
  if (shortest / shortestDelta < kExponentCutoff) return false;
  const std::string unit = " " + UnitName(range::kCreepTime, c.s.NUNIT != 0);
  StopLine()
      .Text("THE CREEP TIMES (TYME) " + LineMark(c.in.LineOf(&c.s.TYME(1))) + " FROM " + BareStr(shortest) + " TO " +
            BareStr(longest) + unit)
      .Stop(c, "CANNOT REACH THE RETARDATION TIMES OF THE MOVING LOAD, " + BareStr(shortestDelta) + " TO " +
                   BareStr(longestDelta) + unit + ": THE SHORTEST CREEP TIME SHOULD BE LESS THAN " +
                   BareStr(kExponentCutoff * shortestDelta) + unit + ", SO COMPUTATION STOPS.");
  return true;
}

void CreepList(LineWriter& rep, const ProblemState& s, int j, int p) {
  std::vector<double> v;
  for (int i = 1; i <= s.NTYME; ++i) v.push_back(s.CREEP(j, i, p));
  WriteCreepList(rep, v.data(), static_cast<int>(v.size()));
}

}  // namespace

void VISINP(RunContext& c) {
  ProblemState& s = c.s;
  FreeFormatReader& in = c.in;
  LineWriter& rep = c.report;
  LineWriter& lay = c.graph;
  // (36) DUR
  in.Read(s.DUR);
  in.SkipIdentifier();
  rep.End();
  if (s.MATL == 4) rep.End();
  rep.Text("DURATION OF MOVING LOAD (DUR) = ").Num(s.DUR).End();
  lay.Num(s.DUR).End();
  if (RangeStop(c, StopLine().Text("THE DURATION OF MOVING LOAD (DUR)"), s.DUR, range::kLoadDuration)) return;

  // (37) NVL LNV: the line ends after NVL when there is no viscoelastic layer.
  in.Read(s.NVL);
  lay.Num(s.NVL).End();
  if (s.NVL < 0) return ValueStop(c, "THE NUMBER OF VISCOELASTIC LAYERS (NVL)", s.NVL, "NOT BE NEGATIVE");
  if (s.NVL > kMaxVisco) {
    return LimitStop(c, "THE NUMBER OF VISCOELASTIC LAYERS (NVL)", s.NVL, kMaxVisco, c.in.LineOf(&s.NVL));
  }
  const int nvl = s.NVL;
  for (int j = 1; j <= nvl; ++j) in.Read(s.LNV(j));
  if (nvl > 0) in.SkipIdentifier();
  rep.Text("NUMBER OF VISCOELASTIC LAYER (NVL)         = ").Num(s.NVL).End();
  rep.Text("LAYER NUMBERS WHICH ARE VISCOELASTIC (LNV) = ");
  for (int j = 1; j <= nvl; ++j) {
    rep.Num(s.LNV(j));
    lay.Num(s.LNV(j));
  }
  rep.End();
  lay.End();
  for (int j = 1; j <= nvl; ++j) {
    const int l = s.LNV(j);
    if (l > kMaxVisco || l > s.NL) {
      return LimitStop(c, "THE VISCOELASTIC LAYER NUMBER (LNV)", l, l > kMaxVisco ? kMaxVisco : s.NL, in.LineOf(&s.LNV(j)));
    }
    if (l < 1) return ValueStop(c, "THE VISCOELASTIC LAYER NUMBER (LNV) NO." + Str(static_cast<i16>(j)), s.LNV(j), "BE AT LEAST 1");
  }

  // (38) NTYME, (39) TYME
  in.Read(s.NTYME);
  in.SkipIdentifier();
  lay.Num(s.NTYME).End();
  if (s.NTYME > kMaxTimes) {
    return LimitStop(c, "THE NUMBER OF CREEP TIMES (NTYME)", s.NTYME, kMaxTimes, c.in.LineOf(&s.NTYME));
  }
  if (s.NTYME < 1) return ValueStop(c, "THE NUMBER OF CREEP TIMES (NTYME)", s.NTYME, "BE AT LEAST 1");
  const int nt = s.NTYME;
  for (int i = 1; i <= nt; ++i) in.Read(s.TYME(i));
  if (nt > 0) in.SkipIdentifier();
  rep.Text("CREEP TIMES (TYME) ARE:");
  for (int i = 1; i <= nt; ++i) {
    rep.Num(s.TYME(i));
    lay.Num(s.TYME(i));
  }
  rep.End();
  lay.End();
  for (int i = 1; i <= nt; ++i)
    if (RangeStop(c, StopLine().Text("THE CREEP TIME (TYME) NO." + Str(static_cast<i16>(i))), s.TYME(i),
                  range::kCreepTime))
      return;

  // (41) BETA TEMREF and (42) CREEP of each viscoelastic layer.
  for (int j = 1; j <= nvl; ++j) {
    in.Read(s.BETA(j));
    in.Read(s.TEMREF(j));
    in.SkipIdentifier();
    for (int i = 1; i <= nt; ++i) in.Read(s.CREEP(j, i, 1));
    if (nt > 0) in.SkipIdentifier();
    rep.End();
    rep.Text("FOR LAYER").Num(s.LNV(j)).Text(" TIME TEMPERATURE SHIFT FACTOR (BETA) = ").Num(s.BETA(j)).End();
    rep.Text("REFERENCE TEMPERATURE (TEMREF) = ").Num(s.TEMREF(j)).End();
    rep.End();
    rep.Text("CREEP COMPLIANCES (CREEP) AT REFERENCE TEMP. (TEMREF) OF").Num(s.TEMREF(j)).Text(" ARE:").End();
    CreepList(rep, s, j, 1);
    lay.Num(s.BETA(j)).Num(s.TEMREF(j)).End();
    for (int i = 1; i <= nt; ++i) lay.Num(s.CREEP(j, i, 1));
    lay.End();
    for (int i = 1; i <= nt; ++i)
      if (RangeStop(c,
                    StopLine().Text("THE CREEP COMPLIANCE (CREEP) NO." + Str(static_cast<i16>(i)) + " OF LAYER" +
                                    Str(s.LNV(j)) + ""),
                    s.CREEP(j, i, 1), range::kCompliance))
        return;
    if (RangeStop(c, StopLine().Text("THE REFERENCE TEMPERATURE (TEMPREF) OF LAYER").Num(s.LNV(j)), s.TEMREF(j),
                  range::kLayerTemperature))
      return;
  }

  // (44) temperatures of each period, stored by layer number.
  for (int p = 1; p <= s.NPY; ++p) {
    for (int j = 1; j <= nvl; ++j) in.Read(s.TEMP(p, s.LNV(j)));
    if (nvl > 0) in.SkipIdentifier();
    for (int j = 1; j <= nvl; ++j) lay.Num(s.TEMP(p, s.LNV(j)));
    lay.End();
    for (int j = 1; j <= nvl; ++j)
      if (RangeStop(c,
                    StopLine().Text("THE TEMPERATURE (TEMP) OF LAYER").Num(s.LNV(j)).Text("IN PERIOD").Num(static_cast<i16>(p)),
                    s.TEMP(p, s.LNV(j)), range::kLayerTemperature))
        return;
  }

  // Retardation times.
  bool differ = false;
  for (int p = 1; p <= s.NPY; ++p)
    for (int j = 1; j <= nvl; ++j)
      if (s.TEMP(p, s.LNV(j)) != s.TEMREF(j)) differ = true;
  std::vector<float> tyme;
  for (int i = 1; i <= nt; ++i) tyme.push_back(s.TYME(i));
  const std::vector<float> delta = ChooseRetardationTimes(s.DUR, differ, tyme);
  for (const float d : delta) {
    // The fit divides by every retardation time: a creep time that is not positive cannot serve.
    if (!(d > 0.0f)) throw NumericFault("creep time used as retardation time is not positive");
  }
  if (s.DUR > 0.0f && MovingLoadOutOfReach(c, delta, tyme)) return;
  if (delta.empty()) {
    // Stationary load at the reference temperatures: the compliances as read serve every period.
    for (int p = 2; p <= s.NPY; ++p)
      for (int j = 1; j <= nvl; ++j)
        for (int i = 1; i <= nt; ++i) s.CREEP(j, i, p) = s.CREEP(j, i, 1);
    return;
  }
  if (static_cast<int>(delta.size()) > kMaxTimes) {
    return LimitStop(c, "THE NUMBER OF CREEP TIMES (NTYME) USED AS RETARDATION TIMES", s.NTYME, kMaxTimes - 1,
                     c.in.LineOf(&s.NTYME));
  }
  const int ndir = static_cast<int>(delta.size());
  s.NDIR = static_cast<i16>(ndir);
  for (int k = 1; k <= ndir; ++k) s.DELTA(k) = delta[k - 1];

  // Least-squares fit of every layer's compliances at once.
  if (nvl > 0 && nt > 0) {
    std::vector<float> values;
    for (int j = 1; j <= nvl; ++j)
      for (int i = 1; i <= nt; ++i) values.push_back(s.CREEP(j, i, 1));
    double* dcoef = s.DCOEF.data();
    float* a = s.A.data();
    DirichletNormalMatrix(delta, tyme, std::span<float>(a, kSolverElements + 1));
    DirichletRightHandSides(values, nvl, tyme, delta, std::span<double>(dcoef, kDcoefElements + 1));
    if (!GELG(dcoef, a, ndir, nvl)) {
        throw SingularSolve(kGelgMessage);
    }
    for (int k = 1; k <= nvl * ndir; ++k)
      if (!std::isfinite(dcoef[k])) throw NumericFault("Dirichlet coefficient out of range");
  }
  auto coef = [&](int j) { return std::span<const double>(s.DCOEF.data() + (j - 1) * ndir + 1, ndir); };
  for (int j = 1; j <= nvl; ++j) {
    for (int i = 1; i <= nt; ++i) s.CREEP(j, i, 1) = Fitted(DirichletValue(coef(j), delta, s.TYME(i)));
    rep.End();
    rep.Text("LAYER NO.").Num(s.LNV(j)).Text(" DIRICHLET SERIES AT REFERENCE TEMPERATURE (TEMREF) OF")
        .Num(s.TEMREF(j)).Text(" ARE:").End();
    WriteCreepList(rep, coef(j).data(), ndir);
    rep.Text("COMPUTED COMPLIANCES (CREEP) AT REFERENCE TEMP.(TEMREF) OF").Num(s.TEMREF(j)).Text(" ARE:").End();
    CreepList(rep, s, j, 1);
  }

  // Compliances of each period (time-temperature superposition).
  std::vector<float> fitted(static_cast<std::size_t>(nvl) * nt);
  for (int j = 1; j <= nvl; ++j)
    for (int i = 1; i <= nt; ++i) fitted[(j - 1) * nt + i - 1] = s.CREEP(j, i, 1);
  for (int p = 1; p <= s.NPY; ++p) {
    rep.End();
    rep.Text("FOR PERIOD NO.").Num(p).Text(" LAYER NO. AND TEMPERATURE ARE:");
    for (int j = 1; j <= nvl; ++j) rep.Num(s.LNV(j)).Num(s.TEMP(p, s.LNV(j)));
    rep.End();
    for (int j = 1; j <= nvl; ++j) {
      const float t = s.TEMP(p, s.LNV(j));
      const float at = ShiftFactor(t, s.TEMREF(j), s.BETA(j));
      for (int i = 1; i <= nt; ++i) s.CREEP(j, i, p) = Fitted(DirichletValue(coef(j), delta, s.TYME(i), at));
      rep.End();
      rep.Text("CREEP COMPLIANCES (CREEP) OF LAYER").Num(s.LNV(j)).Text(" AT TEMPERATURE (TEMP) OF").Num(t)
          .Text(" ARE:").End();
      CreepList(rep, s, j, p);
    }
  }
  if (s.NDAMA == 0) CollocationLimitStop(c);  // with a damage analysis, once the depths are known
}

}  // namespace pave::layered
