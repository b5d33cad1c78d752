#include "layered_analysis/bonded_constants.h"

#include <cmath>

namespace pave::layered {

void BondedConstants::SOL(const LayerSystem& m, float RM) {
  rm_ = RM;
  const int nl = m.NL;
  float R[kMaxLayers + 1];
  for (int i = 1; i < nl; ++i) R[i] = (m.E[i] / m.E[i + 1]) * (1.0f + m.PR[i + 1]) / (1.0f + m.PR[i]);
  XBOT[1] = 0;
  XBOT[3] = 0;
  if (RM > 740.0f) {
    XBOT[2] = 0;
    XBOT[4] = 0;
    return;
  }
  const double e0 = std::exp(-static_cast<double>(RM));
  const double rm2 = static_cast<double>(RM) * static_cast<double>(RM);

  for (int i = nl - 1; i >= 1; --i) {
    const float nu = m.PR[i], nu1 = m.PR[i + 1], r = R[i];
    const float f = 1.0f / (4.0f * (1.0f - nu));
    const float lam = m.DN[i];
    const float mu = RM * lam;
    const double e1 = std::exp(-static_cast<double>(m.THN[i] * RM));
    const double e2 = i < nl - 1 ? std::exp(-static_cast<double>(m.THN[i + 1] * RM)) : 0.0;
    const float mu2 = static_cast<float>(rm2 * (static_cast<double>(lam) * static_cast<double>(lam)));
    const float c = 8.0f * nu * nu1;
    const float P = 2.0f * mu * (1.0f - 2.0f * nu) - (c + 1.0f - 6.0f * nu1);
    const float Pp = 2.0f * mu * (1.0f - 2.0f * nu1) - (c + 1.0f - 6.0f * nu);
    const float Q = 2.0f * mu2 + 2.0f * nu1 + 1.0f - c + 4.0f * mu * (nu - nu1);
    const float Qp = 2.0f * mu2 + 2.0f * nu + 1.0f - c + 4.0f * mu * (nu - nu1);
    const float U = 2.0f * mu2 + 2.0f * nu1 + 1.0f - c - 4.0f * mu * (nu - nu1);
    const float Up = 2.0f * mu2 + 2.0f * nu + 1.0f - c - 4.0f * mu * (nu - nu1);
    const float V = -2.0f * mu * (1.0f - 2.0f * nu) - (c + 1.0f - 6.0f * nu1);
    const float Vp = -2.0f * mu * (1.0f - 2.0f * nu1) - (c + 1.0f - 6.0f * nu);

    double M[5][5];
    M[1][1] = static_cast<float>(f * (3.0f - 4.0f * nu + r)) * e1 * e2;
    M[1][2] = static_cast<float>(f * (r - 1.0f) * (1.0f - 4.0f * nu - 2.0f * mu)) * e1;
    M[1][3] = static_cast<float>(f * (P - r * Pp)) * e1 * e2;
    M[1][4] = static_cast<float>(f * (Q - r * Qp)) * e1;
    M[2][1] = static_cast<float>(f * (r - 1.0f) * (1.0f - 4.0f * nu + 2.0f * mu)) * e2;
    M[2][2] = static_cast<float>(f * (3.0f - 4.0f * nu + r));
    M[2][3] = -static_cast<float>(f * (U - r * Up)) * e2;
    M[2][4] = -static_cast<float>(f * (V - r * Vp));
    M[3][1] = 0;
    M[3][2] = static_cast<float>(2.0f * f * (r - 1.0f)) * e1;
    M[3][3] = static_cast<float>(f * (1.0f + r * (3.0f - 4.0f * nu1))) * e1 * e2;
    M[3][4] = static_cast<float>(f * (r - 1.0f) * (1.0f - 4.0f * nu1 + 2.0f * mu)) * e1;
    M[4][1] = static_cast<float>(2.0f * f * (1.0f - r)) * e2;
    M[4][2] = 0;
    M[4][3] = static_cast<float>(f * (r - 1.0f) * (1.0f - 4.0f * nu1 - 2.0f * mu)) * e2;
    M[4][4] = static_cast<float>(f * (1.0f + r * (3.0f - 4.0f * nu1)));

    if (i == nl - 1) {
      for (int K = 1; K <= 4; ++K)
        for (int L = 1; L <= 4; ++L) FMAT[i][K][L] = static_cast<float>(M[K][L]);
    } else {
      for (int K = 1; K <= 4; ++K)
        for (int L = 1; L <= 4; ++L) {
          float sum = 0;
          for (int k = 1; k <= 4; ++k) sum = static_cast<float>(sum + M[K][k] * FMAT[i + 1][k][L]);
          FMAT[i][K][L] = sum;
        }
    }
  }

  const float nu1 = m.PR[1];
  const double es = std::exp(-static_cast<double>(m.THN[1] * RM));
  const double s1[5] = {0, es, 1.0, -static_cast<double>(1.0f - 2.0f * nu1) * es, 1.0f - 2.0f * nu1};
  const double s2[5] = {0, es, -1.0, static_cast<double>(2.0f * nu1) * es, 2.0f * nu1};
  float G[3][5];
  for (int L = 1; L <= 4; ++L) {
    float g1 = 0, g2 = 0;
    for (int k = 1; k <= 4; ++k) {
      g1 = static_cast<float>(g1 + s1[k] * FMAT[1][k][L]);
      g2 = static_cast<float>(g2 + s2[k] * FMAT[1][k][L]);
    }
    G[1][L] = g1;
    G[2][L] = g2;
  }
  if (G[2][4] == 0.0f || G[2][2] == 0.0f) throw NumericFault("singular surface system");
  const float den2 = G[1][2] - (G[1][4] / G[2][4]) * G[2][2];
  const float den4 = G[1][4] - (G[1][2] / G[2][2]) * G[2][4];
  if (den2 == 0.0f || den4 == 0.0f) throw NumericFault("singular surface system");
  XBOT[2] = e0 / den2;
  XBOT[4] = e0 / den4;
}

void BondedConstants::COEF(const LayerSystem& m, int Lpt, double CC[5]) const {
  if (rm_ > 740.0f || Lpt >= m.NL) {
    CC[1] = 0;
    CC[2] = XBOT[2];
    CC[3] = 0;
    CC[4] = XBOT[4];
    return;
  }
  const double EA = Lpt == 1 ? std::exp(-static_cast<double>(rm_))
                             : std::exp(-static_cast<double>(rm_) * (1.0 - static_cast<double>(m.DN[Lpt - 1])));
  for (int K = 1; K <= 4; ++K) {
    double sum = 0;
    for (int L = 1; L <= 4; ++L) sum += static_cast<double>(FMAT[Lpt][K][L]) * XBOT[L];
    CC[K] = sum / EA;
  }
}

IntegrandFactors Integrands(const LayerSystem& m, int L, float lambda, float RM, const double CC[5]) {
  const float mz = lambda * RM;
  const double ea = L < m.NL ? std::exp(-(static_cast<double>(m.DN[L] * RM) - mz)) : 0.0;
  const double eb = L == 1 ? std::exp(-static_cast<double>(mz))
                           : std::exp(-(static_cast<double>(mz) - static_cast<double>(m.DN[L - 1] * RM)));
  const double A = CC[1], B = CC[2], C = CC[3], D = CC[4];
  const double nu = m.PR[L];
  const double z = mz;
  IntegrandFactors f;
  f.FW = (A - C * (2.0 - 4.0 * nu - z)) * ea - (B + D * (2.0 - 4.0 * nu + z)) * eb;
  f.FZ = (A - C * (1.0 - 2.0 * nu - z)) * ea + (B + D * (1.0 - 2.0 * nu + z)) * eb;
  f.FR = (A + C * (1.0 + z)) * ea + (B - D * (1.0 - z)) * eb;
  f.FV = 2.0 * nu * (C * ea - D * eb);
  f.FT = static_cast<float>((A + C * (2.0 * nu + z)) * ea - (B - D * (2.0 * nu - z)) * eb);
  return f;
}

}  // namespace pave::layered
