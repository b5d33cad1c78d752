#include "layered_analysis/dirichlet_series.h"

#include <cmath>
#include <stdexcept>

namespace pave::layered {

std::vector<float> ChooseRetardationTimes(float dur, bool temperatures_differ, std::span<const float> tyme) {
  if (dur > 0.0f) return {0.01f, 0.03f, 0.1f, 1.0f, 10.0f, 30.0f, kInfiniteRetardation};
  if (dur < 0.0f || temperatures_differ) {
    std::vector<float> delta(tyme.begin(), tyme.end());
    delta.push_back(kInfiniteRetardation);
    return delta;
  }
  return {};
}

void DirichletNormalMatrix(std::span<const float> delta, std::span<const float> tyme, std::span<float> a) {
  const std::size_t n = delta.size();
  if (a.size() < n * n + 1) throw std::out_of_range("normal matrix too small");
  for (std::size_t k = 1; k <= n; ++k) {
    for (std::size_t l = 1; l <= n; ++l) {
      float sum = 0.0f;
      const float rate = 1.0f / delta[l - 1] + 1.0f / delta[k - 1];
      for (const float t : tyme) {
        const float x = rate * t;
        if (x < kExponentCutoff) sum = static_cast<float>(static_cast<double>(sum) + std::exp(-static_cast<double>(x)));
      }
      a[k + (l - 1) * n] = sum;
    }
  }
}

void DirichletRightHandSides(std::span<const float> values, int nresp, std::span<const float> tyme,
                             std::span<const float> delta, std::span<double> rhs) {
  const std::size_t n = delta.size();
  const std::size_t nt = tyme.size();
  if (nresp < 0 || values.size() < static_cast<std::size_t>(nresp) * nt ||
      rhs.size() < static_cast<std::size_t>(nresp) * n + 1) {
    throw std::out_of_range("collocation arrays too small");
  }
  for (std::size_t c = 1; c <= static_cast<std::size_t>(nresp); ++c) {
    for (std::size_t k = 1; k <= n; ++k) {
      double sum = 0.0;
      for (std::size_t i = 1; i <= nt; ++i) {
        const float x = tyme[i - 1] / delta[k - 1];
        if (x < kExponentCutoff) sum += static_cast<double>(values[(c - 1) * nt + i - 1]) * std::exp(-static_cast<double>(x));
      }
      rhs[(c - 1) * n + k] = sum;
    }
  }
}

float DirichletValue(std::span<const double> coef, std::span<const float> delta, float t, float shift) {
  float sum = 0.0f;
  const float st = shift * t;
  for (std::size_t k = 0; k < delta.size(); ++k) {
    const float x = st / delta[k];
    if (x < kExponentCutoff) sum = static_cast<float>(sum + coef[k] * std::exp(-static_cast<double>(x)));
  }
  return sum;
}

float ShiftFactor(float temp, float temref, float beta) {
  const float dt = (temp - temref) * beta;
  return static_cast<float>(std::exp(static_cast<double>(dt) * 2.30258));
}

double MovingLoadFactor(float dur, float delta) {
  const float x = static_cast<float>(static_cast<double>(dur) * 0.5 / delta);
  const double e = x < kExponentCutoff ? std::exp(-static_cast<double>(x)) : 0.0;
  const double xd = x;
  return 4.9348 * (1.0 + e) / (xd * xd + 9.8696);
}

float MovingLoadResponse(std::span<const double> coef, std::span<const float> delta, float dur) {
  float r = 0.0f;
  for (std::size_t k = 0; k < delta.size(); ++k) {
    r = static_cast<float>(r + coef[k] * MovingLoadFactor(dur, delta[k]));
  }
  return r;
}

}  // namespace pave::layered
