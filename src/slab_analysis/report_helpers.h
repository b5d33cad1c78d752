// Small printing helpers of the slab report: node tables and node-number checks.
#pragma once

#include <functional>
#include <string>

#include "common/line_writer.h"
#include "common/number_format.h"
#include "slab_analysis/slab_run.h"

namespace pave::slab {

// A table of one value per node, five pairs to a line: the node number in `nodeWidth` characters by
// `nodeMask`, the value in ten characters by `valueMask`.
void NodeValues(LineWriter& w, int nnode, int nodeWidth, const char* nodeMask, const char* valueMask,
                const std::function<float(int)>& value);

// Refuses a node number outside 1..NNODE with a message naming the record and the value.
void CheckNode(SlabRun& r, long node, const std::string& record);

}  // namespace pave::slab
