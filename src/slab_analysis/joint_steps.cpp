// Joints between slabs: the share of each joint node and the dowel springs, the joint springs in the
// band matrix, and the joint forces and dowel stresses.
#include <cmath>
#include <cstddef>
#include <vector>

#include "common/number_format.h"
#include "slab_analysis/dowel_springs.h"
#include "slab_analysis/foundation_steps.h"
#include "slab_analysis/joint_geometry.h"
#include "slab_analysis/joint_stiffness.h"

namespace pave::slab {

namespace {

JointLine LineOf(const SlabState& s, int J) {
  return JointLineOf(s.KSIDE(J), s.NY(s.NSJ(1, J)), s.NY(s.NSJ(2, J)), s.NX(s.NSJ(2, J)));
}

}  // namespace

void DowGeo(SlabRun& r) {
  SlabState& s = r.s;
  const int njoint = static_cast<int>(s.NJOINT);
  for (int J = 1; J <= njoint; ++J) {
    if (!JointSideSupported(s.KSIDE(J))) {
      r.LimitStop("JOINT NO." + Str(J) +
                  " LIES AT THE RIGHT OR TOP SIDE OF ITS HIGHER-NUMBERED SLAB. NUMBER THE SLABS FROM LEFT TO RIGHT "
                  "AND FROM BOTTOM TO TOP, SO COMPUTATION STOPS.");
    }
    const int pairs = LineOf(s, J).pairs;
    if (s.NNAJ(J) != 0 && s.NNAJ(J) != pairs) {
      r.LimitStop("JOINT NO." + Str(J) + " HAS" + Str(pairs) + " NODES BUT NNAJ =" + Str(s.NNAJ(J)) +
                  ". THE NUMBER OF DOWEL BARS MUST BE GIVEN AT EVERY NODE OF THE JOINT, SO COMPUTATION STOPS.");
    }
  }

  int dowelJoints = 0;
  for (int J = 1; J <= njoint; ++J) {
    if (s.IDOW(J) == 1) ++dowelJoints;
    const int s2 = s.NSJ(2, J);
    const JointLine line = LineOf(s, J);
    const int N = line.pairs;
    if (s.NNAJ(J) == 0) {
      std::vector<float> C(static_cast<std::size_t>(N) + 1);
      for (int K = 1; K <= N; ++K)
        C[static_cast<std::size_t>(K)] = line.alongY ? s.Y(s.NYY(s2) + K) : s.X(s.NXX(s2) + K);
      const std::vector<float> len = JointTributaryLengths(C.data(), N);
      for (int K = 1; K <= N; ++K) s.JNT(1, s.NJN(J) + K) = len[static_cast<std::size_t>(K)];
    }
    if (s.SPCON(1, J) == 0) {
      try {
        const DowelSpring d = DowelShearSpring(s.BD(J), s.SCKV(J), s.WJ(J), s.BS(J), s.YMSB, s.PRSB, s.NNAJ(J) != 0);
        s.CDOW(J) = d.CDOW;
        s.BS(J) = d.BS;
        s.SPCON(1, J) = d.SPCON1;
      } catch (const std::domain_error& e) {
        throw ArithmeticError(e.what());
      }
    }
    for (int K = 1; K <= N; ++K) {
      const int row = s.NJN(J) + K;
      s.JNT(2, row) = s.JNT(1, row);
      s.JNT(3, row) = s.JNT(2, row);
    }
    s.SPCON(3, J) = s.SPCON(2, J);
  }
  if (dowelJoints > 0) {
    LineWriter& w = r.Rep();
    w.End();
    w.Text("JOINT NO.     EQUIVALENT SPRING CONSTANT (SPCON)").End();
    for (int J = 1; J <= njoint; ++J)
      if (s.IDOW(J) == 1) w.Text(LnUp(J, 5, "##") + LnUp(s.SPCON(1, J), 32, "0.000E+00")).End();
  }
}

void DowSti(SlabRun& r) {
  SlabState& s = r.s;
  const long NB = static_cast<long>(s.NB);
  const long neq = static_cast<long>(s.NEQ);
  if (NB <= 0) throw CapacityError("no band");
  if (neq * NB > s.NSTORE()) throw StorageError("band matrix beyond the work array");
  for (int J = 1; J <= static_cast<int>(s.NJOINT); ++J) {
    const JointLine line = LineOf(s, J);
    for (int K = 1; K <= line.pairs; ++K) {
      const int p = s.ISNN(1, J) + (K - 1) * line.step1;
      const int q = s.ISNN(2, J) + (K - 1) * line.step2;
      const int m = s.NJN(J) + K;
      int e1 = s.NEWNO(p), e2 = s.NEWNO(q);
      if (e1 > e2) std::swap(e1, e2);
      for (int M : {1, line.momentDegree}) {
        const float k = static_cast<float>(static_cast<double>(s.SPCON(M, J)) * s.JNT(M, m));
        AddJointPairSpring(s.SK.data(), NB, e1, e2, M, k);
      }
    }
  }
}

void DowOut(SlabRun& r) {
  SlabState& s = r.s;
  LineWriter& w = r.Rep();
  for (int J = 1; J <= static_cast<int>(s.NJOINT); ++J) {
    const JointLine line = LineOf(s, J);
    const int NJS = line.pairs;
    const int MDOF = line.momentDegree;
    std::vector<int> NODE1(static_cast<std::size_t>(NJS) + 1);
    for (int K = 1; K <= NJS; ++K) {
      const int row = s.NJN(J) + K;
      const int m1 = s.ISNN(1, J) + (K - 1) * line.step1;
      const int m2 = s.ISNN(2, J) + (K - 1) * line.step2;
      NODE1[static_cast<std::size_t>(K)] = m1;
      // The solution is still in equation order here.
      const long e1 = 3L * (s.NEWNO(m1) - 1), e2 = 3L * (s.NEWNO(m2) - 1);
      const float dw = static_cast<float>(static_cast<double>(s.F(e1 + 1)) - s.F(e2 + 1));
      const float gdc = s.GDC(J);
      if (static_cast<float>(std::fabs(dw) - gdc) <= 0) {
        s.FAJ(1, row) = 0;
      } else {
        // The dowel bears on what exceeds the gap, in the direction of the relative deflection.
        const double bearing = dw >= 0 ? static_cast<double>(dw) - gdc : static_cast<double>(dw) + gdc;
        s.FAJ(1, row) = static_cast<float>(-static_cast<double>(s.JNT(1, row)) * s.SPCON(1, J) * bearing);
      }
      const double rot = static_cast<double>(s.F(e1 + MDOF)) - s.F(e2 + MDOF);
      s.FAJ(MDOF, row) = static_cast<float>(-static_cast<double>(s.JNT(MDOF, row)) * s.SPCON(MDOF, J) * rot);
    }
    w.End();
    w.Text("FOR JOINT NO.").Num(J).Text("SHEAR (FAJ1) AND MOMENT (FAJ2) AT THE NODES ARE:").End();
    for (int K = 1; K <= NJS; ++K) {
      const int row = s.NJN(J) + K;
      w.Text(LnUp(NODE1[static_cast<std::size_t>(K)], 6, "##0") + LnUp(s.FAJ(1, row), 9, "#####0.0") +
             LnUp(s.FAJ(MDOF, row), 9, "#####0.0"));
      if (K % 3 == 0 && K != NJS) w.End();
    }
    w.End();
    if (s.IDOW(J) == 0) continue;
    std::vector<float> FAJPD(static_cast<std::size_t>(NJS) + 1), BEARS(FAJPD), SHEARS(FAJPD);
    if (s.BD(J) == 0) throw ArithmeticError("dowel diameter is zero");
    for (int K = 1; K <= NJS; ++K) {
      const int row = s.NJN(J) + K;
      const std::size_t k = static_cast<std::size_t>(K);
      FAJPD[k] = s.JNT(1, row) == 0
                     ? 0.0f
                     : static_cast<float>(static_cast<double>(s.FAJ(1, row)) / s.JNT(1, row) * s.BS(J));
      SHEARS[k] = static_cast<float>(static_cast<double>(FAJPD[k]) * 1.273237 / (static_cast<double>(s.BD(J)) * s.BD(J)));
      BEARS[k] = static_cast<float>(static_cast<double>(s.SCKV(J)) * FAJPD[k] * s.CDOW(J));
    }
    w.End();
    w.Text("FOR JOINT NO.").Num(J).Text("SHEAR IN ONE DOWEL BAR (FAJPD) AT THE NODES IS:").End();
    for (int K = 1; K <= NJS; ++K) {
      w.Text(LnUp(NODE1[static_cast<std::size_t>(K)], 5, "#0") + LnUp(FAJPD[static_cast<std::size_t>(K)], 10, "######0.0"));
      if (K % 5 == 0 && K != NJS) w.End();
    }
    w.End();
    w.End();
    w.Text("FOR JOINT NO.").Num(J).Text("BEARING STRESS (BEARS) OF CONCRETE AND SHEAR STRESS ").End();
    w.Text("(SHEARS) OF DOWELS AT THE NODES ARE:").End();
    for (int K = 1; K <= NJS; ++K) {
      const std::size_t k = static_cast<std::size_t>(K);
      w.Text(LnUp(NODE1[k], 6, "#0") + LnUp(BEARS[k], 9, "#####0.0") + LnUp(SHEARS[k], 9, "#####0.0"));
      if (K % 3 == 0 && K != NJS) w.End();
    }
    w.End();
  }
}

}  // namespace pave::slab
