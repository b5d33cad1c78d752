// The ranges of the physical values of the data files: wide enough for any real pavement, narrow
// enough that the single-precision arithmetic of the analysis programs carries them (no value sinks
// into the denormal range, no product or ratio of two of them leaves the range of single
// precision) and that every report column holds them. The analysis programs refuse a value outside
// its range with a message naming the item and the unit; the editors refuse to save it, with the
// same ranges.
//
// A range is one physical range: its limits are given in English units and hold, converted, in SI
// units too, so that the same pavement is taken alike in either system. The SI limit is the English
// limit converted and rounded to six significant digits; the rounded number is the limit itself, so
// a message quotes exactly what is checked.
#pragma once

#include <string>

namespace pave {

// The unit of a quantity in each system and the number of SI units in one English unit.
struct Unit {
  const char* english = "";
  const char* si = "";
  double siPerEnglish = 1;
  double siAtEnglishZero = 0;  // a scale whose zero differs between the systems (temperatures)
};

namespace unit {

inline constexpr Unit kNone{"", "", 1};
inline constexpr Unit kLength{"in.", "cm", 2.54};
inline constexpr Unit kStress{"psi", "kPa", 6.894757293};
inline constexpr Unit kCompliance{"1/psi", "1/kPa", 1 / 6.894757293};
inline constexpr Unit kForce{"lb", "kN", 0.004448221615};
inline constexpr Unit kMoment{"lb-in.", "kN-cm", 0.004448221615 * 2.54};
inline constexpr Unit kUnitWeight{"pcf", "kN/m^3", 0.1570874638};
inline constexpr Unit kSubgradeModulus{"pci", "MN/m^3", 0.2714471376};
// Shear springs of joints: psi, or kN/cm^2 (10,000 kPa) in SI units.
inline constexpr Unit kShearSpring{"psi", "kN/cm^2", 6.894757293e-4};
// Moment springs of joints: in.-lb/in., or cm-kN/cm in SI units.
inline constexpr Unit kMomentSpring{"in.-lb/in.", "cm-kN/cm", 0.004448221615};
inline constexpr Unit kTime{"sec", "sec", 1};
inline constexpr Unit kTemperatureDifference{"F", "C", 5.0 / 9.0};
inline constexpr Unit kThermalExpansion{"per F", "per C", 1.8};
// Temperatures themselves (not their differences): 32 F is 0 C.
inline constexpr Unit kTemperature{"F", "C", 5.0 / 9.0, -160.0 / 9.0};

}  // namespace unit

struct ValueRange {
  double least = 0, greatest = 0;  // in English units
  bool zeroToo = false;            // 0 is taken besides the range (a value the program sets itself, or none)
  Unit unit = unit::kNone;

