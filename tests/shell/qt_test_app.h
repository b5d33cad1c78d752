// The test application of this folder, with the fonts the windows name mapped to the Liberation fonts.
#pragma once

#include <QApplication>

#include "platform/gui/fonts.h"
#include "support/qt_test_app.h"

namespace pave::testing {

inline QApplication& ShellTestApp() {
  static QApplication& app = []() -> QApplication& {
    QApplication& a = TestApp();
    InstallFontSubstitutes();
    return a;
  }();
  return app;
}

}  // namespace pave::testing
