#include "common/bessel.h"

#include <cmath>
#include <limits>

namespace pave {

namespace {

// Power series for x < 3, t = x/3 in single precision; sums in double precision in ascending powers,
// the t^2 term as t*c*t and the higher ones with t raised to the power.
double J0Series(double t) {
  double s = 1.0;
  s += t * -2.2499997 * t;
  s += 1.2656208 * std::pow(t, 4);
  s += -0.3163866 * std::pow(t, 6);
  s += 0.0444479 * std::pow(t, 8);
  s += -0.0039444 * std::pow(t, 10);
  s += 0.0002100 * std::pow(t, 12);
  return s;
}

double J1Series(double t) {
  double s = 0.5;
  s += t * -0.56249985 * t;
  s += 0.21093573 * std::pow(t, 4);
  s += -0.03954289 * std::pow(t, 6);
  s += 0.00443319 * std::pow(t, 8);
  s += -0.00031761 * std::pow(t, 10);
  s += 0.00001109 * std::pow(t, 12);
  return s;
}

// Asymptotic forms for x >= 3, t = 3/x in single precision: modulus f and phase theta, each summed
// in double precision and then rounded to single precision.
float F0(double t) {
  double f = 0.79788456;
  f += -0.00000077 * t;
  f += t * -0.00552740 * t;
  f += -0.00009512 * std::pow(t, 3);
  f += 0.00137237 * std::pow(t, 4);
  f += -0.00072805 * std::pow(t, 5);
  f += 0.00014476 * std::pow(t, 6);
  return static_cast<float>(f);
}

float Theta0(double x, double t) {
  double th = x - 0.78539816;
  th += -0.04166397 * t;
  th += t * -0.00003954 * t;
  th += 0.00262573 * std::pow(t, 3);
  th += -0.00054125 * std::pow(t, 4);
  th += -0.00029333 * std::pow(t, 5);
  th += 0.00013558 * std::pow(t, 6);
  return static_cast<float>(th);
}

float F1(double t) {
  double f = 0.79788456;
  f += 0.00000156 * t;
  f += 0.01659667 * std::pow(t, 2);
  f += 0.00017105 * std::pow(t, 3);
  f += -0.00249511 * std::pow(t, 4);
  f += 0.00113653 * std::pow(t, 5);
  f += -0.00020033 * std::pow(t, 6);
  return static_cast<float>(f);
}

float Theta1(double x, double t) {
  double th = x - 2.35619449;
  th += 0.12499612 * t;
  th += t * 0.00005650 * t;
  th += -0.00637879 * std::pow(t, 3);
  th += 0.00074348 * std::pow(t, 4);
  th += 0.00079824 * std::pow(t, 5);
  th += -0.00029166 * std::pow(t, 6);
  return static_cast<float>(th);
}

// XI rounded to single precision; beyond its range (or not a number) the conversion is made
// explicit instead of being left undefined.
float ToSingle(double XI) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (std::isnan(XI)) return std::numeric_limits<float>::quiet_NaN();
  if (XI > kMax) return std::numeric_limits<float>::infinity();
  if (XI < -kMax) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(XI);
}

}  // namespace

void BESSEL(int Ni, double XI, double& Y) {
  const float xs = ToSingle(XI);
  const double x = xs;
  const bool order1 = Ni > 0;
  if (x < 3.0) {
    const double t = static_cast<float>(xs / 3.0f);
    Y = order1 ? J1Series(t) * x : J0Series(t);
    return;
  }
  const double t = static_cast<float>(3.0f / xs);
  const double f = order1 ? F1(t) : F0(t);
  const double theta = order1 ? Theta1(x, t) : Theta0(x, t);
  Y = f / std::sqrt(x) * std::cos(theta);
}

}  // namespace pave
