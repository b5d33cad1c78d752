// What the slab editor's forms share: the current data set, its number as the captions show it,
// and the status labels of the main menu and of the other open forms.
#pragma once

#include <string>
#include <string_view>

#include "shell/gui/status_label.h"

namespace pave {

// The current data set (gSlabSet), 1 or 2.
int CurrentSlabSet();

// A caption that names a data set: the text and the set number with its leading blank
// ("General Information for Set No. " gives "... Set No.  1").
std::string DataSetCaption(const std::string& text, int set);

// Sets a status label of the loaded window `kind` (nothing when it is not open). With keep_done a
// label reading "done" keeps its caption and takes only the colour.
void MarkStatus(const std::string& kind, std::string_view label, Status status, bool keep_done = false);

// A count of the data set as a grid's line count: 0 when it is not a whole number of 0 or more.
double LineCount(double count);

}  // namespace pave
