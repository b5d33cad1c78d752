// A fault of the analysis that ends the current problem with a clear message (a modulus or an
// allowable number of repetitions that cannot be formed); the run goes on with the next problem.
#pragma once

#include <stdexcept>

namespace pave::layered {

// what() is the message for the report and the message box.
class ProblemFault : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace pave::layered
