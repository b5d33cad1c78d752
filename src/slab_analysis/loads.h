// Temperature curling and the loaded areas of the load groups.
#pragma once

#include "slab_analysis/slab_run.h"

namespace pave::slab {

// Adds the curling of every node to its initial gap CURL and reports it.
void Curling(SlabRun& r);
// Splits the loaded areas of load group g into element loads and turns them into nodal forces FL.
void LoadedAreas(SlabRun& r, int g);

}  // namespace pave::slab
