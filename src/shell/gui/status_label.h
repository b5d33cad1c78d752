// Status labels: the label under each menu entry of an editor and each button of a selector says
// "input" in red (values must be entered), "default" in blue (the defaults suffice) or "done" (the
// form or table was completed; the label keeps its colour).
#pragma once

#include <string>
#include <string_view>

class QLabel;

namespace pave {

enum class Status { Input, Default, Done };

inline constexpr const char* kStatusInput = "input";
inline constexpr const char* kStatusDefault = "default";
inline constexpr const char* kStatusDone = "done";

void SetStatus(QLabel& label, Status status);
// As SetStatus, except that a label reading "done" keeps its caption and takes only the colour.
void SetStatusKeepingDone(QLabel& label, Status status);

// The label `label` of the loaded window of `window_kind`, or null when that window is not open.
QLabel* StatusLabelOf(const std::string& window_kind, std::string_view label);

// Marks the label `label` of the window of `window_kind` "done" when that window is loaded; a
// window that is no longer open is left alone (marking it must not load it again). Returns whether
// a label was marked.
bool MarkDone(const std::string& window_kind, std::string_view label);

}  // namespace pave
