#include "shell/gui/status_label.h"

#include <QLabel>
#include <QWidget>

#include "platform/gui/control_table.h"
#include "platform/platform.h"

namespace pave {

void SetStatus(QLabel& label, Status status) {
  switch (status) {
    case Status::Input:
      label.setText(kStatusInput);
      SetTextColour(label, colour::kRed);
      break;
    case Status::Default:
      label.setText(kStatusDefault);
      SetTextColour(label, colour::kBlue);
      break;
    case Status::Done:
      label.setText(kStatusDone);
      break;
  }
}

void SetStatusKeepingDone(QLabel& label, Status status) {
  const bool done = label.text() == kStatusDone;
  SetStatus(label, status);
  if (done) label.setText(kStatusDone);
}

QLabel* StatusLabelOf(const std::string& window_kind, std::string_view label) {
  auto* window = dynamic_cast<QWidget*>(platform().windows().Find(window_kind));
  if (!window) return nullptr;
  return window->findChild<QLabel*>(QString::fromUtf8(label.data(), static_cast<int>(label.size())));
}

bool MarkDone(const std::string& window_kind, std::string_view label) {
  QLabel* target = StatusLabelOf(window_kind, label);
  if (!target) return false;
  SetStatus(*target, Status::Done);
  return true;
}

}  // namespace pave
