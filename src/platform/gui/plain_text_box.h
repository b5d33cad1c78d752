// The multi-line text box of every window. Each paste into it, by key (Ctrl+V, Shift+Insert), by
// its context menu or by a window's Edit menu, runs one paste step that takes the clipboard's text
// alone; a clipboard without text changes nothing (the selection stays).
//
// The toolkit's own insertion of clipboard data is never reached: handed data that has no format
// at all, which is what an X display gives for an empty clipboard, it reads the first entry of the
// empty format list and the program ends with a segmentation fault. Data that does reach the box
// by other ways (a drop, the middle button's selection) goes in as its text only.
#pragma once

#include <QPlainTextEdit>

#include <functional>
#include <string>

class QMenu;

namespace pave {

class PlainTextBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit PlainTextBox(QWidget* parent = nullptr);
  PlainTextBox(const QString& text, QWidget* parent);

  // The paste step. By default the platform clipboard's text replaces the selection; a window with
  // an Edit menu puts its own paste here so that keys, context menu and menu do the same.
  void SetPasteStep(std::function<void()> step) { paste_step_ = std::move(step); }
  void Paste();
  // Replaces the selection with text, unless the box is read-only or the text is empty.
  void PasteText(const std::string& text);

  // The box's context menu at a point of the box, its Paste running the paste step. The caller owns
  // the menu.
  QMenu* ContextMenu(const QPoint& at);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  std::function<void()> paste_step_;
};

// The text of clipboard data as a box may take it: empty when there is none or no data at all.
QString TextOf(const QMimeData* source);

}  // namespace pave
