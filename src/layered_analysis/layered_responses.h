// Responses of the layered system under one circular loaded area (contact radius and pressure of the
// current load group) at every radial point and depth point: vertical displacement, four stresses
// and, when asked, four strains, each a Hankel-transform integral evaluated interval by interval with
// four-point Gauss quadrature until it settles.
#pragma once

#include <memory>
#include <stdexcept>

#include "layered_analysis/bonded_constants.h"
#include "layered_analysis/frictionless_constants.h"
#include "layered_analysis/problem_state.h"

namespace pave::layered {

// The equation solver found no result for the frictionless layer constants.
class SingularSolve : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ResponseIntegrator {
 public:
  ResponseIntegrator();
  ~ResponseIntegrator();

  // Fills RESP(J, I, 1..NstdL) of load group s.LG for response point IptL (1 for a single wheel),
  // J = 1..NR(LG), I = 1..NZ, and the working state s.work. Returns the number of integration
  // cycles. Throws NumericFault or SingularSolve.
  int LAYERS(ProblemState& s, int IptL, int NstdL);

 private:
  struct Slot;
  Slot& ConstantsFor(float RM, int& used);
  std::unique_ptr<Slot[]> slots_;
  std::unique_ptr<FrictionlessConstants> frictionless_;
  LayerSystem m_;
};

}  // namespace pave::layered
