#include "slab_analysis/loads.h"

#include <vector>

#include "common/number_format.h"
#include "slab_analysis/numbering.h"
#include "slab_analysis/report_helpers.h"

namespace pave::slab {

void Curling(SlabRun& r) {
  SlabState& s = r.s;
  const int nslab = Count(s.NSLAB);
  const int nnode = Count(s.NNODE);
  Arr<float, kMaxSlabs> XC, YC;
  // 1. Centres.
  for (int I = 1; I <= nslab; ++I) {
    XC(I) = s.X(s.NXX(I) + s.NX(I)) / 2;
    YC(I) = s.Y(s.NYY(I) + s.NY(I)) / 2;
  }
  // 2. Axes of symmetry through the slabs.
  auto moveCentre = [&](const auto& list, int count, bool xAxis) {
    for (int I = 1; I <= nslab; ++I) {
      bool found = false;
      for (int N = s.INITNP(I); N <= s.LASTNP(I) && !found; ++N) {
        for (int i = 1; i <= count; ++i) {
          if (list(i) != N) continue;
          const int local = N - s.INITNP(I) + 1;
          if (xAxis) {
            YC(I) = 0;
            if (local % s.NY(I) == 0) YC(I) = s.Y(s.NYY(I) + s.NY(I));
          } else {
            XC(I) = 0;
            if (local > s.NY(I)) XC(I) = s.X(s.NXX(I) + s.NX(I));
          }
          found = true;
          break;
        }
      }
    }
  };
  if (s.NSX > 1) moveCentre(s.NODSX, Count(s.NSX), true);
  if (s.NSY > 1) moveCentre(s.NODSY, Count(s.NSY), false);
  // 3. Lift.
  const double h = static_cast<double>(s.T(1)) + s.T(2);
  int I = 1;
  for (int N = 1; N <= nnode; ++N) {
    const double dx = static_cast<double>(s.XN(N)) - XC(I), dy = static_cast<double>(s.YN(N)) - YC(I);
    s.CURL(N) = Single(s.CURL(N) + Div(0.5 * s.CT * s.TEMP * (dx * dx + dy * dy), h));
    if (N == s.LASTNP(I)) ++I;
  }
  // 4. Report.
  LineWriter& w = r.Rep();
  w.End();
  w.Text("AMOUNT OF INITIAL CURLING AND GAP (CURL) AT THE NODES IS").End();
  NodeValues(w, nnode, 4, "###", "###0.00000", [&](int N) { return s.CURL(N); });
}

namespace {

struct Piece {
  int entry;  // index in the loaded-area table
};

// xi of v in grid column i (1-based) with grid lines x(i), x(i+1).
float Xi(float v, float x0, float x1) {
  return static_cast<float>(Div(static_cast<double>(v) - (static_cast<double>(x0) + x1) / 2.0,
                                (static_cast<double>(x1) - x0) / 2.0));
}

}  // namespace

void LoadedAreas(SlabRun& r, int g) {
  SlabState& s = r.s;
  const int nnode = Count(s.NNODE);
  const int own = s.NUDL(g);
  const int nlg = Count(s.NLG);
  // Pieces of cut areas go after all the areas read, so they never replace an area of any group.
  const int firstFree = s.NUDLS(nlg) + s.NUDL(nlg) + 1;
  int nextFree = firstFree;
  std::vector<int> pieces;
  for (int i = 1; i <= own; ++i) pieces.push_back(s.NUDLS(g) + i);
  auto newPiece = [&](int from) {
    if (nextFree > kMaxAreaEntries) {
      r.host.Message("THE LOADED AREAS OF LOAD GROUP" + Str(g) +
                     " ARE CUT INTO MORE THAN 100 PIECES IN ALL, SO COMPUTATION STOPS.");
      s.ISTOP = 1;
      throw EndPath{};
    }
    const int k = nextFree++;
    s.LS(k) = s.LS(from);
    s.XL(1, k) = s.XL(1, from);
    s.XL(2, k) = s.XL(2, from);
    s.YL(1, k) = s.YL(1, from);
    s.YL(2, k) = s.YL(2, from);
    s.QQ(k) = s.QQ(from);
    pieces.push_back(k);
    return k;
  };
  // 1, 2. Split in x, then in y.
  for (int dir = 0; dir < 2; ++dir) {
    const int count = static_cast<int>(pieces.size());
    for (int kk = 0; kk < count; ++kk) {
      const int a = pieces[static_cast<std::size_t>(kk)];
      const int sl = s.LS(a);
      const int n = dir == 0 ? s.NX(sl) : s.NY(sl);
      auto grid = [&](int j) { return dir == 0 ? s.X(s.NXX(sl) + j) : s.Y(s.NYY(sl) + j); };
      auto& L = dir == 0 ? s.XL : s.YL;
      int kA = n + 1;
      for (int j = 2; j <= n; ++j)
        if (L(1, a) <= grid(j)) {
          kA = j;
          break;
        }
      int kB = n;
      for (int j = kA; j <= n; ++j)
        if (L(2, a) <= grid(j)) {
          kB = j - 1;
          break;
        }
      if (kB <= kA) continue;
      const float x2 = L(2, a);
      L(2, a) = grid(kA + 1);
      for (int j = kA + 1; j <= kB; j += 2) {
        const int k = newPiece(a);
        L(1, k) = grid(j);
        if (j + 2 <= kB) {
          L(2, k) = grid(j + 2);
        } else {
          L(2, k) = x2;
          break;
        }
      }
    }
  }
  // 3. Element loads.
  struct ElementLoad {
    int NE;
    float XDA[3], YDA[3], QQE;
  };
  std::vector<ElementLoad> loads;
  for (int a : pieces) {
    const int sl = s.LS(a);
    const int q = sl > 1 ? s.LASTEN(sl - 1) : 0;
    auto x = [&](int j) { return s.X(s.NXX(sl) + j); };
    auto y = [&](int m) { return s.Y(s.NYY(sl) + m); };
    const float XL1 = s.XL(1, a), XL2 = s.XL(2, a), YL1 = s.YL(1, a), YL2 = s.YL(2, a);
    int K = s.NX(sl), M = s.NY(sl);
    for (int j = 2; j <= s.NX(sl); ++j)
      if (XL1 < x(j)) {
        K = j;
        break;
      }
    for (int m = 2; m <= s.NY(sl); ++m)
      if (YL1 < y(m)) {
        M = m;
        break;
      }
    for (int J = 1; J <= 4; ++J) {
      if (J == 2 && YL2 <= y(M)) continue;
      if (J == 3 && XL2 <= x(K)) continue;
      const int col = (J <= 2) ? K - 1 : K;
      const int row = (J == 1 || J == 3) ? M - 1 : M;
      if (col > s.NX(sl) - 1 || row > s.NY(sl) - 1) throw CapacityError("loaded area beyond its slab");
      ElementLoad el{};
      el.QQE = s.QQ(a);
      el.NE = q + (col - 1) * (s.NY(sl) - 1) + row;
      if (J <= 2) el.XDA[1] = Xi(XL1, x(K - 1), x(K));
      if (J >= 3) el.XDA[2] = Xi(XL2, x(K), x(K + 1));
      if (J == 1 || J == 3) el.YDA[1] = Xi(YL1, y(M - 1), y(M));
      if (J == 2 || J == 4) el.YDA[2] = Xi(YL2, y(M), y(M + 1));
      bool done = false;
      if (J == 1 && XL2 <= x(K) && YL2 <= y(M)) {
        el.XDA[2] = Xi(XL2, x(K - 1), x(K));
        el.YDA[2] = Xi(YL2, y(M - 1), y(M));
        done = true;
      } else if (J == 1) {
        el.XDA[2] = XL2 < x(K) ? Xi(XL2, x(K - 1), x(K)) : 1.0f;
        el.YDA[2] = YL2 < y(M) ? Xi(YL2, y(M - 1), y(M)) : 1.0f;
      } else if (J == 2) {
        el.XDA[2] = XL2 < x(K) ? Xi(XL2, x(K - 1), x(K)) : 1.0f;
        el.YDA[1] = -1;
        done = XL2 <= x(K);
      } else if (J == 3) {
        el.XDA[1] = -1;
        el.YDA[2] = YL2 < y(M) ? Xi(YL2, y(M - 1), y(M)) : 1.0f;
        done = YL2 <= y(M);
      } else {
        el.XDA[1] = -1;
        el.YDA[1] = -1;
        done = true;
      }
      loads.push_back(el);
      if (static_cast<int>(loads.size()) > kMaxElementLoads) {
        r.host.Message("THE LOADED AREAS OF LOAD GROUP" + Str(g) +
                       " COVER MORE THAN 360 ELEMENT LOADS, SO COMPUTATION STOPS.");
        s.ISTOP = 1;
        throw EndPath{};
      }
      if (done) break;
    }
  }
  // 4. Report.
  LineWriter& w = r.Rep();
  if (s.MDPO != 0) {
    w.End();
    w.Text("LOADS ARE APPLIED ON THE ELEMENT NO.(NE) WITH COORDINATES(XDA AND YDA)").End();
    w.Zone().Text("AND INTENSITY(QQ) AS SHOWN BELOW:").End();
    for (const ElementLoad& el : loads) {
      w.Text(LnUp(el.NE, 5, "##0")).Text(LnUp(el.XDA[1], 10, "####0.000")).Text(LnUp(el.XDA[2], 10, "####0.000"));
      w.Zone();
      w.Text(LnUp(el.YDA[1], 10, "####0.000")).Text(LnUp(el.YDA[2], 10, "####0.000")).Text(LnUp(el.QQE, 10, "####0.000"));
      w.End();
    }
  }
  // 5. Nodal loads.
  const int nslab = Count(s.NSLAB);
  for (const ElementLoad& el : loads) {
    int sl = 1;
    while (sl < nslab && el.NE > s.LASTEN(sl)) ++sl;
    const ElementCorners c = CornersOf(s, el.NE, sl);
    const double a = (static_cast<double>(s.XN(c.nod[3])) - s.XN(c.nod[1])) / 2.0;
    const double b = (static_cast<double>(s.YN(c.nod[2])) - s.YN(c.nod[1])) / 2.0;
    const double P = a * el.QQE * b;
    const double du = static_cast<double>(el.XDA[2]) - el.XDA[1], um = (static_cast<double>(el.XDA[1]) + el.XDA[2]) / 2;
    const double dv = static_cast<double>(el.YDA[2]) - el.YDA[1], vm = (static_cast<double>(el.YDA[1]) + el.YDA[2]) / 2;
    static const int xiJ[5] = {0, -1, -1, 1, 1}, etaJ[5] = {0, -1, 1, -1, 1};
    for (int J = 1; J <= 4; ++J) {
      float& fl = s.FL((g - 1) * nnode + c.nod[J]);
      fl = static_cast<float>(fl + (1 + xiJ[J] * um) * (P * 0.25) * (1 + etaJ[J] * vm) * du * dv);
    }
  }
}

}  // namespace pave::slab
