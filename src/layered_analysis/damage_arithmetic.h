// Damage arithmetic of the layered analysis: allowable load repetitions from the critical strains by
// the power laws with the coefficients FT, damage ratios, and the design life in years from the
// yearly damage sums.
#pragma once

#include <span>

namespace pave::layered {

// Allowable repetitions stored for a strain of exactly 0 (no damage).
inline constexpr float kNoDamageRepetitions = 1e30f;

// Bottom tension: FT1 * |strain|^-FT2 * E^-FT3 (double precision, stored single).
// A strain of 0 gives kNoDamageRepetitions.
float AllowableTension(float ft1, float ft2, float ft3, float strain, float modulus);

// Top compression: FT4 * |strain|^-FT5.
float AllowableCompression(float ft4, float ft5, float strain);

// Damage ratio of `repetitions` load repetitions against the allowable number; 0 when the strain
// was 0 (allowable kNoDamageRepetitions is then passed and the ratio is formed as usual).
float DamageRatio(float repetitions, float allowable, float strain);

// The yearly summary: the largest of all sums, and the design life 1 / largest (single precision).
// `unlimited` is true when every sum is 0: no damage, and no finite design life.
struct DesignLife {
  float largest = 0;
  float years = 0;
  bool unlimited = false;
};
DesignLife DesignLifeOf(std::span<const float> sums);

}  // namespace pave::layered
