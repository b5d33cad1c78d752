// Gauss elimination with complete pivoting for M equations and N right-hand sides at once.
// A holds the M x M coefficients column by column from element 1 (coefficient of row i, column j at
// i + (j - 1) * M) and is destroyed; R holds the right-hand sides one after another from element 1
// and receives the solutions. Arithmetic in double precision, pivot and multipliers single.
#pragma once

#include <cstddef>
#include <string>

namespace pave::layered {

inline constexpr const char* kGelgMessage =
    "ERROR IN EQUATION SOLVING, IER=-1   Note: IER = -1 for no result and IER = K for loss of "
    "significance at elimination step K+1";

// Returns false when there is no result (M <= 0, or a zero pivot: a zero or singular matrix); R then
// holds what the elimination had reached. Sizes are checked by the caller: A needs M*M + 1 elements,
// R needs N*M + 1.
bool GELG(double* R, float* A, int M, int N);
bool GELG(float* R, float* A, int M, int N);

}  // namespace pave::layered
