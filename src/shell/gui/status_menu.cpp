#include "shell/gui/status_menu.h"

#include <QAction>
#include <QMenuBar>

#include <algorithm>

#include "platform/gui/control_table.h"
#include "shell/gui/status_label.h"

namespace pave {

void AttachStatusLabels(QWidget& form, std::span<const MenuStatus> pairs) {
  auto* bar = form.findChild<QMenuBar*>("menuBar");
  for (const MenuStatus& p : pairs) {
    QAction& action = MenuAction(form, p.menu);
    auto& label = Control<ClickLabel>(form, p.label);
    if (bar) {
      const QRect item = bar->actionGeometry(&action);
      if (item.isValid()) {
        // Centred under its own item, and as wide as its widest status ("default") even under a
        // short item, so that neighbouring labels never run together and none is cut off.
        const int widest = label.fontMetrics().horizontalAdvance(kStatusDefault) + 4;
        const int width = std::max(item.width(), widest);
        label.move(item.x() + (item.width() - width) / 2, label.y());
        label.resize(width, label.height());
        label.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
      }
    }
    QObject::connect(&label, &ClickLabel::clicked, &action, [&action] { action.trigger(); });
  }
}

}  // namespace pave
