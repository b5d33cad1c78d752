#include "help/gui/scaled_controls.h"

#include <QMenuBar>

#include <algorithm>
#include <cmath>

namespace pave {

void ScaledControls::Keep(QWidget& window, int top, QSize laid_out) {
  controls_.clear();
  top_ = top;
  laid_out_ = laid_out;
  scale_ = 1;
  for (QWidget* w : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (qobject_cast<QMenuBar*>(w) || w->isWindow()) continue;
    controls_.push_back({w, w->geometry(), std::max(0.0, w->font().pointSizeF())});
  }
}

double ScaledControls::FittingScale(QSize inner) const {
  const double across = static_cast<double>(inner.width()) / laid_out_.width();
  const double down = static_cast<double>(inner.height() - top_) / (laid_out_.height() - top_);
  return std::min(across, down);
}

QSize ScaledControls::InnerSize(double scale) const {
  return {static_cast<int>(std::lround(laid_out_.width() * scale)),
          top_ + static_cast<int>(std::lround((laid_out_.height() - top_) * scale))};
}

void ScaledControls::Apply(double scale) {
  scale_ = scale;
  auto at = [scale](int v) { return static_cast<int>(std::lround(v * scale)); };
  for (const Control& c : controls_) {
    const QRect& p = c.place;
    // Both edges scaled, so that controls that meet at scale 1 still meet.
    const int left = at(p.left()), right = at(p.left() + p.width());
    const int top = top_ + at(p.top() - top_), bottom = top_ + at(p.top() - top_ + p.height());
    c.widget->setGeometry(left, top, right - left, bottom - top);
    if (c.points > 0) {
      QFont font = c.widget->font();
      font.setPointSizeF(c.points * scale);
      c.widget->setFont(font);
    }
  }
}

}  // namespace pave
