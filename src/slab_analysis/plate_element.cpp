#include "slab_analysis/plate_element.h"

#include "slab_analysis/numbering.h"

namespace pave::slab {

namespace {

// Coefficient tables, 10 blocks of 3 x 3 in the corner-pair order (1,1) (1,2) (1,3) (1,4) (2,2)
// (2,3) (2,4) (3,3) (3,4) (4,4), each block row by row.
constexpr double TA[90] = {
    60, -30, 0, 0, 20, 0, 0, 0, 0,    -60, -30, 0, 30, 10, 0, 0, 0, 0,  30, -15, 0, -15, 10, 0, 0, 0, 0,
    -30, -15, 0, 15, 5, 0, 0, 0, 0,   60, 30, 0, 0, 20, 0, 0, 0, 0,     -30, 15, 0, -15, 5, 0, 0, 0, 0,
    30, 15, 0, 15, 10, 0, 0, 0, 0,    60, -30, 0, 0, 20, 0, 0, 0, 0,    -60, -30, 0, 30, 10, 0, 0, 0, 0,
    60, 30, 0, 0, 20, 0, 0, 0, 0};
constexpr double TB[90] = {
    60, 0, 30, 0, 0, 0, 0, 0, 20,     30, 0, 15, 0, 0, 0, 15, 0, 10,    -60, 0, 30, 0, 0, 0, -30, 0, 10,
    -30, 0, 15, 0, 0, 0, -15, 0, 5,   60, 0, 30, 0, 0, 0, 0, 0, 20,     -30, 0, 15, 0, 0, 0, -15, 0, 5,
    -60, 0, 30, 0, 0, 0, -30, 0, 10,  60, 0, -30, 0, 0, 0, 0, 0, 20,    30, 0, -15, 0, 0, 0, -15, 0, 10,
    60, 0, -30, 0, 0, 0, 0, 0, 20};
constexpr double TNU[90] = {
    30, -15, 15, 0, 0, -15, 0, 0, 0,  -30, 0, -15, 0, 0, 0, -15, 0, 0,  -30, 15, 0, 15, 0, 0, 0, 0, 0,
    30, 0, 0, 0, 0, 0, 0, 0, 0,       30, 15, 15, 0, 0, 15, 0, 0, 0,    30, 0, 0, 0, 0, 0, 0, 0, 0,
    -30, -15, 0, -15, 0, 0, 0, 0, 0,  30, -15, -15, 0, 0, 15, 0, 0, 0,  -30, 0, 15, 0, 0, 0, 15, 0, 0,
    30, 15, -15, 0, 0, -15, 0, 0, 0};
constexpr double TSH[90] = {
    84, -6, 6, 0, 8, 0, 0, 0, 8,      -84, -6, -6, 6, -2, 0, -6, 0, -8, -84, 6, 6, 6, -8, 0, -6, 0, -2,
    84, 6, -6, -6, 2, 0, 6, 0, 2,     84, 6, 6, 0, 8, 0, 0, 0, 8,       84, -6, -6, 6, 2, 0, 6, 0, 2,
    -84, -6, 6, -6, -8, 0, -6, 0, -2, 84, -6, -6, 0, 8, 0, 0, 0, 8,     -84, -6, 6, 6, -2, 0, 6, 0, -8,
    84, 6, -6, 0, 8, 0, 0, 0, 8};

constexpr int kBlock[5][5] = {{0, 0, 0, 0, 0}, {0, 1, 2, 3, 4}, {0, 0, 5, 6, 7}, {0, 0, 0, 8, 9}, {0, 0, 0, 0, 10}};

}  // namespace

void ElementStiffness(double a, double b, const double* D, const double* nu, int layers, double K[12][12]) {
  const double s[4] = {0, 1, 2 * b, 2 * a};
  const double ra2 = (a / b) * (a / b), rb2 = (b / a) * (b / a);
  for (int I = 1; I <= 4; ++I) {
    for (int J = I; J <= 4; ++J) {
      const int B = kBlock[I][J];
      for (int k = 1; k <= 3; ++k) {
        for (int l = (I == J ? k : 1); l <= 3; ++l) {
          const int t = (B - 1) * 9 + (k - 1) * 3 + (l - 1);
          double v = 0;
          for (int L = 0; L < layers; ++L)
            v += D[L] * s[k] * s[l] / (60 * a * b) *
                 (ra2 * TA[t] + rb2 * TB[t] + nu[L] * TNU[t] + (1 - nu[L]) * 0.5 * TSH[t]);
          const int i = 3 * (I - 1) + k - 1, j = 3 * (J - 1) + l - 1;
          K[i][j] = v;
          K[j][i] = v;
        }
      }
    }
  }
}

void Rigidities(SlabState& s) {
  const int nslab = static_cast<int>(s.NSLAB);
  const int nlayer = static_cast<int>(s.NLAYER);
  const float R = (nlayer == 2 && s.NBOND != 0) ? static_cast<float>(Div(s.YM(2), s.YM(1))) : 0.0f;
  int sl = 1;
  for (int e = 1; e <= s.LASTEN(nslab); ++e) {
    const ElementCorners c = CornersOf(s, e, sl);
    float H[3] = {0, 0, 0};
    for (int L = 1; L <= nlayer; ++L)
      H[L] = (s.THK(L, c.nod[1]) + s.THK(L, c.nod[2]) + s.THK(L, c.nod[3]) + s.THK(L, c.nod[4])) / 4;
    if (nlayer == 1 || s.NBOND == 0) {
      for (int L = 1; L <= nlayer; ++L)
        s.RIGID(L, e) = static_cast<float>(
            Div(static_cast<double>(s.YM(L)) * H[L] * H[L] * H[L] / 12.0, 1.0 - static_cast<double>(s.PR(L)) * s.PR(L)));
    } else {
      const float H1 = H[1], H2 = H[2];
      const float zbar = static_cast<float>(Div(0.5 * H1 * H1 + R * H2 * (H1 + 0.5 * H2), H1 + R * H2));
      const float I1 = static_cast<float>(H1 * H1 * H1 / 12.0 + H1 * (0.5 * H1 - zbar) * (0.5 * H1 - zbar));
      const float I2 = static_cast<float>(H2 * H2 * H2 / 12.0 + H2 * (H1 + 0.5 * H2 - zbar) * (H1 + 0.5 * H2 - zbar));
      s.RIGID(1, e) = static_cast<float>(Div(static_cast<double>(I1) * s.YM(1), 1.0 - static_cast<double>(s.PR(1)) * s.PR(1)));
      s.RIGID(2, e) = static_cast<float>(Div(static_cast<double>(I2) * s.YM(2), 1.0 - static_cast<double>(s.PR(2)) * s.PR(2)));
    }
    if (e == s.LASTEN(sl)) ++sl;
  }
}

void Stiffn(SlabRun& r) {
  SlabState& s = r.s;
  const int nnode = Count(s.NNODE);
  const long nb = static_cast<long>(s.NB);
  const long neq = static_cast<long>(s.NEQ);
  const int nslab = Count(s.NSLAB);
  const int nlayer = Count(s.NLAYER);
  if (nb * neq > s.NSTORE()) throw StorageError("band beyond the work array");
  // 1. Clear.
  for (int n = 1; n <= nnode; ++n) s.AREA(n) = 0;
  std::fill(s.SK.begin() + 1, s.SK.begin() + 1 + nb * neq, 0.0f);
  // 2. Elements.
  int sl = 1;
  for (int e = 1; e <= s.LASTEN(nslab); ++e) {
    const ElementCorners c = CornersOf(s, e, sl);
    const float a = (s.XN(c.nod[3]) - s.XN(c.nod[1])) / 2, b = (s.YN(c.nod[2]) - s.YN(c.nod[1])) / 2;
    if (!(a > 0 && b > 0)) throw ArithmeticError("element of zero size");
    double D[2], nu[2];
    for (int L = 1; L <= nlayer; ++L) {
      D[L - 1] = s.RIGID(L, e);
      nu[L - 1] = s.PR(L);
    }
    double K[12][12];
    ElementStiffness(a, b, D, nu, nlayer, K);
    for (int I = 1; I <= 4; ++I) {
      s.AREA(c.nod[I]) = s.AREA(c.nod[I]) + a * b;
      for (int J = I; J <= 4; ++J) {
        for (int k = 1; k <= 3; ++k) {
          for (int l = (I == J ? k : 1); l <= 3; ++l) {
            const long row = 3L * (s.NEWNO(c.nod[I]) - 1) + k;
            const long col = 3L * (s.NEWNO(c.nod[J]) - 1) + l;
            if (col < row || col - row >= nb) throw CapacityError("element coupling outside the band");
            float& v = s.SK[static_cast<std::size_t>((row - 1) * nb + (col - row) + 1)];
            v = static_cast<float>(v + static_cast<float>(K[3 * (I - 1) + k - 1][3 * (J - 1) + l - 1]));
          }
        }
      }
    }
    if (e == s.LASTEN(sl)) ++sl;
  }
  // 3. Symmetry restraints.
  if (s.NSX > 1)
    for (int i = 1; i <= Count(s.NSX); ++i) {
      const long eq = 3L * s.NEWNO(s.NODSX(i)) - 1;
      s.SK[static_cast<std::size_t>((eq - 1) * nb + 1)] = 1e20f;
    }
  if (s.NSY > 1)
    for (int i = 1; i <= Count(s.NSY); ++i) {
      const long eq = 3L * s.NEWNO(s.NODSY(i));
      s.SK[static_cast<std::size_t>((eq - 1) * nb + 1)] = 1e20f;
    }
  // 4. Slab weight, once per problem.
  if (s.NWT != 0 && s.IPER == 1 && s.NCY == 1) {
    const double W = static_cast<double>(s.GAMA(1)) * s.THK(1, 1) + static_cast<double>(s.GAMA(2)) * s.THK(2, 1);
    const int nlg = Count(s.NLG);
    for (int n = 1; n <= nnode; ++n)
      for (int g = 1; g <= nlg; ++g) {
        float& fl = s.FL((g - 1) * nnode + n);
        fl = static_cast<float>(fl + W * s.AREA(n));
      }
  }
}

}  // namespace pave::slab
