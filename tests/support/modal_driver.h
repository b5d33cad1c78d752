// Drivers of the modal dialogs for widget tests: each dialog that opens while a driver lives is
// handed to it, from a timer of the dialog's event loop.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace pave::testing {

// A dialog waiting for an answer: the modal one, else a message box shown without blocking its
// window.
inline QWidget* WaitingDialog() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible() && qobject_cast<QMessageBox*>(w)) return w;
  }
  return nullptr;
}

// Closes every dialog that waits for an answer while the object lives (answers OK).
class ModalAcceptor {
 public:
  ModalAcceptor() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (QWidget* modal = WaitingDialog()) {
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

// Hands every dialog that waits for an answer while the object lives to `act` (once per dialog).
class ModalDriver {
 public:
  explicit ModalDriver(std::function<void(QWidget&)> act) : act_(std::move(act)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = WaitingDialog();
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
