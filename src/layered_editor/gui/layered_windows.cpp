#include "layered_editor/gui/layered_windows.h"

#include "layered_editor/gui/general_form.h"
#include "layered_editor/gui/layer_chooser.h"
#include "layered_editor/gui/layered_main_menu.h"
#include "layered_editor/gui/nonlinear_forms.h"
#include "layered_editor/gui/visco_forms.h"
#include "layered_editor/layered_data_set.h"
#include "layered_editor/layered_kinds.h"
#include "shell/editor_windows.h"
#include "shell/window_makers.h"

namespace pave {

void InstallLayeredEditorWindows() {
  SetEditorArrays(EditorKind::Layered, &LayeredArrays());
  SetWindowMaker(kind::kLayeredEditor, [] { return new LayeredMainMenu; });
  SetWindowMaker(kind::kLayeredGeneral, [] { return new GeneralForm; });
  SetWindowMaker(kind::kNonlinearMenu, [] { return new NonlinearMenu; });
  SetWindowMaker(kind::kNonlinearGeneral, [] { return new NonlinearGeneralForm; });
  SetWindowMaker(kind::kGranular, [] { return new NonseasonalForm(false); });
  SetWindowMaker(kind::kClay, [] { return new NonseasonalForm(true); });
  SetWindowMaker(kind::kLayerChooser, [] { return new LayerChooser; });
  SetWindowMaker(kind::kViscoMenu, [] { return new ViscoMenu; });
  SetWindowMaker(kind::kViscoGeneral, [] { return new ViscoGeneralForm; });
  SetWindowMaker(kind::kLayeredDamage, [] { return new DamageMenu; });
}

}  // namespace pave
