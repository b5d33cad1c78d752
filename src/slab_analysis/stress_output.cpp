#include "slab_analysis/stress_output.h"

#include <cmath>

#include "common/number_format.h"
#include "slab_analysis/numbering.h"
#include "slab_analysis/report_helpers.h"

namespace pave::slab {

void CornerMoments(int corner, double a, double b, double D, double nu, const double w[4], const double ra[4],
                   const double rb[4], double bm[3]) {
  const double RA = a / b, RB = b / a;
  const double C = D / (4 * a * b), CT = (1 - nu) * D * 0.5 / (4 * a * b);
  // Corner indices: 0 lower left, 1 upper left, 2 lower right, 3 upper right.
  switch (corner) {
    case 0: {  // QUR: n lower left; U above, R right, UpR diagonal
      const int n = 0, U = 1, R = 2, X = 3;
      bm[0] = C * (6 * (RA * nu + RB) * w[n] - 8 * a * nu * ra[n] + 8 * b * rb[n] - 6 * RA * nu * w[U] -
                   4 * a * nu * ra[U] - 6 * RB * w[R] + 4 * b * rb[R]);
      bm[1] = C * (6 * (RB * nu + RA) * w[n] - 8 * a * ra[n] + 8 * b * nu * rb[n] - 6 * RA * w[U] - 4 * a * ra[U] -
                   6 * RB * nu * w[R] + 4 * b * nu * rb[R]);
      bm[2] = CT * (-2 * w[n] + 4 * b * ra[n] - 4 * a * rb[n] + 2 * w[U] + 4 * a * rb[U] + 2 * w[R] - 4 * b * ra[R] -
                    2 * w[X]);
      break;
    }
    case 1: {  // QLR: n upper left; Dn below, R right, DnR diagonal
      const int n = 1, Dn = 0, R = 3, X = 2;
      bm[0] = C * (6 * (RA * nu + RB) * w[n] + 8 * a * nu * ra[n] + 8 * b * rb[n] - 6 * RA * nu * w[Dn] +
                   4 * a * nu * ra[Dn] - 6 * RB * w[R] + 4 * b * rb[R]);
      bm[1] = C * (6 * (RB * nu + RA) * w[n] + 8 * a * ra[n] + 8 * b * nu * rb[n] - 6 * RA * w[Dn] + 4 * a * ra[Dn] -
                   6 * RB * nu * w[R] + 4 * b * nu * rb[R]);
      bm[2] = CT * (2 * w[n] + 4 * b * ra[n] + 4 * a * rb[n] - 2 * w[Dn] - 4 * a * rb[Dn] - 2 * w[R] - 4 * b * ra[R] +
                    2 * w[X]);
      break;
    }
    case 2: {  // QUL: n lower right; U above, Lf left, UpL diagonal
      const int n = 2, U = 3, Lf = 0, X = 1;
      bm[0] = C * (6 * (RA * nu + RB) * w[n] - 8 * a * nu * ra[n] - 8 * b * rb[n] - 6 * RA * nu * w[U] -
                   4 * a * nu * ra[U] - 6 * RB * w[Lf] - 4 * b * rb[Lf]);
      bm[1] = C * (6 * (RB * nu + RA) * w[n] - 8 * a * ra[n] - 8 * b * nu * rb[n] - 6 * RA * w[U] - 4 * a * ra[U] -
                   6 * RB * nu * w[Lf] - 4 * b * nu * rb[Lf]);
      bm[2] = CT * (2 * w[n] - 4 * b * ra[n] - 4 * a * rb[n] - 2 * w[U] + 4 * a * rb[U] - 2 * w[Lf] + 4 * b * ra[Lf] +
                    2 * w[X]);
      break;
    }
    default: {  // QLL: n upper right; Dn below, Lf left, DnL diagonal
      const int n = 3, Dn = 2, Lf = 1, X = 0;
      bm[0] = C * (6 * (RA * nu + RB) * w[n] + 8 * a * nu * ra[n] - 8 * b * rb[n] - 6 * RA * nu * w[Dn] +
                   4 * a * nu * ra[Dn] - 6 * RB * w[Lf] - 4 * b * rb[Lf]);
      bm[1] = C * (6 * (RB * nu + RA) * w[n] + 8 * a * ra[n] - 8 * b * nu * rb[n] - 6 * RA * w[Dn] + 4 * a * ra[Dn] -
                   6 * RB * nu * w[Lf] - 4 * b * nu * rb[Lf]);
      bm[2] = CT * (-2 * w[n] - 4 * b * ra[n] + 4 * a * rb[n] + 2 * w[Dn] - 4 * a * rb[Dn] + 2 * w[Lf] +
                    4 * b * ra[Lf] - 2 * w[X]);
      break;
    }
  }
}

void StrOut(SlabRun& r) {
  SlabState& s = r.s;
  LineWriter& w = r.Rep();
  LineWriter& g = r.Gra();
  const int nnode = Count(s.NNODE);
  const int nlayer = Count(s.NLAYER);
  const int nprint = Count(s.NPRINT);
  const int nslab = Count(s.NSLAB);
  const int outmode = Count(s.OUTMODE);
  const bool si = s.NUNIT != 0;

  // Graph record 16.
  if (outmode != 2) g.Num(s.NPRINT).Num(s.LS(1)).End();

  // Reaction stage.
  for (int n = 1; n <= nnode; ++n) {
    s.SUBR(n) = Single(Div(s.SUBR(n), s.AREA(n)));
    if (si) s.SUBR(n) = Single(static_cast<double>(s.SUBR(n)) * 10000);
  }
  if (s.NDAMA == 0) {
    w.End();
    w.Text("NODAL NUMBER AND REACTIVE PRESSURE (SUBR) ARE: (COMPRESSION POSITIVE)").End();
    NodeValues(w, nnode, 5, "####", "####0.000", [&](int n) { return s.SUBR(n); });
  }
  if (s.MDPO != 0) {
    w.End();
    w.Text(" NODE  ROTAT.X    ROTAT.Y  NODE  ROTAT.X    ROTAT.Y  NODE  RORAT.X    ROTAT.Y").End();
    for (int n = 1; n <= nnode; ++n) {
      w.Text(LnUp(n, 4, "###")).Text(LnUp(s.F(3 * (n - 1) + 2), 11, "0.000E+00")).Text(LnUp(s.F(3 * n), 11, "0.000E+00"));
      if (n % 3 == 0 && n != nnode) w.End();
    }
    w.End();
  }
  if (s.NDAMA == 0) {
    const std::string fo = FormatMask(s.FOSUM, "#########0.0"), su = FormatMask(s.SUBSUM, "#########0.0");
    w.End();
    w.Text("SUM OF FORCES (FOSUM) = ").Text(fo).Text("    SUM OF REACTIONS (SUBSUM) = ").Text(su).End();
    r.Append(kCrLf);
    r.Append("SUM OF FORCES (FOSUM)          = " + fo + kCrLf);
    r.Append("SUM OF REACTIONS (SUBSUM) = " + su + kCrLf);
    r.log.lines += 2;
    r.Display();
  }

  // Table header and working data.
  w.End();
  if (outmode != 1)
    w.Text("NODE LAYER STRESS X   STRESS Y  STRESS XY  MAX.SHEAR     MAJOR      MINOR").End();
  else
    w.Text("NODE LAYER STRESS X   STRESS Y      MAJOR      MINOR   MOMENT X  MOMENT  Y").End();
  Arr<float, kMaxLayers> XMIN, XMAX, YMIN, YMAX, SMAXP;
  Arr<int, kMaxLayers> NXMIN, NXMAX, NYMIN, NYMAX, NSMAXP, NSMAX;
  for (int L = 1; L <= nlayer; ++L) s.STRS(L, 1) = 0;
  Arr<std::int16_t, kMaxNodes> ONSX, ONSY;
  for (int i = 1; i <= Count(s.NSX); ++i) ONSX(s.NODSX(i)) = 1;
  for (int i = 1; i <= Count(s.NSY); ++i) ONSY(s.NODSY(i)) = 1;
  Arr2<float, kMaxLayers, 3> STRD;
  auto W = [&](int n) { return static_cast<double>(s.F(3 * (n - 1) + 1)); };
  auto RAv = [&](int n) { return static_cast<double>(s.F(3 * (n - 1) + 2)); };
  auto RBv = [&](int n) { return static_cast<double>(s.F(3 * (n - 1) + 3)); };

  for (int I = 1; I <= nprint; ++I) {
    const int n = s.NP(I);
    if (n < 1 || n > nnode) throw CapacityError("print node beyond the nodes");
    // 4. Section properties.
    double ZZ[3] = {0, 0, 0}, SI[3] = {0, 0, 0};
    if (s.NBOND != 1) {
      for (int L = 1; L <= nlayer; ++L) {
        ZZ[L] = s.THK(L, n) * 0.5;
        SI[L] = std::pow(static_cast<double>(s.THK(L, n)), 3) / 12;
      }
    } else {
      const double T1 = s.THK(1, n), T2 = s.THK(2, n), R = Div(s.YM(2), s.YM(1));
      const double d = Div(T1 * T1 * 0.5 + (T2 * 0.5 + T1) * T2 * R, R * T2 + T1);
      ZZ[1] = T1 - d;
      ZZ[2] = R * (T1 + T2 - d);
      SI[1] = SI[2] = T1 * T1 * T1 / 12 + T1 * (T1 * 0.5 - d) * (T1 * 0.5 - d) +
                      R * (T2 * T2 * T2 / 12 + T2 * (T2 * 0.5 + T1 - d) * (T2 * 0.5 + T1 - d));
    }
    // 5. Slab and position.
    const int KS = SlabOfNode(s, n);
    const int NOFF = s.INITNP(KS) - 1, NYK = s.NY(KS), NXK = s.NX(KS);
    const int NCOL0 = ((n - NOFF - 1) / NYK) * NYK + NOFF;
    const bool bottom = n == NCOL0 + 1, top = n == NCOL0 + NYK;
    const bool first = n <= NOFF + NYK, last = n >= NOFF + NYK * (NXK - 1) + 1;
    const int ELOFF = KS > 1 ? s.LASTEN(KS - 1) : 0;
    auto elemAt = [&](int c) { const int m = c - NOFF; return ELOFF + m - m / NYK; };
    // 6. Element-corner moments: which elements meet at n, and FAC.
    const bool useQUR = !last && !top, useQLR = !last && !bottom, useQUL = !first && !top, useQLL = !first && !bottom;
    const int used = useQUR + useQLR + useQUL + useQLL;
    const double FAC = used == 1 ? 1.0 : (used == 2 ? 0.5 : 0.25);
    double BM[3][3] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
    auto addElement = [&](int lowerLeft, int corner) {
      const int c[4] = {lowerLeft, lowerLeft + 1, lowerLeft + NYK, lowerLeft + NYK + 1};
      const double a = (static_cast<double>(s.XN(c[2])) - s.XN(c[0])) / 2, b = (static_cast<double>(s.YN(c[1])) - s.YN(c[0])) / 2;
      const double wv[4] = {W(c[0]), W(c[1]), W(c[2]), W(c[3])};
      const double rav[4] = {RAv(c[0]), RAv(c[1]), RAv(c[2]), RAv(c[3])};
      const double rbv[4] = {RBv(c[0]), RBv(c[1]), RBv(c[2]), RBv(c[3])};
      const int e = elemAt(lowerLeft);
      for (int L = 1; L <= nlayer; ++L) {
        double bm[3];
        CornerMoments(corner, a, b, s.RIGID(L, e), s.PR(L), wv, rav, rbv, bm);
        for (int k = 0; k < 3; ++k) BM[L][k] += bm[k];
      }
    };
    if (useQUR) addElement(n, 0);
    if (useQLR) addElement(n - 1, 1);
    if (useQUL) addElement(n - NYK, 2);
    if (useQLL) addElement(n - NYK - 1, 3);
    // 7. Edge corrections.
    for (int L = 1; L <= nlayer; ++L) {
      if ((bottom && s.JONO(3, KS) == 0) || (top && s.JONO(4, KS) == 0) || (first && s.JONO(1, KS) == 0) ||
          (last && s.JONO(2, KS) == 0))
        BM[L][2] = 0;
      if (bottom || top) {
        const int k = bottom ? 3 : 4;
        const int J = s.JONO(k, KS);
        if (J == 0) {
          if (ONSX(n) != 1) BM[L][1] = 0;
        } else if (s.FAJ(2, s.NJN(J) + 1) == 0) {
          BM[L][1] = 0;
        }
      }
      if (first || last) {
        const int k = first ? 1 : 2;
        const int J = s.JONO(k, KS);
        if (J == 0) {
          if (ONSY(n) != 1) BM[L][0] = 0;
        } else if (s.FAJ(3, s.NJN(J) + 1) == 0) {
          BM[L][0] = 0;
        }
      }
    }
    if (s.NBOND == 1)
      for (int k = 0; k < 3; ++k) {
        BM[1][k] += BM[2][k];
        BM[2][k] = BM[1][k];
      }
    // 8 to 11. Stresses, output and extremes per layer.
    for (int L = 1; L <= nlayer; ++L) {
      float STR[7] = {0, 0, 0, 0, 0, 0, 0};
      for (int k = 1; k <= 3; ++k) {
        double v = -FAC * BM[L][k - 1] * Div(ZZ[L], SI[L]);
        if (si) v *= 10000;
        STR[k] = Single(v);
      }
      STR[4] = Single(std::sqrt((static_cast<double>(STR[1]) - STR[2]) * (static_cast<double>(STR[1]) - STR[2]) * 0.25 +
                                static_cast<double>(STR[3]) * STR[3]));
      STR[5] = (STR[2] + STR[1]) / 2 + STR[4];
      STR[6] = (STR[2] + STR[1]) / 2 - STR[4];
      Finite(STR[5]);  // principal stresses beyond single precision take the error path
      Finite(STR[6]);
      auto line = [&] {
        w.Text(LnUpFirst(n, 3, "##0")).Text(LnUp(L, 5, "#0"));
        for (int k = 1; k <= 6; ++k) w.Text(LnUp(STR[k], 11, "####0.000"));
        w.End();
      };
      if (outmode != 1) {
        line();
        if (outmode == 0) {
          g.Num(STR[1]).Num(STR[2]);
          if (I % 4 == 0) g.End();
        }
      }
      // 9. SMAX tracking.
      for (float v : {STR[5], STR[6]}) {
        if (v > SMAXP(L)) {
          SMAXP(L) = v;
          NSMAXP(L) = n;
        } else if (v < s.STRS(L, 1)) {
          s.STRS(L, 1) = v;
          NSMAX(L) = n;
        }
      }
      if (s.NDAMA == 0 && std::fabs(s.STRS(L, 1)) < std::fabs(SMAXP(L))) {
        s.STRS(L, 1) = SMAXP(L);
        NSMAX(L) = NSMAXP(L);
      }
      // 10. Moment mode.
      if (outmode == 1) {
        STR[3] = STR[5];
        STR[4] = STR[6];
        STR[5] = Single(-FAC * BM[L][0]);
        STR[6] = Single(-FAC * BM[L][1]);
        line();
        g.Num(STR[5]).Num(STR[6]);
        if (I % 4 == 0) g.End();
      }
      // 11. X and Y extremes.
      if (STR[1] > XMAX(L)) {
        XMAX(L) = STR[1];
        NXMAX(L) = n;
      } else if (STR[1] < XMIN(L)) {
        XMIN(L) = STR[1];
        NXMIN(L) = n;
      }
      if (STR[2] > YMAX(L)) {
        YMAX(L) = STR[2];
        NYMAX(L) = n;
      } else if (STR[2] < YMIN(L)) {
        YMIN(L) = STR[2];
        NYMIN(L) = n;
      }
      if ((s.NDAMA == 2 || s.NDAMA == 3) && I <= 3) STRD(L, I) = STR[1];
    }
  }

  // After the node loop, first pass.
  const int NODEOFF = s.LS(1) == 1 ? 0 : s.LASTNP(s.LS(1) - 1);
  for (int L = 1; L <= nlayer; ++L) {
    if (!(s.STRS(L, 1) < 0)) {
      s.STRS(L, 1) = SMAXP(L);
      NSMAX(L) = NSMAXP(L);
    }
    g.Num(NSMAX(L)).Num(s.STRS(L, 1)).Num(NODEOFF).End();
    if (outmode == 1) {
      auto toMoment = [&](float& v, int node) {
        const double t = node >= 1 ? s.THK(L, node) : 0.0;
        v = Single(t * t * v / (si ? 60000.0 : 6.0));
      };
      toMoment(XMIN(L), NXMIN(L));
      toMoment(XMAX(L), NXMAX(L));
      toMoment(YMIN(L), NYMIN(L));
      toMoment(YMAX(L), NYMAX(L));
    }
    if (outmode != 2)
      g.Num(NXMIN(L)).Num(XMIN(L)).Num(NXMAX(L)).Num(XMAX(L)).Num(NYMIN(L)).Num(YMIN(L)).Num(NYMAX(L)).Num(YMAX(L)).End();
  }
  // Second pass.
  for (int L = 1; L <= nlayer; ++L) {
    if (s.NDAMA < 2) {
      r.log.Line("MAXIMUM STRESS (SMAX) IN LAYER" + Str(L) + " IS " + FormatMask(s.STRS(L, 1), "######0.000") + " (NODE" +
                 Str(NSMAX(L)) + ")");
      r.Display();
      w.End();
      w.Text("MAXIMUM STRESS (SMAX) IN LAYER").Num(L).Text(" IS").Text(LnUp(s.STRS(L, 1), 12, "######0.000"))
          .Text(" ( NODE").Num(NSMAX(L)).Text(")").End();
      if (!r.variant.large || outmode == 1) w.End();
      if (outmode != 2) {
        const bool mom = outmode == 1;
        auto ext = [&](const char* label, float v, int node) {
          w.Text(label).Text(LnUp(v, 15, "###########0.0")).Text(" ( NODE").Num(node).Text(")").End();
        };
        ext(mom ? "MAXIMUM MOMENT IN X DIRECTION =" : "MAXIMUM STRESS IN X DIRECTION =", XMIN(L), NXMIN(L));
        ext(mom ? "MINIMUM MOMENT IN X DIRECTION =" : "MINIMUM STRESS IN X DIRECTION =", XMAX(L), NXMAX(L));
        ext(mom ? "MAXIMUM MOMENT IN Y DIRECTION =" : "MAXIMUM STRESS IN Y DIRECTION =", YMIN(L), NYMIN(L));
        ext(mom ? "MINIMUM MOMENT IN Y DIRECTION =" : "MINIMUM STRESS IN Y DIRECTION =", YMAX(L), NYMAX(L));
      }
    } else {
      const float d = STRD(L, 3) - STRD(L, 2);
      bool smaxOnly = false;
      if (d > 0) {
        if (NSMAX(L) == 1) {
          s.KSTART = 1;
          smaxOnly = true;
        } else {
          s.KSTART = 2;
          s.STRS(L, 2) = s.STRS(L, 1) - STRD(L, 1);
        }
      } else {
        s.KSTART = 3;
        s.STRS(L, 2) = s.STRS(L, 1) - STRD(L, 2);
        s.STRS(L, 3) = s.STRS(L, 2);
      }
      if (!smaxOnly) {
        if (s.STRS(L, 2) <= s.STRS(L, 1)) {
          s.STRS(L, 2) = s.STRS(L, 1);
          s.STRS(L, 3) = s.STRS(L, 1);
        }
        w.End();
        w.Text("STRESS DIFFERENTIAL FOR MULTIPLE WHEELS IS").Text(LnUp(s.STRS(L, 2), 10, "#####0.000")).End();
      }
      r.log.Line("MAXIMUM STRESS (SMAX) AT BOTTOM OF LAYER" + Str(L) + " IS" +
                 Str(std::round(static_cast<double>(s.STRS(L, 1)) * 1000.0) / 1000.0) + " (NODE " + Str(NSMAX(L)) + ")");
      r.Display();
      w.End();
      w.Text("MAXIMUM STRESS (SMAX) AT BOTTOM OF LAYER").Num(L).Text(" IS").Text(LnUp(s.STRS(L, 1), 12, "########0.000"))
          .Text(" ( NODE ").Num(NSMAX(L)).End();
    }
  }
  (void)nslab;
}

}  // namespace pave::slab
