#include <QApplication>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

#include "platform/box_placement.h"
#include "platform/gui/qt_services.h"
#include "platform/window_registry.h"

namespace pave {

namespace {

// The window a box is to keep clear of: the one named, while it is shown.
QWidget* KeptClear(const BoxPlace& place) {
  auto* window = dynamic_cast<QWidget*>(place.clear_of);
  return window && window->isVisible() ? window : nullptr;
}

// The frame the window system draws around a window (title bar, borders); none until it has.
QMargins FrameOf(const QWidget& w) {
  const QRect frame = w.frameGeometry(), inner = w.geometry();
  return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
          frame.bottom() - inner.bottom()};
}

ScreenRect Rect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

// A box that opens beside a window, clear of it: placed once it is shown, when it has its final
// size, and once more should the window system frame it larger than reckoned.
template <class Box>
class BoxBeside : public Box {
 public:
  explicit BoxBeside(QWidget* window) : Box(window), window_(window) {}

 protected:
  void showEvent(QShowEvent* event) override {
    Box::showEvent(event);
    Place();
    QTimer::singleShot(100, this, [this] {
      if (window_ && Covered() > covered_) Place();
    });
  }

 private:
  long long Covered() const { return OverlapArea(Rect(window_->frameGeometry()), Rect(this->frameGeometry())); }

  void Place() {
    QScreen* screen = window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    // A box not yet framed gets the frame its window has.
    QMargins frame = FrameOf(*this);
    const bool framed = !frame.isNull();
    if (!framed) frame = FrameOf(*window_);
    const QSize outer = this->size().grownBy(frame);
    const ScreenPoint at = PlaceClearOf(Rect(window_->frameGeometry()), outer.width(), outer.height(),
                                        Rect(screen->availableGeometry()));
    // Qt places a framed window by its frame, an unframed one by its inside.
    this->move(framed ? QPoint(at.left, at.top) : QPoint(at.left + frame.left(), at.top + frame.top()));
    covered_ = OverlapArea(Rect(window_->frameGeometry()), {at.left, at.top, outer.width(), outer.height()});
  }

  QPointer<QWidget> window_;
  long long covered_ = 0;
};

MessageAnswer Answer(MessageButtons buttons, int pressed) {
  switch (buttons) {
    case MessageButtons::Ok:
      return MessageAnswer::Ok;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoDefaultNo:
      return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    case MessageButtons::YesNoCancel:
      return pressed == QMessageBox::Yes  ? MessageAnswer::Yes
             : pressed == QMessageBox::No ? MessageAnswer::No
                                          : MessageAnswer::Cancel;
  }
  return MessageAnswer::Cancel;
}

void SetUp(QMessageBox& box, const std::string& text, MessageButtons buttons, const std::string& title) {
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
    case MessageButtons::YesNoDefaultNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::No);
      box.setEscapeButton(QMessageBox::No);
      break;
  }
}

void SetUp(QInputDialog& dialog, const std::string& prompt, const std::string& title, const std::string& preset) {
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(QString::fromStdString(title));
  dialog.setLabelText(QString::fromStdString(prompt));
  dialog.setTextValue(QString::fromStdString(preset));
}

}  // namespace

MessageAnswer QtMessages::Show(const std::string& text, MessageButtons buttons, const std::string& title,
                               BoxPlace place) {
  if (QWidget* window = KeptClear(place)) {
    BoxBeside<QMessageBox> box(window);
    SetUp(box, text, buttons, title);
    return Answer(buttons, box.exec());
  }
  QMessageBox box(QApplication::activeWindow());
  SetUp(box, text, buttons, title);
  return Answer(buttons, box.exec());
}

std::optional<std::string> QtMessages::Input(const std::string& prompt, const std::string& title,
                                             const std::string& default_text, BoxPlace place) {
  auto ask = [&](QInputDialog& dialog) -> std::optional<std::string> {
    SetUp(dialog, prompt, title, default_text);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue().toStdString();
  };
  if (QWidget* window = KeptClear(place)) {
    BoxBeside<QInputDialog> dialog(window);
    return ask(dialog);
  }
  QInputDialog dialog(QApplication::activeWindow());
  return ask(dialog);
}

void QtMessages::Beep() { QApplication::beep(); }

}  // namespace pave
