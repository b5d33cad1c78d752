#include "slab_analysis/joint_stiffness.h"

namespace pave {

bool AddJointPairSpring(float* SK, long NB, int e1, int e2, int M, float k) {
  const long nb = NB;
  SK[(static_cast<long>(e1) - 1) * 3 * nb + (M - 1) * nb + 1] += k;
  SK[(static_cast<long>(e2) - 1) * 3 * nb + (M - 1) * nb + 1] += k;
  if ((static_cast<long>(e2 - e1) + 1) * 3 <= nb) {
    SK[(static_cast<long>(e1) - 1) * 3 * nb + (M - 1) * nb + static_cast<long>(e2 - e1) * 3 + 1] -= k;
    return true;
  }
  return false;
}

}  // namespace pave
