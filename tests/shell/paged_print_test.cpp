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
