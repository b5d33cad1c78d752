#include "platform/gui/analysis_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>
#include <QVBoxLayout>

#include "platform/box_placement.h"

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
  // The newest lines are the ones in sight.
  text_box_->moveCursor(QTextCursor::End);
  text_box_->ensureCursorVisible();
  QCoreApplication::processEvents();
  shown_at_.restart();
}

QRect AnalysisWindow::LastLinesOnScreen() const {
  QTextBlock last = text_box_->document()->lastBlock();
  while (last.previous().isValid() && last.text().trimmed().isEmpty()) last = last.previous();
  QTextBlock first = last;
  for (int i = 1; i < kLastLinesKept && first.previous().isValid(); ++i) first = first.previous();
  QTextCursor end(last);
  end.movePosition(QTextCursor::EndOfBlock);
  const QRect viewport = text_box_->viewport()->rect();
  const QRect lines = QRect(QPoint(viewport.left(), text_box_->cursorRect(QTextCursor(first)).top()),
                            QPoint(viewport.right(), text_box_->cursorRect(end).bottom())) &
                      viewport;
  return QRect(text_box_->viewport()->mapToGlobal(lines.topLeft()), lines.size());
}

void AnalysisWindow::PlaceClearOfLastLines(QWidget& box) const {
  box.adjustSize();
  QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect window = frameGeometry(), keep = LastLinesOnScreen(), area = screen->availableGeometry();
  // The box's frame (title bar, borders) counts with it.
  const QSize size = box.size() + QSize(8, 30);
  const ScreenPoint at = PlaceClearOf({window.x(), window.y(), window.width(), window.height()},
                                      {keep.x(), keep.y(), keep.width(), keep.height()}, size.width(),
                                      size.height(), {area.x(), area.y(), area.width(), area.height()});
  box.move(at.left, at.top);
}

void AnalysisWindow::Message(const std::string& text) {
  FlushProgress();
  bool was_busy = desktop_.busy();
  SetBusy(false);
  QString shown = QString::fromStdString(text);
  shown.remove('\r');
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(program_.title), shown,
                  QMessageBox::Ok, isVisible() ? this : nullptr);
  if (!isVisible()) {
    box.exec();
  } else {
    // The box stands clear of the log's last lines and leaves the log free to be scrolled while
    // it waits.
    box.setWindowModality(Qt::NonModal);
    PlaceClearOfLastLines(box);
    QEventLoop waiting;
    connect(&box, &QDialog::finished, &waiting, &QEventLoop::quit);
    box.show();
    waiting.exec();
  }
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
