#include "platform/gui/control_table.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <map>

#include "platform/gui/form.h"
#include "platform/gui/plain_text_box.h"
#include "platform/gui/qt_grid.h"

namespace pave {

namespace {
constexpr int kMenuBarHeightTwips = 300;   // 20 pixels

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

Qt::Alignment AlignmentOf(unsigned flags) {
  if (flags & ctl::kCentre) return Qt::AlignHCenter;
  if (flags & ctl::kRight) return Qt::AlignRight;
  return Qt::AlignLeft;
}

QWidget* Make(const ControlSpec& c, QWidget* parent) {
  switch (c.kind) {
    case ControlKind::Label: {
      auto* w = new ClickLabel(Q(c.caption), parent);
      w->setAlignment(AlignmentOf(c.flags) | Qt::AlignTop);
      w->setWordWrap((c.flags & ctl::kWrap) != 0);
      if (c.flags & ctl::kBorder) w->setFrameStyle(QFrame::Box | QFrame::Plain);
      return w;
    }
    case ControlKind::TextBox: {
      auto* w = new ClickLineEdit(Q(c.caption), parent);
      w->setAlignment(AlignmentOf(c.flags) | Qt::AlignVCenter);
      w->setReadOnly((c.flags & ctl::kReadOnly) != 0);
      if (c.max_length > 0) w->setMaxLength(c.max_length);
      return w;
    }
    case ControlKind::TextArea: {
      auto* w = new PlainTextBox(Q(c.caption), parent);
      w->setReadOnly((c.flags & ctl::kReadOnly) != 0);
      w->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      if (c.flags & ctl::kNoWrap) {
        w->setLineWrapMode(QPlainTextEdit::NoWrap);
      } else {
        w->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      }
      return w;
    }
    case ControlKind::Button:
      return new QPushButton(Q(c.caption), parent);
    case ControlKind::Option: {
      auto* w = new QRadioButton(Q(c.caption), parent);
      w->setChecked((c.flags & ctl::kChecked) != 0);
      return w;
    }
    case ControlKind::Check: {
      auto* w = new QCheckBox(Q(c.caption), parent);
      w->setChecked((c.flags & ctl::kChecked) != 0);
      return w;
    }
    case ControlKind::Frame:
      return new QGroupBox(Q(c.caption), parent);
    case ControlKind::Combo: {
      auto* w = new QComboBox(parent);
      w->setEditable(true);
      w->setInsertPolicy(QComboBox::NoInsert);
      w->setCompleter(nullptr);
      if (!c.caption.empty()) w->setEditText(Q(c.caption));
      return w;
    }
    case ControlKind::Picture:
    case ControlKind::Custom:
      return new QWidget(parent);
    case ControlKind::Grid:
      return new QtGrid(parent);
  }
  return new QWidget(parent);
}
}  // namespace

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

void ClickLineEdit::mousePressEvent(QMouseEvent* event) {
  QLineEdit::mousePressEvent(event);
  if (event->button() == Qt::LeftButton) emit clicked();
}

QFont MakeFont(const FontSpec& spec, const QFont& base) {
  QFont font = base;
  if (!spec.face.empty()) font.setFamily(Q(spec.face));
  if (spec.points > 0) font.setPointSizeF(spec.points);
  font.setBold(spec.bold);
  font.setItalic(spec.italic);
  font.setUnderline(spec.underline);
  return font;
}

void SetTextColour(QWidget& widget, int rgb) {
  QPalette palette = widget.palette();
  const QColor colour(QRgb(static_cast<unsigned>(rgb)));
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);
  palette.setColor(QPalette::ButtonText, colour);
  widget.setPalette(palette);
}

int TextColour(const QWidget& widget) {
  return static_cast<int>(widget.palette().color(QPalette::WindowText).rgb() & 0xFFFFFF);
}

int MenuBarHeightTwips() { return kMenuBarHeightTwips; }

