#include <QApplication>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>

#include "platform/box_placement.h"
#include "platform/gui/qt_services.h"

namespace pave {

namespace {

// The window a box belongs to: the active one, else the top-level window shown last.
QWidget* OwnerWindow() {
  if (QWidget* active = QApplication::activeWindow()) return active;
  QWidget* owner = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible() && w->isWindow()) owner = w;
  }
  return owner;
}

// Moves a box that is to keep clear of its window beside the window (or where it hides least of it).
void Place(QWidget& box, QWidget* owner, BoxPlace place) {
  if (place != BoxPlace::ClearOfWindow || !owner) return;
  box.adjustSize();
  const QRect window = owner->frameGeometry();
  QScreen* screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  // The box's frame (title bar, borders) counts with it.
  const QSize size = box.size() + QSize(8, 30);
  const ScreenPoint at = PlaceClearOf({window.x(), window.y(), window.width(), window.height()}, size.width(),
                                      size.height(), {area.x(), area.y(), area.width(), area.height()});
  box.move(at.left, at.top);
}

}  // namespace

MessageAnswer QtMessages::Show(const std::string& text, MessageButtons buttons, const std::string& title,
                               BoxPlace place) {
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
  Place(box, OwnerWindow(), place);
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
                                             const std::string& default_text, BoxPlace place) {
  QInputDialog dialog(QApplication::activeWindow());
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(QString::fromStdString(title));
  dialog.setLabelText(QString::fromStdString(prompt));
  dialog.setTextValue(QString::fromStdString(default_text));
  Place(dialog, OwnerWindow(), place);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toStdString();
}

void QtMessages::Beep() { QApplication::beep(); }

}  // namespace pave
