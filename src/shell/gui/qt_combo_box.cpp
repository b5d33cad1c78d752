#include "shell/gui/qt_combo_box.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace pave {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

std::string QtComboBox::Text() const { return box_->currentText().toStdString(); }

void QtComboBox::SetText(const std::string& text) {
  QSignalBlocker block(box_);
  box_->setEditText(Q(text));
}

std::vector<std::string> QtComboBox::Items() const {
  std::vector<std::string> items;
  for (int i = 0; i < box_->count(); ++i) items.push_back(box_->itemText(i).toStdString());
  return items;
}

void QtComboBox::Clear() {
  QSignalBlocker block(box_);
  box_->clear();
  box_->clearEditText();
}

void QtComboBox::AddItem(const std::string& item) { InsertItem(box_->count(), item); }

void QtComboBox::InsertItem(int index, const std::string& item) {
  QSignalBlocker block(box_);
  QString text = box_->currentText();
  box_->insertItem(index, Q(item));
  box_->setEditText(text);
}

void QtComboBox::RemoveItem(int index) {
  if (index < 0 || index >= box_->count()) return;
  QSignalBlocker block(box_);
  QString text = box_->currentText();
  box_->removeItem(index);
  box_->setEditText(text);
}

void QtComboBox::SelectItem(int index) {
  if (index < 0 || index >= box_->count()) return;
  QSignalBlocker block(box_);
  box_->setCurrentIndex(index);
  box_->setEditText(box_->itemText(index));
}

}  // namespace pave
