// Damage analysis of a problem (NDAMA not 0): input of the damage records (46) to (51) with the damage
// depths, the damage step after every load group and pass (allowable repetitions, damage ratios and
// their sums), and the yearly summary that ends in the design life.
#pragma once


namespace pave::layered {

// DAMINP, DamageStep and DamageSummary (RunContext&) are declared with the other steps of the run:
// DAMINP reads records (46) to (51), echoes them, sets NZ and the damage depths ZC and writes the damage
// block of the layer graph file (a count or layer number beyond its table stops the run); DamageStep
// follows every load group and pass; DamageSummary ends the problem with the design life, or, when
// every sum is 0, with no damage and an unlimited design life.

// Design life written to the layer graph file when nothing is damaged.
inline constexpr float kUnlimitedLife = 1e30f;

}  // namespace pave::layered
