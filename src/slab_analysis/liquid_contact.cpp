#include "slab_analysis/liquid_contact.h"

#include <cmath>

#include "common/number_format.h"
#include "slab_analysis/numbering.h"
#include "slab_analysis/report_helpers.h"

namespace pave::slab {

namespace {

long Eq(const SlabState& s, int n, int d) { return 3L * (s.NEWNO(n) - 1) + d; }

// Whether the initial gap or precompression of node n acts in this load group.
bool GapActs(const SlabState& s, int n) { return s.NTEMP != 0 || s.NUDL(s.LG) == 0 || s.CURL(n) > 0; }

void NodeTable(SlabRun& r, const char* heading, const std::function<float(int)>& value) {
  LineWriter& w = r.Rep();
  const int nnode = Count(r.s.NNODE);
  w.End();
  w.Text(heading).End();
  NodeValues(w, nnode, 5, "###", "#0.00000", value);
}

}  // namespace

void LiqMod(SlabRun& r) {
  SlabState& s = r.s;
  const int nnode = Count(s.NNODE);
  // 1. Previous solution to node order; the load vector.
  for (int n = 1; n <= nnode; ++n)
    for (int d = 1; d <= 3; ++d) {
      s.FPREV(3 * (n - 1) + d) = s.F(Eq(s, n, d));
      s.F(Eq(s, n, d)) = s.RLOAD(3 * (n - 1) + d);
    }
  // 2. Gap forces.
  const float fsaf = s.FSAF(s.IPER);
  for (int n = 1; n <= nnode; ++n)
    if (s.NCON(n) == 0 && GapActs(s, n))
      s.F(Eq(s, n, 1)) = static_cast<float>(s.F(Eq(s, n, 1)) +
                                             static_cast<double>(s.AREA(n)) * s.CURL(n) * s.SUBMOD(n) * fsaf);
  // 3. Joint terms of a cut band.
  if (s.ISOLVE != 0 || s.NJOINT == 0) return;
  const int njoint = Count(s.NJOINT);
  const long nb = static_cast<long>(s.NB);
  for (int J = 1; J <= njoint; ++J) {
    const bool alongY = s.KSIDE(J) <= 2;
    const int s1 = s.NSJ(1, J), s2 = s.NSJ(2, J);
    const int count = alongY ? s.NY(s2) : s.NX(s2);
    const int step1 = alongY ? 1 : s.NY(s1), step2 = alongY ? 1 : s.NY(s2);
    const int M2 = alongY ? 3 : 2;
    for (int K = 1; K <= count; ++K) {
      const int p = s.ISNN(1, J) + (K - 1) * step1, q = s.ISNN(2, J) + (K - 1) * step2;
      const int m = s.NJN(J) + K;
      const float d = s.FPREV(3 * (p - 1) + 1) - s.FPREV(3 * (q - 1) + 1);
      for (int side = 1; side <= 2; ++side) {
        const float sign = side == 1 ? 1.0f : -1.0f;
        const int node = side == 1 ? p : q;
        float add;
        // The dowel bears on what exceeds the gap, in the direction of the relative deflection.
        if (std::fabs(d) >= s.GDC(J))
          add = sign * (d >= 0 ? s.GDC(J) : -s.GDC(J)) * s.JNT(1, m) * s.SPCON(1, J);
        else
          add = sign * d * s.SPCON(1, J) * s.JNT(1, m);
        s.F(Eq(s, node, 1)) += add;
      }
      if ((static_cast<long>(s.NEWNO(q)) - s.NEWNO(p) + 1) * 3 > nb) {
        for (int M : {1, M2}) {
          s.F(Eq(s, p, M)) += s.SPCON(M, J) * s.JNT(M, m) * s.FPREV(3 * (q - 1) + M);
          s.F(Eq(s, q, M)) += s.SPCON(M, J) * s.JNT(M, m) * s.FPREV(3 * (p - 1) + M);
        }
      }
    }
  }
}

void DisChe(SlabRun& r) {
  SlabState& s = r.s;
  s.ITFLAG = 0;
  if (s.ISOLVE != 0) return;
  if (s.IC % 2 == 0) {
    s.ITFLAG = 1;
    return;
  }
  s.DIFF0 = s.DIFF;
  const float w = s.F(Eq(s, Count(s.NNCK), 1));
  s.DIFF = w - s.FOLD;
  s.FOLD = w;
  if (s.NDAMA == 0)
    r.Rep().Text("ITERATION NO. (IC) =").Text(LnUpFirst(s.IC, 2, "#0")).Text(" DIFFERENCE IN DEFLECTION = ")
        .Text(LnUp(s.DIFF, 12, "##0.00000000")).End();
  if (s.IC % 10 == 1 && s.IC != 1) {
    if (std::fabs(s.DIFF) >= std::fabs(s.DIFF0) && std::fabs(s.DIFF + s.DIFF0) > std::fabs(s.DIFF - s.DIFF0)) {
      r.host.Message(" DF= " + LnUp(s.DIFF, 12, "0.0000E+00") +
                     "  ITERATION DOES NOT CONVERGE TO THE DESIRED ACCURACY, SO COMPUTATION IS STOPPED.");
      s.ISTOP = 1;
    }
  }
  if (std::fabs(s.DIFF) < 0.00001f) return;
  // The relative change needs a deflection to compare with; at a check node that does not move the
  // absolute change decides.
  if (w == 0.0f) {
    if (std::fabs(s.DIFF) > s.DEL) s.ITFLAG = 1;
    return;
  }
  if (std::fabs(s.DIFF / w) > s.DEL) s.ITFLAG = 1;
}

void LiqCon(SlabRun& r) {
  SlabState& s = r.s;
  const int nnode = Count(s.NNODE);
  const float fsaf = s.FSAF(s.IPER);
  // 1. Reactions.
  s.FOSUM = 0;
  s.SUBSUM = 0;
  for (int n = 1; n <= nnode; ++n) {
    s.FOSUM += s.RLOAD(3 * (n - 1) + 1);
    const float w = s.F(Eq(s, n, 1));
    if (s.NCON(n) != 0)
      s.SUBR(n) = 0;
    else if (GapActs(s, n))
      s.SUBR(n) = static_cast<float>(static_cast<double>(s.SUBMOD(n)) * fsaf * (static_cast<double>(w) - s.CURL(n)) * s.AREA(n));
    else
      s.SUBR(n) = static_cast<float>(static_cast<double>(s.SUBMOD(n)) * fsaf * w * s.AREA(n));
    s.SUBSUM += s.SUBR(n);
  }
  const bool updates = s.NCYCLE != 1 || s.NWT != 0;
  bool skipUpdate = false;
  // 2. Force balance.
  if (s.ISOLVE == 0 && std::fabs(s.DIFF) >= 0.00001f && s.FOSUM >= 1.0f) {
    const float ratio = std::fabs((s.FOSUM - s.SUBSUM) / s.FOSUM);
    if (s.NSTAGE != 0 || ratio > s.DEL0) {
      s.ITFLAG = 1;
      s.DEL = static_cast<float>(s.DEL * 0.01);
      skipUpdate = true;
    }
  }
  if (!skipUpdate) {
    // 3. Contact update.
    s.CHG = 0;
    bool changed = false;
    if (updates) {
      for (int n = 1; n <= nnode; ++n) {
        const std::int16_t before = s.NCON(n);
        s.GAP(n) = s.CURL(n) - s.F(Eq(s, n, 1));
        s.NCON(n) = s.GAP(n) > 0.00001f ? 1 : 0;
        if (s.NCON(n) != before) changed = true;
      }
      if (changed) s.CHG = 1;
    }
    // 4. Final tightening.
    if (!changed && s.NSTAGE != 1 && s.ISOLVE == 0 && s.DIFF != 0) {
      s.NSTAGE += 1;
      s.DEL = static_cast<float>(s.DEL * 0.01);
      s.ITFLAG = 1;
    }
  }
  // 5. Gap table.
  if (updates)
    NodeTable(r, "THE GAP (GAP) AT EACH NODE IS: (GAP IS POSITIVE,PRECOMPRESSION NEGATIVE)",
              [&](int n) { return s.GAP(n); });
  // 6. Deflections.
  if (s.ITFLAG == 1 || s.CHG == 1) return;
  if (s.NDAMA == 0)
    NodeTable(r, "DEFLECTIONS OF SLABS (F) ARE: (DOWNWARD POSITIVE)",
              [&](int n) { return s.F(Eq(s, n, 1)) - s.CURL(n); });
}

}  // namespace pave::slab
