// Every window ROVANTE can open, each installed under its kind: the text editor, both input editors,
// the grids and the period selector, the three graph windows, the help window and the example
// screens. The program installs them at start; tests of the whole program do the same.
#pragma once

namespace pave {

void InstallAllWindows();

}  // namespace pave
