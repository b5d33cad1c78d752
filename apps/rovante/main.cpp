// ROVANTE: the main window of the package, from which the editors, the analysis programs, the
// text editor, the graphs and the help are started.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "all_windows.h"
#include "platform/gui/display.h"
#include "platform/gui/fonts.h"
#include "platform/gui/qt_platform.h"
#include "shell/gui/main_window.h"
#include "shell/window_makers.h"

int main(int argc, char** argv) {
  pave::OpenedDisplay display = pave::OpenDisplay(argc, argv);
  if (!display.windows) {
    std::fprintf(stderr, "rovante: %s, so the main window cannot open.\n", display.why.c_str());
    return 1;
  }
  QApplication& app = *display.app;
  app.setApplicationName("rovante");
  pave::QtPlatform platform;
  pave::InstallFontSubstitutes();
  pave::InstallAllWindows();
  pave::SetProgramEnd([] { QApplication::exit(0); });

  std::string program_directory = QCoreApplication::applicationDirPath().toStdString();
  auto* main_window = platform.windows.Load<pave::MainWindow>(pave::kind::kMain, program_directory);
  if (main_window) main_window->Show();
  return app.exec();
}
