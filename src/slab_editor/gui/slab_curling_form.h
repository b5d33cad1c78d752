// frmCurling: curling, slab weight and the contact iteration of a slab data set (gSlabCurling).
#pragma once

#include <span>

#include "shell/gui/parameter_form.h"

namespace pave {

class CurlingForm : public ParameterForm {
  Q_OBJECT

 public:
  void Load() override;
  // The rows in the unit system's captions (English when si is false).
  static std::span<const ParameterRow> Rows(bool si);

 protected:
  void Ok() override;

 private:
  int set_ = 1;
};

}  // namespace pave
