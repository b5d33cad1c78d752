#include "layered_analysis/damage_analysis.h"

#include <cmath>
#include <string>
#include <vector>

#include "common/number_format.h"
#include "layered_analysis/collocation.h"
#include "layered_analysis/damage_arithmetic.h"
#include "layered_analysis/extended_analyses.h"
#include "layered_analysis/problem_fault.h"

namespace pave::layered {

void DAMINP(RunContext& c) {
  ProblemState& s = c.s;
  FreeFormatReader& in = c.in;
  LineWriter& rep = c.report;
  LineWriter& lay = c.graph;
  in.Read(s.NLBT);
  in.Read(s.NLTC);
  in.SkipIdentifier();
  rep.End();
  rep.Text("NUMBER OF LAYERS FOR BOTTOM TENSION (NLBT)---- = ").Num(s.NLBT).End();
  rep.Text("NUMBER OF LAYERS FOR TOP COMPRESSION (NLTC)--- = ").Num(s.NLTC).End();
  lay.Num(s.NLBT).Num(s.NLTC).End();
  if (s.NLBT < 0) return ValueStop(c, "THE NUMBER OF LAYERS FOR BOTTOM TENSION (NLBT)", s.NLBT, "NOT BE NEGATIVE");
  if (s.NLTC < 0) return ValueStop(c, "THE NUMBER OF LAYERS FOR TOP COMPRESSION (NLTC)", s.NLTC, "NOT BE NEGATIVE");
  if (s.NLBT + s.NLTC > kMaxDamageAllowable) {
    return LimitStop(c, "THE NUMBER OF DAMAGE LAYERS (NLBT + NLTC)", s.NLBT + s.NLTC, kMaxDamageAllowable,
                     in.LineOf(&s.NLBT));
  }
  const int nlbt = s.NLBT, nltc = s.NLTC;

  if (nlbt != 0) {
    rep.Text("LAYER NO. FOR BOTTOM TENSION (LNBT) ARE:");
    for (int k = 1; k <= nlbt; ++k) {
      in.Read(s.LNBT(k));
      rep.Num(s.LNBT(k));
    }
    in.SkipIdentifier();
    rep.End();
  }
  if (nltc != 0) {
    rep.Text("LAYER NO. FOR TOP COMPRESSION (LNTC) ARE:");
    for (int i = 1; i <= nltc; ++i) {
      in.Read(s.LNTC(i));
      rep.Num(s.LNTC(i));
    }
    in.SkipIdentifier();
    rep.End();
  }
  rep.End();
  for (int p = 1; p <= s.NPY; ++p) {
    rep.Text("LOAD REPETITIONS (TNLR) IN PERIOD").Num(p).Text(" FOR EACH LOAD GROUP ARE :");
    for (int g = 1; g <= s.NLG; ++g) {
      in.Read(s.TNLR(p, g));
      rep.Num(s.TNLR(p, g));
      if (g == 2 && s.NLG != 2) rep.End();
    }
    if (s.NLG > 0) in.SkipIdentifier();
    rep.End();
    for (int g = 1; g <= s.NLG; ++g) lay.Num(s.TNLR(p, g));
    lay.End();
  }
  for (int p = 1; p <= s.NPY; ++p)
    for (int g = 1; g <= s.NLG; ++g) {
      const std::string what = "THE LOAD REPETITIONS (TNLR) OF LOAD GROUP" + Str(g) + " IN PERIOD" + Str(p);
      if (!(s.TNLR(p, g) >= 0)) return ValueStop(c, what, s.TNLR(p, g), "NOT BE NEGATIVE");
      if (RangeStop(c, StopLine().Text(what), s.TNLR(p, g), range::kRepetitions)) return;
    }
  if (nlbt != 0) {
    rep.End();
    for (int k = 1; k <= nlbt; ++k) {
      for (int m = 1; m <= 3; ++m) in.Read(s.FT(m, k));
      in.SkipIdentifier();
      rep.Text("DAMAGE COEF.'S (FT) FOR BOTTOM TENSION OF LAYER").Num(s.LNBT(k)).Text(" ARE:");
      rep.Num(s.FT(1, k)).Num(s.FT(2, k)).Num(s.FT(3, k)).End();
    }
  }
  if (nltc != 0) {
    rep.End();
    for (int i = 1; i <= nltc; ++i) {
      in.Read(s.FT(4, i));
      in.Read(s.FT(5, i));
      in.SkipIdentifier();
      rep.Text("DAMAGE COEFICIENTS (FT) FOR TOP COMPRESSION OF LAYER").Num(s.LNTC(i)).Text(" ARE:");
      rep.Text(LnUp(s.FT(4, i), 11, "0.000E+00")).Num(s.FT(5, i)).End();
    }
    for (int i = 1; i <= nltc; ++i)
      if (RangeStop(c, StopLine().Text("THE DAMAGE COEFFICIENT (FT4) FOR TOP COMPRESSION OF LAYER").Num(s.LNTC(i)),
                    s.FT(4, i), range::kDeformationCoefficient))
        return;
  }

  // Damage depths: the bottom of each bottom-tension layer, just below the top of each
  // top-compression layer.
  for (int k = 1; k <= nlbt; ++k) {
    const int l = s.LNBT(k);
    if (l < 1 || l > s.NL - 1) {
      return LimitStop(c, "THE LAYER NUMBER FOR BOTTOM TENSION (LNBT)", l, s.NL - 1, c.in.LineOf(&s.LNBT(k)));
    }
  }
  for (int i = 1; i <= nltc; ++i) {
    const int l = s.LNTC(i);
    if (l < 1 || l > s.NL) {
      return LimitStop(c, "THE LAYER NUMBER FOR TOP COMPRESSION (LNTC)", l, s.NL, c.in.LineOf(&s.LNTC(i)));
    }
  }
  s.NZ = static_cast<i16>(nlbt + nltc);
  for (int k = 1; k <= nlbt; ++k) {
    float z = 0;
    for (int l = 1; l <= s.LNBT(k); ++l) z = z + s.TH(l);
    s.ZC(k) = z;
  }
  for (int i = 1; i <= nltc; ++i) {
    float z = 0.0001f;
    for (int l = 1; l <= s.LNTC(i) - 1; ++l) z = z + s.TH(l);
    s.ZC(nlbt + i) = z;
  }
  // Thicknesses whose sum single precision cannot hold end the run through the data-error path
  // before the depths are written.
  for (int k = 1; k <= s.NZ; ++k)
    if (!std::isfinite(s.ZC(k))) throw NumericFault("damage depth out of range");
  lay.Num(s.NZ).End();
  for (int k = 1; k <= s.NZ; ++k) lay.Num(s.ZC(k));
  lay.End();
  CollocationLimitStop(c);
}

namespace {

// Allowable repetitions that the single-precision table cannot hold (0 or beyond its range) would
// turn into an infinite or undefined damage ratio.
void CheckAllowable(float alr, const char* where, int layer) {
  if (!(alr > 0.0f) || !std::isfinite(alr)) {
    throw ProblemFault(std::string("THE ALLOWABLE LOAD REPETITIONS AT THE ") + where + " OF LAYER " + Str(layer) +
                            " ARE OUT OF RANGE, SO THIS PROBLEM STOPS.");
  }
}

// The damage of response k from its allowable repetitions ALR(k): the damage ratio (doubled for the
// halfway pass of a multiple-axle group), added to its sum and written to the graph file. A ratio
// or a sum that single precision cannot hold (many repetitions, few allowed) stops the problem.
void AddDamage(RunContext& c, int k, float strain, bool halfway, const char* where, int layer) {
  ProblemState& s = c.s;
  s.DR(k) = DamageRatio(s.TNLRC, s.ALR(k), strain);
  if (s.LOAD(s.LG) == 3 && halfway) s.DR(k) = s.DR(k) + s.DR(k);
  s.SUMDR(k) = s.SUMDR(k) + s.DR(k);
  if (!std::isfinite(s.DR(k)) || !std::isfinite(s.SUMDR(k))) {
    throw ProblemFault(std::string("THE DAMAGE RATIO AT THE ") + where + " OF LAYER " + Str(layer) +
                       " IS OUT OF RANGE, SO THIS PROBLEM STOPS.");
  }
  c.graph.Num(s.DR(k)).End();
}

// The report lines of response k: where it is and its strain, then its allowable repetitions and
// damage ratio.
void DamageLines(RunContext& c, int k, const char* where, int layer, const char* strainLabel, float strain) {
  LineWriter& rep = c.report;
  rep.Text(where).Num(layer).Text(strainLabel).Text(LnUp(strain, 11, "0.000E+00")).End();
  rep.Text("ALLOWABLE LOAD REPETITIONS = ").Text(LnUp(c.s.ALR(k), 11, "0.000E+00"));
  rep.Text("  DAMAGE RATIO = ").Text(LnUp(c.s.DR(k), 11, "0.000E+00")).End();
}

}  // namespace

void DamageStep(RunContext& c) {
  ProblemState& s = c.s;
  LineWriter& rep = c.report;
  const int LG = s.LG;
  const bool halfway = s.IPASS == 2;
  const bool differential = s.LOAD(LG) > 1 && halfway;
  const int nlbt = s.NLBT;
  for (int k = 1; k <= nlbt; ++k) {
    const int L = s.LNBT(k);
    if (s.MATL > 2) {
      for (int j = 1; j <= s.NVL; ++j)
        if (s.LNV(j) == L) s.E(L) = s.EMOD(k);
    }
    if (halfway) s.DMSTR(k) = s.DMSTR1(k) - s.DMSTR(k);
    const float strain = s.DMSTR(k);
    if (strain != 0.0f && !(s.E(L) > 0.0f)) {
      throw ProblemFault("THE MODULUS AT THE BOTTOM OF LAYER " + Str(L) +
                              " IS NOT GREATER THAN 0, SO ITS ALLOWABLE LOAD REPETITIONS CANNOT BE COMPUTED AND THIS "
                              "PROBLEM STOPS.");
    }
    s.ALR(k) = AllowableTension(s.FT(1, k), s.FT(2, k), s.FT(3, k), strain, s.E(L));
    CheckAllowable(s.ALR(k), "BOTTOM", L);
    AddDamage(c, k, strain, halfway, "BOTTOM", L);
    if (s.LOAD(LG) == 0) rep.End();
    DamageLines(c, k, "AT BOTTOM OF LAYER ", s.LNBT(k),
                differential ? "  DIFFERENTIAL TENSILE STRAIN = " : "  TENSILE STRAIN = ", strain);
  }
  for (int i = 1; i <= s.NLTC; ++i) {
    const int k = nlbt + i;
    if (halfway) s.DMSTR(k) = s.DMSTR1(k) - s.DMSTR(k);
    const float strain = s.DMSTR(k);
    s.ALR(k) = AllowableCompression(s.FT(4, i), s.FT(5, i), strain);
    CheckAllowable(s.ALR(k), "TOP", s.LNTC(i));
    AddDamage(c, k, strain, halfway, "TOP", s.LNTC(i));
    rep.End();
    DamageLines(c, k, "AT TOP OF LAYER ", s.LNTC(i),
                differential ? "  DIFFERENTIAL COMPRESSIVE STRAIN = " : "  COMPRESSIVE STRAIN = ", strain);
  }
}

void DamageSummary(RunContext& c) {
  ProblemState& s = c.s;
  LineWriter& rep = c.report;
  LineWriter& lay = c.graph;
  ProgressLog& log = c.log;
  const int nlbt = s.NLBT, nltc = s.NLTC;
  rep.End();
  rep.Text("******************************").End();
  rep.Text("* SUMMARY OF DAMAGE ANALYSIS *").End();
  rep.Text("******************************").End();
  for (int k = 1; k <= nlbt; ++k) {
    const std::string sum = FormatMask(s.SUMDR(k), "0.000E+00");
    rep.Text("AT BOTTOM OF LAYER ").Num(s.LNBT(k)).Text("    SUM OF DAMAGE RATIO = ").Text(sum).End();
    log.Line("AT BOTTOM OF LAYER " + Str(s.LNBT(k)) + "    SUM OF DAMAGE RATIO = " + sum);
    log.Display();
  }
  for (int i = 1; i <= nltc; ++i) {
    const std::string sum = FormatMask(s.SUMDR(nlbt + i), "0.000E+00");
    rep.Text("AT TOP OF LAYER ").Num(s.LNTC(i)).Text("       SUM OF DAMAGE RATIO = ").Text(sum).End();
    log.Line("AT TOP OF LAYER " + Str(s.LNTC(i)) + "       SUM OF DAMAGE RATIO = " + sum);
    log.Display();
    if (i > 1 && s.SUMDR(nlbt + 1) < s.SUMDR(nlbt + i)) s.SUMDR(nlbt + 1) = s.SUMDR(nlbt + i);
  }
  std::vector<float> sums;
  for (int k = 1; k <= s.NZ; ++k) sums.push_back(s.SUMDR(k));
  const DesignLife life = DesignLifeOf(sums);
  log.text += "\r\n\r\n";
  std::string line = "MAXIMUM DAMAGE RATO = " + LnUp(life.largest, 11, "0.000E+00") + "   DESIGN LIFE IN YEARS = ";
  line += life.unlimited ? std::string("UNLIMITED (NO DAMAGE)") : FormatMask(life.years, "####.##");
  rep.End();
  rep.Text(line).End();
  log.text += line + "\r\n";
  log.lines += 1;
  log.Display();
  if (nlbt != 0) lay.Num(s.SUMDR(1)).End();
  if (nltc != 0) lay.Num(s.SUMDR(nlbt + 1)).End();
  lay.Num(life.unlimited ? kUnlimitedLife : life.years).End();
}

}  // namespace pave::layered
