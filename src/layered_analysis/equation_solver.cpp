#include "layered_analysis/equation_solver.h"

#include <cmath>

namespace pave::layered {

namespace {

template <typename T>
bool Gelg(T* R, float* A, int M, int N) {
  if (M <= 0) return false;
  const long MM = static_cast<long>(M) * M;
  const long NM = static_cast<long>(N) * M;
  float PIV = 0;
  long I = 0;
  for (long L = 1; L <= MM; ++L) {
    const float tb = std::fabs(A[L]);
    if (tb > PIV) {
      PIV = tb;
      I = L;
    }
  }
  long LST = 1;
  for (long K = 1; K <= M; ++K) {
    if (!(PIV > 0)) return false;
    float PIVI = static_cast<float>(1.0 / static_cast<double>(A[I]));
    long J = (I - 1) / M;
    I = I - J * M - K;
    J = J + 1 - K;
    for (long L = K; L <= NM; L += M) {
      const long LL = L + I;
      const double TB = static_cast<double>(PIVI) * static_cast<double>(R[LL]);
      R[LL] = R[L];
      R[L] = static_cast<T>(TB);
    }
    if (K >= M) break;
    const long LEND = LST + M - K;
    if (J > 0) {
      const long II = J * M;
      for (long L = LST; L <= LEND; ++L) {
        const float tb = A[L];
        A[L] = A[L + II];
        A[L + II] = tb;
      }
    }
    for (long L = LST; L <= MM; L += M) {
      const long LL = L + I;
      const double TB = static_cast<double>(PIVI) * static_cast<double>(A[LL]);
      A[LL] = A[L];
      A[L] = static_cast<float>(TB);
    }
    A[LST] = static_cast<float>(J);
    PIV = 0;
    LST = LST + 1;
    J = 0;
    for (long II = LST; II <= LEND; ++II) {
      PIVI = -A[II];
      const long IST = II + M;
      J = J + 1;
      for (long L = IST; L <= MM; L += M) {
        A[L] = static_cast<float>(static_cast<double>(A[L]) + static_cast<double>(PIVI) * static_cast<double>(A[L - J]));
        const float tb = std::fabs(A[L]);
        if (tb > PIV) {
          PIV = tb;
          I = L;
        }
      }
      for (long L = K; L <= NM; L += M)
        R[L + J] = static_cast<T>(static_cast<double>(R[L + J]) + static_cast<double>(PIVI) * static_cast<double>(R[L]));
    }
    LST = LST + M;
  }
  if (M == 1) return true;
  long IST = MM + M;
  LST = M + 1;
  for (long i = 2; i <= M; ++i) {
    const long II = LST - i;
    IST = IST - LST;
    long L = IST - M;
    L = static_cast<long>(static_cast<double>(A[L]) + 0.5);
    for (long J = II; J <= NM; J += M) {
      double TB = static_cast<double>(R[J]);
      long LL = J;
      for (long K = IST; K <= MM; K += M) {
        LL = LL + 1;
        TB = TB - static_cast<double>(A[K]) * static_cast<double>(R[LL]);
      }
      const long K = J + L;
      R[J] = R[K];
      R[K] = static_cast<T>(TB);
    }
  }
  return true;
}

}  // namespace

bool GELG(double* R, float* A, int M, int N) { return Gelg(R, A, M, N); }
bool GELG(float* R, float* A, int M, int N) { return Gelg(R, A, M, N); }

}  // namespace pave::layered
