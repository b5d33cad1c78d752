#include "layered_analysis/nonlinear_modulus.h"

#include <cmath>

namespace pave::layered {

MohrCoulomb MohrCoulombCoefficients(float phi) {
  if (phi == 0.0f) phi = 90.0f;
  // Degrees to radians with the factor the program has always used.
  const double rad = 0.0174532;
  const double ta = std::tan((45.0 - phi / 2.0) * rad);
  const double tp = std::tan((45.0 + phi / 2.0) * rad);
  return {static_cast<float>(ta * ta), static_cast<float>(tp * tp)};
}

float UnitWeightPerDepth(float gam, int nunit) {
  return nunit != 0 ? gam / 100.0f : gam / 1728.0f;
}

float GeostaticStress(std::span<const float> th, std::span<const float> gam, int layer, float zcnol) {
  float ztop = 0;
  float w = 0;
  for (int l = 2; l <= layer; ++l) {
    ztop = ztop + th[l - 2];
    w = w + gam[l - 2] * th[l - 2];
  }
  return w + (zcnol - ztop) * gam[layer - 1];
}

float AdjustHorizontal(float sz, float sh, float ka, float kp) {
  if (sz > sh) {
    const float low = ka * sz;
    return low > sh ? low : sh;
  }
  const float high = kp * sz;
  return high < sh ? high : sh;
}

float RelativeChange(float e_new, float e_old) {
  return static_cast<float>(std::fabs((e_new - e_old) / e_new));
}

namespace {

float Relaxed(float e_new, float e_old, float relax) { return (e_new - e_old) * relax + e_old; }

bool IsWhole(float x) { return std::floor(x) == x; }

}  // namespace

ModulusUpdate UpdateModulus(const NonlinearLaw& law, float geos, float load_sz, float load_sx,
                            float load_sy, float e_old, float relax) {
  ModulusUpdate u;
  u.sz = geos + load_sz;
  u.sx = geos * law.k0 + load_sx;
  u.sy = geos * law.k0 + load_sy;
  u.sxa = u.sx;
  u.sya = u.sy;
  const float sz = u.sz;

  if (!law.clay) {
    const float phi = law.phi == 0.0f ? 90.0f : law.phi;
    if (phi <= 90.0f) {
      u.sxa = AdjustHorizontal(sz, u.sx, law.mc.ka, law.mc.kp);
      u.sya = AdjustHorizontal(sz, u.sy, law.mc.ka, law.mc.kp);
      const float theta = u.sxa + sz + u.sya;
      if (theta < 0.0f && !IsWhole(law.k2)) {
        u.fault = ModulusFault::NegativeBulkStress;
        return u;
      }
      const float e_new = static_cast<float>(std::pow(static_cast<double>(theta), law.k2) * law.k1);
      u.e = Relaxed(e_new, e_old, relax);
    } else {
      const float theta = u.sx + sz + u.sy;
      if (theta < 0.0f) {
        u.e = phi;
      } else {
        const float e_new = static_cast<float>(std::pow(static_cast<double>(theta), law.k2) * law.k1);
        u.e = Relaxed(e_new, e_old, relax);
        if (u.e < phi) u.e = phi;
      }
    }
  } else {
    const float sx = u.sx, sy = u.sy;
    float sd;
    if (sz >= sx && sz >= sy) {
      sd = sz - (sy + sx) / 2.0f;
    } else if (sx >= sz && sx >= sy) {
      sd = sx - (sy + sz) / 2.0f;
    } else {
      sd = sy - (sx + sz) / 2.0f;
    }
    const float over = sd - law.k2;
    if (over <= 0.0f) {
      const float e_new = (law.k2 - sd) * law.k3 + law.k1;
      u.e = Relaxed(e_new, e_old, relax);
      if (u.e > law.emax) u.e = law.emax;
    } else {
      const float e_new = law.k1 - over * law.k4;
      u.e = Relaxed(e_new, e_old, relax);
      if (u.e < law.emin) u.e = law.emin;
    }
  }
  if (!(u.e > 0.0f) || !std::isfinite(u.e)) u.fault = ModulusFault::NonPositiveModulus;
  return u;
}

}  // namespace pave::layered
