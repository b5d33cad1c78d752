#include "slab_analysis/fatigue.h"

#include <cmath>
#include <limits>

#include "common/number_format.h"

namespace pave::slab {

namespace {

constexpr float kBeyondAnyCount = std::numeric_limits<float>::max();

// An allowed count as single precision holds it: one below its least normal number is 0 repetitions
// (the stress ratio is beyond the curve's reach), one above its largest is beyond any count.
double AsCount(double nf) {
  if (nf < std::numeric_limits<float>::min()) return 0;
  return nf;
}

// A sum of cracking indexes that stops at the one beyond any count.
float AddIndex(float a, double b) { return static_cast<float>(std::fmin(static_cast<double>(a) + b, kBeyondAnyCount)); }

}  // namespace

std::optional<double> AllowedRepetitions(double ndama, float SR, float f1, float f2) {
  if (ndama == 1 || ndama == 3) {
    if (SR < 0.45f) return std::nullopt;
    if (SR < 0.55f) return AsCount(std::pow(4.2577 / (static_cast<double>(SR) - 0.4325), 3.268));
    return AsCount(std::pow(10.0, 11.737 - 12.077 * static_cast<double>(SR)));
  }
  return AsCount(std::pow(10.0, static_cast<double>(f1) - static_cast<double>(f2) * SR));
}

double CrackingIndex(double repetitions, double allowed) {
  if (repetitions == 0 || std::isinf(allowed)) return 0;
  if (allowed == 0) return kBeyondAnyCount;
  return std::fmin(repetitions / allowed, kBeyondAnyCount);
}

float LifeInYears(float sumci) {
  if (sumci == 0) return 1000.0f;
  if (sumci >= kBeyondAnyCount) return 0.0f;
  return static_cast<float>(1.0 / sumci);
}

void FatigueStep(SlabRun& r) {
  SlabState& s = r.s;
  LineWriter& w = r.Rep();
  const int nlayer = Count(s.NLAYER);
  const int nlg = Count(s.NLG);
  for (int L = 1; L <= nlayer; ++L) {
    float CI = 0, NK[3] = {0, 0, 0};
    if (s.NDAMA == 1) s.KSTART = 1;
    for (int K = 1; K <= s.KSTART; ++K) {
      if (K == 3) {
        CI = AddIndex(CI, NK[2]);
        NK[2] = AddIndex(NK[2], NK[2]);
        continue;
      }
      float str = s.STRS(L, K);
      if (str > 0) {
        str = 0;
        s.STRS(L, K) = 0;
      }
      const float SR = static_cast<float>(Div(std::fabs(str), s.PMR(L)));
      const auto nf = AllowedRepetitions(s.NDAMA, SR, s.F1(L), s.F2(L));
      if (nf) {
        NK[K] = static_cast<float>(CrackingIndex(s.TNLR((s.IPER - 1) * nlg + s.LG), *nf));
        CI = AddIndex(CI, NK[K]);
      }
    }
    w.Text("FOR PERIOD").Num(s.IPER).Text("LOAD GROUP").Num(s.LG).Text("CRACKING INDEX (CI) FOR LAYER").Num(L).Text("IS")
        .Text(LnUp(CI, 12, ".00000E+00")).End();
    r.Gra().Num(CI).End();
    s.SUMCI(L) = AddIndex(s.SUMCI(L), CI);
    if (s.KSTART != 1)
      w.Text("PRIMARY CRACKING INDEX IS ").Text(LnUp(NK[1], 13, ".00000E+00")).Text("  SECONDARY CI IS ")
          .Text(LnUp(NK[2], 13, ".00000E+00")).End();
  }
}

void DesignLife(SlabRun& r) {
  SlabState& s = r.s;
  LineWriter& w = r.Rep();
  const int nlayer = Count(s.NLAYER);
  for (int L = 1; L <= nlayer; ++L) {
    s.DL(L) = LifeInYears(s.SUMCI(L));
    r.Append(kCrLf);
    r.Append("FOR LAYER " + Str(L) + " SUM OF CRACKING INDEX (SUMCI) = " + LnUp(s.SUMCI(L), 13, ".00000E+00") +
             kCrLf);
    r.Append("DESIGN LIFE (DL) IN YEARS = " + LnUp(s.DL(L), 12, "##0.00") + kCrLf);
    r.log.lines += 2;
    r.Display();
    w.End();
    w.Text("FOR LAYER").Num(L).Text("SUM OF CRACKING INDEX (SUMCI) = ").Text(LnUp(s.SUMCI(L), 13, ".00000E+00")).End();
    w.Text("DESIGN LIFE (DL) IN YEARS = ").Zone().Text(LnUp(s.DL(L), 12, "##0.00")).End();
  }
  if (nlayer > 1 && s.DL(1) > s.DL(2)) s.DL(1) = s.DL(2);
  r.Gra().Num(s.DL(1)).End();
}

}  // namespace pave::slab
