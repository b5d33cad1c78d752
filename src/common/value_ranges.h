// The ranges of the physical values of the data files: wide enough for any real pavement, narrow
// enough that the single-precision arithmetic of the analysis programs carries them (no value sinks
// into the denormal range, no product or ratio of two of them leaves the range of single
// precision) and that every report column holds them. The analysis programs refuse a value outside
// its range with a message naming the item; the editors refuse to save it, with the same ranges.
// Lengths are in in. or cm, moduli and pressures in psi or kPa, whichever the data set's units are:
// the ranges hold for both.
#pragma once

#include <string>

namespace pave {

struct ValueRange {
  double least = 0, greatest = 0;
  bool zeroToo = false;  // 0 is taken besides the range (a value the program sets itself, or none)

  // Whether v, taken to single precision as the analysis programs read it, lies in the range (the
  // limits taken alike).
  bool Holds(double v) const;
};

// The rule a message quotes: "FROM .001 TO 1000", "0 OR FROM 1 TO 1E+10" (upper case, as the analysis
// programs' messages have it) or "from .001 to 1000" (as the editors' messages have it).
std::string RangeRule(const ValueRange& r, bool upper = true);

namespace range {

// Thicknesses of layers, slabs and foundation layers, and radii of loaded areas. The least keeps a
// layer thicker than the step below a layer's top where its compressive strain is taken.
inline constexpr ValueRange kThickness{0.001, 1000};
// Lengths that may be 0: depths and radial distances of the layered system's response points, the
// widths of joints and the gaps at dowels.
inline constexpr ValueRange kLength{0, 1000};
// Horizontal coordinates and wheel spacings of the layered system.
inline constexpr ValueRange kCoordinate{-1000, 1000};
// Coordinates of a slab grid and of its loaded areas (several slabs side by side).
inline constexpr ValueRange kSlabCoordinate{-10000, 10000};
// Moduli of layers, slabs, foundations and dowels. The ratio of two of them (adjacent layers) stays
// within 1E+10, and a strain (a stress divided by a modulus) within the range.
inline constexpr ValueRange kModulus{1, 1e10};
// The same where 0 stands for a modulus that the program computes (nonlinear and viscoelastic
// layers).
inline constexpr ValueRange kModulusOrZero{1, 1e10, true};
// Creep compliances: the reciprocals of the moduli.
inline constexpr ValueRange kCompliance{1e-10, 1};
// Creep times in seconds.
inline constexpr ValueRange kCreepTime{1e-6, 1e8};
// Contact pressures and pressures of loaded areas.
inline constexpr ValueRange kPressure{-10000, 10000};
// Forces (lb or kN) and moments (lb-in. or kN-cm) at the nodes of a slab.
inline constexpr ValueRange kNodalLoad{-1e9, 1e9};
// Initial gaps between a slab and its foundation.
inline constexpr ValueRange kGap{-10, 10};
// Moduli of rupture.
inline constexpr ValueRange kStrength{1, 100000};
// Unit weights (pcf or kN/m^3).
inline constexpr ValueRange kUnitWeight{0, 10000};
// Moduli of subgrade reaction (pci or MN/m^3); 0 for no support.
inline constexpr ValueRange kSubgradeModulus{0.1, 100000, true};
// Spring constants of joints; 0 for none (or, for the shear spring, one that the dowels give).
inline constexpr ValueRange kSpringConstant{0, 1e10};
// Factors that scale a stiffness (the foundation adjustment factors).
inline constexpr ValueRange kFactor{0.001, 1000};

}  // namespace range

}  // namespace pave
