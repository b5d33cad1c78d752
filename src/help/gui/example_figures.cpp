#include "help/gui/example_figures.h"

namespace pave {

const ExampleFigure* FindExampleFigure(std::string_view kind) {
  for (std::span<const ExampleFigure> family : {LayeredExampleFigures(), SlabExampleFigures()}) {
    for (const ExampleFigure& f : family) {
      if (f.kind == kind) return &f;
    }
  }
  if (MohrFigure().kind == kind) return &MohrFigure();
  return nullptr;
}

}  // namespace pave
