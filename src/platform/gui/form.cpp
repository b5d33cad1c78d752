#include "platform/gui/form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace pave {

Form::Form(QWidget* parent) : QWidget(parent, Qt::Window) {}

void Form::Show() {
  show();
  raise();
  activateWindow();
}

void Form::SetSizeTwips(int width, int height) {
  resize(std::max(1, TwipsToPixels(width - kFrameWidthTwips)),
         std::max(1, TwipsToPixels(height - kFrameHeightTwips)));
}

void Form::SetSizeTwipsCentred(int width, int height) {
  TwipsPoint at = CentredWindowPosition(ScreenWidthTwips(), ScreenHeightTwips(), width, height);
  SetGeometryTwips(at.left, at.top, width, height);
}

void Form::SetGeometryTwips(int left, int top, int width, int height) {
  SetSizeTwips(width, height);
  move(TwipsToPixels(left), TwipsToPixels(top));
}

void Form::closeEvent(QCloseEvent* event) {
  event->accept();
  if (registry()) registry()->Unload(this);
}

void Form::Destroy() {
  hide();
  deleteLater();
}

namespace {
QSize ScreenSize() {
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().size() : QSize(1024, 768);
}
}  // namespace

int ScreenWidthTwips() { return PixelsToTwips(ScreenSize().width()); }
int ScreenHeightTwips() { return PixelsToTwips(ScreenSize().height()); }

void PlaceTwips(QWidget& control, int left, int top, int width, int height) {
  control.setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                      TwipsToPixels(height));
}

}  // namespace pave
