// Report tables of the responses: SINOUT for a single wheel (every radial coordinate and depth),
// MULOUT for one response point under several wheels; both replace the vertical stress at the surface
// by its boundary value and, in a damage analysis, pick the critical strain at every damage depth.
#pragma once

#include "layered_analysis/run_context.h"

namespace pave::layered {

void SINOUT(RunContext& c);
void MULOUT(RunContext& c);

}  // namespace pave::layered
