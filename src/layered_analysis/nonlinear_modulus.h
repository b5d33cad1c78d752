// Stress-dependent moduli of the nonlinear layers: the Mohr-Coulomb coefficients of a granular layer,
// unit weights and geostatic stresses at the modulus points, and the modulus of one nonlinear layer
// from the stresses at its modulus point (granular K-theta law, bilinear clay law) with relaxation.
// Stresses are positive in compression, in psi or kPa.
#pragma once

#include <span>

namespace pave::layered {

// KA and KP of a granular layer for the friction angle PHI in degrees (PHI = 0 is taken as 90).
// Valid for PHI <= 90; a larger PHI is a minimum modulus and has no coefficients.
struct MohrCoulomb {
  float ka = 0;
  float kp = 0;
};
MohrCoulomb MohrCoulombCoefficients(float phi);

// Unit weight as read (kN/m^3 when nunit is not 0, else pcf) turned into stress per unit depth
// (kPa per cm or psi per in.).
float UnitWeightPerDepth(float gam, int nunit);

// Geostatic vertical stress at depth zcnol taken in layer `layer` (1-based), with th[0..nl-2] the
// thicknesses and gam[0..nl-1] the unit weights per unit depth. The stress in the layer is extended
// with its own unit weight even when zcnol lies outside it.
float GeostaticStress(std::span<const float> th, std::span<const float> gam, int layer, float zcnol);

// One nonlinear layer's constants for the current period.
struct NonlinearLaw {
  bool clay = false;     // NCLAY = 1
  float k0 = 0, k2 = 0, k3 = 0, k4 = 0;
  float k1 = 0;          // granular coefficient or clay break-point modulus
  float phi = 0;         // granular: friction angle (0 stands for 90), above 90 a minimum modulus
  float emin = 0, emax = 0;  // clay bounds
  MohrCoulomb mc;        // granular with PHI <= 90
};

// Horizontal stress kept between KA * sz and KP * sz (each product rounded to single precision).
float AdjustHorizontal(float sz, float sh, float ka, float kp);

enum class ModulusFault { None, NegativeBulkStress, NonPositiveModulus };

struct ModulusUpdate {
  float e = 0;                       // new (relaxed) modulus
  float sz = 0, sx = 0, sy = 0;      // total stresses, geostatic included, before adjustment
  float sxa = 0, sya = 0;            // horizontal stresses used for the modulus (adjusted for granular)
  ModulusFault fault = ModulusFault::None;
};

// New modulus of one nonlinear layer from the stresses of the load at its modulus point
// (load_sz vertical, load_sx and load_sy horizontal), its geostatic stress and the previous modulus.
// A granular layer with PHI <= 90 whose bulk stress is negative (and K2 not a whole number), or a new
// modulus of 0 or less, is reported through `fault`; `e` is then not to be used.
ModulusUpdate UpdateModulus(const NonlinearLaw& law, float geos, float load_sz, float load_sx,
                            float load_sy, float e_old, float relax);

// Relative change |(e_new - e_old) / e_new| rounded to single precision (e_new not 0).
float RelativeChange(float e_new, float e_old);

}  // namespace pave::layered
