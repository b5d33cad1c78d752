// The 5-point Gauss rule on (-1, 1) with which the element terms of the solid and layered
// foundations are integrated, held in single precision with five significant digits.
#pragma once

namespace pave {

inline constexpr float kFoundationGaussAbscissa[6] = {0.0f, -0.90618f, -0.53847f, 0.0f, 0.53847f, 0.90618f};
inline constexpr float kFoundationGaussWeight[6] = {0.0f, 0.23693f, 0.47863f, 0.56889f, 0.47863f, 0.23693f};

}  // namespace pave
