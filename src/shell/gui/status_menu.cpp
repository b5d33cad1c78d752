#include "shell/gui/status_menu.h"

#include <QAction>
#include <QMenuBar>

#include <algorithm>

#include "platform/gui/control_table.h"

namespace pave {

void AttachStatusLabels(QWidget& form, std::span<const MenuStatus> pairs) {
  auto* bar = form.findChild<QMenuBar*>("menuBar");
  for (const MenuStatus& p : pairs) {
    QAction& action = MenuAction(form, p.menu);
    auto& label = Control<ClickLabel>(form, p.label);
    if (bar) {
      const QRect item = bar->actionGeometry(&action);
      if (item.isValid()) {
        label.move(item.x() + 4, label.y());
        label.resize(std::max(item.width(), label.width()), label.height());
      }
    }
    QObject::connect(&label, &ClickLabel::clicked, &action, [&action] { action.trigger(); });
  }
}

}  // namespace pave
