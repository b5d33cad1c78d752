// Input routines of the slab analysis: slab and load records, foundation and joint records.
#pragma once

#include "slab_analysis/slab_run.h"

namespace pave::slab {

void SlaInp(SlabRun& r);  // records (5) to (21)
void LiqInp(SlabRun& r);  // liquid foundation, records (24), (25)
void BouInp(SlabRun& r);  // solid foundation, record (28)
void BurInp(SlabRun& r);  // layered foundation, records (30) to (33)
void DowInp(SlabRun& r);  // joints and dowels, records (34) to (36)

}  // namespace pave::slab
