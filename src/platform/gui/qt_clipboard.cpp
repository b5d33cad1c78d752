#include <QClipboard>
#include <QGuiApplication>

#include "platform/gui/qt_services.h"

namespace pave {

void QtClipboard::Clear() { QGuiApplication::clipboard()->clear(); }

void QtClipboard::SetText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

std::string QtClipboard::GetText() { return QGuiApplication::clipboard()->text().toStdString(); }

}  // namespace pave
