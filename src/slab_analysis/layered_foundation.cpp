#include "slab_analysis/layered_foundation.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "common/bessel.h"

namespace pave {

namespace {

// 32-point Gauss-Legendre rule on (-1, 1), positive abscissas with their weights, six decimals.
constexpr float kG32x[16] = {0.997264f, 0.985612f, 0.964762f, 0.934906f, 0.896321f, 0.849368f,
                             0.794484f, 0.732182f, 0.663044f, 0.587716f, 0.506900f, 0.421351f,
                             0.331869f, 0.239287f, 0.144472f, 0.048308f};
constexpr float kG32w[16] = {0.007019f, 0.016274f, 0.025392f, 0.034274f, 0.042836f, 0.050998f,
                             0.058684f, 0.065822f, 0.072346f, 0.078194f, 0.083312f, 0.087652f,
                             0.091174f, 0.093844f, 0.095639f, 0.096540f};
// 8-point rule.
constexpr float kG8x[4] = {0.96029f, 0.796666f, 0.525532f, 0.183435f};
constexpr float kG8w[4] = {0.101229f, 0.222381f, 0.313707f, 0.362684f};
// The first 30 positive zeros of J0.
constexpr float kJ0Zeros[30] = {2.40483f,  5.52008f,  8.65373f,  11.79153f, 14.93092f, 18.07106f,
                                21.21164f, 24.35247f, 27.49348f, 30.63461f, 33.77582f, 36.91710f,
                                40.05843f, 43.19979f, 46.34119f, 49.48261f, 52.62405f, 55.76551f,
                                58.90698f, 62.04847f, 65.18996f, 68.33147f, 71.47298f, 74.61450f,
                                77.75603f, 80.89756f, 84.03909f, 87.18063f, 90.32217f, 93.46372f};

float Single(double v) {
  float f = static_cast<float>(v);
  if (!std::isfinite(f)) throw std::domain_error("layered foundation: arithmetic fault");
  return f;
}

double Checked(double v) {
  if (!std::isfinite(v)) throw std::domain_error("layered foundation: arithmetic fault");
  return v;
}

using Mat4 = float[5][5];

}  // namespace

std::array<float, 22> LayeredDistances(float DMIN, float DMAX, float RMAX) {
  static constexpr float f[11] = {0, 0.05f, 0.1f, 0.15f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.8f, 1.0f};
  std::array<float, 22> RD{};
  RD[1] = Single(0.09 * DMIN);
  float DR1 = Single(DMAX - 0.09 * DMIN);
  for (int i = 1; i <= 10; ++i) RD[1 + i] = Single(RD[1] + static_cast<double>(f[i]) * DR1);
  float DR2 = Single(static_cast<double>(RMAX) - DMAX);
  for (int i = 1; i <= 10; ++i) RD[11 + i] = Single(DMAX + static_cast<double>(f[i]) * DR2);
  for (int K = 2; K <= 21; ++K) {
    if (!(RD[K] > RD[K - 1]) || !(RD[1] > 0))
      throw std::domain_error("layered foundation: the distance table has equal distances");
  }
  return RD;
}

void SOL(InterfaceProducts& CA, const LayeredLayers& L_, const float* H, float Tm, std::array<double, 5>& V,
         const float* Z) {
  const int NL = L_.NL;
  const int NL1 = NL - 1;
  const double m = Tm;
  float R[6] = {};
  for (int i = 1; i <= NL1; ++i) {
    double den = static_cast<double>(L_.E[i + 1]) * (1.0 + L_.PRBF[i]);
    if (den == 0) throw std::domain_error("layered foundation: zero modulus or Poisson's ratio of -1");
    R[i] = Single(static_cast<double>(L_.E[i]) * (1.0 + L_.PRBF[i + 1]) / den);
  }
  V[1] = 0;
  V[3] = 0;
  Mat4 T{};
  Mat4 M{};
  for (int I = 1; I <= NL1; ++I) {
    int L = NL - I;
    double a = L_.PRBF[L], b = L_.PRBF[L + 1], r = R[L], z = Z[L];
    if (a == 1) throw std::domain_error("layered foundation: Poisson's ratio of 1");
    double F = Single(1.0 / (4.0 * (1.0 - a)));
    double EA = std::exp(-static_cast<double>(static_cast<float>(m * H[L])));
    double EB = L < NL1 ? static_cast<double>(static_cast<float>(std::exp(-static_cast<double>(static_cast<float>(m * H[L + 1])))))
                        : 0.0;
    double mz = m * z;
    double ab8 = 8 * a * b;
    double P1 = 2 * mz * (1 - 2 * a) - (1 - 6 * b + ab8);
    double P2 = 2 * mz * (1 - 2 * b) - (1 - 6 * a + ab8);
    double Q1 = 1 + 2 * b - ab8 + 4 * mz * (a - b) + 2 * mz * mz;
    double Q2 = 1 + 2 * a - ab8 + 4 * mz * (a - b) + 2 * mz * mz;
    double Q3 = 1 + 2 * b - ab8 - 4 * mz * (a - b) + 2 * mz * mz;
    double Q4 = 1 + 2 * a - ab8 - 4 * mz * (a - b) + 2 * mz * mz;
    double P3 = -2 * mz * (1 - 2 * a) - (1 - 6 * b + ab8);
    double P4 = -2 * mz * (1 - 2 * b) - (1 - 6 * a + ab8);
    T[1][1] = Single((3 - 4 * a + r) * F * EB * EA);
    T[1][2] = Single((r - 1) * (1 - 4 * a - 2 * mz) * F * EA);
    T[1][3] = Single((P1 - r * P2) * F * EB * EA);
    T[1][4] = Single((Q1 - r * Q2) * F * EA);
    T[2][1] = Single((r - 1) * (1 - 4 * a + 2 * mz) * F * EB);
    T[2][2] = Single((3 - 4 * a + r) * F);
    T[2][3] = Single(-(Q3 - r * Q4) * F * EB);
    T[2][4] = Single(-(P3 - r * P4) * F);
    T[3][1] = 0;
    T[3][2] = Single(2 * (r - 1) * F * EA);
    T[3][3] = Single(((3 - 4 * b) * r + 1) * F * EB * EA);
    T[3][4] = Single((r - 1) * (1 - 4 * b + 2 * mz) * F * EA);
    T[4][1] = Single(2 * (1 - r) * F * EB);
    T[4][2] = 0;
    T[4][3] = Single((r - 1) * (1 - 4 * b - 2 * mz) * F * EB);
    T[4][4] = Single(((3 - 4 * b) * r + 1) * F);
    if (I == 1) {
      for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 4; ++j) {
          CA[i][j][L] = T[i][j];
          M[i][j] = T[i][j];
        }
    } else {
      for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 4; ++j) {
          double s = 0;
          for (int n = 1; n <= 4; ++n) s += static_cast<float>(static_cast<double>(T[i][n]) * M[n][j]);
          CA[i][j][L] = Checked(s);
        }
      for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 4; ++j) M[i][j] = Single(CA[i][j][L]);
    }
  }
  const double nu = L_.PRBF[1];
  double EX1 = std::exp(-static_cast<double>(static_cast<float>(m * H[1])));
  float U[3][5] = {};
  U[1][1] = Single(EX1);
  U[1][2] = 1;
  U[1][3] = Single(-(1 - 2 * nu) * EX1);
  U[1][4] = Single(1 - 2 * nu);
  U[2][1] = Single(EX1);
  U[2][2] = -1;
  U[2][3] = Single(2 * nu * EX1);
  U[2][4] = Single(2 * nu);
  float P[3][5] = {};
  for (int i = 1; i <= 2; ++i)
    for (int j = 1; j <= 4; ++j) {
      double s = 0;
      for (int n = 1; n <= 4; ++n) s += static_cast<double>(U[i][n]) * M[n][j];
      P[i][j] = Single(s);
    }
  double d2 = static_cast<double>(P[1][2]) * P[2][4] - static_cast<double>(P[1][4]) * P[2][2];
  double d4 = static_cast<double>(P[1][4]) * P[2][2] - static_cast<double>(P[2][4]) * P[1][2];
  if (d2 == 0 || d4 == 0) throw std::domain_error("layered foundation: singular surface conditions");
  // The bottom-layer constants carry no factor e^-m: it would cancel in the top-layer constants, and
  // where it underflows (m above about 745) it would cut the integrand to zero.
  V[2] = Single(P[2][4] / d2);
  V[4] = Single(P[2][2] / d4);
}

