#include "slab_analysis/storage_plan.h"

#include <algorithm>
#include <vector>

#include "common/number_format.h"
#include "slab_analysis/numbering.h"

namespace pave::slab {

std::string StorageMessage(const SlabVariant& v) {
  return v.large ? "STORAGE IS EXCEEDED, PLEASE REDUCE TOTAL NUMBER OF NODES"
                 : "STORAGE IS EXCEEDED, PLEASE REDUCE TOTAL NUMBER OF NODES OR USE BRUNTOLA WITH LARGE RAM";
}

void ReserveFoundation(SlabRun& r) {
  SlabState& s = r.s;
  s.NTRI = s.NNODE * (s.NNODE + 1) / 2;
  s.AVAIL = r.variant.nstore - 2 * s.NTRI;
  s.NSK3 = s.AVAIL + s.NTRI;
  // The band matrix needs room below the two packed matrices.
  if (s.AVAIL < s.NEQ * 3) r.LimitStop(StorageMessage(r.variant));
}

namespace {

// Stacked slabs (a column of slabs joined along their top and bottom sides) are numbered so that the
// nodes of all slabs of the column on one grid line x = const get consecutive equation numbers.
// Returns the largest column band; refuses an arrangement it cannot number.
long NumberColumns(SlabRun& r) {
  SlabState& s = r.s;
  const int nslab = Count(s.NSLAB);
  long nb = 0;
  int sl = 1;
  while (sl <= nslab) {
    std::vector<int> col{sl};
    while (col.back() < nslab && s.JONO(4, col.back()) != 0) {
      const int below = col.back(), above = below + 1;
      if (s.JONO(3, above) != s.JONO(4, below)) break;
      col.push_back(above);
    }
    const int top = col.back();
    if (s.JONO(4, top) != 0 && (top == nslab || s.JONO(3, top + 1) != s.JONO(4, top)))
      r.LimitStop("THE SLAB ON TOP OF SLAB NO." + Str(top) + " (JOINT NO." + Str(s.JONO(4, top)) +
                  ") IS NOT THE NEXT SLAB IN ORDER; NUMBER THE SLABS OF A COLUMN FROM THE BOTTOM UP, SO COMPUTATION STOPS.");
    int nyc = 0;
    for (int t : col) {
      if (s.NX(t) != s.NX(col.front()))
        r.LimitStop("THE STACKED SLABS NO." + Str(col.front()) + " AND" + Str(t) +
                    " HAVE DIFFERENT NUMBERS OF NODES IN X DIRECTION (NX), SO COMPUTATION STOPS.");
      nyc += s.NY(t);
    }
    nb = std::max(nb, 3L * (nyc + 2));
    if (col.size() > 1) {
      const int ns = s.INITNP(col.front());
      int below = 0;
      for (int t : col) {
        for (int ix = 1; ix <= s.NX(t); ++ix)
          for (int iy = 1; iy <= s.NY(t); ++iy)
            s.NEWNO(s.INITNP(t) + (ix - 1) * s.NY(t) + iy - 1) =
                static_cast<std::int16_t>(ns - 1 + (ix - 1) * nyc + below + iy);
        below += s.NY(t);
      }
    }
    sl = top + 1;
  }
  return nb;
}

// The room split in two halves, the band in one and its copy (NSK2) in the other: NBMAX is the
// widest band a half holds; a wider band is cut to it (a multiple of 3) and solved by deflection
// iteration (ISOLVE = 0), else a direct solution keeps the copy (ISOLVE = 2).
void SplitRoom(SlabState& s, long room, long neq, long& nb) {
  s.NBMAX = static_cast<double>(room / (2 * neq));
  s.NSK2 = static_cast<double>(room / 2);
  if (s.ISOLVE != 0) s.ISOLVE = 2;
  if (nb >= static_cast<long>(s.NBMAX)) {
    nb = 3 * (static_cast<long>(s.NBMAX) / 3);
    s.ISOLVE = 0;
  }
}

}  // namespace

void PlanStorage(SlabRun& r) {
  SlabState& s = r.s;
  const int nnode = Count(s.NNODE);
  const long nstore = r.variant.nstore;
  const long neq = static_cast<long>(s.NEQ);
  for (int n = 1; n <= nnode; ++n) s.NEWNO(n) = static_cast<std::int16_t>(n);
  s.ISOLVE = 1;
  const int njoint = Count(s.NJOINT);
  for (int J = 1; J <= njoint; ++J)
    if (s.GDC(J) != 0) {
      s.ISOLVE = 0;
      s.NSK2 = static_cast<double>(nstore / 2);
      break;
    }
  long nb = 0;
  if (s.NFOUND == 0) {
    nb = Count(s.NSLAB) == 1 ? 3L * (s.NY(1) + 2) : NumberColumns(r);
    if (Count(s.NSLAB) != 1 && neq * nb >= nstore) r.LimitStop(StorageMessage(r.variant));
    if (s.NLG == 1 && nb < nstore / neq) {
      // The band stays whole; with a dowel gap its copy must fit as well, else it is cut below.
      if (s.ISOLVE == 0 && 2 * neq * nb > nstore) nb = 3 * ((nstore / (2 * neq)) / 3);
    } else {
      SplitRoom(s, nstore, neq, nb);
    }
  } else {
    const long avail = static_cast<long>(s.AVAIL);
    nb = neq;
    bool done = false;
    if (s.NLG == 1) {
      s.NBMAX = static_cast<double>(avail / neq);
      if (2 * nb < static_cast<long>(s.NBMAX)) {
        s.NSK2 = static_cast<double>(nb * nb);
        done = true;
      }
    }
    if (!done) SplitRoom(s, avail, neq, nb);
  }
  s.NB = static_cast<double>(nb);

  // The equation order must be a permutation, and the band must hold every element coupling (a cut
  // band narrower than an element would place stiffness outside the band).
  std::vector<char> seen(static_cast<std::size_t>(nnode) + 1, 0);
  for (int n = 1; n <= nnode; ++n) {
    const int m = s.NEWNO(n);
    if (m < 1 || m > nnode || seen[static_cast<std::size_t>(m)]) throw CapacityError("equation order is not a permutation");
    seen[static_cast<std::size_t>(m)] = 1;
  }
  const int nslab = Count(s.NSLAB);
  long need = 0;
  int sl = 1;
  for (int e = 1; e <= s.LASTEN(nslab); ++e) {
    const ElementCorners c = CornersOf(s, e, sl);
    for (int I = 1; I <= 4; ++I)
      for (int J = I + 1; J <= 4; ++J)
        if (s.NEWNO(c.nod[J]) < s.NEWNO(c.nod[I])) throw CapacityError("equation order breaks an element");
    need = std::max(need, 3L * (s.NEWNO(c.nod[4]) - s.NEWNO(c.nod[1])) + 3);
    if (e == s.LASTEN(sl)) ++sl;
  }
  const long limit = s.NFOUND == 0 ? nstore : static_cast<long>(s.AVAIL);
  const bool copyFits = s.ISOLVE == 1 || (static_cast<long>(s.NSK2) >= neq * nb && static_cast<long>(s.NSK2) + neq * nb <= limit);
  if (nb < need || nb < 3 || neq * nb > limit || !copyFits) r.LimitStop(StorageMessage(r.variant));

  r.Rep().End();
  r.Rep().Text("HALF BAND WIDTH (NB) = ").Num(s.NB).End();
}

}  // namespace pave::slab
