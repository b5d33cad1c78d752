// Printing a help topic: its title on the first page, then its text page by page, each page a
// print job of its own and every page after the first headed by its number.
#pragma once

#include <string_view>

#include "platform/printer.h"
#include "shell/paged_print.h"

namespace pave {

// Four empty lines, the title in 14 point bold at column 12 and an empty line open page 1, which
// then holds 53 text lines; every later page holds its heading and 57 text lines.
PagedPrintStyle HelpPagedStyle();

// Prints `title` and `text` (lines ended by CR LF) on `printer`. False when the printer failed;
// printing then stops and what was printed is sent.
bool PrintHelpTopic(std::string_view title, std::string_view text, Printer& printer);

}  // namespace pave
