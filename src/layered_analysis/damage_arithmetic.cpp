#include "layered_analysis/damage_arithmetic.h"

#include <cmath>

namespace pave::layered {

float AllowableTension(float ft1, float ft2, float ft3, float strain, float modulus) {
  if (strain == 0.0f) return kNoDamageRepetitions;
  const double a = std::pow(std::fabs(static_cast<double>(strain)), -static_cast<double>(ft2));
  const double b = std::pow(static_cast<double>(modulus), -static_cast<double>(ft3));
  return static_cast<float>(static_cast<double>(ft1) * a * b);
}

float AllowableCompression(float ft4, float ft5, float strain) {
  if (strain == 0.0f) return kNoDamageRepetitions;
  const double a = std::pow(std::fabs(static_cast<double>(strain)), -static_cast<double>(ft5));
  return static_cast<float>(static_cast<double>(ft4) * a);
}

float DamageRatio(float repetitions, float allowable, float strain) {
  if (strain == 0.0f) return 0.0f;
  return repetitions / allowable;
}

DesignLife DesignLifeOf(std::span<const float> sums) {
  DesignLife d;
  for (const float s : sums) {
    if (s > d.largest) d.largest = s;
  }
  if (d.largest > 0.0f) {
    d.years = 1.0f / d.largest;
  } else {
    d.unlimited = true;
  }
  return d;
}

}  // namespace pave::layered
