// Two forms of two values each: frmSolid (YMS and PRS of a solid foundation) and frmDowel (YMSB and
// PRSB of the dowel bars).
#pragma once

#include <span>

#include "shell/gui/parameter_form.h"

namespace pave {

class SolidForm : public ParameterForm {
  Q_OBJECT
 public:
  void Load() override;
  static std::span<const ParameterRow> Rows(bool si);

 protected:
  void Ok() override;

 private:
  int set_ = 1;
};

class DowelForm : public ParameterForm {
  Q_OBJECT
 public:
  void Load() override;
  static std::span<const ParameterRow> Rows(bool si);

 protected:
  void Ok() override;

 private:
  int set_ = 1;
};

}  // namespace pave
