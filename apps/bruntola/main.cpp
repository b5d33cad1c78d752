// BRUNTOLA: the slab analysis program.
#include "slab_analysis/gui/slab_program.h"

int main(int argc, char** argv) { return pave::slab::RunSlabMain(argc, argv, pave::slab::kBruntola); }
