// ROVANTE: the main window of the package.
#include <QApplication>

#include "platform/gui/form.h"
#include "platform/gui/qt_platform.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setApplicationName("rovante");
  pave::QtPlatform platform;
  // The main window comes here; until then an empty window stands in for it.
  auto* main_window = platform.windows.Load<pave::Form>("frmRovante");
  main_window->setWindowTitle("ROVANTE");
  main_window->SetSizeTwipsCentred(9615, 6450);
  main_window->Show();
  QObject::connect(main_window, &QObject::destroyed, &app, &QApplication::quit);
  return app.exec();
}
