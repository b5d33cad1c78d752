// Where the field names of a parameter form stand: every label caption that ends with a field name
// in parentheses after a run of blanks ("Number of layers      (NL)") should show that name starting
// at one place in every row, and whole inside its label.
#pragma once

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QLabel>
#include <QRegularExpression>
#include <QWidget>

#include <cmath>

namespace pave::testing {

inline void ExpectFieldNamesInOneColumn(const QWidget& form) {
  static const QRegularExpression caption(R"(^(.*\S {2,})(\([A-Z0-9]+\))$)");
  double first = -1;
  int rows = 0;
  for (const QLabel* label : form.findChildren<QLabel*>()) {
    const QRegularExpressionMatch m = caption.match(label->text());
    if (!m.hasMatch()) continue;
    ++rows;
    const QFontMetricsF metrics(label->font());
    const double left = label->x() + metrics.horizontalAdvance(m.captured(1));
    const double right = left + metrics.horizontalAdvance(m.captured(2));
    if (first < 0) first = left;
    EXPECT_LT(std::abs(left - first), 0.75) << m.captured(2).toStdString() << " starts at " << left << ", not " << first;
    EXPECT_LE(right, label->x() + label->width()) << m.captured(2).toStdString() << " is cut by its label";
  }
  EXPECT_GT(rows, 1) << form.objectName().toStdString();
}

}  // namespace pave::testing
