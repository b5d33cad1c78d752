// Printing a long text page by page on the printer: five empty lines, then the text lines from a
// print column; after every full page the print document ends (each page is a job of its own) and
// the next page begins with a few empty lines, the heading "page  n" and one empty line.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/printer.h"

namespace pave {

enum class FontSetting { Name, Bold, Size };

struct PagedPrintStyle {
  int lines_per_page = 58;        // text lines a page; 0: never a new page
  std::array<FontSetting, 3> font_order{FontSetting::Name, FontSetting::Bold, FontSetting::Size};
  bool font_after_leading_lines = false;   // set the font after the five empty lines of page 1
  int heading_empty_lines = 2;    // empty lines in front of the page heading
  int heading_column = 13;
  int text_column = 12;
};

// The style of the shared paged printing (58 lines, heading at column 13) and of the text
// editor's Print (its own lines a page, font after the first empty lines, heading at column 12).
PagedPrintStyle SharedPagedStyle();
PagedPrintStyle EditorPagedStyle(int lines_per_page);

// Prints text, whose lines end in CR LF (or LF), with `style` on `printer` as one print command:
// every line is printed,
// also a last one without a line end; a page heading is printed only when a line follows it.
// The font is "Courier New" 10 point bold; a refused setting skips the ones not yet made. Returns
// false when the printer failed; printing then stops and what was printed is sent.
bool PrintPaged(std::string_view text, const PagedPrintStyle& style, Printer& printer);

// The shared procedure of the example screens and the help: PrintPaged with the shared style on
// the platform's printer; a printer failure is told in a message box.
void PrintPagedText(const std::string& text);

// The message shown when the printer fails in the middle of a printout.
inline constexpr const char* kPrinterFailedMessage =
    "The printer did not accept the text; printing stopped.";

}  // namespace pave
