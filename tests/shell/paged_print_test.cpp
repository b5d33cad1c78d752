#include "shell/paged_print.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/scripted_services.h"

namespace pave {
namespace {

const std::string kCol12(11, ' ');
const std::string kCol13(12, ' ');

std::string Lines(int n, int first = 1) {
  std::string text;
  for (int i = first; i < first + n; ++i) text += "line " + std::to_string(i) + "\r\n";
  return text;
}

std::vector<std::string> Expected(int first, int last) {
  std::vector<std::string> out;
  for (int i = first; i <= last; ++i) out.push_back(kCol12 + "line " + std::to_string(i));
  return out;
}

std::vector<std::string> FirstPage(int first, int last) {
  std::vector<std::string> out(5, "");
  for (const std::string& l : Expected(first, last)) out.push_back(l);
  return out;
}

std::vector<std::string> LaterPage(int page, int first, int last, int blanks = 2,
                                   const std::string& heading_indent = kCol13) {
  std::vector<std::string> out(static_cast<std::size_t>(blanks), "");
  out.push_back(heading_indent + "page  " + std::to_string(page));
  out.push_back("");
  for (const std::string& l : Expected(first, last)) out.push_back(l);
  return out;
}

TEST(PagedPrint, FiftyEightLinesAPageWithPageHeadings) {
  struct Case {
    int lines;
    std::vector<std::vector<std::string>> documents;
  } cases[] = {
      {1, {FirstPage(1, 1)}},
      {58, {FirstPage(1, 58)}},   // a full page is not followed by an empty one
      {59, {FirstPage(1, 58), LaterPage(2, 59, 59)}},
      {130, {FirstPage(1, 58), LaterPage(2, 59, 116), LaterPage(3, 117, 130)}},
  };
  for (const Case& c : cases) {
    ScriptedPrinter printer;
    EXPECT_TRUE(PrintPaged(Lines(c.lines), SharedPagedStyle(), printer));
    EXPECT_EQ(printer.documents, c.documents) << c.lines << " lines";
    EXPECT_TRUE(printer.open_document.empty());
    // The pages are documents of one print command (one PDF where no printer is installed).
    EXPECT_EQ(printer.commands, std::vector<int>{static_cast<int>(c.documents.size())}) << c.lines << " lines";
  }
}

TEST(PagedPrint, EveryLineIsPrintedAndEmptyLinesCount) {
  ScriptedPrinter printer;
  PrintPaged("first\r\n\r\nlast without end", SharedPagedStyle(), printer);
  ASSERT_EQ(printer.documents.size(), 1u);
  EXPECT_EQ(printer.documents[0],
            (std::vector<std::string>{"", "", "", "", "", kCol12 + "first", kCol12, kCol12 + "last without end"}));

  ScriptedPrinter no_line_feed;
  PrintPaged("only", SharedPagedStyle(), no_line_feed);
  EXPECT_EQ(no_line_feed.documents[0].back(), kCol12 + "only");

  ScriptedPrinter empty;
  PrintPaged("", SharedPagedStyle(), empty);
  EXPECT_EQ(empty.documents, (std::vector<std::vector<std::string>>{{"", "", "", "", ""}}));

  // 58 text lines of which some are empty still fill one page; the 59th starts page 2.
  ScriptedPrinter counted;
  std::string text;
  for (int i = 0; i < 58; ++i) text += "\r\n";
  PrintPaged(text + "x\r\n", SharedPagedStyle(), counted);
  ASSERT_EQ(counted.documents.size(), 2u);
  EXPECT_EQ(counted.documents[0].size(), 63u);
}

TEST(PagedPrint, FontIsSetInOrderAndARefusalSkipsTheRest) {
  ScriptedPrinter printer;
  PrintPaged(Lines(59), SharedPagedStyle(), printer);
  std::vector<ScriptedPrinter::Op> ops;
  for (const auto& call : printer.calls) {
    if (call.op != ScriptedPrinter::Op::Line) ops.push_back(call.op);
  }
  using Op = ScriptedPrinter::Op;
  EXPECT_EQ(ops, (std::vector<Op>{Op::FontName, Op::FontBold, Op::FontSize, Op::EndDocument, Op::FontName,
                                  Op::FontBold, Op::FontSize, Op::EndDocument}));
  EXPECT_EQ(printer.calls[0].text, "Courier New");
  EXPECT_TRUE(printer.calls[1].bold);
  EXPECT_EQ(printer.calls[2].size, 10);

  ScriptedPrinter refusing;
  refusing.refuse_fonts = true;
  EXPECT_TRUE(PrintPaged(Lines(3), SharedPagedStyle(), refusing));
  EXPECT_EQ(refusing.calls[0].op, Op::FontName);
  EXPECT_EQ(refusing.calls[1].op, Op::Line);   // bold and size skipped; printing goes on
  EXPECT_EQ(refusing.documents[0].size(), 8u);
}

TEST(PagedPrint, PrinterFailureStopsAndSendsWhatWasPrinted) {
  ScriptedPrinter printer;
  printer.failing_calls = {3 + 5 + 2};   // the third text line
  EXPECT_FALSE(PrintPaged(Lines(10), SharedPagedStyle(), printer));
  ASSERT_EQ(printer.documents.size(), 1u);
  EXPECT_EQ(printer.documents[0], FirstPage(1, 2));
}

TEST(PagedPrint, EditorStyleHasItsOwnHeadingAndFontOrder) {
  ScriptedPrinter printer;
  PrintPaged(Lines(5), EditorPagedStyle(3), printer);
  using Op = ScriptedPrinter::Op;
  for (int i = 0; i < 5; ++i) EXPECT_EQ(printer.calls[static_cast<std::size_t>(i)].op, Op::Line);
  EXPECT_EQ(printer.calls[5].op, Op::FontBold);
  EXPECT_EQ(printer.calls[6].op, Op::FontName);
  EXPECT_EQ(printer.calls[7].op, Op::FontSize);
  EXPECT_EQ(printer.documents,
            (std::vector<std::vector<std::string>>{FirstPage(1, 3), LaterPage(2, 4, 5, 3, kCol12)}));

  // A count that is never reached: one document without headings.
  ScriptedPrinter single;
  PrintPaged(Lines(70), EditorPagedStyle(0), single);
  EXPECT_EQ(single.documents, (std::vector<std::vector<std::string>>{FirstPage(1, 70)}));
}

// The lines a printer received, each with the column its text starts at and the text; the page
// headings and empty lines left out.
struct Printed {
  int column;
  std::string text;
};
std::vector<Printed> TextLines(const ScriptedPrinter& printer) {
  std::vector<Printed> out;
  for (const auto& call : printer.calls) {
    if (call.op == ScriptedPrinter::Op::Line && !call.text.empty() && call.text.rfind("page ", 0) != 0) {
      out.push_back({call.column, call.text});
    }
  }
  return out;
}

// The size of the text font after the last font setting.
double LastSize(const ScriptedPrinter& printer) {
  double size = 0;
  for (const auto& call : printer.calls) {
    if (call.op == ScriptedPrinter::Op::FontSize) size = call.size;
  }
  return size;
}

// Every character of every line reaches the sheet: a text whose longest line does not fit at 10
// points is printed smaller, down to 7 points, every page in the same size; a line longer still
// goes on on continuation lines marked "+ " that count as lines of their page. A printer that
// refuses the font sizes gets continuation lines at the size it has.
TEST(PagedPrint, EveryCharacterOfALongLineReachesTheSheet) {
  const std::string tnlr =
      "FOR PERIOD 1 TOTAL NO. OF LOAD REPETITIONS (TNLR) FOR EACH LOAD GROUP ARE: 3650  3650  3650 ";
  std::string very_long;
  for (int i = 0; very_long.size() < 300; ++i) very_long += "value" + std::to_string(i) + " ";
  struct Case {
    const char* name;
    std::string long_line;
    bool refuse_fonts;
    double size;           // of the text font at the end (0: none was set)
    int pieces;            // printed lines of the long line
  } cases[] = {
      {"fits at ten points", "short line", false, 10, 1},
      {"92 characters: a smaller font", tnlr, false, 8.5, 1},
      {"300 characters: seven points and continuation lines", very_long, false, 7, 3},
      {"fonts refused: continuation lines at the printer's size", tnlr, true, 0, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedPrinter printer;
    printer.line_points = 90 * 6;   // 90 columns of a 10 point font whose characters are 6 points wide
    printer.refuse_fonts = c.refuse_fonts;
    const std::string text = Lines(56) + c.long_line + "\r\n" + Lines(60, 57);
    EXPECT_TRUE(PrintPaged(text, EditorPagedStyle(57), printer));
    EXPECT_EQ(LastSize(printer), c.size);
    const int columns = printer.LineColumns();

    // The long line is the 57th: its pieces, joined without their marks, give it back whole.
    const std::vector<Printed> lines = TextLines(printer);
    ASSERT_EQ(lines.size(), 116u + static_cast<std::size_t>(c.pieces));
    std::string joined = lines[56].text;
    for (int i = 1; i < c.pieces; ++i) {
      const Printed& piece = lines[56 + static_cast<std::size_t>(i)];
      EXPECT_EQ(piece.column, 10);
      ASSERT_EQ(piece.text.substr(0, 2), "+ ");
      joined += piece.text.substr(2);
    }
    EXPECT_EQ(joined, c.long_line);
    for (const Printed& line : lines) {
      EXPECT_LE(line.column - 1 + static_cast<int>(line.text.size()), columns) << line.text;
    }
    // 57 printed lines a page, continuation lines among them.
    ASSERT_EQ(printer.documents.size(), 3u);
    EXPECT_EQ(printer.documents[0].size(), 5u + 57u);
    EXPECT_EQ(printer.documents[1].size(), 5u + 57u);
  }
}

}  // namespace
}  // namespace pave

#include "platform/scripted_platform.h"

namespace pave {
namespace {

TEST(PagedPrint, SharedProcedureTellsAPrinterFailure) {
  ScriptedPlatform p;
  PrintPagedText("a\r\nb\r\n");
  EXPECT_EQ(p.printer.documents.size(), 1u);
  EXPECT_TRUE(p.messages.shown.empty());
  p.printer.failing_calls = {p.printer.calls.size() + 3};   // the first empty line of the next text
  PrintPagedText("a\r\n");
  EXPECT_EQ(p.messages.Texts(), std::vector<std::string>{kPrinterFailedMessage});
}

}  // namespace
}  // namespace pave

#include <algorithm>
#include <filesystem>

#include "platform/gui/qt_services.h"
#include "shell/qt_test_app.h"
#include "support/pdf_facts.h"

namespace pave {
namespace {

// Printed where no printer is installed, the text of a report with lines of 92 characters (the
// slab report's TNLR lines) and one of 300 comes out whole in the PDF: each line, a continued
// line joined again, is found among the PDF's lines.
TEST(PagedPrint, PdfOfAReportHoldsEveryCharacterOfEveryLine) {
  testing::ShellTestApp();
  const auto dir = testing::FreshDirectory(std::filesystem::path(PAVE_OUTPUT_DIR) / "paged print pdf");
  QtPrinter printer(/*force_pdf=*/true);
  printer.SetDataDirectory(dir.string() + "/");

  std::vector<std::string> lines;
  for (int i = 1; i <= 70; ++i) lines.push_back("line " + std::to_string(i));
  for (int period : {1, 2}) {
    lines.insert(lines.begin() + 30 + period, "FOR PERIOD " + std::to_string(period) +
                 " TOTAL NO. OF LOAD REPETITIONS (TNLR) FOR EACH LOAD GROUP ARE: 3650  3650  3650 ");
  }
  std::string very_long;
  for (int i = 0; very_long.size() < 300; ++i) very_long += "v" + std::to_string(i) + " ";
  lines.push_back(very_long);
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  ASSERT_TRUE(PrintPaged(text, EditorPagedStyle(57), printer, nullptr, "SLA4.TXT"));

  const testing::PdfFacts facts = testing::ReadPdf(printer.last_pdf());
  ASSERT_TRUE(facts.read);
  EXPECT_EQ(facts.pages.size(), 2u);
  const std::vector<std::string> printed = testing::PrintedLines(facts.text);
  for (const std::string& line : lines) {
    EXPECT_NE(std::find(printed.begin(), printed.end(), testing::WithoutBlanks(line)), printed.end()) << line;
  }
}

}  // namespace
}  // namespace pave
