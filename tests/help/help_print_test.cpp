// Printing a help topic: title on page 1, 53 text lines there and 57 on every later page, each
// page a document of its own headed by its number; the plain layout when the title font is refused.
#include "help/help_print.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help/help_topics.h"
#include "platform/scripted_services.h"
#include "support/file_text.h"

namespace pave {
namespace {

using Op = ScriptedPrinter::Op;
using Documents = std::vector<std::vector<std::string>>;

const std::string kCol12(11, ' ');
const std::string kCol13(12, ' ');

std::string Lines(int n) {
  std::string text;
  for (int i = 1; i <= n; ++i) text += "line " + std::to_string(i) + "\r\n";
  return text;
}

// The text lines of each printed page, without the title and the page headings.
std::vector<int> BodyLinesPerPage(const Documents& documents) {
  std::vector<int> out;
  for (std::size_t page = 0; page < documents.size(); ++page) {
    out.push_back(static_cast<int>(documents[page].size()) - (page == 0 ? 6 : 4));
  }
  return out;
}

TEST(HelpPrint, PageOneHoldsTheTitleAndFiftyThreeLinesLaterPagesFiftySeven) {
  struct Case {
    int lines;
    std::vector<int> pages;
  } cases[] = {
      {1, {1}},
      {53, {53}},   // a full first page is not followed by a page of headings only
      {54, {53, 1}},
      {110, {53, 57}},
      {111, {53, 57, 1}},
  };
  for (const Case& c : cases) {
    ScriptedPrinter printer;
    EXPECT_TRUE(PrintHelpTopic("Title", Lines(c.lines), printer));
    EXPECT_EQ(BodyLinesPerPage(printer.documents), c.pages) << c.lines << " lines";
  }

  ScriptedPrinter printer;
  PrintHelpTopic("Use of Main Screen", Lines(54), printer);
  ASSERT_EQ(printer.documents.size(), 2u);
  const std::vector<std::string>& first = printer.documents[0];
  EXPECT_EQ(std::vector<std::string>(first.begin(), first.begin() + 7),
            (std::vector<std::string>{"", "", "", "", kCol12 + "Use of Main Screen", "", kCol12 + "line 1"}));
  EXPECT_EQ(first.back(), kCol12 + "line 53");
  EXPECT_EQ(printer.documents[1], (std::vector<std::string>{"", "", kCol13 + "page  2", "", kCol12 + "line 54"}));
}

// The topics print on the pages their lengths give; empty lines are printed and counted.
TEST(HelpPrint, TopicsPrintOnTheirPages) {
  struct Case {
    int code;
    std::vector<int> pages;
  } cases[] = {
      {1, {53, 57, 57, 25}},
      {2, {48}},
      {3, {53, 57, 50}},
      {4, {53, 57, 57, 36}},
  };
  for (const Case& c : cases) {
    ScriptedPrinter printer;
    const HelpTopic* topic = FindHelpTopic(c.code);
    ASSERT_NE(topic, nullptr);
    EXPECT_TRUE(PrintHelpTopic(topic->title, HelpTopicText(c.code), printer));
    EXPECT_EQ(BodyLinesPerPage(printer.documents), c.pages) << "topic " << c.code;
  }
  // Topic 2 ends with an empty line, which is printed.
  ScriptedPrinter printer;
  PrintHelpTopic("Use of Editor Screen", HelpTopicText(2), printer);
  EXPECT_EQ(printer.documents[0].back(), kCol12);
}

TEST(HelpPrint, TitleFontThenTextFontThenFontOfEachPage) {
  ScriptedPrinter printer;
  PrintHelpTopic("Title", Lines(54), printer);
  std::vector<ScriptedPrinter::Call> fonts;
  std::vector<Op> ops;
  for (const auto& call : printer.calls) {
    if (call.op != Op::Line) ops.push_back(call.op);
    if (call.op == Op::FontName || call.op == Op::FontSize || call.op == Op::FontBold) fonts.push_back(call);
  }
  EXPECT_EQ(ops, (std::vector<Op>{Op::FontName, Op::FontBold, Op::FontSize, Op::FontName, Op::FontSize,
                                  Op::EndDocument, Op::FontName, Op::FontBold, Op::FontSize, Op::EndDocument}));
  EXPECT_EQ(fonts[0].text, "MS Sans Serif");
  EXPECT_TRUE(fonts[1].bold);
  EXPECT_EQ(fonts[2].size, 14);
  EXPECT_EQ(fonts[3].text, "Courier New");
  EXPECT_EQ(fonts[4].size, 10);
  EXPECT_EQ(fonts[5].text, "Courier New");
  EXPECT_TRUE(fonts[6].bold);
  EXPECT_EQ(fonts[7].size, 10);
  // The title font is set before the first empty line; the text font right after the title.
  EXPECT_EQ(printer.calls[3].op, Op::Line);
  EXPECT_EQ(printer.calls[7].text, "Title");
  EXPECT_EQ(printer.calls[8].op, Op::FontName);
}

TEST(HelpPrint, RefusedTitleFontPrintsEverythingAtTheLeftMargin) {
  ScriptedPrinter printer;
  printer.refuse_fonts = true;
  EXPECT_TRUE(PrintHelpTopic("Title", Lines(54), printer));
  int font_calls = 0;
  for (const auto& call : printer.calls) {
    if (call.op == Op::FontName || call.op == Op::FontSize || call.op == Op::FontBold) ++font_calls;
  }
  EXPECT_EQ(font_calls, 1);   // the refused name; nothing after it
  ASSERT_EQ(printer.documents.size(), 2u);
  EXPECT_EQ(printer.documents[0][4], "Title");
  EXPECT_EQ(printer.documents[0][6], "line 1");
  EXPECT_EQ(printer.documents[1], (std::vector<std::string>{"", "", "page  2", "", "line 54"}));
}

TEST(HelpPrint, PrinterFailureStopsAndSendsWhatWasPrinted) {
  ScriptedPrinter printer;
  printer.failing_calls = {3 + 4 + 1 + 2 + 1 + 2};   // fonts, empty lines, title, text font, empty, line 3
  EXPECT_FALSE(PrintHelpTopic("Title", Lines(10), printer));
  ASSERT_EQ(printer.documents.size(), 1u);
  EXPECT_EQ(printer.documents[0].back(), kCol12 + "line 2");
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

// Where no printer is installed, one Print of a topic is one PDF in the data directory, a sheet a
// page, which holds every character of the topic's lines.
TEST(HelpPrint, WithoutPrinterATopicIsOnePdfOfItsPages) {
  testing::ShellTestApp();
  namespace fs = std::filesystem;
  const fs::path dir = testing::FreshDirectory(fs::path(PAVE_OUTPUT_DIR) / "help print");
  QtPrinter printer(/*force_pdf=*/true);
  printer.SetDataDirectory(dir.string() + "/");
  ASSERT_TRUE(PrintHelpTopic("Use of Main Screen", HelpTopicText(1), printer));
  ASSERT_FALSE(printer.last_pdf().empty());
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
  const std::string pdf = testing::FileText(printer.last_pdf());
  std::size_t at = pdf.find("/Type /Pages");
  ASSERT_NE(at, std::string::npos);
  at = pdf.find("/Count ", at);
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(std::atoi(pdf.c_str() + at + 7), 4);

  for (int code = 1; code <= kHelpTopicCount; ++code) {
    const HelpTopic* topic = FindHelpTopic(code);
    ASSERT_NE(topic, nullptr);
    ASSERT_TRUE(PrintHelpTopic(topic->title, HelpTopicText(code), printer));
    const testing::PdfFacts facts = testing::ReadPdf(printer.last_pdf());
    ASSERT_TRUE(facts.read);
    const std::vector<std::string> printed = testing::PrintedLines(facts.text);
    for (std::string_view line : topic->lines) {
      EXPECT_NE(std::find(printed.begin(), printed.end(), testing::WithoutBlanks(line)), printed.end())
          << "topic " << code << ": " << line;
    }
  }
}

}  // namespace
}  // namespace pave
