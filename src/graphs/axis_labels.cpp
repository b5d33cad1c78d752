#include "graphs/axis_labels.h"

#include <cmath>

namespace pave::graphs {

std::vector<bool> NumberedCoordinates(const std::vector<float>& at, float gap) {
  const std::size_t n = at.size();
  std::vector<bool> numbered(n, false);
  if (n == 0) return numbered;
  numbered[0] = true;
  if (n == 1) return numbered;
  const float last = at[n - 1];
  float previous = at[0];
  for (std::size_t i = 1; i + 1 < n; ++i) {
    if (std::fabs(at[i] - previous) > gap && std::fabs(last - at[i]) > gap) {
      numbered[i] = true;
      previous = at[i];
    }
  }
  numbered[n - 1] = true;
  return numbered;
}

}  // namespace pave::graphs
