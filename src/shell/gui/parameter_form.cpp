#include "shell/gui/parameter_form.h"

#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/number_format.h"
#include "common/numeric_value.h"
#include "common/value_ranges.h"
#include "platform/platform.h"

namespace pave {

namespace {
// The font of the rows' labels.
constexpr FontSpec kLabelFont{"MS Sans Serif", 8.25, false};

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

// The field name's part of a caption.
QString FieldPart(std::string_view field) { return "(" + Q(field) + ")"; }
}  // namespace

void ParameterForm::BuildParameterForm(std::string_view name, const std::string& caption,
                                       std::span<const ParameterRow> rows, const ParameterLayout& given,
                                       std::span<const ControlSpec> extra, int first_row) {
  // The field names stand in one column behind the widest text; where the widest caption would not
  // fit its label, the labels grow and the boxes (and OK) move right by the twips missing.
  const QFontMetricsF metrics(MakeFont(kLabelFont, MakeFont(FormSpec{}.font, font())));
  column_ = 0;
  double widest = 0;
  for (const ParameterRow& r : rows) {
    column_ = std::max(column_, metrics.horizontalAdvance(Q(r.text) + "  "));
    widest = std::max(widest, metrics.horizontalAdvance(FieldPart(r.field)));
  }
  ParameterLayout layout = given;
  const int missing = PixelsToTwips(static_cast<int>(std::ceil(column_ + widest)) + 1) - layout.label_width;
  if (missing > 0) {
    layout.label_width += missing;
    layout.box_left += missing;
  }

  controls_.assign(extra.begin(), extra.end());
  int row = first_row;
  for (const ParameterRow& r : rows) {
    const int top = layout.top + row * layout.pitch;
    texts_.push_back(std::string(r.text));
    texts_.push_back(LabelName(r.box));
    ControlSpec label{texts_.back(), ControlKind::Label, texts_[texts_.size() - 2], layout.left, top + 30,
                      layout.label_width, layout.height};
    label.font = kLabelFont;
    controls_.push_back(label);
    ControlSpec box{r.box, ControlKind::TextBox, "", layout.box_left, top, layout.box_width, layout.height};
    box.colour = r.colour;
    controls_.push_back(box);
    ++row;
  }
  const int below = layout.top + row * layout.pitch + 120;
  controls_.push_back(ControlSpec{"Text1", ControlKind::TextArea, "", layout.left, below,
                                  layout.box_left - layout.left - 240, layout.help_height, {}, colour::kBlue,
                                  {}, {}, ctl::kReadOnly});
  controls_.push_back(ControlSpec{"cmdOk", ControlKind::Button, "&OK", layout.box_left, below,
                                  layout.box_width, 400});
  texts_.push_back(caption);
  FormSpec spec{name, texts_.back(), layout.form_width, 6450, controls_};
  BuildForm(*this, spec);
  // The column measured again in the labels' own font, as they show it.
  const QFontMetricsF shown(Control<QLabel>(*this, LabelName(rows.front().box)).font());
  column_ = 0;
  for (const ParameterRow& r : rows) column_ = std::max(column_, shown.horizontalAdvance(Q(r.text) + "  "));
  for (const ParameterRow& r : rows) {
    SetCaption(r.box, r.text, r.field);
    fields_[std::string(r.box)] = std::string(r.field);
  }
  for (const ParameterRow& r : rows) {
    auto* box = &Box(r.box);
    connect(static_cast<ClickLineEdit*>(box), &ClickLineEdit::clicked, box, [box] { box->clear(); });
  }
  if (std::optional<EditorKind> editor = EditorOfWindowKind(std::string(name))) BindToEditor(*editor);
  connect(&Control<QPushButton>(*this, "cmdOk"), &QPushButton::clicked, this, [this] { RunOk(); });

  // Tab goes from the form's own text boxes (the title) down the rows to OK, then to the form's
  // other controls (option buttons); the help text takes the focus only when clicked.
  std::vector<QWidget*> chain;
  for (const ControlSpec& c : extra) {
    if (c.kind == ControlKind::TextBox) chain.push_back(&ControlNamed(*this, c.name));
  }
  for (const ParameterRow& r : rows) chain.push_back(&Box(r.box));
  chain.push_back(&Control<QPushButton>(*this, "cmdOk"));
  for (const ControlSpec& c : extra) {
    if (c.kind != ControlKind::TextBox && c.kind != ControlKind::Label && c.kind != ControlKind::Frame &&
        c.kind != ControlKind::TextArea)
      chain.push_back(&ControlNamed(*this, c.name));
  }
  for (std::size_t i = 0; i + 1 < chain.size(); ++i) QWidget::setTabOrder(chain[i], chain[i + 1]);
  Control<QPlainTextEdit>(*this, "Text1").setFocusPolicy(Qt::ClickFocus);
}

bool ParameterForm::RunOk() {
  if (!SessionCurrent()) {
    Refuse(kSessionEndedMessage);
    Close();
    return false;
  }
  return StoreByOk([this] {
    // A form closes only through an OK that succeeded.
    confirmed_ = true;
    Ok();
    confirmed_ = registry() == nullptr;
    return confirmed_;
  });
}

void ParameterForm::Show() {
  if (!shown_) shown_ = Shown();
  Form::Show();
}

std::vector<std::string> ParameterForm::Shown() const {
  std::vector<std::string> shown;
  for (const QLineEdit* box : findChildren<QLineEdit*>()) shown.push_back(box->text().toStdString());
  for (const QAbstractButton* b : findChildren<QAbstractButton*>()) shown.push_back(b->isChecked() ? "1" : "0");
  return shown;
}

bool ParameterForm::HoldsEdits() const {
  // A form that the table which opened it waits for confirms what that table stored for it.
  return registry() && (WaitedOn() || (shown_ && Shown() != *shown_));
}

std::string ParameterForm::WindowTitle() const { return windowTitle().toStdString(); }

bool ParameterForm::TakeEdits() { return RunOk(); }

void ParameterForm::DropEdits() { Close(); }

void ParameterForm::Destroy() {
  hide();   // gone before a waiting opener shows itself again
  WindowClosing();
  Form::Destroy();
}

std::string ParameterForm::LabelName(std::string_view box) { return "lbl" + std::string(box.substr(3)); }

void ParameterForm::SetCaption(std::string_view box, std::string_view text, std::string_view field) {
  auto& label = Control<QLabel>(*this, LabelName(box));
  QFont font = label.font();
  font.setWordSpacing(0);
  const QFontMetricsF metrics(font);
  const QString t = Q(text);
  // A caption set later (one that names the unit system) may need the column further right; the
  // captions set before then move with it.
  const double wanted = metrics.horizontalAdvance(t + "  ");
  captions_[std::string(box)] = {std::string(text), std::string(field)};
  if (wanted > column_) {
    column_ = wanted;
    for (const auto& [other, caption] : captions_) {
      if (other != box) SetCaption(other, caption.first, caption.second);
    }
  }
  const double blank = std::max(1.0, metrics.horizontalAdvance(' '));
  const int blanks = std::max(2, static_cast<int>((column_ - metrics.horizontalAdvance(t)) / blank));
  const QString padded = t + QString(blanks, ' ');
  // Whole blanks of a proportional face fall short of the column by part of a blank; the caption's
  // runs of blanks (word spacing widens each run once) share what is left, so that every field name
  // starts at the same place.
  const double rest = column_ - metrics.horizontalAdvance(padded);
  int runs = 0;
  for (qsizetype i = 0; i < padded.size(); ++i) runs += padded[i] == ' ' && (i == 0 || padded[i - 1] != ' ');
  if (rest > 0) font.setWordSpacing(rest / runs);
  label.setFont(font);
  label.setText(padded + FieldPart(field));
}

QLineEdit& ParameterForm::Box(std::string_view name) const { return Control<QLineEdit>(*this, name); }

void ParameterForm::SetTitleBox(std::string_view name, const std::string& title) {
  QLineEdit& box = Box(name);
  const QString text = QString::fromStdString(title);
  if (text.size() > box.maxLength()) box.setMaxLength(static_cast<int>(text.size()));
  box.setText(text);
}

namespace {
// A number as ordinary decimal text: its digits with a 0 before a leading decimal point.
std::string Decimal(std::string digits) {
  if (!digits.empty() && digits.front() == ' ') digits.erase(0, 1);
  if (!digits.empty() && digits.front() == '.') digits.insert(0, "0");
  if (digits.size() > 1 && digits[0] == '-' && digits[1] == '.') digits.insert(1, "0");
  return digits;
}
}  // namespace

void ParameterForm::SetBox(std::string_view name, const Value& v) {
  Box(name).setText(QString::fromStdString(v.IsNumber() ? Decimal(Str(v.Number())) : v.Text()));
}

void ParameterForm::SetBox(std::string_view name, float v) {
  Box(name).setText(QString::fromStdString(Decimal(Str(v))));
}

std::string ParameterForm::FieldOf(std::string_view box) const {
  const auto it = fields_.find(box);
  return it != fields_.end() ? it->second : std::string(box);
}

namespace {
// The number a box's text spells (blanks around it allowed); a number beyond the range of a double
// ("1E999") is taken as the infinity of its sign, so that a range check names the limit it passed.
std::optional<double> TypedNumber(const std::string& text) {
  if (const std::optional<double> v = ParseNumber(text)) return v;
  // What ParseNumber refuses is a number beyond a double's range when it has the form of one:
  // [sign] digits [. digits] [(E|D) [sign] digits], blanks around it.
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
  std::size_t i = 0, end = text.size();
  while (i < end && blank(text[i])) ++i;
  while (end > i && blank(text[end - 1])) --end;
  const bool negative = i < end && text[i] == '-';
  if (i < end && (text[i] == '+' || text[i] == '-')) ++i;
  int digits = 0;
  while (i < end && digit(text[i])) ++i, ++digits;
  if (i < end && text[i] == '.') ++i;
  while (i < end && digit(text[i])) ++i, ++digits;
  if (digits > 0 && i < end && std::string_view("EeDd").find(text[i]) != std::string_view::npos) {
    ++i;
    if (i < end && (text[i] == '+' || text[i] == '-')) ++i;
    int exponent = 0;
    while (i < end && digit(text[i])) ++i, ++exponent;
    if (exponent == 0) return std::nullopt;
  }
  if (digits == 0 || i != end) return std::nullopt;
  const double infinity = std::numeric_limits<double>::infinity();
  return negative ? -infinity : infinity;
}
}  // namespace

std::optional<double> ParameterForm::BoxWithin(std::string_view box, double most, const std::string& shown) {
  const std::optional<double> v = TypedNumber(Box(box).text().toStdString());
  if (!v) {
    RefuseAt(box, "A number is required for " + FieldOf(box) + ".");
  } else if (*v > most) {
    RefuseAt(box, FieldOf(box) + " should not be greater than " + shown + ".");
  } else if (*v < -most) {
    RefuseAt(box, FieldOf(box) + " should not be less than -" + shown + ".");
  } else {
    return v;
  }
  return std::nullopt;
}

std::optional<double> ParameterForm::BoxValue(std::string_view box) {
  constexpr double kMost = std::numeric_limits<double>::max();
  return BoxWithin(box, kMost, Decimal(Str(kMost)));
}

std::optional<std::vector<double>> ParameterForm::BoxValues(std::span<const ParameterRow> rows) {
  std::vector<double> values;
  for (const ParameterRow& row : rows) {
    const std::optional<double> v = BoxValue(row.box);
    if (!v) return std::nullopt;
    values.push_back(*v);
  }
  return values;
}

std::optional<double> ParameterForm::BoxSingle(std::string_view box) {
  constexpr float kMost = std::numeric_limits<float>::max();
  return BoxWithin(box, kMost, Decimal(Str(kMost)));
}

std::optional<int> ParameterForm::BoxCount(std::string_view box, int low, int high) {
  const std::optional<double> v = BoxWithin(box, std::numeric_limits<double>::infinity(), "");
  if (!v) return std::nullopt;
  const std::string f = FieldOf(box);
  if (*v > high) {
    RefuseAt(box, f + " should not be greater than " + std::to_string(high) + ".");
  } else if (*v < low) {
    RefuseAt(box, f + " should not be less than " + std::to_string(low) + ".");
  } else if (std::floor(*v) != *v) {
    RefuseAt(box, f + " should be a whole number.");
  } else {
    return static_cast<int>(*v);
  }
  return std::nullopt;
}

std::optional<double> ParameterForm::BoxInRange(std::string_view box, const ValueRange& range, bool si) {
  const std::optional<double> v = BoxValue(box);
  if (!v) return std::nullopt;
  if (range.Holds(*v, si)) return v;
  const std::string rule = RangeRule(range, si, false);
  RefuseAt(box, FieldOf(box) + " should be " + rule + (rule.back() == '.' ? "" : "."));
  return std::nullopt;
}

void ParameterForm::RefuseAt(std::string_view box, const std::string& message) {
  Refuse(message);
  StayAt(box);
}

void ParameterForm::StayAt(std::string_view box) {
  QLineEdit& edit = Box(box);
  edit.setFocus(Qt::OtherFocusReason);
  edit.selectAll();
}

void ParameterForm::Refuse(const std::string& message) const { platform().messages().Tell(message, kTitle); }

void ParameterForm::Close() {
  if (registry()) registry()->Unload(this);
}

void ParameterForm::SetHelp(const std::string& text) {
  Control<QPlainTextEdit>(*this, "Text1").setPlainText(QString::fromStdString(text));
}

}  // namespace pave
