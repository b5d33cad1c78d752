// Drivers of the modal dialogs for widget tests: each dialog that opens while a driver lives is
// handed to it, from a timer of the dialog's event loop.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace pave::testing {

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

// Hands every modal dialog that opens while the object lives to `act` (once per dialog).
class ModalDriver {
 public:
  explicit ModalDriver(std::function<void(QWidget&)> act) : act_(std::move(act)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal && modal != last_.data()) {
        last_ = modal;
        ++handled;
        act_(*modal);
      }
    });
    timer_.start(20);
  }
  int handled = 0;

 private:
  std::function<void(QWidget&)> act_;
  QPointer<QWidget> last_;   // null again once the dialog is gone
  QTimer timer_;
};

}  // namespace pave::testing
