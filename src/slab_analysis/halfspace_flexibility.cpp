#include "slab_analysis/halfspace_flexibility.h"

#include <cmath>
#include <stdexcept>

namespace pave {

namespace {
constexpr double kPi = 3.141593;

float ToSingle(double v, const char* what) {
  float f = static_cast<float>(v);
  if (!std::isfinite(f)) throw std::domain_error(what);
  return f;
}
}  // namespace

float BouDia(float A, float B, const float* CEE, const float* WGT, double YMS, float PRS) {
  if (YMS == 0) throw std::domain_error("half-space modulus is zero");
  float DIA = 0;
  for (int I = 1; I <= 5; ++I) {
    for (int J = 1; J <= 5; ++J) {
      double dx = (1.0 + CEE[I]) * A;
      double dy = (1.0 + CEE[J]) * B;
      float R = static_cast<float>(std::sqrt(dx * dx + dy * dy));
      if (R == 0) throw std::domain_error("element of zero size");
      DIA = ToSingle(DIA + static_cast<double>(WGT[I]) * 0.125 * WGT[J] / (R * kPi), "element term");
    }
  }
  double p = PRS;
  return ToSingle(DIA * (1.0 - p * p) / YMS, "element term");
}

float HalfSpacePointTerm(float R, double YMS, float PRS) {
  if (R == 0) throw std::domain_error("two distinct nodes at one point of the foundation");
  if (YMS == 0) throw std::domain_error("half-space modulus is zero");
  double p = PRS;
  return ToSingle((1.0 - p * p) / (R * kPi * YMS), "point-load term");
}

}  // namespace pave