void BuildControls(QWidget& parent, std::span<const ControlSpec> controls, int top_offset) {
  std::map<std::string_view, QWidget*> frames;
  for (const ControlSpec& c : controls) {
    QWidget* container = &parent;
    int offset = top_offset;
    if (!c.parent.empty()) {
      auto it = frames.find(c.parent);
      if (it == frames.end()) throw std::logic_error("control " + std::string(c.name) + " names an unknown frame");
      container = it->second;
      offset = 0;
    }
    QWidget* w = Make(c, container);
    w->setObjectName(Q(c.name));
    PlaceTwips(*w, c.left, c.top + offset, c.width, c.height);
    // A control naming a face or a size has its own font (bold and the rest as it says); the others
    // take their container's.
    if (!c.font.face.empty() || c.font.points > 0) w->setFont(MakeFont(c.font, container->font()));
    if (c.colour != colour::kDefault) SetTextColour(*w, c.colour);
    if (c.back != colour::kDefault) {
      QPalette p = w->palette();
      p.setColor(QPalette::Window, QColor(QRgb(static_cast<unsigned>(c.back))));
      p.setColor(QPalette::Base, QColor(QRgb(static_cast<unsigned>(c.back))));
      w->setPalette(p);
      w->setAutoFillBackground(true);
    }
    if (!c.tooltip.empty()) w->setToolTip(Q(c.tooltip));
    if (c.flags & ctl::kHidden) w->hide();
    if (c.kind == ControlKind::Frame) frames[c.name] = w;
  }
}

int HeightHoldingControls(std::span<const ControlSpec> controls, int height) {
  constexpr int kMargin = 60;   // 4 pixels under the lowest control
  int lowest = 0;
  for (const ControlSpec& c : controls) {
    if (c.parent.empty() && !(c.flags & ctl::kHidden)) lowest = std::max(lowest, c.top + c.height);
  }
  return std::max(height, lowest + kMargin + kFrameHeightTwips);
}

void BuildForm(Form& form, const FormSpec& spec) {
  form.setObjectName(Q(spec.name));
  form.setWindowTitle(Q(spec.caption));
  form.setFont(MakeFont(spec.font, form.font()));
  form.SetSizeTwipsCentred(spec.width, spec.height);
  int top_offset = 0;
  if (!spec.menus.empty()) {
    auto* bar = new QMenuBar(&form);
    bar->setObjectName("menuBar");
    bar->setNativeMenuBar(false);
    std::map<std::string_view, QMenu*> menus;
    // An item with children becomes a drop-down menu.
    auto has_children = [&](std::string_view name) {
      for (const MenuSpec& m : spec.menus) {
        if (m.parent == name) return true;
      }
      return false;
    };
    for (const MenuSpec& m : spec.menus) {
      QAction* action = nullptr;
      if (m.parent.empty()) {
        if (has_children(m.name)) {
          QMenu* menu = bar->addMenu(Q(m.caption));
          menu->setObjectName(Q(m.name) + "Menu");
          menus[m.name] = menu;
          action = menu->menuAction();
        } else {
          action = bar->addAction(Q(m.caption));
        }
      } else {
        auto it = menus.find(m.parent);
        if (it == menus.end()) throw std::logic_error("menu " + std::string(m.name) + " names an unknown parent");
        if (m.caption == "-") {
          action = it->second->addSeparator();
        } else if (has_children(m.name)) {
          QMenu* menu = it->second->addMenu(Q(m.caption));
          menu->setObjectName(Q(m.name) + "Menu");
          menus[m.name] = menu;
          action = menu->menuAction();
        } else {
          action = it->second->addAction(Q(m.caption));
        }
      }
      action->setObjectName(Q(m.name));
    }
    bar->setGeometry(0, 0, form.width(), TwipsToPixels(kMenuBarHeightTwips));
    top_offset = kMenuBarHeightTwips;
  }
  BuildControls(form, spec.controls, top_offset);
}

QWidget& ControlNamed(const QWidget& form, std::string_view name) {
  QWidget* w = form.findChild<QWidget*>(Q(name));
  if (!w) throw std::logic_error("the form has no control named " + std::string(name));
  return *w;
}

QAction& MenuAction(const QWidget& form, std::string_view name) {
  QAction* a = form.findChild<QAction*>(Q(name));
  if (!a) throw std::logic_error("the form has no menu item named " + std::string(name));
  return *a;
}

}  // namespace pave
