// The one QApplication of a widget test program (the widgets run offscreen), made on first use.
#pragma once

#include <QApplication>

namespace pave::testing {

inline QApplication& TestApp() {
  static int argc = 1;
  static char name[] = "pave_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

}  // namespace pave::testing
