// ROVANTE: the main window of the package, from which the editors, the analysis programs, the
// text editor, the graphs and the help are started.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "graphs/gui/graph_window.h"
#include "layered_editor/gui/layered_windows.h"
#include "platform/gui/display.h"
#include "platform/gui/qt_platform.h"
#include "grids/gui/grid_windows.h"
#include "help/gui/example_screen_window.h"
#include "help/gui/help_window.h"
#include "layered_editor/layered_data_set.h"
#include "slab_editor/slab_data_set.h"
#include "shell/gui/main_window.h"
#include "platform/gui/fonts.h"
#include "shell/gui/stand_in_windows.h"
#include "slab_editor/gui/slab_windows.h"
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
  pave::InstallGraphWindows();
  pave::InstallLayeredEditorWindows();
  pave::InstallSlabEditorWindows();
  pave::InstallHelpWindow();
  pave::InstallExampleScreens();
  pave::InstallGridWindows(&pave::LayeredArrays(), &pave::SlabArrays());
  pave::InstallRovanteWindows();
  pave::SetProgramEnd([] { QApplication::exit(0); });

  std::string program_directory = QCoreApplication::applicationDirPath().toStdString();
  auto* main_window = platform.windows.Load<pave::MainWindow>(pave::kind::kMain, program_directory);
  if (main_window) main_window->Show();
  return app.exec();
}
