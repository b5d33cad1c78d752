// One QApplication for the widget tests of this folder (they run offscreen).
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace pave::testing {

inline QApplication& TestApp() {
  static int argc = 1;
  static char name[] = "platform_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// Presses Enter on every modal dialog that opens while the object lives (answers OK).
class ModalAcceptor {
 public:
  ModalAcceptor() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        ++accepted;
        modal->close();
      }
    });
    timer_.start(20);
  }
  int accepted = 0;

 private:
  QTimer timer_;
};

}  // namespace pave::testing
