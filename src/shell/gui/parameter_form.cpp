#include "shell/gui/parameter_form.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>

#include "common/number_format.h"
#include "common/numeric_value.h"
#include "platform/platform.h"

namespace pave {

std::string ParameterCaption(std::string_view text, std::string_view field, std::size_t width) {
  std::string caption(text);
  const std::size_t pad = width > caption.size() ? width - caption.size() : 0;
  caption += std::string(pad + 2, ' ');
  caption += "(" + std::string(field) + ")";
  return caption;
}

void ParameterForm::BuildParameterForm(std::string_view name, const std::string& caption,
                                       std::span<const ParameterRow> rows, const ParameterLayout& layout,
                                       std::span<const ControlSpec> extra, int first_row) {
  std::size_t width = 0;
  for (const ParameterRow& r : rows) width = std::max(width, r.text.size());
  controls_.assign(extra.begin(), extra.end());
  int row = first_row;
  for (const ParameterRow& r : rows) {
    const int top = layout.top + row * layout.pitch;
    texts_.push_back(ParameterCaption(r.text, r.field, width));
    texts_.push_back("lbl" + std::string(r.box.substr(3)));
    ControlSpec label{texts_.back(), ControlKind::Label, texts_[texts_.size() - 2], layout.left, top + 30,
                      layout.label_width, layout.height};
    label.font = FontSpec{"Courier New", 8.25, true};
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
  FormSpec spec{name, texts_.back(), 9615, 6450, controls_};
  BuildForm(*this, spec);
  for (const ParameterRow& r : rows) {
    auto* box = &Box(r.box);
    connect(static_cast<ClickLineEdit*>(box), &ClickLineEdit::clicked, box, [box] { box->clear(); });
  }
  connect(&Control<QPushButton>(*this, "cmdOk"), &QPushButton::clicked, this, [this] { Ok(); });
}

QLineEdit& ParameterForm::Box(std::string_view name) const { return Control<QLineEdit>(*this, name); }

void ParameterForm::SetBox(std::string_view name, const Value& v) {
  Box(name).setText(QString::fromStdString(v.Text()));
}

void ParameterForm::SetBox(std::string_view name, double v) { SetBox(name, Value(v)); }

double ParameterForm::BoxNumber(std::string_view name) const {
  return NumericValue(Box(name).text().toStdString());
}

std::optional<int> ParameterForm::BoxCount(std::string_view box, std::string_view field, int low, int high) {
  const double v = BoxNumber(box);
  const std::string f(field);
  if (v > high) {
    Refuse(f + " should not be greater than " + std::to_string(high) + ".");
  } else if (v < low) {
    Refuse(f + " should not be less than " + std::to_string(low) + ".");
  } else if (std::floor(v) != v) {
    Refuse(f + " should be a whole number.");
  } else {
    return static_cast<int>(v);
  }
  return std::nullopt;
}

void ParameterForm::Refuse(const std::string& message) const { platform().messages().Tell(message, kTitle); }

void ParameterForm::Close() {
  if (registry()) registry()->Unload(this);
}

void ParameterForm::SetHelp(const std::string& text) {
  Control<QPlainTextEdit>(*this, "Text1").setPlainText(QString::fromStdString(text));
}

}  // namespace pave
