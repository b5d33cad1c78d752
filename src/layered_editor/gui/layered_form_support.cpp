#include "layered_editor/gui/layered_form_support.h"

#include <QLabel>
#include <QWidget>

#include <cmath>

#include "layered_editor/layered_data_set.h"
#include "platform/platform.h"
#include "shell/gui/status_label.h"
#include "shell/program_state.h"
#include "shell/window_makers.h"

namespace pave {

int CurrentLayeredSet() {
  const int set = LayeredCount(gLayeredSet, kLayeredSets);
  return set >= 1 ? set : 1;
}

QLabel* LabelOf(const std::string& kind, std::string_view name) {
  auto* window = dynamic_cast<QWidget*>(platform().windows().Find(kind));
  if (!window) return nullptr;
  return window->findChild<QLabel*>(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
}

void RecolourByCondition(std::string_view name, bool input_needed) {
  QLabel* label = LabelOf(kind::kLayeredEditor, name);
  if (!label) return;
  if (input_needed) {
    if (label->text() == kStatusDone) {
      SetStatus(*label, Status::Input);
      label->setText(kStatusDone);
    } else {
      SetStatus(*label, Status::Input);
    }
  } else {
    SetStatus(*label, Status::Default);
  }
}

void MarkInputIf(std::string_view name, bool input_needed) {
  if (!input_needed) return;
  if (QLabel* label = LabelOf(kind::kLayeredEditor, name)) SetStatus(*label, Status::Input);
}

double CountOrZero(double value) { return value >= 0 && std::floor(value) == value ? value : 0; }

}  // namespace pave
