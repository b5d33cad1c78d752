// Node and element numbering of the slabs (Identi) and the lookups built on it.
#pragma once

#include "slab_analysis/slab_run.h"

namespace pave::slab {

struct ElementCorners {
  int nod[5];  // nod[1..4]: lower left, upper left, lower right, upper right
};

// Numbers nodes and elements, joint sides, node coordinates and the default print list, then runs
// the curling, the loaded areas and the element rigidities. Sets ISTOP = 1 after a limit message.
void Identi(SlabRun& r);

// Corners of element e of the given slab.
ElementCorners CornersOf(const SlabState& s, int e, int slab);
// The slab that holds node n.
int SlabOfNode(const SlabState& s, int n);
// Node pairs along joint J.
int JointNodeCount(const SlabState& s, int J);

}  // namespace pave::slab
