#include "slab_editor/gui/slab_form_support.h"

#include <QLabel>

#include <cmath>

#include "common/number_format.h"
#include "shell/program_state.h"

namespace pave {

int CurrentSlabSet() { return gSlabSet.Number() == 2 ? 2 : 1; }

std::string DataSetCaption(const std::string& text, int set) { return text + Str(set); }

void MarkStatus(const std::string& kind, std::string_view label, Status status, bool keep_done) {
  QLabel* target = StatusLabelOf(kind, label);
  if (!target) return;
  if (keep_done)
    SetStatusKeepingDone(*target, status);
  else
    SetStatus(*target, status);
}

double LineCount(double count) { return count >= 0 && std::floor(count) == count ? count : 0; }

}  // namespace pave
