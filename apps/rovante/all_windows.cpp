#include "all_windows.h"

#include "graphs/gui/graph_window.h"
#include "grids/gui/grid_windows.h"
#include "help/gui/example_screen_window.h"
#include "help/gui/help_window.h"
#include "layered_editor/gui/layered_windows.h"
#include "layered_editor/layered_data_set.h"
#include "shell/gui/rovante_windows.h"
#include "slab_editor/gui/slab_windows.h"
#include "slab_editor/slab_data_set.h"

namespace pave {

void InstallAllWindows() {
  InstallRovanteWindows();
  InstallLayeredEditorWindows();
  InstallSlabEditorWindows();
  InstallGridWindows(&LayeredArrays(), &SlabArrays());
  InstallGraphWindows();
  InstallHelpWindow();
  InstallExampleScreens();
}

}  // namespace pave
