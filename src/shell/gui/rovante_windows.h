// The windows of ROVANTE's own frame: installs the maker of the text editor, which the main window
// and the input editors open. The other subsystems install their windows themselves.
#pragma once

namespace pave {

void InstallRovanteWindows();

}  // namespace pave
