#include "shell/gui/rovante_windows.h"

#include "shell/gui/editor_window.h"
#include "shell/window_makers.h"

namespace pave {

void InstallRovanteWindows() {
  SetWindowMaker(kind::kEditor, [] { return new EditorWindow; });
}

}  // namespace pave
