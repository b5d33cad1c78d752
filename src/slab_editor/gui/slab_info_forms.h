// The slab information forms: frmSlabData ("Slab Information", the menu of the arrangement, the
// coordinates and the layer properties) and frmSlabs, which chooses the slab whose X (table kind
// 206) or Y (207) coordinates the grid takes.
#pragma once

#include <span>

#include "platform/gui/control_table.h"
#include "platform/gui/form.h"

namespace pave {

class SlabDataForm : public Form {
  Q_OBJECT
 public:
  void Load() override;
  static std::span<const ControlSpec> Controls();
  static std::span<const MenuSpec> Menus();
};

class SlabChooser : public Form {
  Q_OBJECT
 public:
  void Load() override;
  static std::span<const ControlSpec> Controls();
  void cmdSlab_Click(int slab);
};

}  // namespace pave
