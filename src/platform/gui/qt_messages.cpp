#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "platform/gui/qt_services.h"

namespace pave {

MessageAnswer QtMessages::Show(const std::string& text, MessageButtons buttons,
                               const std::string& title) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(QString::fromStdString(title));
  box.setText(QString::fromStdString(text));
  switch (buttons) {
    case MessageButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MessageButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setEscapeButton(QMessageBox::No);
      break;
    case MessageButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
  }
  int pressed = box.exec();
  switch (buttons) {
    case MessageButtons::Ok:
      return MessageAnswer::Ok;
    case MessageButtons::YesNo:
      return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    case MessageButtons::YesNoCancel:
      return pressed == QMessageBox::Yes  ? MessageAnswer::Yes
             : pressed == QMessageBox::No ? MessageAnswer::No
                                          : MessageAnswer::Cancel;
  }
  return MessageAnswer::Cancel;
}

std::optional<std::string> QtMessages::Input(const std::string& prompt, const std::string& title,
                                             const std::string& default_text) {
  bool ok = false;
  QString text = QInputDialog::getText(QApplication::activeWindow(), QString::fromStdString(title),
                                       QString::fromStdString(prompt), QLineEdit::Normal,
                                       QString::fromStdString(default_text), &ok);
  if (!ok) return std::nullopt;
  return text.toStdString();
}

void QtMessages::Beep() { QApplication::beep(); }

}  // namespace pave
