#include "slab_analysis/report_helpers.h"

namespace pave::slab {

void NodeValues(LineWriter& w, int nnode, int nodeWidth, const char* nodeMask, const char* valueMask,
                const std::function<float(int)>& value) {
  for (int n = 1; n <= nnode; ++n) {
    w.Text(LnUp(n, nodeWidth, nodeMask)).Text(LnUp(value(n), 10, valueMask));
    if (n % 5 == 0 && n != nnode) w.End();
  }
  w.End();
}

}  // namespace pave::slab
