// Forms as data: a form describes its controls in one table (name, kind, caption, place in twips,
// font, colour, tooltip) and its menus in another; BuildForm makes the widgets from the tables and
// the form's code holds only its handlers. Controls are found again by their names.
//
// Coordinates are the form's client area in twips, below the menu bar when the form has menus; a
// control inside a frame is placed relative to that frame, as the frame's own children are.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QString>

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

class QAction;
class QMenuBar;
class QWidget;

namespace pave {

class Form;

enum class ControlKind {
  Label,     // QLabel (ClickLabel): a click emits clicked()
  TextBox,   // one-line QLineEdit (ClickLineEdit): a click emits clicked()
  TextArea,  // multi-line PlainTextBox with a vertical scroll bar, words wrapped
  Button,    // QPushButton
  Option,    // QRadioButton; options sharing a container exclude each other
  Check,     // QCheckBox
  Frame,     // QGroupBox with the caption as its title; holds the controls naming it as parent
  Combo,     // editable QComboBox
  Picture,   // a plain QWidget on which the form shows its picture (a drawing or an SVG figure)
  Custom,    // a plain QWidget place-holder; the form puts its own widget into it
  Grid,      // QtGrid: the grid control with a fixed header row and label column
};

// Colours as 0xRRGGBB; kDefault leaves the widget's own colour.
namespace colour {
inline constexpr int kDefault = -1;
inline constexpr int kBlack = 0x000000;
inline constexpr int kRed = 0xFF0000;
inline constexpr int kBlue = 0x0000FF;
inline constexpr int kDarkOrange = 0xC04000;   // (192, 64, 0)
inline constexpr int kWhite = 0xFFFFFF;
// A colour number of the windowing system's long form (blue, green, red from the high byte down:
// 255 is red, 16711680 blue).
constexpr int FromBgr(long bgr) {
  return static_cast<int>(((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF));
}
}  // namespace colour

// A control's font: a control naming a face or a size gets this font whole (bold only when it says
// so); one naming neither takes its container's font.
struct FontSpec {
  std::string_view face{};   // empty: the form's font
  double points = 0;       // 0: the form's size
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

// Flags of a control.
namespace ctl {
inline constexpr unsigned kReadOnly = 1u << 0;   // text box or area the user cannot change
inline constexpr unsigned kCentre = 1u << 1;     // caption or text centred
inline constexpr unsigned kRight = 1u << 2;      // caption or text right-aligned
inline constexpr unsigned kChecked = 1u << 3;    // option or check box selected at design
inline constexpr unsigned kBorder = 1u << 4;     // label with a fixed single border
inline constexpr unsigned kHidden = 1u << 5;     // not visible at design
inline constexpr unsigned kWrap = 1u << 6;       // label caption wraps over several lines
inline constexpr unsigned kNoWrap = 1u << 7;     // text area does not wrap (horizontal scroll bar)
}  // namespace ctl

struct ControlSpec {
  std::string_view name{};
  ControlKind kind = ControlKind::Label;
  std::string_view caption{};
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  FontSpec font{};
  int colour = colour::kDefault;   // text colour
  std::string_view tooltip{};
  std::string_view parent{};         // name of the frame holding the control, empty for the form
  unsigned flags = 0;
  int max_length = 0;              // text box: most characters that can be typed (0: no limit)
  int back = colour::kDefault;     // background colour
};

// A menu item. Top-level items have no parent; an item with children opens a drop-down, one
// without is a command of the menu bar itself. A caption "-" is a separator.
struct MenuSpec {
  std::string_view name{};
  std::string_view caption{};
  std::string_view parent{};
};

struct FormSpec {
  std::string_view name{};      // the window kind, "frmGeneral1"
  std::string_view caption{};   // window caption at design
  int width = 9615;           // outer size in twips
  int height = 6450;
  std::span<const ControlSpec> controls;
  std::span<const MenuSpec> menus = {};
  FontSpec font{"MS Sans Serif", 8.25, true};   // the form's font, as the windows of the time had
};

// A label whose click is an event (status labels open their menu item).
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
 signals:
  void clicked();
 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// A one-line text box whose click is an event (a click empties a parameter form's value box).
class ClickLineEdit : public QLineEdit {
  Q_OBJECT
 public:
  using QLineEdit::QLineEdit;
 signals:
  void clicked();
 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

// Builds the menus and controls of `spec` on `form`, sets its caption and its size (centred by the
// windows' rule). Every widget and menu action gets its spec name as object name, so that it can
// be found with form.findChild<T*>(name), also by other forms (status labels).
void BuildForm(Form& form, const FormSpec& spec);

// The outer height a form of `height` twips needs so that every control of the table, hidden ones
// aside, stands inside its client area with a small margin below the lowest one: `height` itself
// when they already fit, otherwise grown by the twips missing.
int HeightHoldingControls(std::span<const ControlSpec> controls, int height);

// Builds only the controls on `parent` (a form or another widget), offset by `top_offset` twips.
void BuildControls(QWidget& parent, std::span<const ControlSpec> controls, int top_offset = 0);

// The QFont of a spec on top of `base`.
QFont MakeFont(const FontSpec& spec, const QFont& base);

// Sets a widget's text colour (0xRRGGBB).
void SetTextColour(QWidget& widget, int rgb);
int TextColour(const QWidget& widget);

// The height in twips of the menu bar BuildForm puts on a form with menus.
int MenuBarHeightTwips();

// Finds a named child of `form`; throws std::logic_error naming it when there is none (a control
// table and its handlers disagree).
QWidget& ControlNamed(const QWidget& form, std::string_view name);
template <class T>
T& Control(const QWidget& form, std::string_view name) {
  T* widget = qobject_cast<T*>(&ControlNamed(form, name));
  if (!widget) throw std::logic_error("control " + std::string(name) + " is not of the expected kind");
  return *widget;
}
QAction& MenuAction(const QWidget& form, std::string_view name);

}  // namespace pave
