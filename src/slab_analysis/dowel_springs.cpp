#include "slab_analysis/dowel_springs.h"

#include <cmath>
#include <stdexcept>

namespace pave {

namespace {
float Single(double v) {
  float f = static_cast<float>(v);
  if (!std::isfinite(f)) throw std::domain_error("dowel data give no spring constant");
  return f;
}
}  // namespace

std::vector<float> JointTributaryLengths(const float* C, int N) {
  std::vector<float> len(static_cast<std::size_t>(N) + 1, 0.0f);
  for (int K = 1; K <= N; ++K) {
    if (K == 1) {
      len[1] = N >= 2 ? static_cast<float>(C[2] * 0.5) : 0.0f;
    } else if (K < N) {
      len[K] = static_cast<float>((static_cast<double>(C[K + 1]) - C[K - 1]) * 0.5);
    } else {
      len[K] = static_cast<float>((static_cast<double>(C[K]) - C[K - 1]) * 0.5);
    }
  }
  return len;
}

DowelSpring DowelShearSpring(float BD, float SCKV, float WJ, float BS, float YMSB, float PRSB, bool barsListed) {
  if (BD == 0 || SCKV == 0 || YMSB == 0) throw std::domain_error("dowel diameter, support modulus or modulus is zero");
  DowelSpring d;
  double bd = BD;
  float EI = Single(bd * bd * bd * bd * (static_cast<double>(YMSB) * 0.049));
  if (EI == 0) throw std::domain_error("dowel bending stiffness is zero");
  double ratio = static_cast<double>(SCKV) * BD / (static_cast<double>(EI) * 4);
  if (ratio < 0) throw std::domain_error("negative dowel support");
  float BETA = Single(std::pow(ratio, 0.25));
  double beta = BETA;
  if (BETA == 0) throw std::domain_error("dowel support is zero");
  d.CDOW = Single((beta * WJ + 2) / (beta * beta * beta * 4 * EI));
  float S = Single(((static_cast<double>(PRSB) + 1) * 2 * WJ) / (bd * bd * (static_cast<double>(YMSB) * 0.25 * 3.1416)));
  d.BS = barsListed ? 1.0f : BS;
  double compliance = (static_cast<double>(d.CDOW) + d.CDOW + S) * d.BS;
  if (compliance == 0) throw std::domain_error("dowel spacing is zero");
  d.SPCON1 = Single(1 / compliance);
  return d;
}

}  // namespace pave
