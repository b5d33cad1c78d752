// Bessel functions of the first kind, J0 and J1, by the polynomial approximations of Abramowitz and
// Stegun (9.4.1, 9.4.3, 9.4.4, 9.4.6). Shared by the layered and the slab analysis.
#pragma once

namespace pave {

// Ni <= 0 gives J0(XI), Ni > 0 gives J1(XI); XI is rounded to single precision first.
void BESSEL(int Ni, double XI, double& Y);

inline double BesselJ(int order, double x) {
  double y = 0;
  BESSEL(order, x, y);
  return y;
}

}  // namespace pave
