// Installs the layered editor's windows (the main menu frmPELDRANE and its forms) as the makers of
// their window kinds.
#pragma once

namespace pave {

void InstallLayeredEditorWindows();

}  // namespace pave
