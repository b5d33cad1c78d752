// `large`: the slab analysis program with the large work array.
#include "slab_analysis/gui/slab_program.h"

int main(int argc, char** argv) { return pave::slab::RunSlabMain(argc, argv, pave::slab::kLarge); }
