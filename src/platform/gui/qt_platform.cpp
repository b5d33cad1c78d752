#include "platform/gui/qt_platform.h"

namespace pave {

QtPlatform::QtPlatform()
    : previous_(InstallPlatform(PlatformServices{&messages, &desktop, &file_dialog, &printer,
                                                 &processes, &clipboard, &windows})) {}

QtPlatform::~QtPlatform() {
  windows.UnloadAll();
  InstallPlatform(previous_);
}

}  // namespace pave
