// Opening the display for a program's windows. A display is named by DISPLAY or WAYLAND_DISPLAY
// (or a platform chosen with QT_QPA_PLATFORM); a named display may still be out of reach, and then
// the program is told so instead of ending inside the toolkit.
#pragma once

#include <QApplication>

#include <memory>
#include <string>

namespace pave {

struct OpenedDisplay {
  std::unique_ptr<QApplication> app;   // null when no display is named
  bool windows = false;                // the display can show windows
  std::string why;                     // without windows: why not, in one line
};

// Makes the application for the named display. When none is named there is no application; when
// the named one cannot be reached the application runs without windows. Either way `windows` is
// false and `why` says which. `argc` must outlive the application.
OpenedDisplay OpenDisplay(int& argc, char** argv);

}  // namespace pave