void COEF(const InterfaceProducts& CA, float, const std::array<double, 5>& V, std::array<double, 5>& VV) {
  for (int i = 1; i <= 4; ++i) {
    double s = 0;
    for (int j = 1; j <= 4; ++j) s += CA[i][j][1] * V[j];
    VV[i] = Checked(s);
  }
}

void LaySla(const LayeredLayers& layers, LayeredTable& table) {
  const int NL = layers.NL;
  const int NL1 = NL - 1;
  if (NL < 1 || NL > 6) throw std::domain_error("layered foundation: number of layers outside 1..6");
  if (layers.E[1] == 0) throw std::domain_error("layered foundation: zero modulus of the top layer");
  float H[6] = {};
  float Z[6] = {};
  float S = 0;
  for (int i = 1; i <= NL1; ++i) S = Single(static_cast<double>(S) + layers.TH[i]);
  if (NL1 >= 1 && S == 0) throw std::domain_error("layered foundation: finite layers of zero thickness");
  float run = 0;
  for (int i = 1; i <= NL1; ++i) {
    run = Single(static_cast<double>(run) + layers.TH[i]);
    H[i] = Single(static_cast<double>(layers.TH[i]) / S);
    Z[i] = Single(static_cast<double>(run) / S);
  }
  const double nu = layers.PRBF[1];
  for (int K = 1; K <= 21; ++K) {
    table.DEF[K] = 0;
    if (!(table.RD[K] > 0)) throw std::domain_error("layered foundation: distance of zero");
  }

  InterfaceProducts CA{};
  std::array<double, 5> V{}, VV{};
  double sum[22];
  double term[22];
  double lo = 0;
  int intervals = layers.MAXIC >= 1 ? std::min(layers.MAXIC, 30) : 1;
  for (int n = 0; n < intervals; ++n) {
    double hi = kJ0Zeros[n];
    for (int K = 1; K <= 21; ++K) sum[K] = 0, term[K] = 0;
    int points = n == 0 ? 32 : 8;
    for (int g = 0; g < points; ++g) {
      // Abscissas in increasing order: the negative half, then the positive half.
      int half = points / 2;
      float u, w;
      if (points == 32) {
        int k = g < half ? g : points - 1 - g;
        u = g < half ? -kG32x[k] : kG32x[k];
        w = kG32w[k];
      } else {
        int k = g < half ? g : points - 1 - g;
        u = g < half ? -kG8x[k] : kG8x[k];
        w = kG8w[k];
      }
      float x = static_cast<float>((hi - lo) * u / 2 + (hi + lo) / 2);
      double j0 = 0;
      BESSEL(0, x, j0);
      float J = static_cast<float>(j0);
      float WT = static_cast<float>((hi - lo) * 0.5 * w / 6.2831853);
      for (int K = 1; K <= 21; ++K) {
        float m = Single(static_cast<double>(x) * S / table.RD[K]);
        float VAL;
        if (NL1 == 0) {
          VAL = static_cast<float>(-2.0 * (1.0 - nu));
        } else {
          SOL(CA, layers, H, m, V, Z);
          COEF(CA, m, V, VV);
          double EX = static_cast<float>(std::exp(-static_cast<double>(static_cast<float>(m * Z[1]))));
          VAL = Single((VV[1] - (2 - 4 * nu) * VV[3]) * EX - ((2 - 4 * nu) * VV[4] + VV[2]));
        }
        term[K] = -static_cast<double>(WT) * J * VAL * (nu + 1) / table.RD[K];
        sum[K] += term[K];
      }
    }
    for (int K = 1; K <= 21; ++K) {
      if (term[K] == 0) sum[K] = 0;
      table.DEF[K] = Single(table.DEF[K] + sum[K]);
    }
    lo = hi;
  }
}

