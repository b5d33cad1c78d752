// Flexibility terms of an elastic half-space (solid foundation): the surface deflection under a
// unit point load, (1 - PRS^2) / (pi YMS r), integrated over an element for the node diagonals and
// taken at a distance for the node-to-node terms. Units: length per unit force.
#pragma once

namespace pave {

// Element diagonal term: the 5 x 5 Gauss value of the point-load deflection integrated over an
// element of half width A and half height B with the node at its corner, divided by 8AB.
// CEE and WGT are indexed 1..5. Throws std::domain_error when the term cannot be formed
// (A = B = 0, YMS = 0, or a result outside the single range).
float BouDia(float A, float B, const float* CEE, const float* WGT, double YMS, float PRS);

// Point-load term for a distance R > 0: (1 - PRS^2) / (R x 3.141593 x YMS).
// Throws std::domain_error for R = 0 (two distinct nodes at one point) or YMS = 0.
float HalfSpacePointTerm(float R, double YMS, float PRS);

}  // namespace pave
