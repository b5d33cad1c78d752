// frmGeneral: the title, the sixteen general integers and the flags UL, TC, CL of a slab data set.
#pragma once

#include <map>
#include <span>

#include "shell/gui/parameter_form.h"

namespace pave {

class SlabGeneralForm : public ParameterForm {
  Q_OBJECT

 public:
  void Load() override;
  static std::span<const ParameterRow> Rows();
  static std::span<const ControlSpec> Extra();

 protected:
  void Ok() override;

 private:
  void Recolour() const;
  void FillDefaults() const;
  int set_ = 1;
  std::map<int, int> chosen_flags_;   // flag (1 UL, 2 TC, 3 CL) and the value its option chose
};

}  // namespace pave
