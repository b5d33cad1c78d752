#include "layered_analysis/frictionless_constants.h"

#include <cmath>

#include "layered_analysis/equation_solver.h"

namespace pave::layered {

bool FrictionlessConstants::NOFRIC(const LayerSystem& m, float RM) {
  const int nl = m.NL;
  const int N = 4 * (nl - 1) + 2;
  float R[kMaxLayers + 1];
  double e[kMaxLayers + 2];
  for (int i = 1; i < nl; ++i) {
    R[i] = (m.E[i] / m.E[i + 1]) * (1.0f + m.PR[i + 1]) / (1.0f + m.PR[i]);
    const float t = i == 1 ? RM * m.DN[1] : RM * (m.DN[i] - m.DN[i - 1]);
    e[i] = t < 470.0f ? std::exp(-static_cast<double>(t)) : 0.0;
  }
  e[nl] = 0.0;
  for (int k = 1; k <= N * N; ++k) A[k] = 0;
  CNF[1] = 1;
  for (int k = 2; k <= N; ++k) CNF[k] = 0;

  auto set = [&](int row, int col, double v) { A[row + (col - 1) * N] = static_cast<float>(v); };

  {
    const double nu = m.PR[1], ee = e[1];
    set(1, 1, ee);
    set(1, 2, 1.0);
    set(1, 3, -(1.0 - 2.0 * nu) * ee);
    set(1, 4, 1.0 - 2.0 * nu);
    set(2, 1, ee);
    set(2, 2, -1.0);
    set(2, 3, 2.0 * nu * ee);
    set(2, 4, 2.0 * nu);
  }
  for (int i = 1; i < nl; ++i) {
    const double nu = m.PR[i], nu1 = m.PR[i + 1], r = R[i], ee = e[i], ep = e[i + 1];
    const double mu = static_cast<float>(RM * m.DN[i]);
    const bool lowest = i == nl - 1;
    const int cA = 4 * i - 3, cB = 4 * i - 2, cC = 4 * i - 1, cD = 4 * i;
    // Columns of the lower layer: its A and C do not exist for the lowest layer.
    const int lA = lowest ? 0 : 4 * i + 1, lB = lowest ? N - 1 : 4 * i + 2;
    const int lC = lowest ? 0 : 4 * i + 3, lD = lowest ? N : 4 * i + 4;
    auto lower = [&](int row, int col, double v) {
      if (col > 0) set(row, col, v);
    };
    int row = 4 * i - 1;  // normal stress continuous
    set(row, cA, 1.0);
    set(row, cB, ee);
    set(row, cC, -(1.0 - 2.0 * nu - mu));
    set(row, cD, (1.0 - 2.0 * nu + mu) * ee);
    lower(row, lA, -ep);
    lower(row, lB, -1.0);
    lower(row, lC, (1.0 - 2.0 * nu1 - mu) * ep);
    lower(row, lD, -(1.0 - 2.0 * nu1 + mu));

    row = 4 * i;  // shear: continuous, or none above a frictionless interface
    set(row, cA, 1.0);
    set(row, cB, -ee);
    set(row, cC, 2.0 * nu + mu);
    set(row, cD, (2.0 * nu - mu) * ee);
    if (m.INT[i] != 0) {
      lower(row, lA, -ep);
      lower(row, lB, 1.0);
      lower(row, lC, -(2.0 * nu1 + mu) * ep);
      lower(row, lD, -(2.0 * nu1 - mu));
    }

    row = 4 * i + 1;  // radial displacement continuous, or no shear below a frictionless interface
    if (m.INT[i] != 0) {
      set(row, cA, 1.0);
      set(row, cB, ee);
      set(row, cC, 1.0 + mu);
      set(row, cD, -(1.0 - mu) * ee);
      lower(row, lA, -r * ep);
      lower(row, lB, -r);
      lower(row, lC, -r * (1.0 + mu) * ep);
      lower(row, lD, r * (1.0 - mu));
    } else {
      lower(row, lA, ep);
      lower(row, lB, -1.0);
      lower(row, lC, (2.0 * nu1 + mu) * ep);
      lower(row, lD, 2.0 * nu1 - mu);
    }

    row = 4 * i + 2;  // vertical displacement continuous
    set(row, cA, 1.0);
    set(row, cB, -ee);
    set(row, cC, -(2.0 - 4.0 * nu - mu));
    set(row, cD, -(2.0 - 4.0 * nu + mu) * ee);
    lower(row, lA, -r * ep);
    lower(row, lB, r);
    lower(row, lC, r * (2.0 - 4.0 * nu1 - mu) * ep);
    lower(row, lD, r * (2.0 - 4.0 * nu1 + mu));
  }

  const bool ok = GELG(CNF, A, N, 1);
  CNF[N + 2] = CNF[N];
  CNF[N] = CNF[N - 1];
  CNF[N - 1] = 0;
  CNF[N + 1] = 0;
  return ok;
}

}  // namespace pave::layered
