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
  int first_page_lines = 0;       // text lines on page 1; 0: lines_per_page
  int leading_empty_lines = 5;    // empty lines at the top of page 1
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

// A title printed on page 1 between the leading empty lines and the text, followed by one empty
// line, in a font of its own (set name, bold, size, before the leading empty lines). When the
// printer refuses one of the three settings the whole printout uses the plain layout: no further
// font is set and every line, the title and the page headings too, starts at the left margin.
struct PagedTitle {
  std::string text;
  std::string font_name = "MS Sans Serif";
  double points = 14;
  int column = 12;
};

// Prints text, whose lines end in CR LF (or LF), with `style` on `printer` as one print command
// that prints `what` (a file's or a topic's name): every line is printed, also a last one without
// a line end; a page heading is printed only when a line follows it.
// The font is "Courier New" 10 point bold; a refused setting skips the ones not yet made. With a
// title, the title and its empty line count as text lines of page 1, and after the title only the
// name and the size of the text font are set (bold stays). Returns false when the printer failed;
// printing then stops and what was printed is sent.
// Every character reaches the sheet: where the longest line, from its print column, is wider than
// the sheet, the whole text is printed in a smaller size that holds it (not below 7 points); a line
// wider still goes on on continuation lines, each beginning with "+ " two columns in front of the
// text column. A continuation line counts as a line of its page.
bool PrintPaged(std::string_view text, const PagedPrintStyle& style, Printer& printer,
                const PagedTitle* title = nullptr, const std::string& what = "");

// The shared procedure of the example screens and the help: PrintPaged with the shared style on
// the platform's printer; a printer failure is told in a message box.
void PrintPagedText(const std::string& text, const std::string& what = "");

// The message shown when the printer fails in the middle of a printout.
inline constexpr const char* kPrinterFailedMessage =
    "The printer did not accept the text; printing stopped.";

}  // namespace pave
