// Flexibility matrix of a solid or layered foundation: entry (I, J) is the deflection of the
// foundation surface at node I under a unit force at node J (and at its mirror images).
#include <cmath>
#include <cstddef>

#include "common/number_format.h"
#include "slab_analysis/foundation_gauss.h"
#include "slab_analysis/foundation_steps.h"
#include "slab_analysis/halfspace_flexibility.h"
#include "slab_analysis/layered_foundation.h"
#include "slab_analysis/storage_plan.h"

namespace pave::slab {

namespace {

// Lower left corner node of element e of slab sl; the others follow as +1, +NY, +NY+1.
int FirstCorner(const SlabState& s, int e, int sl) {
  const int p = sl > 1 ? s.LASTNP(sl - 1) : 0;
  const int q = sl > 1 ? s.LASTEN(sl - 1) : 0;
  return p + (e - q) + (e - q - 1) / (s.NY(sl) - 1);
}

// Half width and half height of every element, walking the slabs.
template <class F>
void ForEachElement(const SlabState& s, F f) {
  const int nslab = static_cast<int>(s.NSLAB);
  int sl = 1;
  for (int e = 1; e <= s.LASTEN(nslab); ++e) {
    while (sl < nslab && e > s.LASTEN(sl)) ++sl;
    const int n1 = FirstCorner(s, e, sl);
    const int n2 = n1 + 1, n3 = n1 + s.NY(sl);
    const float A = static_cast<float>((static_cast<double>(s.XO(n3)) - s.XO(n1)) / 2);
    const float B = static_cast<float>((static_cast<double>(s.YO(n2)) - s.YO(n1)) / 2);
    f(e, A, B);
  }
}

LayeredLayers LayersOf(const SlabState& s) {
  LayeredLayers l;
  l.NL = Count(s.NL);
  if (l.NL < 1 || l.NL > kMaxFoundLayers) throw ArithmeticError("number of foundation layers outside 1..6");
  l.MAXIC = s.MAXIC;
  for (int i = 1; i <= l.NL; ++i) {
    l.E[static_cast<std::size_t>(i)] = s.E(i);
    l.PRBF[static_cast<std::size_t>(i)] = s.PRBF(i);
    if (i < l.NL) l.TH[static_cast<std::size_t>(i)] = s.TH(i);
  }
  return l;
}

LayeredTable TableOf(const SlabState& s) {
  LayeredTable t;
  for (int k = 1; k <= 21; ++k) {
    t.RD[static_cast<std::size_t>(k)] = s.RD(k);
    t.DEF[static_cast<std::size_t>(k)] = s.DEF(k);
  }
  return t;
}

// Runs a foundation formula, turning its arithmetic faults into the error path.
template <class F>
auto Guard(F f) -> decltype(f()) {
  try {
    return f();
  } catch (const std::domain_error& e) {
    throw ArithmeticError(e.what());
  }
}

// The joint geometry of a pair of joints of different direction: where they meet, which three or four
// slabs share a point.
void SharedJointNodes(SlabState& s) {
  s.NTSM = 0;
  s.NTSM3 = 0;
  const int njoint = static_cast<int>(s.NJOINT);
  if (s.NSLAB == 1 || njoint < 2) return;
  auto IS = [&](int side, int J) { return static_cast<int>(s.ISNN(side, J)); };
  auto LF = [&](int side, int J) { return static_cast<int>(s.LFNN(side, J)); };
  auto add3 = [&](int a, int b, int c) {
    if (s.NTSM3 >= 8) throw CapacityError("more than 8 places where three slabs meet");
    s.NTSM3 = static_cast<std::int16_t>(s.NTSM3 + 1);
    s.NPSM3(1, s.NTSM3) = a;
    s.NPSM3(2, s.NTSM3) = b;
    s.NPSM3(3, s.NTSM3) = c;
  };
  for (int I = 1; I <= njoint - 1; ++I) {
    for (int J = I + 1; J <= njoint; ++J) {
      const int kI = s.KSIDE(I), kJ = s.KSIDE(J);
      const bool differ = (kI <= 2 && kJ >= 3) || (kI >= 3 && kJ <= 2);
      if (!differ) continue;
      if (IS(2, I) == IS(2, J)) {  // case A
        const int S = s.NSJ(1, I);
        const bool four = (s.JONO(1, S) != 0 || kI <= 2) && (s.JONO(3, S) != 0 || kI > 2);
        if (four) {
          if (s.NTSM >= 4) throw CapacityError("more than 4 places where four slabs meet");
          s.NTSM += 1;
          const int P = static_cast<int>(s.NTSM);
          s.NPSM(4, P) = IS(2, I);
          if (kI <= 2) {
            s.NPSM(2, P) = IS(1, I);
            s.NPSM(1, P) = LF(1, s.JONO(3, S));
            s.NPSM(3, P) = IS(1, J);
          } else {
            s.NPSM(3, P) = IS(1, I);
            s.NPSM(1, P) = LF(1, s.JONO(1, S));
            s.NPSM(2, P) = IS(1, J);
          }
        } else if (kI > 2) {
          add3(IS(1, J), IS(1, I), IS(2, I));
        } else {
          add3(IS(1, I), IS(1, J), IS(2, I));
        }
      } else if (LF(1, I) == LF(1, J)) {  // case B
        const int S = s.NSJ(2, I);
        const bool skip = (s.JONO(2, S) != 0 && kI >= 3) || (s.JONO(4, S) != 0 && kI < 2);
        if (!skip) {
          if (kI > 2)
            add3(LF(1, I), LF(2, I), LF(2, J));
          else
            add3(LF(1, I), LF(2, J), LF(2, I));
        }
      } else if (kI > 2 && IS(1, I) == LF(2, J)) {  // C1
        if (s.JONO(1, s.NSJ(2, I)) == 0) add3(LF(1, J), LF(2, J), IS(2, I));
      } else if (kI > 2 && LF(2, I) == IS(1, J)) {  // C2
        if (s.JONO(2, s.NSJ(1, I)) == 0) add3(LF(1, I), LF(2, I), IS(2, J));
      } else if (kI <= 2 && LF(2, I) == IS(1, J)) {  // D2
        if (s.JONO(4, s.NSJ(1, I)) == 0) add3(LF(1, I), LF(2, I), IS(2, J));
      } else if (kI <= 2 && IS(1, I) == LF(2, J)) {  // D1
        if (s.JONO(3, s.NSJ(2, I)) == 0) add3(LF(1, J), LF(2, J), IS(2, I));
      }
    }
  }
}

void NodeTypes(SlabState& s) {
  const int nnode = static_cast<int>(s.NNODE);
  for (int N = 1; N <= nnode; ++N) {
    s.NPOP(N) = 0;
    s.NDTY(N) = 1;
  }
  if (s.NSLAB == 1) return;
  for (int J = 1; J <= static_cast<int>(s.NJOINT); ++J) {
    int count, step1 = 1, step2 = 1;
    if (s.KSIDE(J) > 2) {
      count = s.NX(s.NSJ(2, J));
      step1 = s.NY(s.NSJ(1, J));
      step2 = s.NY(s.NSJ(2, J));
    } else {
      count = s.NY(s.NSJ(2, J));
    }
    for (int k = 1; k <= count; ++k) {
      const int N1 = s.ISNN(1, J) + (k - 1) * step1;
      const int N2 = s.ISNN(2, J) + (k - 1) * step2;
      s.NDTY(N1) = 2;
      s.NDTY(N2) = 0;
      s.NPOP(N1) = N2;
      s.NPOP(N2) = N1;
    }
  }
  for (int P = 1; P <= s.NTSM3; ++P) {
    for (int R = 1; R <= 3; ++R) s.NPOP(s.NPSM3(R, P)) = s.NPSM3(1, P);
    s.NDTY(s.NPSM3(1, P)) = 3;
    s.NDTY(s.NPSM3(2, P)) = 0;
    s.NDTY(s.NPSM3(3, P)) = 0;
  }
  for (int P = 1; P <= static_cast<int>(s.NTSM); ++P) {
    for (int R = 1; R <= 4; ++R) s.NPOP(static_cast<long>(s.NPSM(R, P))) = static_cast<std::int32_t>(s.NPSM(1, P));
    s.NDTY(static_cast<long>(s.NPSM(1, P))) = 4;
    for (int R = 2; R <= 4; ++R) s.NDTY(static_cast<long>(s.NPSM(R, P))) = 0;
  }
}

void NodeTable(SlabRun& r, bool types) {
  SlabState& s = r.s;
  const int nnode = static_cast<int>(s.NNODE);
  LineWriter& w = r.Rep();
  for (int N = 1; N <= nnode; ++N) {
    w.Text(LnUp(N, 6, "###") + LnUp(types ? s.NDTY(N) : s.NPOP(N), 3, "#0"));
    if (N % 8 == 0 && N != nnode) w.End();
  }
  w.End();
}

}  // namespace

void BurDef(SlabRun& r) {
  SlabState& s = r.s;
  float DMAX = 0, DMIN = 10000.0f;
  ForEachElement(s, [&](int, float A, float B) {
    const float D = static_cast<float>(std::sqrt(static_cast<double>(A) * A + static_cast<double>(B) * B));
    if (D > DMAX) DMAX = D;
    if (D < DMIN) DMIN = D;
  });
  const int N = s.LASTNP(static_cast<int>(s.NSLAB));
  const double x = s.XO(N), y = s.YO(N);
  double RMAX;
  switch (s.NSYM) {
    case 1: RMAX = std::sqrt(x * x + y * y); break;
    case 2: RMAX = std::sqrt(4 * x * x + y * y); break;
    case 3: RMAX = std::sqrt(x * x + 4 * y * y); break;
    default: RMAX = 2 * std::sqrt(x * x + y * y); break;
  }
  auto RD = Guard([&] { return LayeredDistances(DMIN, DMAX, static_cast<float>(RMAX)); });
  for (int k = 1; k <= 21; ++k) s.RD(k) = RD[static_cast<std::size_t>(k)];
}

void LaySla(SlabRun& r) {
  SlabState& s = r.s;
  LayeredTable t = TableOf(s);
  Guard([&] {
    LaySla(LayersOf(s), t);
    return 0;
  });
  for (int k = 1; k <= 21; ++k) s.DEF(k) = t.DEF[static_cast<std::size_t>(k)];
}

void SolFle(SlabRun& r) {
  SlabState& s = r.s;
  const int nnode = static_cast<int>(s.NNODE);
  const int nslab = static_cast<int>(s.NSLAB);
  const bool layered = s.NFOUND == 2;
  const long avail = static_cast<long>(s.AVAIL);
  const long ntri = static_cast<long>(s.NTRI);
  const long nsk3 = static_cast<long>(s.NSK3);
  if (avail < 0 || nsk3 + ntri > s.NSTORE()) r.LimitStop(StorageMessage(r.variant));

  SharedJointNodes(s);
  if (s.MDPO != 0 && nslab != 1 && s.NJOINT >= 2) {
    LineWriter& w = r.Rep();
    w.End();
    w.Text("NO. OF TIMES FOUR  SLABS MEET (NTSM)").Num(s.NTSM).End();
    for (int P = 1; P <= static_cast<int>(s.NTSM); ++P) {
      w.Text("THE NODAL NUMBERS WHEN FOUR SLABS MEET (NPSM) ARE:");
      for (int R = 1; R <= 4; ++R) w.Num(s.NPSM(R, P));
      w.End();
    }
    w.Text("NO. OF TIMES THREE SLABS MEET (NTSM3)").Num(s.NTSM3).End();
    for (int P = 1; P <= s.NTSM3; ++P) {
      w.Text("THE NODAL NUMBERS WHEN THREE SLABS MEET (NPSM3) ARE:");
      for (int R = 1; R <= 3; ++R) w.Num(static_cast<int>(s.NPSM3(R, P)));
      w.End();
    }
  }

  float* K = s.SK.data() + avail;  // K[j(j-1)/2 + i]
  for (long k = 1; k <= ntri; ++k) K[k] = 0;

  const LayeredTable table = layered ? TableOf(s) : LayeredTable{};
  const float E1 = layered ? s.E(1) : 0.0f;
  const float* CEE = kFoundationGaussAbscissa;
  const float* WGT = kFoundationGaussWeight;
  float A0 = 0, B0 = 0;
  ForEachElement(s, [&](int e, float A, float B) {
    if (std::fabs(A - A0) < 0.001f && std::fabs(B - B0) < 0.001f && e > 1) {
      s.EDIA(e) = s.EDIA(e - 1);
      return;
    }
    A0 = A;
    B0 = B;
    s.EDIA(e) = Guard([&] {
      return layered ? BurDia(table, E1, A, B, CEE, WGT) : BouDia(A, B, CEE, WGT, s.YMS, s.PRS);
    });
  });

  NodeTypes(s);
  if (s.MDPO == 1 && nslab != 1) {
    LineWriter& w = r.Rep();
    w.End();
    w.Text("NODAL NUMBER AND TYPE OF NODES (NDTY) ARE:").End();
    NodeTable(r, true);
    w.End();
    w.Text("NODAL NUMBERS AND OPPOSITE NODES (NPOP) ARE:").End();
    NodeTable(r, false);
  }

  auto offTerm = [&](float R) {
    return Guard([&] { return layered ? BurOff(table, E1, R) : HalfSpacePointTerm(R, s.YMS, s.PRS); });
  };
  const int nsym = s.NSYM;
  const float axisX = s.NSY != 0 ? s.XO(s.NODSY(1)) : 0.0f;
  const float axisY = s.NSX != 0 ? s.YO(s.NODSX(1)) : 0.0f;
  static constexpr float SXs[5] = {0, 1, -1, 1, -1};
  static constexpr float SYs[5] = {0, 1, 1, -1, -1};

  for (int IS = 1; IS <= nslab; ++IS) {
    const int ny = s.NY(IS), nx = s.NX(IS);
    const int p = IS > 1 ? s.LASTNP(IS - 1) : 0;
    const int q = IS > 1 ? s.LASTEN(IS - 1) : 0;
    for (int I = s.INITNP(IS); I <= s.LASTNP(IS); ++I) {
      const int c = (I - p - 1) / ny + 1;
      const int rr = (I - p - 1) % ny + 1;
      float sum = 0;
      int m = 0;
      for (int ix = c - 1; ix <= c; ++ix) {
        if (ix < 1 || ix > nx - 1) continue;
        for (int iy = rr - 1; iy <= rr; ++iy) {
          if (iy < 1 || iy > ny - 1) continue;
          sum += s.EDIA(q + (ix - 1) * (ny - 1) + iy);
          ++m;
        }
      }
      if (m == 0) throw ArithmeticError("node without an element");
      const float FD = static_cast<float>(4.0 / m * sum);
      const double xi = s.XO(I), yi = s.YO(I);
      for (int KSYM = 1; KSYM <= nsym; ++KSYM) {
        if (nsym == 3 && KSYM == 2) continue;
        const float SX = SXs[KSYM], SY = SYs[KSYM];
        for (int J = I; J <= nnode; ++J) {
          if (s.NDTY(J) == 0 && J != I) continue;
          float T;
          bool onAxis = false;
          if (J == I && KSYM > 1) {
            const bool onY = s.XO(J) == axisX && s.NSY != 0;
            const bool onX = s.YO(J) == axisY && s.NSX != 0;
            if (s.NSX == 0 || s.NSY == 0) {
              onAxis = s.NSY == 0 ? (onX && KSYM == 3) : (onY && KSYM == 2);
            } else {
              onAxis = (onY && KSYM == 2) || (onX && KSYM == 3) || (onY && onX && KSYM == 4);
            }
          }
          if (J == I && (KSYM == 1 || onAxis)) {
            T = FD;
          } else {
            const double dx = xi - SX * static_cast<double>(s.XO(J));
            const double dy = yi - SY * static_cast<double>(s.YO(J));
            const float R = static_cast<float>(std::sqrt(dx * dx + dy * dy));
            T = offTerm(R);
          }
          float& entry = K[static_cast<long>(J) * (J - 1) / 2 + I];
          entry = entry + T;
        }
      }
    }
  }

  if (nslab != 1) {
    auto d = [&](long n) -> float& { return K[n * (n + 1) / 2]; };
    // Where slabs meet, the point carries the mean of its nodes' diagonals, as at a two- or four-slab
    // point: each node's term is the deflection under a force spread over its own share of the area.
    for (int P = 1; P <= s.NTSM3; ++P) {
      d(s.NPSM3(1, P)) = (d(s.NPSM3(2, P)) + d(s.NPSM3(1, P)) + d(s.NPSM3(3, P))) / 3;
    }
    for (int P = 1; P <= static_cast<int>(s.NTSM); ++P) {
      auto n = [&](int R) { return static_cast<long>(s.NPSM(R, P)); };
      d(n(1)) = (d(n(2)) + d(n(1)) + d(n(3)) + d(n(4))) / 4;
    }
    for (int N = 1; N <= nnode; ++N) {
      if (s.NDTY(N) != 0) continue;
      const long o = s.NPOP(N);
      if (s.NDTY(o) == 2) d(o) = (d(N) + d(o)) / 2;
      d(N) = 1e20f;
    }
  }
  float* copy = s.SK.data() + nsk3;
  for (long k = 1; k <= ntri; ++k) copy[k] = K[k];
}

}  // namespace pave::slab
