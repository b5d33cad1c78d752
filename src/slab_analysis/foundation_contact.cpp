// Stiffness and contact of a solid or layered foundation: the foundation stiffness of a contact
// cycle, the right-hand side of a solution pass and the contact step of a load group.
#include <cmath>
#include <cstddef>
#include <vector>

#include "common/number_format.h"
#include "slab_analysis/foundation_steps.h"
#include "slab_analysis/joint_geometry.h"
#include "slab_analysis/matrix_inversion.h"
#include "slab_analysis/report_helpers.h"

namespace pave::slab {

namespace {

// Packed symmetric matrix at an offset of SK: entry of the smaller and the larger node number.
struct Packed {
  float* base;
  float& operator()(long i, long j) const {
    if (i > j) std::swap(i, j);
    return base[j * (j - 1) / 2 + i];
  }
};

Packed FoundationMatrix(SlabState& s) { return {s.SK.data() + static_cast<long>(s.AVAIL)}; }
Packed FlexibilityCopy(SlabState& s) { return {s.SK.data() + static_cast<long>(s.NSK3)}; }

// The nodes that lie at the point of node P (P first), and how many of them are in contact.
struct Group {
  int members[5] = {};
  int size = 0;
  int contact = 0;
};

Group GroupOf(const SlabState& s, int P) {
  Group g;
  const int type = s.NDTY(P);
  if (type == 1) {
    g.members[g.size++] = P;
    g.contact = 1;
    return g;
  }
  if (type == 2) {
    g.members[g.size++] = P;
    g.members[g.size++] = s.NPOP(P);
  } else if (type == 3) {
    for (int k = 1; k <= s.NTSM3; ++k) {
      if (s.NPSM3(1, k) != P) continue;
      for (int R = 1; R <= 3; ++R) g.members[g.size++] = s.NPSM3(R, k);
      break;
    }
  } else {
    for (int k = 1; k <= static_cast<int>(s.NTSM); ++k) {
      if (static_cast<int>(s.NPSM(1, k)) != P) continue;
      for (int R = 1; R <= 4; ++R) g.members[g.size++] = static_cast<int>(s.NPSM(R, k));
      break;
    }
  }
  for (int i = 0; i < g.size; ++i)
    if (s.NCON(g.members[i]) == 0) ++g.contact;
  return g;
}

// Whether a node out of contact is taken out of the foundation.
bool TakenOut(const SlabState& s, int J) {
  if (s.NCON(J) == 0) return false;
  if (s.NPOP(J) == 0) return true;
  const int type = s.NDTY(J);
  if (type == 2) return s.NCON(s.NPOP(J)) != 0;
  if (type == 3) {
    for (int k = 1; k <= s.NTSM3; ++k)
      if (s.NPSM3(1, k) == J) return !(s.NCON(s.NPSM3(2, k)) == 0 || s.NCON(s.NPSM3(3, k)) == 0);
    return true;
  }
  if (type == 4) {
    for (int k = 1; k <= static_cast<int>(s.NTSM); ++k)
      if (static_cast<int>(s.NPSM(1, k)) == J) {
        for (int R = 2; R <= 4; ++R)
          if (s.NCON(static_cast<long>(s.NPSM(R, k))) == 0) return false;
        return true;
      }
    return true;
  }
  return true;
}

// A precompression counts only with curling or without loaded areas; a gap always.
bool GapCounts(const SlabState& s, int J) {
  return s.NTEMP != 0 || s.NUDL(s.LG) == 0 || s.CURL(J) > 0;
}


}  // namespace

void SolSti(SlabRun& r) {
  SlabState& s = r.s;
  const int nnode = static_cast<int>(s.NNODE);
  const long ntri = static_cast<long>(s.NTRI);
  Packed K = FoundationMatrix(s);
  const float* copy = s.SK.data() + static_cast<long>(s.NSK3);
  for (long k = 1; k <= ntri; ++k) K.base[k] = copy[k];

  std::vector<char> out(static_cast<std::size_t>(nnode) + 1, 0);
  for (int J = 1; J <= nnode; ++J) out[static_cast<std::size_t>(J)] = TakenOut(s, J) ? 1 : 0;
  for (int I = 1; I <= nnode; ++I) {
    for (int J = I; J <= nnode; ++J)
      if (out[static_cast<std::size_t>(J)]) K(I, J) = 0;
    if (out[static_cast<std::size_t>(I)]) K(I, I) = 1.0e20f;
  }

  try {
    MatInv(K.base, nnode, r.log);
  } catch (const std::domain_error& e) {
    throw ArithmeticError(e.what());
  }

  const float fsaf = s.FSAF(s.IPER);
  for (long k = 1; k <= ntri; ++k) K.base[k] = static_cast<float>(static_cast<double>(fsaf) * K.base[k]);

  if (s.NSLAB == 1) return;
  for (int I = 1; I <= nnode; ++I) {
    if (s.NDTY(I) == 0) continue;
    const Group gi = GroupOf(s, I);
    if (gi.contact == 0) continue;
    for (int J = I; J <= nnode; ++J) {
      if (s.NDTY(J) == 0 || (s.NDTY(I) == 1 && s.NDTY(J) == 1)) continue;
      const Group gj = J == I ? gi : GroupOf(s, J);
      if (gj.contact == 0) continue;
      const float v = static_cast<float>(static_cast<double>(K(I, J)) / (gi.contact * gj.contact));
      if (J == I) {
        const float diag = static_cast<float>(static_cast<double>(gi.contact) * v);
        for (int a = 0; a < gi.size; ++a) K(gi.members[a], gi.members[a]) = diag;
      } else {
        for (int a = 0; a < gi.size; ++a)
          for (int b = 0; b < gj.size; ++b) K(gi.members[a], gj.members[b]) = v;
      }
    }
  }
}

void SolMod(SlabRun& r) {
  SlabState& s = r.s;
  const int nnode = static_cast<int>(s.NNODE);
  const int neq = static_cast<int>(s.NEQ);
  for (int i = 1; i <= neq; ++i) {
    s.FPREV(i) = s.F(i);
    s.F(i) = s.RLOAD(i);
  }
  Packed K = FoundationMatrix(s);
  const long bandNodes = static_cast<long>(s.NB) / 3;
  std::vector<char> gapCounts(static_cast<std::size_t>(nnode) + 1);
  for (int J = 1; J <= nnode; ++J) gapCounts[static_cast<std::size_t>(J)] = GapCounts(s, J);
  for (int I = 1; I <= nnode; ++I) {
    if (s.NCON(I) != 0) continue;
    double f = s.F(3 * (I - 1) + 1);
    for (int J = 1; J <= nnode; ++J) {
      if (s.NCON(J) != 0) continue;
      const float k = K(I, J);
      const bool gc = gapCounts[static_cast<std::size_t>(J)];
      if (std::labs(J - I) < bandNodes) {
        if (gc) f = static_cast<float>(f + static_cast<double>(k) * s.CURL(J));
      } else {
        const float wprev = s.FPREV(3 * (J - 1) + 1);
        const double w = gc ? static_cast<double>(wprev) - s.CURL(J) : wprev;
        f = static_cast<float>(f - static_cast<double>(k) * static_cast<float>(w));
      }
    }
    s.F(3 * (I - 1) + 1) = static_cast<float>(f);
  }

  if (s.ISOLVE != 0 || s.NJOINT == 0) return;
  for (int J = 1; J <= static_cast<int>(s.NJOINT); ++J) {
    const JointLine line = JointLineOf(s.KSIDE(J), s.NY(s.NSJ(1, J)), s.NY(s.NSJ(2, J)), s.NX(s.NSJ(2, J)));
    const float gdc = s.GDC(J);
    const float sp1 = s.SPCON(1, J);
    for (int Kp = 1; Kp <= line.pairs; ++Kp) {
      const int p = s.ISNN(1, J) + (Kp - 1) * line.step1;
      const int q = s.ISNN(2, J) + (Kp - 1) * line.step2;
      const int m = s.NJN(J) + Kp;
      const float d = static_cast<float>(static_cast<double>(s.FPREV(3 * (p - 1) + 1)) - s.FPREV(3 * (q - 1) + 1));
      // The spring in the matrix acts on the whole relative deflection d; the dowel bears only on
      // what exceeds the gap, with the sign of d.
      const double gap = d >= 0 ? gdc : -static_cast<double>(gdc);
      for (int side = 1; side <= 2; ++side) {
        const int node = side == 1 ? p : q;
        const double sign = side == 1 ? 1.0 : -1.0;
        float& fr = s.F(3 * (node - 1) + 1);
        if (std::fabs(d) >= gdc)
          fr = static_cast<float>(fr + sign * gap * s.JNT(1, m) * sp1);
        else
          fr = static_cast<float>(fr + sign * d * sp1 * s.JNT(1, m));
      }
    }
    for (int Kp = 1; Kp <= line.pairs; ++Kp) {
      const int p = s.ISNN(1, J) + (Kp - 1) * line.step1;
      const int q = s.ISNN(2, J) + (Kp - 1) * line.step2;
      const int m = s.NJN(J) + Kp;
      if (q < p + bandNodes) continue;
      for (int M : {1, line.momentDegree}) {
        const double k = static_cast<double>(s.SPCON(M, J)) * s.JNT(M, m);
        s.F(3 * (p - 1) + M) = static_cast<float>(s.F(3 * (p - 1) + M) + k * s.FPREV(3 * (q - 1) + M));
        s.F(3 * (q - 1) + M) = static_cast<float>(s.F(3 * (q - 1) + M) + k * s.FPREV(3 * (p - 1) + M));
      }
    }
  }
}

void SolCon(SlabRun& r) {
  SlabState& s = r.s;
  const int nnode = static_cast<int>(s.NNODE);
  Packed K = FoundationMatrix(s);
  Packed Fl = FlexibilityCopy(s);
  auto w = [&](int n) { return s.F(3 * (n - 1) + 1); };

  s.FOSUM = 0;
  s.SUBSUM = 0;
  std::vector<int> inContact;
  for (int J = 1; J <= nnode; ++J)
    if (s.NCON(J) == 0) inContact.push_back(J);
  for (int I = 1; I <= nnode; ++I) {
    s.FOSUM = static_cast<float>(static_cast<double>(s.FOSUM) + s.RLOAD(3 * (I - 1) + 1));
    double sub = 0;
    for (int J : inContact) {
      const double wj = GapCounts(s, J) ? static_cast<double>(w(J)) - s.CURL(J) : w(J);
      sub += static_cast<double>(K(I, J)) * static_cast<float>(wj);
    }
    s.SUBR(I) = static_cast<float>(Finite(sub));
    s.SUBSUM = static_cast<float>(static_cast<double>(s.SUBSUM) + s.SUBR(I));
  }
  r.Append(kCrLf);
  r.Append("SUM OF APPLIED FORCES    = " + LnUp(s.FOSUM, 15, "##########0.0") + kCrLf);
  r.Append("SUM OF TOTAL REACTIONS = " + LnUp(s.SUBSUM, 15, "##########0.0") + kCrLf);
  r.log.lines += 2;
  r.Display();

  if (s.ISOLVE == 0 && std::fabs(s.DIFF) >= 0.00001f && s.FOSUM >= 1.0f) {
    const float ratio = static_cast<float>(std::fabs((static_cast<double>(s.FOSUM) - s.SUBSUM) / s.FOSUM));
    const float del0 = static_cast<float>(s.DEL0);
    const bool accepted = (s.NSTAGE == 0 && ratio < del0) || (s.NSTAGE == 1 && ratio < 0.1f * del0);
    if (!accepted) {
      s.ITFLAG = 1;
      s.DEL = static_cast<float>(0.01 * s.DEL);
      return;
    }
  }

  for (int I = 1; I <= nnode; ++I) {
    const int aI = s.NDTY(I) != 0 ? I : s.NPOP(I);
    double d = 0;
    for (int J : inContact) {
      const int aJ = s.NDTY(J) != 0 ? J : s.NPOP(J);
      d += static_cast<double>(s.SUBR(J)) * Fl(aI, aJ);
    }
    s.SUBD(I) = static_cast<float>(Finite(d));
  }
  for (int I = 1; I <= nnode; ++I)
    s.SUMP(I) = s.NCON(I) == 0 ? static_cast<float>(static_cast<double>(s.PCOMP(I)) + s.SUBR(I)) : 0.0f;

  s.CHG = 0;
  bool changed = false;
  if (s.NCYCLE != 1) {
    if (r.variant.large || s.NSTAGE == 0) {
      LineWriter& wr = r.Rep();
      wr.End();
      wr.Text("SUM OF REACTION FORCE AND PRECOMPRESSION (SUMP) IS:(COMPRESSION +, TENSION 0)").End();
      NodeValues(wr, nnode, 5, "###0", "######0.0", [&](int n) { return s.SUMP(n); });
    }
    for (int n = 1; n <= nnode; ++n) s.NCONP(n) = s.NCON(n);
    for (int n = 1; n <= nnode; ++n) s.NCON(n) = s.SUMP(n) > 0 ? 0 : 1;
    for (int n = 1; n <= nnode; ++n)
      if (s.NCON(n) != s.NCONP(n)) changed = true;
    if (changed) s.CHG = 1;
  }
  if (!changed) {
    if (s.NSTAGE != 1 && s.ISOLVE == 0 && s.DIFF != 0) {
      s.NSTAGE += 1;
      s.DEL = static_cast<float>(0.01 * s.DEL);
      s.ITFLAG = 1;
    }
  }
  if (s.CHG == 1 || s.ITFLAG == 1) return;

  if (s.NDAMA == 0) {
    LineWriter& wr = r.Rep();
    wr.End();
    wr.Text("NODAL NUMBERS AND DEFLECTIONS OF SLABS (F) ARE: (DOWNWARD POSITIVE)").End();
    NodeValues(wr, nnode, 5, "###0", "##0.00000",
               [&](int n) { return static_cast<float>(static_cast<double>(w(n)) - s.CURL(n)); });
    wr.End();
    wr.Text("NODAL NUMBERS AND DEFLECTIONS OF SUBGRADE (SUBD) ARE:(DOWNWARD POSITIVE)").End();
    NodeValues(wr, nnode, 5, "###0", "##0.00000", [&](int n) { return s.SUBD(n); });
  }
  if (s.NCYCLE != 1 || s.NWT != 0) {
    for (int n = 1; n <= nnode; ++n) {
      if (s.NCON(n) == 1) {
        float g = static_cast<float>(static_cast<double>(s.CURL(n)) - w(n) + s.SUBD(n));
        s.GAP(n) = g < 0 ? 0.0f : g;
      } else {
        s.GAP(n) = 0;
      }
    }
  }
}

}  // namespace pave::slab
