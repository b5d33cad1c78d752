#include "layered_analysis/equation_solver.h"

#include <cmath>
#include <stdexcept>

namespace pave::layered {

namespace {

constexpr long kMaxColumns = 128;

template <typename T>
bool Gelg(T* R, float* A, int M, int N) {
  if (M <= 0) return false;
  if (M > kMaxColumns) throw std::length_error("too many equations for the equation solver");
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
    // Rows LST..LEND below the pivot row, columns to the right of the pivot column. Each element is
    // reduced by itself, so the columns are swept in storage order. The next pivot is the first
    // element of largest magnitude in rows-then-columns order (as a search row by row finds it):
    // the largest magnitude of each column first, then the smallest row holding the overall largest.
    const long rows = LEND - LST + 1;
    double mult[kMaxColumns];  // the pivot column's rows below the diagonal
    for (long k = 0; k < rows; ++k) mult[k] = A[LST + k];
    float colMax[kMaxColumns];
    long nc = 0;
    for (long col = LST - 1 + M; col <= MM; col += M, ++nc) {
      // col: element number of the pivot row in this column; its rows below follow it.
      const double pivotRowValue = A[col];
      float* column = A + col + 1;
      float m = 0;
      for (long k = 0; k < rows; ++k) {
        const float v = static_cast<float>(static_cast<double>(column[k]) - mult[k] * pivotRowValue);
        column[k] = v;
        const float tb = std::fabs(v);
        m = tb > m ? tb : m;
      }
      colMax[nc] = m;
    }
    PIV = 0;
    for (long c = 0; c < nc; ++c) PIV = colMax[c] > PIV ? colMax[c] : PIV;
    if (PIV > 0) {
      long bestRow = rows;
      for (long c = 0; c < nc; ++c) {
        if (colMax[c] != PIV) continue;
        const float* column = A + (LST - 1 + M + c * M) + 1;
        for (long k = 0; k < bestRow; ++k) {
          if (std::fabs(column[k]) == PIV) {
            bestRow = k;
            I = (LST - 1 + M + c * M) + 1 + k;
            break;
          }
        }
      }
    }
    for (long II = LST; II <= LEND; ++II) {
      PIVI = -A[II];
      J = J + 1;
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
