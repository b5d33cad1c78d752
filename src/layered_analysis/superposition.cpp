#include "layered_analysis/superposition.h"

#include <cmath>

namespace pave::layered {

PrincipalValues Principal(float sx, float sy, float sz, float txy, float tyz, float txz) {
  const float I1 = sx + sz + sy;
  const float I2 = sx * sy + sx * sz + sz * sy - txy * txy - tyz * tyz - txz * txz;
  const float I3 = 2.0f * txy * tyz * txz + sx * sz * sy - txy * txy * sz - tyz * tyz * sx - txz * txz * sy;
  const float a = (3.0f * I2 - I1 * I1) / 3.0f;
  PrincipalValues pv;
  if (a >= 0.0f) {
    // All three principal stresses equal.
    pv.largest = pv.smallest = pv.intermediate = I1 / 3.0f;
    return pv;
  }
  const float b = (-2.0f * I1 * I1 * I1 + 9.0f * I1 * I2 - 27.0f * I3) / 27.0f;
  const double ad = a;
  const double r = std::sqrt(-ad * ad * ad / 27.0);
  float kappa = static_cast<float>(-0.5 * b / r);
  if (kappa > 1.0f) kappa = 1.0f;
  if (kappa < -1.0f) kappa = -1.0f;
  // Exact over the whole range 0..pi, also at kappa = -1.
  const float phi = std::acos(kappa);
  const float t2 = 2.0f * std::sqrt(-a / 3.0f);
  float P[4];
  P[1] = I1 / 3.0f + t2 * std::cos(phi / 3.0f);
  P[2] = I1 / 3.0f + t2 * std::cos(phi / 3.0f + static_cast<float>((120.0 / 180.0) * 3.141593));
  P[3] = I1 / 3.0f + t2 * std::cos(phi / 3.0f + static_cast<float>((240.0 / 180.0) * 3.141593));
  int imax = 0, imin = 0;
  float vmax = -1e9f, vmin = 1e9f;
  for (int k = 1; k <= 3; ++k) {
    if (P[k] > vmax) {
      vmax = P[k];
      imax = k;
    }
    if (P[k] < vmin) {
      vmin = P[k];
      imin = k;
    }
  }
  if (imax == 0) imax = 1;
  if (imin == 0 || imin == imax) imin = imax == 3 ? 2 : 3;
  const int imid = 6 - imax - imin;
  pv.largest = P[imax];
  pv.smallest = P[imin];
  pv.intermediate = P[imid];
  return pv;
}

void SUPPRI(ProblemState& s) {
  const int LG = s.LG, IPT = s.IPT;
  const int nr = s.NR(LG);
  const int nstd = s.NDAMA != 0 ? 9 : s.NSTD;  // a damage analysis needs the strains
  for (int I = 1; I <= s.NZ; ++I) {
    float w = 0, sz = 0, sx = 0, sy = 0, txy = 0, tyz = 0, txz = 0;
    for (int J = 1; J <= nr; ++J) {
      w += s.RESP(J, I, 1);
      if (nstd == 1) continue;
      const float szJ = s.RESP(J, I, 2), srJ = s.RESP(J, I, 3), stJ = s.RESP(J, I, 4), tJ = s.RESP(J, I, 5);
      if (s.RC(J, IPT, LG) < 0.0001f) {
        sz += szJ;
        sx += srJ;
        sy += stJ;
      } else {
        const double c = s.DCPT(J, 1, IPT, LG), sn = s.DCPT(J, 2, IPT, LG);
        const double c2 = c * c, s2 = sn * sn;
        sz += szJ;
        sx = static_cast<float>(sx + c2 * srJ + s2 * stJ);
        sy = static_cast<float>(sy + s2 * srJ + c2 * stJ);
        txy = static_cast<float>(txy + (srJ - stJ) * c * sn);
        tyz = static_cast<float>(tyz + sn * tJ);
        txz = static_cast<float>(txz + c * tJ);
      }
    }
    s.RESP(1, I, 1) = w;
    if (nstd == 1) continue;
    const PrincipalValues pv = Principal(sx, sy, sz, txy, tyz, txz);
    s.RESP(1, I, 2) = sz;
    s.RESP(1, I, 3) = pv.largest;
    s.RESP(1, I, 4) = pv.smallest;
    s.RESP(1, I, 5) = pv.intermediate;
    if (nstd == 5) continue;
    const int L = s.work.LAY(I);
    const float E = s.E(L), nu = s.PR(L);
    s.RESP(1, I, 6) = (sz - nu * (sy + sx)) / E;
    s.RESP(1, I, 7) = (pv.largest - nu * (pv.intermediate + pv.smallest)) / E;
    s.RESP(1, I, 8) = (pv.smallest - nu * (pv.intermediate + pv.largest)) / E;
    const float ex = (sx - nu * (sy + sz)) / E;
    const float ey = (sy - nu * (sx + sz)) / E;
    const float gam = 2.0f * (1.0f + nu) * txy / E;
    const float hx = (ex - ey) / 2.0f, hg = gam / 2.0f;
    s.RESP(1, I, 9) = (ex + ey) / 2.0f - std::sqrt(hx * hx + hg * hg);
  }
}

}  // namespace pave::layered
