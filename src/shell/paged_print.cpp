#include "shell/paged_print.h"

#include <algorithm>
#include <cmath>

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

constexpr double kTextPoints = 10;
// The smallest size the text font is made to fit a long line; a line longer still goes on on
// continuation lines.
constexpr double kLeastTextPoints = 7;
// A continuation line begins with this mark, two columns in front of the text column where there
// is room.
constexpr std::string_view kContinuationMark = "+ ";

// Sets the text font in the style's order; a refused setting skips the ones not yet made. True
// when all three were accepted.
bool SetFont(const PagedPrintStyle& style, Printer& printer, double points) {
  for (FontSetting setting : style.font_order) {
    bool accepted = true;
    switch (setting) {
      case FontSetting::Name: accepted = printer.SetFontName("Courier New"); break;
      case FontSetting::Bold: accepted = printer.SetFontBold(true); break;
      case FontSetting::Size: accepted = printer.SetFontSize(points); break;
    }
    if (!accepted) return false;
  }
  return true;
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

// The lines of a text: up to each line feed, a carriage return in front of it dropped; a last line
// without a line feed counts too.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t found = text.find('\n', start);
    const std::size_t end = found == std::string_view::npos ? text.size() : found;
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    start = found == std::string_view::npos ? text.size() : found + 1;
    if (!visit(line)) return;
  }
}

// Characters of a UTF-8 text (a byte that continues a character does not count).
int Characters(std::string_view text) {
  int count = 0;
  for (char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

// The bytes of the first `count` characters of text.
std::size_t BytesOf(std::string_view text, int count) {
  std::size_t at = 0;
  for (int n = 0; at < text.size(); ++at) {
    if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80 && n++ == count) break;
  }
  return at;
}

// Makes the text font, set at kTextPoints, small enough that `columns` columns fit on a line,
// though not below kLeastTextPoints. Returns the size the font has then.
double FitTextFont(Printer& printer, int columns) {
  const int holds = printer.LineColumns();
  if (holds <= 0 || holds >= columns) return kTextPoints;
  const double first_try = std::floor(kTextPoints * holds / columns * 4) / 4;   // quarter points
  double fitted = kTextPoints;
  for (double size = std::max(first_try, kLeastTextPoints); size >= kLeastTextPoints; size -= 0.25) {
    if (!printer.SetFontSize(size)) break;
    fitted = size;
    if (printer.LineColumns() >= columns) break;
  }
  return fitted;
}

// Where the lines of the text go: the text column, and the columns a line holds (0: any length).
struct LineLayout {
  int text_column = 1;
  int line_columns = 0;
};

// The printed lines of one text line: the line itself, and where it does not fit on the sheet,
// continuation lines, each the rest of the line behind the continuation mark. Each is handed to
// `print` with its column; false from `print` stops.
template <typename Print>
bool PrintWhole(std::string_view line, const LineLayout& layout, Print print) {
  const int indent = layout.text_column - 1;
  if (layout.line_columns <= 0 || indent + Characters(line) <= layout.line_columns) {
    return print(std::string(line), layout.text_column);
  }
  const int mark = static_cast<int>(kContinuationMark.size());
  const int mark_column = std::max(1, layout.text_column - mark);
  const int first = std::max(1, layout.line_columns - indent);
  const int rest = std::max(1, layout.line_columns - (mark_column - 1) - mark);
  std::size_t cut = BytesOf(line, first);
  if (!print(std::string(line.substr(0, cut)), layout.text_column)) return false;
  line.remove_prefix(cut);
  while (!line.empty()) {
    cut = BytesOf(line, rest);
    if (!print(std::string(kContinuationMark) + std::string(line.substr(0, cut)), mark_column)) return false;
    line.remove_prefix(cut);
  }
  return true;
}

}  // namespace

bool PrintPaged(std::string_view text, const PagedPrintStyle& style, Printer& printer,
                const PagedTitle* title, const std::string& what) {
  const PrintCommand command(printer, what);   // where no printer is installed: one PDF for the whole text
  auto fail = [&printer] {
    printer.EndDocument();
    return false;
  };
  int longest = 0;
  ForEachLine(text, [&longest](std::string_view line) {
    longest = std::max(longest, Characters(line));
    return true;
  });
  const int text_columns = style.text_column - 1 + longest;

  // Plain layout: the title font was refused; no font is set from then on and columns are 1.
  bool formatted = true;
  // The text font's size, made smaller where a long line would not fit; the font is fitted only
  // when the printer took all of its settings.
  double points = kTextPoints;
  auto set_text_font = [&] {
    if (SetFont(style, printer, kTextPoints)) points = FitTextFont(printer, text_columns);
  };
  if (title) {
    formatted = SetTitleFont(*title, printer);
  } else if (!style.font_after_leading_lines) {
    set_text_font();
  }
  if (!EmptyLines(style.leading_empty_lines, printer)) return fail();
  if (!title && style.font_after_leading_lines) set_text_font();

  int count = 0;
  if (title) {
    if (!printer.PrintLine(title->text, formatted ? title->column : 1)) return fail();
    if (formatted && printer.SetFontName("Courier New") && printer.SetFontSize(kTextPoints)) {
      points = FitTextFont(printer, text_columns);
    }
    if (!EmptyLines(1, printer)) return fail();
    count = 2;
  }
  const LineLayout layout{formatted ? style.text_column : 1, printer.LineColumns()};
  const int heading_column = formatted ? style.heading_column : 1;

  int page = 1;
  int page_lines = style.first_page_lines > 0 ? style.first_page_lines : style.lines_per_page;
  bool printed = true;
  auto print = [&](const std::string& line, int column) {
    if (page_lines > 0 && count == page_lines) {
      if (!printer.EndDocument()) return printed = false;
      ++page;
      if (formatted) SetFont(style, printer, points);
      count = 0;
      page_lines = style.lines_per_page;
      if (!EmptyLines(style.heading_empty_lines, printer) ||
          !printer.PrintLine("page " + Str(page), heading_column) || !EmptyLines(1, printer)) {
        return printed = fail();
      }
    }
    if (!printer.PrintLine(line, column)) return printed = fail();
    ++count;
    return true;
  };
  ForEachLine(text, [&](std::string_view line) { return PrintWhole(line, layout, print); });
  if (!printed) return false;
  return printer.EndDocument();
}

void PrintPagedText(const std::string& text, const std::string& what) {
  if (!PrintPaged(text, SharedPagedStyle(), platform().printer(), nullptr, what)) {
    platform().messages().Tell(kPrinterFailedMessage, "ROVANTE");
  }
}

}  // namespace pave
