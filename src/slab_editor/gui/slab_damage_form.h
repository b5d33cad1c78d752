// frmDamage, "Damage Analysis": the menus of the fatigue properties (table kind 205) and of the
// volume of traffic (the period selector, table kind 225).
#pragma once

#include <span>

#include "platform/gui/control_table.h"
#include "platform/gui/form.h"

namespace pave {

class SlabDamageForm : public Form {
  Q_OBJECT
 public:
  void Load() override;
  static std::span<const ControlSpec> Controls();
  static std::span<const MenuSpec> Menus();
};

}  // namespace pave
