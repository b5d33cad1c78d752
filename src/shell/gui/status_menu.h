// Status labels under the menu items of an editor's menu forms (both editors): each label stands
// under its menu item and a click on it runs the item, as the menus' help texts promise.
#pragma once

#include <span>
#include <string_view>

class QWidget;

namespace pave {

struct MenuStatus {
  std::string_view menu;    // "mnuGeneral"
  std::string_view label;   // "lblGeneral"
};

// Puts each label's left edge under its menu item (its top and height stay as the control table
// gives them) and connects the label's click to the item.
void AttachStatusLabels(QWidget& form, std::span<const MenuStatus> pairs);

}  // namespace pave
