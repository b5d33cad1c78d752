// The layered (Burmister) foundation: a stack of bonded elastic layers on an infinitely deep one.
// Its surface deflection under a unit point load has no closed form, so it is computed once per
// problem at 21 distances by integrating the Hankel-transform solution, and every later request is
// answered by quadratic interpolation in that table.
#pragma once

#include <array>

namespace pave {

// The layers as the foundation records give them: NL layers (1..6), TH(1..NL-1) the finite
// thicknesses, E(1..NL) and PRBF(1..NL) moduli and Poisson's ratios, MAXIC the number of
// integration intervals. Index 0 of every array is unused.
struct LayeredLayers {
  int NL = 1;
  int MAXIC = 30;
  std::array<float, 6> TH{};
  std::array<float, 7> E{};
  std::array<float, 7> PRBF{};
};

// The deflection table: RD(1..21) distances, DEF(1..21) E(1) times the surface deflection at
// RD(K) under a unit point load (index 0 unused).
struct LayeredTable {
  std::array<float, 22> RD{};
  std::array<float, 22> DEF{};
};

// The 21 distances from the smallest and largest element half diagonal and the largest distance
// between two nodes (or a node and an image). Throws std::domain_error when the table would hold
// two equal distances among the points of an interpolation.
std::array<float, 22> LayeredDistances(float DMIN, float DMAX, float RMAX);

// Layer constants for one value m of the transform parameter (normalised by the total thickness of
// the finite layers): fills CA(i, j, L), the product of the interface matrices from interface L down,
// and V(1..4), the constants of the bottom layer. Needs NL >= 2.
using InterfaceProducts = std::array<std::array<std::array<double, 7>, 5>, 5>;  // [i][j][L]
void SOL(InterfaceProducts& CA, const LayeredLayers& layers, const float* H, float Tm,
         std::array<double, 5>& V, const float* Z);
// Constants of the top layer from CA(., ., 1) and V.
void COEF(const InterfaceProducts& CA, float Tm, const std::array<double, 5>& V, std::array<double, 5>& VV);

// Fills DEF(1..21) for the distances RD(1..21) of the table. A foundation of one layer is the
// half-space it is: its integrand is that of identical layers. Throws std::domain_error on an
// arithmetic fault (zero modulus, Poisson's ratio of 1, overflow).
void LaySla(const LayeredLayers& layers, LayeredTable& table);

// Quadratic interpolation in the table at distance q.
float LayeredTableValue(const LayeredTable& table, float q);

// Element diagonal term of the layered foundation (the counterpart of BouDia): CEE, WGT indexed 1..5.
float BurDia(const LayeredTable& table, float E1, float A, float B, const float* CEE, const float* WGT);

// Deflection at distance R under a unit force, in length per unit force.
float BurOff(const LayeredTable& table, float E1, float R);

}  // namespace pave
