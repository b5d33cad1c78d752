#include "shell/combo_box.h"

namespace pave {

void PlainComboBox::InsertItem(int index, const std::string& item) {
  if (index < 0) index = 0;
  if (index > static_cast<int>(items_.size())) index = static_cast<int>(items_.size());
  items_.insert(items_.begin() + index, item);
}

void PlainComboBox::RemoveItem(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  items_.erase(items_.begin() + index);
}

void PlainComboBox::SelectItem(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  text_ = items_[static_cast<std::size_t>(index)];
}

std::string ComboText(const ComboBox& combo) { return combo.Text(); }

}  // namespace pave
