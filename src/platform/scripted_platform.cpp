#include "platform/scripted_platform.h"

namespace pave {

ScriptedPlatform::ScriptedPlatform()
    : previous_(InstallPlatform(PlatformServices{&messages, &desktop, &file_dialog, &printer,
                                                 &processes, &clipboard, &windows})) {}

ScriptedPlatform::~ScriptedPlatform() {
  // Windows may still use the services while they are destroyed.
  windows.UnloadAll();
  InstallPlatform(previous_);
}

}  // namespace pave
