// Gauss elimination without pivot search of the symmetric band system in SK (upper half band, NB
// values per equation row), in single precision.
#pragma once

#include "slab_analysis/slab_run.h"

namespace pave::slab {

// Reduces the band in place (rows divided by their pivots) and keeps the undivided rows with their
// pivots in a second copy after NSK2.
void Triang(SlabRun& r);
// Solves F with what Triang left; SK is not changed.
void LoadMa(SlabRun& r);
// Reduces the band and F together and back-substitutes (destroys the band).
void GESB(SlabRun& r);

// The kernels without progress text, on a 1-based work array sk, right-hand side f.
void TriangKernel(float* sk, long neq, long nb, long nsk2, const std::function<void(long row)>& afterRow = {});
void LoadMaKernel(const float* sk, float* f, long neq, long nb, long nsk2);
void GESBKernel(float* sk, float* f, float* buf, long neq, long nb, const std::function<void(long row)>& afterRow = {});

}  // namespace pave::slab
