// Installs the slab editor's windows (the main menu frmCORVISTA and its forms) as the makers of
// their window kinds.
#pragma once

namespace pave {

void InstallSlabEditorWindows();

}  // namespace pave
