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
        // Under its own item only, so that neighbouring labels never run together.
        label.move(item.x(), label.y());
        label.resize(item.width(), label.height());
        label.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
      }
    }
    QObject::connect(&label, &ClickLabel::clicked, &action, [&action] { action.trigger(); });
  }
}

}  // namespace pave
