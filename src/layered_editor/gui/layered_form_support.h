// What the layered editor's forms share: the current data set, the status labels of other open
// forms, and the texts that name a data set.
#pragma once

#include <string>
#include <string_view>

class QLabel;

namespace pave {

// The current data set (gLayeredSet), 1 to 5.
int CurrentLayeredSet();

// The label `name` of the loaded window `kind`, or null.
QLabel* LabelOf(const std::string& kind, std::string_view name);

// Recolours a status label of the main menu from a condition: "input" in red when it holds (a
// label reading "done" keeps its caption but turns red), otherwise "default" in blue.
void RecolourByCondition(std::string_view label, bool input_needed);
// Turns a main-menu label "input" in red when the condition holds; otherwise leaves it alone.
void MarkInputIf(std::string_view label, bool input_needed);

// A count of the current data set as a grid's line count (0 when it is not a valid count).
double CountOrZero(double value);

}  // namespace pave
