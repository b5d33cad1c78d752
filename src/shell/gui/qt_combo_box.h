// A Qt combo box seen as the shell's ComboBox: list changes keep the text the box shows, and no
// change made through it runs the box's change handler.
#pragma once

#include "shell/combo_box.h"

class QComboBox;

namespace pave {

class QtComboBox : public ComboBox {
 public:
  explicit QtComboBox(QComboBox* box) : box_(box) {}

  std::string Text() const override;
  void SetText(const std::string& text) override;
  std::vector<std::string> Items() const override;
  void Clear() override;
  void AddItem(const std::string& item) override;
  void InsertItem(int index, const std::string& item) override;
  void RemoveItem(int index) override;
  void SelectItem(int index) override;

  QComboBox* widget() const { return box_; }

 private:
  QComboBox* box_;
};

}  // namespace pave
