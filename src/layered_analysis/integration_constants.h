// Constants of the Hankel-transform integration: the four-point Gauss rule and the breakpoints of the
// integration intervals (zeros of J0 and J1 after the first few subdivisions).
#pragma once

namespace pave::layered {

// Gauss abscissae and weights on -1..1, used from index 1.
extern const float GX[5];
extern const float GW[5];
// Breakpoints 1..45.
extern const float AM[46];

// Upper end of integration cycle IC (1-based): AM(IC) within the table, beyond it the asymptotic
// zeros of J0 (odd IC) and J1 (even IC); single precision.
float Breakpoint(int IC);

}  // namespace pave::layered
