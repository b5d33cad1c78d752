#include "platform/gui/analysis_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "platform/gui/form.h"
#include "platform/gui/plain_text_box.h"

namespace pave {

AnalysisWindow::AnalysisWindow(const AnalysisProgram& program, QWidget* parent)
    : QWidget(parent, Qt::Window), program_(program), text_box_(new PlainTextBox(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text_box_);
  text_box_->setReadOnly(true);
  text_box_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setWindowTitle(QString::fromStdString(program.title));
  resize(std::max(1, TwipsToPixels(program.width_twips - kFrameWidthTwips)),
         std::max(1, TwipsToPixels(program.height_twips - kFrameHeightTwips)));
  TwipsPoint at = CentredWindowPosition(ScreenWidthTwips(), ScreenHeightTwips(),
                                        program.width_twips, program.height_twips);
  move(TwipsToPixels(at.left), TwipsToPixels(at.top));
}

void AnalysisWindow::SetCaption(const std::string& caption) {
  setWindowTitle(QString::fromStdString(caption));
}

void AnalysisWindow::ShowProgress(const std::string& text) {
  pending_ = text;
  has_pending_ = true;
  if (shown_at_.isValid() && shown_at_.elapsed() < kRepaintIntervalMs) return;
  FlushProgress();
}

void AnalysisWindow::FlushProgress() {
  if (!has_pending_) return;
  has_pending_ = false;
  QString shown = QString::fromStdString(pending_);
  shown.remove('\r');
  text_box_->setPlainText(shown);
  QCoreApplication::processEvents();
  shown_at_.restart();
}

void AnalysisWindow::Message(const std::string& text) {
  FlushProgress();
  bool was_busy = desktop_.busy();
  SetBusy(false);
  QString shown = QString::fromStdString(text);
  shown.remove('\r');
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(program_.title), shown,
                  QMessageBox::Ok, isVisible() ? this : nullptr);
  box.exec();
  SetBusy(was_busy);
}

void AnalysisWindow::SetBusy(bool busy) { desktop_.SetBusy(busy); }

void AnalysisWindow::closeEvent(QCloseEvent* event) {
  if (running_) {
    event->ignore();
  } else {
    event->accept();
  }
}

}  // namespace pave
