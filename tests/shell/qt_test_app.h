// One QApplication for the widget tests of this folder (they run offscreen), with the fonts the
// windows name mapped to the Liberation fonts.
#pragma once

#include <QApplication>

#include "shell/gui/rovante_fonts.h"

namespace pave::testing {

inline QApplication& TestApp() {
  static int argc = 1;
  static char name[] = "shell_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    auto* a = new QApplication(argc, argv);
    InstallFontSubstitutes();
    return a;
  }();
  return *app;
}

}  // namespace pave::testing
