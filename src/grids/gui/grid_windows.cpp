#include "grids/gui/grid_windows.h"

#include "grids/data_sets.h"
#include "grids/gui/main_grid_form.h"
#include "grids/gui/multi_grid_form.h"
#include "grids/gui/period_form.h"
#include "grids/gui/single_grid_form.h"
#include "grids/gui/window_clashes.h"
#include "shell/window_makers.h"

namespace pave {

namespace {
template <class F>
void Install(const char* kind) {
  SetWindowMaker(kind, [] { return new F(); });
  SetSecondOpening(kind, [](Window& w) {
    if (auto* form = dynamic_cast<F*>(&w)) form->SecondOpening();
  });
}
}  // namespace

void InstallGridWindows(ArrayDirectory* layered, ArrayDirectory* slab) {
  UseDataSets(layered, slab);
  Install<PeriodForm>(kind::kPeriod);
  Install<SingleGridForm>(kind::kGridSingle);
  Install<MainGridForm>(kind::kGridMain);
  Install<MainSlabGridForm>(kind::kGridMainSlab);
  Install<MultiGridForm>(kind::kGridMulti);
  Install<SlabLayerGridForm>(kind::kGridSlabLayer);
  SetOpeningCheck(MayOpenBesideOpenWindows);
}

}  // namespace pave
