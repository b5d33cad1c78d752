// frmGeneral1: the title and the thirteen general parameters of the current layered data set.
#pragma once

#include <span>

#include "shell/gui/parameter_form.h"

namespace pave {

class GeneralForm : public ParameterForm {
  Q_OBJECT

 public:
  void Load() override;
  static std::span<const ParameterRow> Rows();

 protected:
  void Ok() override;

 private:
  int set_ = 1;
};

}  // namespace pave
