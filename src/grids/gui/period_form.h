// frmPeriod: the period selector of the per-period tables (grids/period_selector.h). It belongs to
// the session of the editor whose tables it opens and does nothing once that session has ended.
#pragma once

#include <span>

#include "grids/grid_handover.h"
#include "grids/period_selector.h"
#include "platform/gui/control_table.h"
#include "platform/gui/form.h"
#include "shell/editor_windows.h"

namespace pave {

class PeriodForm : public Form, public EditorBound {
  Q_OBJECT

 public:
  void Load() override;
  // A period button: that period's table opens.
  void OpenPeriod(int k);
  // OK: the caller's label reads "done" and the selector closes.
  void Ok();
  // A second opening: the user is told when it is for another table; the selector comes to the front.
  void SecondOpening();
  const GridHandover& handover() const { return handover_; }

 private:
  // True, after telling the user and closing the selector, when its editor session has ended.
  bool SessionEnded();

  GridHandover handover_;
  PeriodSelection selection_;
};

std::span<const ControlSpec> PeriodControls();

}  // namespace pave
