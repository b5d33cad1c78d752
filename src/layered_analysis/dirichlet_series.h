// Dirichlet series D(t) = sum of c_k * exp(-t / delta_k): the representation of creep compliances and
// of time-dependent responses of the viscoelastic analysis. The least-squares normal equations of a
// fit over the creep times, the values of a series, the time-temperature shift factor and the response
// to a moving load (a sin^2 pulse of duration DUR, taken at its peak).
//
// Arrays hold their values from element 0 unless stated; the normal matrix and the right-hand sides
// use the equation solver's layout (element 0 unused, see each function).
#pragma once

#include <span>
#include <vector>

namespace pave::layered {

// A retardation time that makes its term a constant.
inline constexpr float kInfiniteRetardation = 1e20f;
// Exponents at or beyond this leave their term out.
inline constexpr float kExponentCutoff = 80.0f;
// Largest number of terms (the retardation-time table).
inline constexpr int kMaxDirichletTerms = 15;

// The retardation times of a problem. A moving load (dur > 0) gets the seven fixed times
// .01 .03 .1 1 10 30 1E20; a stationary load whose temperatures differ from the reference (or dur < 0)
// gets the creep times plus one infinite time; otherwise no series is needed and the result is empty.
std::vector<float> ChooseRetardationTimes(float dur, bool temperatures_differ, std::span<const float> tyme);

// Normal matrix of the fit, stored column by column from element 1: a[k + (l - 1) * n] is the sum over
// the creep times of exp(-(1/delta_l + 1/delta_k) * t_i), terms with an exponent of 80 or more left out.
// `a` must hold at least n * n + 1 elements.
void DirichletNormalMatrix(std::span<const float> delta, std::span<const float> tyme, std::span<float> a);

// Right-hand sides for `nresp` responses at once: values[(c - 1) * ntyme + i - 1] is response c at
// creep time i; rhs[(c - 1) * n + k] (from element 1) receives the sum over i of value * exp(-t_i/delta_k)
// in double precision. `rhs` must hold at least nresp * n + 1 elements.
void DirichletRightHandSides(std::span<const float> values, int nresp, std::span<const float> tyme,
                             std::span<const float> delta, std::span<double> rhs);

// Value of one series (coef[0..n-1]) at time t, with the time scaled by the shift factor aT; single-
// precision sum, terms with an exponent of 80 or more left out.
float DirichletValue(std::span<const double> coef, std::span<const float> delta, float t, float shift = 1.0f);

// Time-temperature shift factor, about 10^(beta * (temp - temref)).
float ShiftFactor(float temp, float temref, float beta);

// Response at time dur/2 of the term exp(-t/delta) to the load pulse sin^2(pi t / dur):
// 4.9348 (1 + exp(-x)) / (x^2 + 9.8696) with x = dur / (2 delta).
double MovingLoadFactor(float dur, float delta);

// The response of one collocated series (coef[0..n-1]) under the moving load, accumulated in single
// precision term by term.
float MovingLoadResponse(std::span<const double> coef, std::span<const float> delta, float dur);

}  // namespace pave::layered
