// The solid and layered foundations and the joint springs linked into this build. None yet: a
// problem that needs them is refused with a message.
#include "slab_analysis/slab_run.h"

namespace pave::slab {

SlabExtensions DefaultSlabExtensions() { return {}; }

}  // namespace pave::slab
