// frmLayer: picks the nonlinear layer (code 112, seasonal tables) or the viscoelastic layer (code
// 118, creep compliances) whose table is to be entered. Buttons beyond NOLAY or NVL are disabled,
// since their sequences do not exist.
#pragma once

#include <span>

#include "platform/gui/control_table.h"
#include "platform/gui/form.h"

namespace pave {

class LayerChooser : public Form {
  Q_OBJECT
 public:
  void Load() override;
  static std::span<const ControlSpec> Controls();
  void cmdLayer_Click(int n);

 private:
  int code_ = 0;
  int set_ = 1;
};

}  // namespace pave
