// The front end of the slab analysis programs. BRUNTOLA and `large` are the same program; the build
// variant carries the work-array size and the texts in which they differ.
#pragma once

#include "slab_analysis/slab_run.h"

namespace pave::slab {

// Runs the slab program of `variant` for the command line and returns its exit status.
int RunSlabMain(int argc, char** argv, const SlabVariant& variant);

}  // namespace pave::slab
