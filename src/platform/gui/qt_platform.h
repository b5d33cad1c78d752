// The Qt services and a window registry, installed as the platform for the lifetime of the object.
// Create it after the QApplication:
//   QApplication app(argc, argv);
//   pave::QtPlatform platform;
#pragma once

#include "platform/platform.h"
#include "platform/gui/qt_services.h"

namespace pave {

class QtPlatform {
 public:
  QtPlatform();
  ~QtPlatform();
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  QtMessages messages;
  QtDesktop desktop;
  QtFileDialog file_dialog;
  QtPrinter printer;
  QtProcesses processes;
  QtClipboard clipboard;
  WindowRegistry windows;

 private:
  PlatformServices previous_;
};

}  // namespace pave
