#include "slab_analysis/matrix_inversion.h"

#include <cmath>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/analysis_host.h"

namespace pave {

namespace {

void Progress(ProgressLog& log, const std::string& line) {
  log.Line(line);
  log.Display();
}

void CheckPivot(float p) {
  if (p == 0 || !std::isfinite(p)) throw std::domain_error("foundation matrix: zero pivot in the inversion");
}

}  // namespace

void MatInv(float* A, int N, ProgressLog& log) {
  Progress(log, "START MATRIX INVERSION");
  if (N <= 0) {
    Progress(log, "COMPLETE 100% OF MATRIX INVERSION");
    return;
  }
  const std::size_t n = static_cast<std::size_t>(N);
  // Working copies, row after row: a(I, J) the factor divided by its pivots (with the pivots on the
  // diagonal), u(I, J) the same factor undivided; both only for J >= I.
  std::vector<float> a(n * n), u(n * n), b(n + 1), X(n * (n + 1) / 2 + 1);
  auto at = [n](int i, int j) { return static_cast<std::size_t>(i - 1) * n + static_cast<std::size_t>(j - 1); };
  for (int j = 1; j <= N; ++j)
    for (int i = 1; i <= j; ++i) a[at(i, j)] = A[static_cast<std::size_t>(j) * (j - 1) / 2 + i];

  const int tenPercent = static_cast<int>(0.25 * N);
  const int thresholds[7] = {static_cast<int>(0.09 * N), static_cast<int>(0.22 * N), static_cast<int>(0.35 * N),
                             static_cast<int>(0.49 * N), static_cast<int>(0.62 * N), static_cast<int>(0.75 * N),
                             static_cast<int>(0.89 * N)};
  static const char* const kPercent[7] = {"30", "40", "50", "60", "70", "80", "90"};

  for (int K = 1; K <= N; ++K) {
    for (int i = 1; i <= N; ++i) b[i] = 0;
    b[K] = 1;
    for (int I = 1; I <= N - 1; ++I) {
      if (K == 1) {
        const float pivot = a[at(I, I)];
        CheckPivot(pivot);
        for (int J = I + 1; J <= N; ++J) {
          u[at(I, J)] = a[at(I, J)];
          a[at(I, J)] = a[at(I, J)] / pivot;
        }
        for (int J = I + 1; J <= N; ++J) {
          const float uij = u[at(I, J)];
          float* rowJ = &a[at(J, 0 + 1)] - 1;
          const float* rowI = &a[at(I, 0 + 1)] - 1;
          for (int M = J; M <= N; ++M) rowJ[M] = rowJ[M] - rowI[M] * uij;
        }
      }
      b[I] = b[I] / a[at(I, I)];
      const float bi = b[I];
      const float* rowU = &u[at(I, 1)] - 1;
      for (int J = I + 1; J <= N; ++J) b[J] = b[J] - bi * rowU[J];
      if (K == 1 && I == tenPercent) Progress(log, "COMPLETE 10% OF MATRIX INVERSION");
    }
    if (K == 1) CheckPivot(a[at(N, N)]);
    b[N] = b[N] / a[at(N, N)];
    for (int I = N - 1; I >= 1; --I) {
      const float* rowA = &a[at(I, 1)] - 1;
      float s = b[I];
      for (int J = I + 1; J <= N; ++J) s = s - rowA[J] * b[J];
      b[I] = s;
    }
    for (int i = K; i <= N; ++i) {
      if (!std::isfinite(b[i])) throw std::domain_error("foundation matrix: inverse outside the single range");
      X[static_cast<std::size_t>(i) * (i - 1) / 2 + K] = b[i];
    }
    if (K == 1) {
      Progress(log, "COMPLETE 20% OF MATRIX INVERSION");
    } else {
      for (int t = 0; t < 7; ++t) {
        if (K == thresholds[t]) {
          Progress(log, std::string("COMPLETE ") + kPercent[t] + "% OF MATRIX INVERSION");
          break;
        }
      }
    }
  }
  Progress(log, "COMPLETE 100% OF MATRIX INVERSION");
  const std::size_t ntri = n * (n + 1) / 2;
  for (std::size_t k = 1; k <= ntri; ++k) A[k] = X[k];
}

}  // namespace pave
