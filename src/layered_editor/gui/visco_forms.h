// The viscoelastic forms: frmVisco (the Viscoelastic Layers Menu) and frmGenvis (DUR, NVL, NTYME).
#pragma once

#include <span>

#include "platform/gui/control_table.h"
#include "platform/gui/form.h"
#include "shell/gui/parameter_form.h"

namespace pave {

class ViscoMenu : public Form {
  Q_OBJECT
 public:
  void Load() override;
  static std::span<const ControlSpec> Controls();
  static std::span<const MenuSpec> Menus();
};

class ViscoGeneralForm : public ParameterForm {
  Q_OBJECT
 public:
  void Load() override;
  static std::span<const ParameterRow> Rows();

 protected:
  void Ok() override;

 private:
  int set_ = 1;
};

// frmDamage1: the damage analysis menu.
class DamageMenu : public Form {
  Q_OBJECT
 public:
  void Load() override;
  static std::span<const ControlSpec> Controls();
  static std::span<const MenuSpec> Menus();
};

}  // namespace pave
