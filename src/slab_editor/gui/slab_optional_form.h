// frmOptional, "Other Optional Information": the menus of the optional node lists (additional
// thicknesses, nodes not in contact, printout and symmetry nodes, gaps) and of the dowel bars.
#pragma once

#include <span>

#include "platform/gui/control_table.h"
#include "platform/gui/form.h"

namespace pave {

class OptionalForm : public Form {
  Q_OBJECT
 public:
  void Load() override;
  static std::span<const ControlSpec> Controls();
  static std::span<const MenuSpec> Menus();
};

}  // namespace pave
