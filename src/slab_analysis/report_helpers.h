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

// Refuses a node number outside 1..NNODE with a message naming the record, its line (`line`, or else
// that of the last item read) and the value; a node read as a number is taken as the nearest whole
// number.
void CheckNode(SlabRun& r, double node, const std::string& record, int line = 0);

}  // namespace pave::slab
