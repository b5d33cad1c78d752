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

bool EmptyLines(int count, Printer& printer) {
  for (int i = 0; i < count; ++i) {
    if (!printer.PrintLine("")) return false;
  }
  return true;
}

}  // namespace

bool PrintPaged(std::string_view text, const PagedPrintStyle& style, Printer& printer) {
  const PrintCommand command(printer);   // where no printer is installed: one PDF for the whole text
  auto fail = [&printer] {
    printer.EndDocument();
    return false;
  };
  if (!style.font_after_leading_lines) SetFont(style, printer);
  if (!EmptyLines(5, printer)) return fail();
  if (style.font_after_leading_lines) SetFont(style, printer);

  int page = 1;
  int count = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t found = text.find('\n', start);
    std::size_t end = found == std::string_view::npos ? text.size() : found;
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    start = found == std::string_view::npos ? text.size() : found + 1;

    if (style.lines_per_page > 0 && count == style.lines_per_page) {
      if (!printer.EndDocument()) return false;
      ++page;
      SetFont(style, printer);
      count = 0;
      if (!EmptyLines(style.heading_empty_lines, printer)) return fail();
      if (!printer.PrintLine("page " + Str(page), style.heading_column)) return fail();
      if (!EmptyLines(1, printer)) return fail();
    }
    if (!printer.PrintLine(std::string(line), style.text_column)) return fail();
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