  // The limits in the data set's units.
  double Least(bool si) const;
  double Greatest(bool si) const;
  // Whether v, taken to single precision as the analysis programs read it, lies in the range (the
  // limits taken alike).
  bool Holds(double v, bool si) const;
};

// The unit of a range in the data set's units ("in.", "cm"; "IN.", "CM" when upper); empty for a
// number without unit.
std::string UnitName(const ValueRange& r, bool si, bool upper = true);

// The rule a message quotes: "FROM .001 TO 1000 IN.", "0 OR FROM 1 TO 1E+10 PSI" (upper case, as the
// analysis programs' messages have it) or "from .00254 to 2540 cm" (as the editors' messages have it).
std::string RangeRule(const ValueRange& r, bool si, bool upper = true);

namespace range {

// Thicknesses of layers, slabs and foundation layers, and radii of loaded areas. The least keeps a
// layer thicker than the step below a layer's top where its compressive strain is taken.
inline constexpr ValueRange kThickness{0.001, 1000, false, unit::kLength};
// Lengths that may be 0: depths and radial distances of the layered system's response points,
// the depths where the moduli of nonlinear layers are taken, the widths of joints, the gaps at
// dowels and the largest displacement allowed.
inline constexpr ValueRange kLength{0, 1000, false, unit::kLength};
// Horizontal coordinates and wheel spacings of the layered system.
inline constexpr ValueRange kCoordinate{-1000, 1000, false, unit::kLength};
// Coordinates of a slab grid and of its loaded areas (several slabs side by side).
inline constexpr ValueRange kSlabCoordinate{-10000, 10000, false, unit::kLength};
// Moduli of layers, slabs and foundations. The ratio of two of them (adjacent layers) stays within
// 1E+10, and a strain (a stress divided by a modulus) within the range.
inline constexpr ValueRange kModulus{1, 1e10, false, unit::kStress};
// The same where 0 stands for a modulus that the program computes (nonlinear and viscoelastic
// layers).
inline constexpr ValueRange kModulusOrZero{1, 1e10, true, unit::kStress};
// Creep compliances: the reciprocals of the moduli.
inline constexpr ValueRange kCompliance{1e-10, 1, false, unit::kCompliance};
// Creep times in seconds: from a millionth of a second to some three centuries. The compliances are
// fitted by exponentials of time over relaxation times taken from these times, which single
// precision carries over the whole span; no pavement is loaded longer.
inline constexpr ValueRange kCreepTime{1e-6, 1e10, false, unit::kTime};
// Contact pressures and pressures of loaded areas.
inline constexpr ValueRange kPressure{-10000, 10000, false, unit::kStress};
// Forces and moments at the nodes of a slab.
inline constexpr ValueRange kNodalForce{-1e9, 1e9, false, unit::kForce};
inline constexpr ValueRange kNodalMoment{-1e9, 1e9, false, unit::kMoment};
// Initial gaps between a slab and its foundation.
inline constexpr ValueRange kGap{-10, 10, false, unit::kLength};
// Moduli of rupture.
inline constexpr ValueRange kStrength{1, 100000, false, unit::kStress};
// Unit weights.
inline constexpr ValueRange kUnitWeight{0, 10000, false, unit::kUnitWeight};
// Moduli of subgrade reaction; 0 for no support.
inline constexpr ValueRange kSubgradeModulus{0.1, 100000, true, unit::kSubgradeModulus};
// Moduli of dowel support.
inline constexpr ValueRange kDowelSupport{1, 1e10, false, unit::kSubgradeModulus};
// Spring constants of joints; 0 for none (or, for the shear spring, one that the dowels give).
inline constexpr ValueRange kShearSpring{0, 1e10, false, unit::kShearSpring};
inline constexpr ValueRange kMomentSpring{0, 1e10, false, unit::kMomentSpring};
// The slab programs' own rows: moduli of dowel support where 0 stands for none (a joint whose shear
// spring is given), and the largest vertical displacement allowed at the check node of a slab where
// the deflection iteration uses it (a limit of 0 would stop it at its first pass).
inline constexpr ValueRange kDowelSupportOrNone{1, 1e10, true, unit::kSubgradeModulus};
inline constexpr ValueRange kDisplacementLimit{0.001, 1000, false, unit::kLength};
// Factors that scale a stiffness (the foundation adjustment factors).
inline constexpr ValueRange kFactor{0.001, 1000, false, unit::kNone};
// Tolerances of the iterations and of the numerical integration: above a tenth the answer is no
// longer right to the printed digits, below a millionth single precision cannot meet them.
inline constexpr ValueRange kTolerance{1e-6, 0.1, false, unit::kNone};
// The temperature at the bottom of a slab minus that at the top: no pavement's differs by more.
inline constexpr ValueRange kTemperatureDifference{-200, 200, false, unit::kTemperatureDifference};
// Coefficients of thermal expansion; 0 for a slab that does not curl.
inline constexpr ValueRange kThermalExpansion{0, 1e-4, false, unit::kThermalExpansion};

// The moving load and the modulus points of the nonlinear layers. A moving load passes a point
// within a millisecond at the fastest and a hundred seconds at a crawl; 0 is a stationary load.
inline constexpr ValueRange kLoadDuration{0.001, 100, true, unit::kTime};
// The slope of load distribution moves a modulus point away from the load by the slope times its
// depth: from straight down (0) to a spread far flatter than any pavement's (10 across per 1 down).
inline constexpr ValueRange kLoadSpread{0, 10, false, unit::kNone};
// The most iterations of the nonlinear moduli: a whole number, and the analysis makes 20 at most.
// (The radial coordinate of the modulus points, RCNOL, is a kLength.)
inline constexpr ValueRange kIterations{1, 20, false, unit::kNone};
// The layered system's temperatures, nonlinear constants, traffic and damage coefficients.
// Temperatures of the asphalt layers and the reference temperatures of their creep tests: from an
// arctic winter (-60 C) to the boiling point of water (100 C).
inline constexpr ValueRange kLayerTemperature{-76, 212, false, unit::kTemperature};
// The coefficient of earth pressure at rest (K0): no soil at rest is pressed sideways ten times as
// hard as from above.
inline constexpr ValueRange kEarthPressureAtRest{0, 10, false, unit::kNone};
// The slope of a clay's modulus against its deviator stress below the break point (K3), a modulus
// per stress and so the same number in either system.
inline constexpr ValueRange kModulusSlope{0, 1e5, false, unit::kNone};
// Load repetitions of a load group in one period: no pavement carries ten thousand million.
inline constexpr ValueRange kRepetitions{0, 1e10, false, unit::kNone};
// The coefficient of a permanent-deformation criterion (FT4), the allowable repetitions at a strain
// of 1: no layer bears more than one repetition of a strain of 100 %, and the published criteria lie
// far above the least.
inline constexpr ValueRange kDeformationCoefficient{1e-20, 1, false, unit::kNone};

}  // namespace range

}  // namespace pave