float LayeredTableValue(const LayeredTable& t, float q) {
  int K = 0;
  for (int k = 2; k <= 21; ++k) {
    if (q <= t.RD[k]) {
      K = k;
      break;
    }
  }
  if (K == 0 || K == 21) K = 20;
  double r1 = t.RD[K - 1], r2 = t.RD[K], r3 = t.RD[K + 1];
  float w1 = static_cast<float>((q - r3) * (q - r2) / ((r1 - r3) * (r1 - r2)));
  float w2 = static_cast<float>((q - r3) * (q - r1) / ((r2 - r3) * (r2 - r1)));
  float w3 = static_cast<float>((q - r2) * (q - r1) / ((r3 - r2) * (r3 - r1)));
  return Single(static_cast<double>(w2) * t.DEF[K] + static_cast<double>(w1) * t.DEF[K - 1] +
                static_cast<double>(w3) * t.DEF[K + 1]);
}

float BurDia(const LayeredTable& table, float E1, float A, float B, const float* CEE, const float* WGT) {
  float DIA = 0;
  for (int I = 1; I <= 5; ++I) {
    for (int J = 1; J <= 5; ++J) {
      double dx = (1.0 + CEE[I]) * A;
      double dy = (1.0 + CEE[J]) * B;
      float q = static_cast<float>(std::sqrt(dx * dx + dy * dy) / 2);
      float d = LayeredTableValue(table, q);
      DIA = Single(DIA + static_cast<double>(WGT[I]) * WGT[J] * d / 16);
    }
  }
  if (E1 == 0) throw std::domain_error("layered foundation: zero modulus of the top layer");
  return Single(static_cast<double>(DIA) / E1);
}

float BurOff(const LayeredTable& table, float E1, float R) {
  if (E1 == 0) throw std::domain_error("layered foundation: zero modulus of the top layer");
  return Single(static_cast<double>(LayeredTableValue(table, R)) / E1);
}

}  // namespace pave
