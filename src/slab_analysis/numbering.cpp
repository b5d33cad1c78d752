// Node and element numbering, joint sides, node coordinates and the default print list (Identi),
// followed by curling, loaded areas and element rigidities.
#include "slab_analysis/numbering.h"

#include "common/number_format.h"
#include "slab_analysis/loads.h"
#include "slab_analysis/plate_element.h"

namespace pave::slab {

int SlabOfNode(const SlabState& s, int n) {
  const int nslab = static_cast<int>(s.NSLAB);
  for (int k = 1; k <= nslab; ++k)
    if (n <= s.LASTNP(k)) return k;
  throw CapacityError("node beyond the last slab");
}

ElementCorners CornersOf(const SlabState& s, int e, int slab) {
  const int p = slab > 1 ? s.LASTNP(slab - 1) : 0;
  const int q = slab > 1 ? s.LASTEN(slab - 1) : 0;
  ElementCorners c{};
  c.nod[1] = p + (e - q) + (e - q - 1) / (s.NY(slab) - 1);
  c.nod[2] = c.nod[1] + 1;
  c.nod[3] = c.nod[1] + s.NY(slab);
  c.nod[4] = c.nod[3] + 1;
  return c;
}

int JointNodeCount(const SlabState& s, int J) {
  const int s2 = s.NSJ(2, J);
  return s.KSIDE(J) > 1 ? s.NX(s2) : s.NY(s2);
}

void Identi(SlabRun& r) {
  SlabState& s = r.s;
  LineWriter& w = r.Rep();
  const int nslab = Count(s.NSLAB);
  const int nnode = Count(s.NNODE);

  // 1. Numbering.
  int p = 0, q = 0;
  for (int I = 1; I <= nslab; ++I) {
    if (I != 1) {
      p = s.LASTNP(I - 1);
      q = s.LASTEN(I - 1);
    }
    s.INITNP(I) = static_cast<std::int16_t>(p + 1);
    s.LASTNP(I) = static_cast<std::int16_t>(p + s.NX(I) * s.NY(I));
    s.INITEN(I) = static_cast<std::int16_t>(q + 1);
    s.LASTEN(I) = static_cast<std::int16_t>(q + (s.NX(I) - 1) * (s.NY(I) - 1));
  }
  if (s.LASTEN(nslab) > kMaxElements) {
    r.host.Message("THE TOTAL NUMBER OF ELEMENTS IS " + Str(s.LASTEN(nslab)) +
                   " WHICH IS GREATER THAN THE LIMIT OF 360, SO COMPUTATION STOPS.");
    s.ISTOP = 1;
    return;
  }

  // 2. Default print list.
  if (s.NPRINT == 0) {
    const int sl = s.LS(1);
    if (sl < 1 || sl > nslab) throw CapacityError("LS(1) names no slab");
    s.NPRINT = s.LASTNP(sl) - s.INITNP(sl) + 1;
    for (int i = 1; i <= static_cast<int>(s.NPRINT); ++i) s.NP(i) = static_cast<std::int16_t>(s.INITNP(sl) - 1 + i);
  }

  // 3. Numbering report.
  if (s.MDPO != 0) {
    w.End();
    w.Text("SLAB NO., INITIAL NODAL NUMBER(INITNP), LAST NODAL NUMBER(LASTNP),").End();
    w.Text("INITIAL ELEMENT NO.(INITEN), AND LAST ELEMENT NO.(LASTEN) ARE:").End();
    for (int I = 1; I <= nslab; ++I) {
      w.Num(I).Num(s.INITNP(I)).Num(s.LASTNP(I)).Num(s.INITEN(I)).Num(s.LASTEN(I)).Text("   ");
      if (I % 4 == 0 && I != nslab) w.End();
    }
    w.End();
  }

  // 4. Joint sides.
  const int njoint = Count(s.NJOINT);
  if (njoint != 0) {
    Arr<int, kMaxJoints> jside, named;
    for (int J = 1; J <= njoint; ++J) jside(J) = 1;
    for (int I = 1; I <= nslab; ++I) {
      for (int K = 1; K <= 4; ++K) {
        const int J = s.JONO(K, I);
        if (J == 0) continue;
        named(J) += 1;
        if (named(J) > 2) {
          r.host.Message("JOINT NO." + Str(J) + " IS NAMED BY MORE THAN TWO SLAB SIDES, SO COMPUTATION STOPS.");
          s.ISTOP = 1;
          return;
        }
        const int S = jside(J);
        const int ny = s.NY(I);
        switch (K) {
          case 1:
            s.ISNN(S, J) = s.INITNP(I);
            s.LFNN(S, J) = static_cast<std::int16_t>(s.INITNP(I) + ny - 1);
            s.ISEN(S, J) = s.INITEN(I);
            s.LFEN(S, J) = static_cast<std::int16_t>(s.INITEN(I) + ny - 2);
            break;
          case 2:
            s.ISNN(S, J) = static_cast<std::int16_t>(s.LASTNP(I) - ny + 1);
            s.LFNN(S, J) = s.LASTNP(I);
            s.ISEN(S, J) = static_cast<std::int16_t>(s.LASTEN(I) - ny + 2);
            s.LFEN(S, J) = s.LASTEN(I);
            break;
          case 3:
            s.ISNN(S, J) = s.INITNP(I);
            s.LFNN(S, J) = static_cast<std::int16_t>(s.LASTNP(I) - ny + 1);
            s.ISEN(S, J) = s.INITEN(I);
            s.LFEN(S, J) = static_cast<std::int16_t>(s.LASTEN(I) - ny + 2);
            break;
          default:
            s.ISNN(S, J) = static_cast<std::int16_t>(s.INITNP(I) + ny - 1);
            s.LFNN(S, J) = s.LASTNP(I);
            s.ISEN(S, J) = static_cast<std::int16_t>(s.INITEN(I) + ny - 2);
            s.LFEN(S, J) = s.LASTEN(I);
            break;
        }
        if (S == 1) {
          jside(J) = 2;
          s.NSJ(1, J) = static_cast<std::int16_t>(I);
        } else {
          s.NSJ(2, J) = static_cast<std::int16_t>(I);
          s.KSIDE(J) = static_cast<std::int16_t>(K);
        }
      }
    }
    for (int J = 1; J <= njoint; ++J) {
      if (named(J) != 2) {
        r.host.Message("JOINT NO." + Str(J) + " IS NOT SHARED BY TWO SLAB SIDES IN RECORD (5), SO COMPUTATION STOPS.");
        s.ISTOP = 1;
        return;
      }
      const int cnt = JointNodeCount(s, J);
      if (cnt > kMaxNodesPerJoint) {
        r.host.Message("THE NUMBER OF NODES ON JOINT NO." + Str(J) + " IS" + Str(cnt) +
                       " WHICH IS GREATER THAN THE MAXIMUM OF 15, SO COMPUTATION STOPS.");
        s.ISTOP = 1;
        return;
      }
    }
    s.NJN(1) = 0;
    for (int J = 2; J <= njoint; ++J) s.NJN(J) = static_cast<std::int16_t>(s.NJN(J - 1) + JointNodeCount(s, J - 1));
    const int total = s.NJN(njoint) + JointNodeCount(s, njoint);
    if (total > kMaxJointNodes) {
      r.host.Message("THE TOTAL NUMBER OF NODES ON ALL JOINTS IS " + Str(total) +
                     " WHICH IS GREATER THAN THE MAXIMUM OF 80, SO COMPUTATION STOPS.");
      s.ISTOP = 1;
      return;
    }
    if (s.MDPO != 0) {
      w.End();
      w.Text("JOINT NO.,INITIAL STARTING NODAL NO.(ISNN) AND LAST FINAL NODAL NO.(LFNN)").End();
      w.Text("INITIAL STARTING ELEMENT NO.(ISEN),LAST FINAL ELEMENT NO.(LFEN) ON BOTH").End();
      w.Text("SIDES OF THE JOINT ARE:").End();
      for (int J = 1; J <= njoint; ++J) {
        w.Text(LnUp(J, 6, "#0"));
        for (int v : {s.ISNN(1, J), s.ISNN(2, J), s.LFNN(1, J), s.LFNN(2, J), s.ISEN(1, J), s.ISEN(2, J),
                      s.LFEN(1, J), s.LFEN(2, J)})
          w.Text(LnUp(v, 4, "##0"));
        if (J % 2 == 0 && J != njoint) w.End();
      }
      w.End();
    }
  }

  // 5. Node coordinates.
  for (int I = 1; I <= nslab; ++I) {
    const int off = I > 1 ? s.LASTNP(I - 1) : 0;
    for (int N = s.INITNP(I); N <= s.LASTNP(I); ++N) {
      const int c = (N - off - 1) / s.NY(I);
      s.XN(N) = s.X(s.NXX(I) + 1 + c);
      s.YN(N) = s.Y(s.NYY(I) + (N - off) - c * s.NY(I));
    }
  }

  // 6. Coordinate report.
  if (s.NFOUND == 0) {
    w.End();
    w.Text("NODAL COORDINATES (XN AND YN) OF INDIVIDUAL SLAB ARE:").End();
    for (int N = 1; N <= nnode; ++N) {
      w.Text(LnUp(N, 5, "###")).Text(LnUp(s.XN(N), 10, "####0.000")).Text(LnUp(s.YN(N), 10, "####0.000"));
      if (N % 3 == 0 && N != nnode) w.End();
    }
    w.End();
  }

  // 7. Curling; 8. loaded areas; 9. rigidities.
  if (s.NTEMP != 0) Curling(r);
  const int nlg = Count(s.NLG);
  for (int g = 1; g <= nlg; ++g) {
    if (s.NUDL(g) != 0) LoadedAreas(r, g);
    if (s.ISTOP == 1) return;
  }
  Rigidities(s);
}

}  // namespace pave::slab
