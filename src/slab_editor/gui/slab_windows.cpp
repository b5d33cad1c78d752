#include "slab_editor/gui/slab_windows.h"

#include "shell/editor_windows.h"
#include "shell/window_makers.h"
#include "slab_editor/gui/slab_curling_form.h"
#include "slab_editor/gui/slab_damage_form.h"
#include "slab_editor/gui/slab_foundation_forms.h"
#include "slab_editor/gui/slab_general_form.h"
#include "slab_editor/gui/slab_info_forms.h"
#include "slab_editor/gui/slab_main_menu.h"
#include "slab_editor/gui/slab_optional_form.h"
#include "slab_editor/slab_data_set.h"
#include "slab_editor/slab_kinds.h"

namespace pave {

void InstallSlabEditorWindows() {
  SetEditorArrays(EditorKind::Slab, &SlabArrays());
  SetWindowMaker(kind::kSlabEditor, [] { return new SlabMainMenu; });
  SetWindowMaker(kind::kSlabGeneral, [] { return new SlabGeneralForm; });
  SetWindowMaker(kind::kCurling, [] { return new CurlingForm; });
  SetWindowMaker(kind::kSlabData, [] { return new SlabDataForm; });
  SetWindowMaker(kind::kSlabChooser, [] { return new SlabChooser; });
  SetWindowMaker(kind::kOptional, [] { return new OptionalForm; });
  SetWindowMaker(kind::kSolid, [] { return new SolidForm; });
  SetWindowMaker(kind::kDowel, [] { return new DowelForm; });
  SetWindowMaker(kind::kSlabDamage, [] { return new SlabDamageForm; });
}

}  // namespace pave
