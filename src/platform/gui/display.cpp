#include "platform/gui/display.h"

#include <QGuiApplication>

#include <cstdlib>

namespace pave {

namespace {
std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

// The toolkit's complaints while it looks for a display are replaced by our one line.
void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}
}  // namespace

OpenedDisplay OpenDisplay(int& argc, char** argv) {
  OpenedDisplay opened;
  const std::string chosen = Variable("QT_QPA_PLATFORM");
  const std::string x = Variable("DISPLAY"), wayland = Variable("WAYLAND_DISPLAY");
  const bool named = !chosen.empty() || !x.empty() || !wayland.empty();
  if (!named) {
    opened.why = "no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set)";
    return opened;
  }
  if (chosen.empty()) {
    // Try the named display; when it cannot be reached fall back to no windows at all.
    qputenv("QT_QPA_PLATFORM", "wayland;xcb;offscreen");
  }
  QtMessageHandler previous = qInstallMessageHandler(Quiet);
  opened.app = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previous);
  if (chosen.empty()) qunsetenv("QT_QPA_PLATFORM");   // programs started from here choose anew
  const bool fell_back = QGuiApplication::platformName() == "offscreen" && chosen.rfind("offscreen", 0) != 0;
  opened.windows = !fell_back;
  if (fell_back) {
    opened.why = "no display could be opened (DISPLAY=" + x + (wayland.empty() ? "" : ", WAYLAND_DISPLAY=" + wayland) + ")";
  }
  return opened;
}

}  // namespace pave
