// The nonlinear layer forms: frmNonlin (the Nonlinear Layers Menu with the clay-default choice),
// frmGenNon (NOLAY and the modulus point), and the auxiliary forms frmGranular and frmClay that the
// nonseasonal grid opens for one nonlinear layer (gOwnerLine).
#pragma once

#include <span>

#include "platform/gui/control_table.h"
#include "platform/gui/form.h"
#include "shell/gui/parameter_form.h"

namespace pave {

class NonlinearMenu : public Form {
  Q_OBJECT
 public:
  void Load() override;
  static std::span<const ControlSpec> Controls();
  static std::span<const MenuSpec> Menus();
};

class NonlinearGeneralForm : public ParameterForm {
  Q_OBJECT
 public:
  void Load() override;
  static std::span<const ParameterRow> Rows();

 protected:
  void Ok() override;

 private:
  int set_ = 1;
};

// frmGranular (clay = false) and frmClay (clay = true).
class NonseasonalForm : public ParameterForm {
  Q_OBJECT
 public:
  explicit NonseasonalForm(bool clay) : clay_(clay) {}
  void Load() override;
  static std::span<const ParameterRow> Rows(bool clay);

 protected:
  void Ok() override;

 private:
  bool clay_;
  int set_ = 1;
  int line_ = 1;
};

// The suggested clay constants K2, K3, K4, K0 of a unit system.
struct ClaySuggestion {
  double K2, K3, K4, K0;
};
ClaySuggestion SuggestedClay(bool si);

}  // namespace pave
