// Inversion of a packed symmetric matrix in place, in single precision, with the progress lines of
// the foundation stiffness step.
#pragma once

namespace pave {

class ProgressLog;

// A holds the upper triangle of a symmetric N x N matrix column after column, entry (i, j), i <= j,
// at A[j(j-1)/2 + i] (A[0] unused). The matrix is factorized once and every column of the inverse is
// found by forward and back substitution; the inverse replaces the matrix. The scratch is held apart
// from A, so it never overlaps the matrix being inverted. Throws std::domain_error on a zero pivot
// or a value outside the single range, leaving A unchanged.
void MatInv(float* A, int N, ProgressLog& log);

}  // namespace pave
