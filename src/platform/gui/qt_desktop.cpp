#include <QApplication>
#include <QCursor>

#include "platform/gui/qt_services.h"

namespace pave {

QtDesktop::~QtDesktop() {
  if (busy_ && QApplication::instance()) QApplication::restoreOverrideCursor();
}

void QtDesktop::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void QtDesktop::ProcessEvents() { QCoreApplication::processEvents(); }

}  // namespace pave
