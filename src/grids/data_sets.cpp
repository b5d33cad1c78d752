#include "grids/data_sets.h"

#include <stdexcept>

namespace pave {

namespace {
ArrayDirectory*& Layered() {
  static ArrayDirectory* directory = nullptr;
  return directory;
}
ArrayDirectory*& Slab() {
  static ArrayDirectory* directory = nullptr;
  return directory;
}
}  // namespace

void UseDataSets(ArrayDirectory* layered, ArrayDirectory* slab) {
  Layered() = layered;
  Slab() = slab;
}

ArrayDirectory& DataSetsOfKind(int kind) {
  ArrayDirectory* directory = kind < 200 ? Layered() : Slab();
  if (!directory) throw std::logic_error(kind < 200 ? "the layered editor's arrays are not known to the grids"
                                                    : "the slab editor's arrays are not known to the grids");
  return *directory;
}

}  // namespace pave
