#include "shell/paged_print.h"

#include "common/number_format.h"
#include "platform/platform.h"

namespace pave {

PagedPrintStyle SharedPagedStyle() { return PagedPrintStyle{}; }

PagedPrintStyle EditorPagedStyle(int lines_per_page) {
  PagedPrintStyle style;
  style.lines_per_page = lines_per_page;
  style.font_order = {FontSetting::Bold, FontSetting::Name, FontSetting::Size};
  style.font_after_leading_lines = true;
  style.heading_empty_lines = 3;
  style.heading_column = 12;
  return style;
}

namespace {

void SetFont(const PagedPrintStyle& style, Printer& printer) {
  for (FontSetting setting : style.font_order) {
    bool accepted = true;
    switch (setting) {
      case FontSetting::Name: accepted = printer.SetFontName("Courier New"); break;
      case FontSetting::Bold: accepted = printer.SetFontBold(true); break;
      case FontSetting::Size: accepted = printer.SetFontSize(10); break;
    }
    if (!accepted) return;
  }
}

// The title's font in the order name, bold, size; true when all three were accepted.
bool SetTitleFont(const PagedTitle& title, Printer& printer) {
  return printer.SetFontName(title.font_name) && printer.SetFontBold(true) && printer.SetFontSize(title.points);
}

bool EmptyLines(int count, Printer& printer) {
  for (int i = 0; i < count; ++i) {
    if (!printer.PrintLine("")) return false;
  }
  return true;
}

}  // namespace

bool PrintPaged(std::string_view text, const PagedPrintStyle& style, Printer& printer,
                const PagedTitle* title) {
  const PrintCommand command(printer);   // where no printer is installed: one PDF for the whole text
  auto fail = [&printer] {
    printer.EndDocument();
    return false;
  };
  // Plain layout: the title font was refused; no font is set from then on and columns are 1.
  bool formatted = true;
  if (title) {
    formatted = SetTitleFont(*title, printer);
  } else if (!style.font_after_leading_lines) {
    SetFont(style, printer);
  }
  if (!EmptyLines(style.leading_empty_lines, printer)) return fail();
  if (!title && style.font_after_leading_lines) SetFont(style, printer);

  int count = 0;
  if (title) {
    if (!printer.PrintLine(title->text, formatted ? title->column : 1)) return fail();
    if (formatted) {
      printer.SetFontName("Courier New");
      printer.SetFontSize(10);
    }
    if (!EmptyLines(1, printer)) return fail();
    count = 2;
  }
  const int text_column = formatted ? style.text_column : 1;
  const int heading_column = formatted ? style.heading_column : 1;

  int page = 1;
  int page_lines = style.first_page_lines > 0 ? style.first_page_lines : style.lines_per_page;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t found = text.find('\n', start);
    std::size_t end = found == std::string_view::npos ? text.size() : found;
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    start = found == std::string_view::npos ? text.size() : found + 1;

    if (page_lines > 0 && count == page_lines) {
      if (!printer.EndDocument()) return false;
      ++page;
      if (formatted) SetFont(style, printer);
      count = 0;
      page_lines = style.lines_per_page;
      if (!EmptyLines(style.heading_empty_lines, printer)) return fail();
      if (!printer.PrintLine("page " + Str(page), heading_column)) return fail();
      if (!EmptyLines(1, printer)) return fail();
    }
    if (!printer.PrintLine(std::string(line), text_column)) return fail();
    ++count;
  }
  return printer.EndDocument();
}

void PrintPagedText(const std::string& text) {
  if (!PrintPaged(text, SharedPagedStyle(), platform().printer())) {
    platform().messages().Tell(kPrinterFailedMessage, "ROVANTE");
  }
}

}  // namespace pave
