#include "shell/gui/data_set_buttons.h"

#include <QLabel>
#include <QRadioButton>

#include <string>

#include "platform/gui/control_table.h"

namespace pave {

namespace {
QRadioButton& Button(QWidget& form, int n) { return Control<QRadioButton>(form, "optDataSet" + std::to_string(n)); }
}  // namespace

DataSetButtons::DataSetButtons(QWidget& form, int count) : form_(form), count_(count) {}

void DataSetButtons::OnClicked(std::function<void(int)> handler) {
  for (int n = 1; n <= count_; ++n) {
    QObject::connect(&Button(form_, n), &QRadioButton::clicked, &form_, [handler, n] { handler(n); });
  }
}

void DataSetButtons::Select(int n) { Button(form_, n).setChecked(true); }

int DataSetButtons::Selected() const {
  for (int n = 1; n <= count_; ++n)
    if (Button(form_, n).isChecked()) return n;
  return 0;
}

void DataSetButtons::MarkExists(int n) {
  auto& label = Control<QLabel>(form_, "Label" + std::to_string(n));
  label.setText("Yes");
  SetTextColour(label, colour::kRed);
}

void DataSetButtons::MarkAbsent(int n) {
  auto& label = Control<QLabel>(form_, "Label" + std::to_string(n));
  label.setText("No");
  SetTextColour(label, colour::kBlue);
}

void DataSetButtons::Reset() {
  Select(1);
  for (int n = 2; n <= count_; ++n) MarkAbsent(n);
}

}  // namespace pave
