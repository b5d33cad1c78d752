#include "slab_analysis/band_solver.h"

#include <algorithm>
#include <cmath>

#include "common/number_format.h"

namespace pave::slab {

namespace {

void CheckPivot(float p) {
  if (p == 0.0f || !std::isfinite(p)) throw ArithmeticError("zero or overflowing pivot");
}

void CheckSizes(SlabRun& r, bool copy) {
  SlabState& s = r.s;
  const long neq = static_cast<long>(s.NEQ), nb = static_cast<long>(s.NB);
  if (neq < 1 || nb < 1 || neq > kMaxEquations) throw CapacityError("band of no equations or beyond the equations");
  if (neq * nb > s.NSTORE()) throw StorageError("band beyond SK");
  if (copy && static_cast<long>(s.NSK2) < 0) throw CapacityError("second copy before SK");
  if (copy && static_cast<long>(s.NSK2) + neq * nb > s.NSTORE()) throw StorageError("second copy beyond SK");
}

void Progress(SlabRun& r, const std::string& line) {
  r.log.Line(line);
  r.Display();
}

// Rows of the last triangle (past B) at which the tenths of its progress are reported.
const double kTailF[9] = {0.03, 0.1, 0.19, 0.27, 0.35, 0.43, 0.51, 0.59, 0.67};

// The tenth (1 to 9) of the last triangle that row N completes, or 0.
int TailTenth(long N, long B, long T) {
  for (int k = 1; k <= 9; ++k)
    if (N - (B + 1) == static_cast<long>(T * kTailF[k - 1])) return k;
  return 0;
}

// Back substitution with the unit upper band of a reduced system.
void BackSubstitute(const float* sk, float* f, long neq, long nb) {
  const long A = nb - 1;
  for (long N = neq; N >= 1; --N) {
    const long KK = (N - 1) * nb + 1;
    const long last = std::min(A, neq - N);
    float v = f[N];
    for (long J = 1; J <= last; ++J) v = v - sk[KK + J] * f[N + J];
    f[N] = v;
  }
}

}  // namespace

void TriangKernel(float* sk, long neq, long nb, long nsk2, const std::function<void(long)>& afterRow) {
  const long A = nb - 1;
  const long B = neq - nb + 1;
  float* __restrict cp = sk + nsk2;
  for (long N = 1; N <= neq; ++N) {
    const long KK = (N - 1) * nb + 1;
    const bool full = N <= B;
    const long D = neq - N;
    const float piv = sk[KK];
    CheckPivot(piv);
    cp[KK] = piv;
    const long ncopy = full ? A : D;
    for (long L = 1; L <= ncopy; ++L) cp[KK + L] = sk[KK + L];
    for (long L = 1; L <= A; ++L) sk[KK + L] = sk[KK + L] / piv;
    if (full) {
      long C = A;
      for (long I = 1; I <= A; ++I) {
        float* __restrict dst = sk + KK + I * nb - 1;
        const float* __restrict src = sk + KK + I - 1;
        const float m = cp[KK + I];
        for (long J = 1; J <= C; ++J) dst[J] = dst[J] - m * src[J];
        --C;
      }
    } else if (N != neq) {
      long C = A - 1;
      for (long I = 1; I <= D; ++I) {
        float* __restrict dst = sk + KK + I * nb - 1;
        const float* __restrict src = sk + KK + I - 1;
        const float m = cp[KK + I];
        for (long J = 1; J <= C; ++J) dst[J] = dst[J] - m * src[J];
        --C;
        if (C < 1) break;
      }
    }
    if (afterRow) afterRow(N);
  }
}

void LoadMaKernel(const float* sk, float* f, long neq, long nb, long nsk2) {
  const long A = nb - 1;
  const float* cp = sk + nsk2;
  for (long N = 1; N <= neq; ++N) {
    const long KK = (N - 1) * nb + 1;
    f[N] = f[N] / cp[KK];
    const long last = std::min(A, neq - N);
    const float fn = f[N];
    for (long J = 1; J <= last; ++J) f[N + J] = f[N + J] - fn * cp[KK + J];
  }
  BackSubstitute(sk, f, neq, nb);
}

void GESBKernel(float* sk, float* f, float* buf, long neq, long nb, const std::function<void(long)>& afterRow) {
  const long A = nb - 1;
  const long B = neq - nb + 1;
  for (long N = 1; N <= neq; ++N) {
    const long KK = (N - 1) * nb + 1;
    const bool full = N <= B;
    const long D = neq - N;
    const float piv = sk[KK];
    CheckPivot(piv);
    const long nbuf = full ? A : D;
    for (long L = 1; L <= nbuf; ++L) buf[L] = sk[KK + L];
    for (long L = 1; L <= A; ++L) sk[KK + L] = sk[KK + L] / piv;
    f[N] = f[N] / piv;
    if (!full && N == neq) {
      if (afterRow) afterRow(N);
      break;
    }
    long C = full ? A : A - 1;
    const long rows = full ? A : D;
    for (long I = 1; I <= rows; ++I) {
      float* __restrict dst = sk + KK + I * nb - 1;
      const float* __restrict src = sk + KK + I - 1;
      const float m = buf[I];
      f[N + I] = f[N + I] - f[N] * m;
      for (long J = 1; J <= C; ++J) dst[J] = dst[J] - src[J] * m;
      --C;
      if (!full && C < 1) break;
    }
    if (afterRow) afterRow(N);
  }
  BackSubstitute(sk, f, neq, nb);
}

void Triang(SlabRun& r) {
  SlabState& s = r.s;
  CheckSizes(r, true);
  const long neq = static_cast<long>(s.NEQ), nb = static_cast<long>(s.NB);
  const long B = neq - nb + 1;
  const long T = nb - 2;
  const float R = static_cast<float>(88.0 * (neq - nb) / (neq - 0.5 * nb));
  Progress(r, "START THE FORMATION OF UPPER TRIANGULAR MATRIX");
  TriangKernel(s.SK.data(), neq, nb, static_cast<long>(s.NSK2), [&](long N) {
    if (N <= B) {
      if (R != 0) {
        for (int k = 1; k <= 9; ++k)
          if (N == static_cast<long>(B * k / 10.0)) {
            Progress(r, "COMPLETE " + FormatMask(R * k / 10.0, "###") + "% OF FORMING UPPER TRIANGULAR MATRIX");
            break;
          }
      }
      if (N == B && R != 0) Progress(r, "COMPLETE " + FormatMask(R, "###") + "% OF FORMING UPPER TRIANGULAR MATRIX");
    } else if (const int k = TailTenth(N, B, T)) {
      Progress(r, "COMPLETE " + FormatMask((100 - R) * k / 10.0 + R, "###") +
                      (k == 1 ? "% OF FORMING OF UPPER TRIANGULAR MATRIX" : "% OF FORMING UPPER TRIANGULAR MATRIX"));
    }
  });
  Progress(r, "COMPLETE 100% OF FORMING UPPER TRIANGULAR MATRIX");
}

void LoadMa(SlabRun& r) {
  SlabState& s = r.s;
  CheckSizes(r, true);
  LoadMaKernel(s.SK.data(), s.F.data(), static_cast<long>(s.NEQ), static_cast<long>(s.NB), static_cast<long>(s.NSK2));
  for (long i = 1; i <= static_cast<long>(s.NEQ); ++i) Finite(s.F(i), "the nodal displacements are out of range");
}

void GESB(SlabRun& r) {
  SlabState& s = r.s;
  CheckSizes(r, false);
  const long neq = static_cast<long>(s.NEQ), nb = static_cast<long>(s.NB);
  const long B = neq - nb + 1;
  const long T = nb - 2;
  bool started = false;
  auto start = [&] {
    if (!started) Progress(r, "START UPPER TRIANGULAR MATRIX FOR SOLVING SIMULTANEOS EQUATIONS");
    started = true;
  };
  if (B < 1) start();
  GESBKernel(s.SK.data(), s.F.data(), s.BUF.data(), neq, nb, [&](long N) {
    if (N == B) start();
    if (N > B) {
      if (const int k = TailTenth(N, B, T)) Progress(r, "COMPLETE " + std::to_string(k) + "0% OF FORMING UPPER TRIANGULAR MATRIX");
    }
  });
  start();
  Progress(r, "COMPLETE 100% OF FORMING UPPER TRIANGULAR MATRIX");
  Progress(r, "COMPLETE THE SOLUTION OF SIMULTANEOUS EQUATIONS FOR NODAL DISPLACEMENT");
  for (long i = 1; i <= neq; ++i) Finite(s.F(i), "the nodal displacements are out of range");
}

}  // namespace pave::slab
