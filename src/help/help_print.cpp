#include "help/help_print.h"

#include <string>

namespace pave {

PagedPrintStyle HelpPagedStyle() {
  PagedPrintStyle style;
  style.lines_per_page = 57;
  style.first_page_lines = 55;   // the title and its empty line count on page 1
  style.leading_empty_lines = 4;
  return style;
}

bool PrintHelpTopic(std::string_view title, std::string_view text, Printer& printer) {
  PagedTitle heading;
  heading.text = std::string(title);
  return PrintPaged(text, HelpPagedStyle(), printer, &heading, heading.text);
}

}  // namespace pave
