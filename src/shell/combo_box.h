// What the shared procedures and the main window need of an editable combo box: its text and its
// list. The windows wrap their toolkit's combo boxes in it; tests use a plain one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pave {

class ComboBox {
 public:
  virtual ~ComboBox() = default;
  // The text the box shows: a typed text or the selected entry.
  virtual std::string Text() const = 0;
  // Sets the text without running the box's change handler.
  virtual void SetText(const std::string& text) = 0;
  virtual std::vector<std::string> Items() const = 0;
  virtual void Clear() = 0;                                  // list and text
  virtual void AddItem(const std::string& item) = 0;          // at the end of the list
  virtual void InsertItem(int index, const std::string& item) = 0;   // 0-based
  virtual void RemoveItem(int index) = 0;                     // 0-based; nothing when out of range
  virtual void SelectItem(int index) = 0;                     // 0-based; its text becomes the text
};

// A combo box without a window: for tests and for windows not shown.
class PlainComboBox : public ComboBox {
 public:
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override { text_ = text; }
  std::vector<std::string> Items() const override { return items_; }
  void Clear() override {
    items_.clear();
    text_.clear();
  }
  void AddItem(const std::string& item) override { items_.push_back(item); }
  void InsertItem(int index, const std::string& item) override;
  void RemoveItem(int index) override;
  void SelectItem(int index) override;

 private:
  std::string text_;
  std::vector<std::string> items_;
};

// The text the combo box shows.
std::string ComboText(const ComboBox& combo);

}  // namespace pave
