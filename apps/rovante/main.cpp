// ROVANTE: the main window of the package, from which the editors, the analysis programs, the
// text editor, the graphs and the help are started.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "platform/gui/qt_platform.h"
#include "grids/gui/grid_windows.h"
#include "help/gui/help_window.h"
#include "layered_editor/layered_data_set.h"
#include "shell/gui/main_window.h"
#include "platform/gui/fonts.h"
#include "shell/gui/stand_in_windows.h"
#include "shell/window_makers.h"

namespace {
bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value && *value) return true;
  }
  return false;
}
}  // namespace

int main(int argc, char** argv) {
  if (!HasDisplay()) {
    std::fputs("rovante: no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set), so the "
               "main window cannot open.\n", stderr);
    return 1;
  }
  QApplication app(argc, argv);
  app.setApplicationName("rovante");
  pave::QtPlatform platform;
  pave::InstallFontSubstitutes();
  pave::InstallHelpWindow();
  pave::InstallGridWindows(&pave::LayeredArrays(), nullptr);
  pave::InstallRovanteWindows();
  pave::SetProgramEnd([] { QApplication::exit(0); });

  std::string program_directory = QCoreApplication::applicationDirPath().toStdString();
  auto* main_window = platform.windows.Load<pave::MainWindow>(pave::kind::kMain, program_directory);
  if (main_window) main_window->Show();
  return app.exec();
}
