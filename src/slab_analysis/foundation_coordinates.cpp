// Global node coordinates of a slab system on a solid or layered foundation.
#include <cmath>

#include "common/number_format.h"
#include "slab_analysis/foundation_steps.h"

namespace pave::slab {

namespace {

void CoordinateTable(SlabRun& r, const char* nodeMask) {
  SlabState& s = r.s;
  const int nnode = static_cast<int>(s.NNODE);
  LineWriter& w = r.Rep();
  for (int N = 1; N <= nnode; ++N) {
    w.Text(LnUp(N, 5, nodeMask) + LnUp(s.XO(N), 10, "####0.000") + LnUp(s.YO(N), 10, "####0.000"));
    if (N % 3 == 0 && N != nnode) w.End();
  }
  w.End();
}

}  // namespace

void SolCor(SlabRun& r) {
  SlabState& s = r.s;
  const int nslab = static_cast<int>(s.NSLAB);
  const int nnode = static_cast<int>(s.NNODE);
  for (int N = 1; N <= s.LASTNP(1); ++N) {
    s.XO(N) = s.XN(N);
    s.YO(N) = s.YN(N);
  }
  for (int I = 2; I <= nslab; ++I) {
    bool placed = false;
    for (int K = 1; K <= 4 && !placed; ++K) {
      const int J = s.JONO(K, I);
      if (J == 0 || s.NSJ(2, J) != I) continue;
      placed = true;
      const int Q = s.ISNN(1, J);
      const float width = s.X(s.NXX(I) + s.NX(I));
      const float height = s.Y(s.NYY(I) + s.NY(I));
      for (int N = s.INITNP(I); N <= s.LASTNP(I); ++N) {
        float x = static_cast<float>(static_cast<double>(s.XN(N)) + s.XO(Q));
        float y = static_cast<float>(static_cast<double>(s.YN(N)) + s.YO(Q));
        if (K == 2) x = static_cast<float>(static_cast<double>(x) - width);
        if (K == 4) y = static_cast<float>(static_cast<double>(y) - height);
        s.XO(N) = x;
        s.YO(N) = y;
      }
    }
    if (!placed) {
      r.LimitStop("SLAB NO." + Str(I) +
                  " HAS NO JOINT WITH A LOWER-NUMBERED SLAB, SO ITS PLACE ON THE FOUNDATION IS UNKNOWN AND "
                  "COMPUTATION STOPS.");
    }
  }

  LineWriter& w = r.Rep();
  w.End();
  w.Text("THE GLOBAL COORDINATES (XO AND YO) OF EACH NODE ARE:").End();
  CoordinateTable(r, "###");

  float shiftX = 0, shiftY = 0;
  if (s.NSX == 0 && s.NSY == 0) {
    s.NSYM = 1;
  } else if (s.NSY != 0 && s.NSX == 0) {
    s.NSYM = 2;
    shiftX = s.XO(s.NODSY(1));
  } else if (s.NSY == 0) {
    s.NSYM = 3;
    shiftY = s.YO(s.NODSX(1));
  } else {
    s.NSYM = 4;
    shiftX = s.XO(s.NODSY(1));
    shiftY = s.YO(s.NODSX(1));
  }
  for (int N = 1; N <= nnode; ++N) {
    s.XO(N) = s.XO(N) - shiftX;
    s.YO(N) = s.YO(N) - shiftY;
  }
  // The revised table shows the coordinates that the axes of symmetry moved.
  if (s.NSYM != 1 && (shiftX != 0 || shiftY != 0)) {
    w.End();
    w.Text("IF SYMMETRY EXISTS, NODAL NO. AND REVISED X AND Y COORDINATES (XO AND YO) ARE:").End();
    CoordinateTable(r, "##0");
  }
}

}  // namespace pave::slab
