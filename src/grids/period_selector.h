// The period selector (window frmPeriod) of the four tables kept once for every period: the layer
// moduli (106), the layer temperatures (119) and the load repetitions of the layered (123) and of
// the slab editor (225). Twelve period buttons open the period's table; OK marks the caller's label.
#pragma once

#include <optional>
#include <string>

#include "grids/grid_handover.h"
#include "grids/grid_window.h"

namespace pave {

struct PeriodSelection {
  std::string caption;
  int periods = 0;            // buttons numbered: NPY of the data set, at most 12
  bool defaults = false;      // the labels read "default" (blue) rather than "input" (red)
  std::string help;
  LabelMark done;             // the caller's status label
};

// The selector's set-up for a hand-over (kind and data set); nothing for a kind it does not serve.
std::optional<PeriodSelection> PeriodSelectionFor(const GridHandover& handover);

// The caption of period button k (1 .. 12), with its access key.
std::string PeriodButtonCaption(int k);

// The hand-over of period k's table: the kind and set of the selector, the period, two grid columns
// and the table's line count as the data set holds it now.
GridHandover PeriodTableHandover(const GridHandover& selector, int k);

}  // namespace pave
