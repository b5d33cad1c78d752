#include "platform/gui/plain_text_box.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include <memory>

#include "platform/platform.h"

namespace pave {

QString TextOf(const QMimeData* source) {
  if (!source || !source->hasText()) return {};
  return source->text();
}

PlainTextBox::PlainTextBox(QWidget* parent) : QPlainTextEdit(parent) {}

PlainTextBox::PlainTextBox(const QString& text, QWidget* parent) : QPlainTextEdit(text, parent) {}

void PlainTextBox::Paste() {
  if (paste_step_) {
    paste_step_();
  } else if (!isReadOnly()) {
    PasteText(platform().clipboard().GetText());
  }
}

void PlainTextBox::PasteText(const std::string& text) {
  if (isReadOnly() || text.empty()) return;
  insertPlainText(QString::fromStdString(text));
}

QMenu* PlainTextBox::ContextMenu(const QPoint& at) {
  QMenu* menu = createStandardContextMenu(at);
  // The standard Paste goes to the toolkit's insertion; it runs the paste step instead.
  if (QAction* paste = menu->findChild<QAction*>("edit-paste")) {
    disconnect(paste, &QAction::triggered, nullptr, nullptr);
    paste->setEnabled(!isReadOnly() && !platform().clipboard().GetText().empty());
    connect(paste, &QAction::triggered, this, &PlainTextBox::Paste);
  }
  return menu;
}

void PlainTextBox::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    Paste();
    event->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void PlainTextBox::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = ContextMenu(event->pos());
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

bool PlainTextBox::canInsertFromMimeData(const QMimeData* source) const {
  return !isReadOnly() && !TextOf(source).isEmpty();
}

void PlainTextBox::insertFromMimeData(const QMimeData* source) {
  PasteText(TextOf(source).toStdString());
}

}  // namespace pave
