// The description texts of the thirteen example screens: line counts, line lengths, indents, the
// quoted lines, the CR LF line ends and the printed pages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help/example_screens.h"
#include "help/symbol_font.h"
#include "platform/scripted_services.h"
#include "shell/paged_print.h"
#include "support/file_text.h"

namespace pave::testing {
namespace {

struct TextCase {
  std::string name;                       // the screen's window kind
  int lines = 0;                          // with the title lines and the empty line
  int max_length = kExampleLineLimit;
  int run_on_lines = 0;                   // lines allowed past max_length
  std::vector<int> indents;               // blanks in front of each paragraph, in order
  std::vector<std::string> whole_lines;   // quoted lines standing as whole lines
  std::vector<std::string> fragments;     // quoted text standing within one line
  int pages = 1;                          // pages of Print Text
};

std::vector<int> Repeat(int indent, int count) { return std::vector<int>(static_cast<std::size_t>(count), indent); }

const TextCase kCases[] = {
    {"frmLay1", 18, 77, 0, Repeat(5, 2), {"     The results obtained by MORVELIN shows that the maximum surface"},
     {"     The figure above shows"}},
    {"frmLay2", 41, 77, 0, Repeat(5, 6),
     {"     The results obtained by MORVELIN show a verical deflection of 0.05542"},
     {"the top of subgrade.  Some comments on file LAY2.TXT:", "or use 12.0001 as recommended."}},
    {"frmLay3", 34, 77, 0, Repeat(5, 5), {},
     {"compliances as tabulated above.", "0.184E-03", "2.392E-03", "Some comments on file LAY3.TXT:"}},
    {"frmLay4", 30, 77, 0, {5, 5, 4, 4, 4, 4},
     {"     A run of MORVELIN shows that the design life is 11.83 years and is"},
     {"as indicated by the brown x in the figure", "Some comments on file LAY4.TXT:"}},
    {"frmLay5", 32, 77, 0, {5, 5, 4, 4, 4, 4},
     {"     A run by MORVELIN shows that the design life is 19.50 years and is"},
     {"indicated by the red dots in the figure", "Some coments on file LAY5.TXT:",
      "This sum is shown on the TOLMER but not in the text file."}},
    {"frmLay6", 30, 77, 0, Repeat(5, 5),
     {"     A run of MORVELIN shows that the design life is 30.48 years and"},
     {"as shown in the figure", "Some comments on file LAY6.TXT:"}},
    {"frmSla1", 66, 77, 0, Repeat(5, 10), {"     Some comments on file SLA1.TXT:"}, {}, 2},
    {"frmSla2", 46, 77, 0, Repeat(5, 8), {"Some comment on file SLA2.TXT:"},
     {"12.5 x 6 x (8/12) x 150 = 7500 lb"}},
    {"frmSla3", 34, 77, 0, Repeat(5, 6), {}, {"     The above figure shows", "Some comments on file SLA3.TXT:"}},
    {"frmSla4", 41, 77, 0, Repeat(5, 7), {}, {"Some comments on file SLA4.TXT:"}},
    {"frmSla5", 61, 77, 0, Repeat(5, 9), {"SLA5.TXT:"}, {"     1. ", "     2. ", "     3. ", "Some comments on file"}, 2},
    {"frmSla6", 60, 77, 0, Repeat(4, 5),
     {"    For the benefit of those who are not familiar with BRUNTOLA, the",
      "following brief review of raft is in order:"},
     {}, 2},
    {"frmMohr", 66, 77, 2, {4, 4, 5, 5, 5, 5},
     {"    The figure above shows the failure envelopes for granular materials",
      "     This case of stress adjustment in MORVELIN is much simpler than that"},
     {"This procedure is called method 1.  A PHI between 0 and 90", "(method 2)."}, 2},
};

class ExampleTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ExampleTextTest, HasItsLayoutAndQuotedLines) {
  const TextCase& c = GetParam();
  const ExampleScreen* screen = FindExampleScreen(c.name);
  ASSERT_NE(screen, nullptr);
  const std::string text = ExampleScreenText(*screen);

  // Every line, the last one included, ends with CR LF; no other CR or LF.
  ASSERT_GE(text.size(), 2u);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') {
      EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
    }
    if (text[i] == '\r') {
      EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare CR at " << i;
    }
  }

  const std::vector<std::string> lines = TextLines(text);
  EXPECT_EQ(static_cast<int>(lines.size()), c.lines);

  // The title lines, then exactly one empty line; no title and no empty line on frmMohr.
  std::size_t first = screen->title_lines.size();
  for (std::size_t i = 0; i < first; ++i) EXPECT_EQ(lines[i], screen->title_lines[i]);
  if (first > 0) {
    EXPECT_EQ(lines[first], "");
    ++first;
  }
  int too_long = 0;
  std::vector<int> indents;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (static_cast<int>(line.size()) > c.max_length) ++too_long;
    if (i < first) continue;
    EXPECT_FALSE(line.empty()) << "empty line " << i + 1;
    EXPECT_NE(line.back(), ' ') << "trailing blank on line " << i + 1;
    std::size_t blanks = line.find_first_not_of(' ');
    if (blanks > 0 && blanks != std::string::npos) indents.push_back(static_cast<int>(blanks));
  }
  EXPECT_EQ(too_long, c.run_on_lines);
  EXPECT_EQ(indents, c.indents);

  auto has_line = [&](const std::string& s) {
    for (const std::string& l : lines) {
      if (l == s) return true;
    }
    return false;
  };
  auto within_a_line = [&](const std::string& s) {
    for (const std::string& l : lines) {
      if (l.find(s) != std::string::npos) return true;
    }
    return false;
  };
  for (const std::string& s : c.whole_lines) EXPECT_TRUE(has_line(s)) << s;
  for (const std::string& s : c.fragments) EXPECT_TRUE(within_a_line(s)) << s;
}

TEST_P(ExampleTextTest, PrintsOnItsPages) {
  const TextCase& c = GetParam();
  const std::string printed = ExampleScreenPrintText(ExampleScreenText(*FindExampleScreen(c.name)));
  ScriptedPrinter printer;
  ASSERT_TRUE(PrintPaged(printed, SharedPagedStyle(), printer));
  ASSERT_EQ(static_cast<int>(printer.documents.size()), c.pages);
  if (c.pages > 1) {
    EXPECT_EQ(printer.documents[1][2], std::string(12, ' ') + "page  2");
  }
  // Nothing runs past the line length of the text, the run-on lines included.
  for (const auto& page : printer.documents) {
    for (const std::string& line : page) EXPECT_LE(line.size(), 11u + kExampleLineLimit) << line;
  }
}

INSTANTIATE_TEST_SUITE_P(Screens, ExampleTextTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<TextCase>& info) { return info.param.name; });

TEST(ExampleTexts, EveryScreenHasARow) {
  for (const ExampleScreen& screen : ExampleScreens()) {
    bool found = false;
    for (const TextCase& c : kCases) found = found || c.name == screen.kind;
    EXPECT_TRUE(found) << screen.kind;
  }
  EXPECT_EQ(ExampleScreens().size(), 13u);
}

TEST(ExampleTexts, PrintTextBreaksOnlyTheRunOnLines) {
  const std::string long_words = std::string(70, 'a') + " bbbbbbbbbb cc";           // 84 characters
  const std::string one_word = std::string(90, 'w');
  const std::string exact = std::string(77, 'x');
  struct Case {
    const char* what;
    std::string text, printed;
  } cases[] = {
      {"short lines stay", "ab\r\n\r\n  cd\r\n", "ab\r\n\r\n  cd\r\n"},
      {"LF ends become CR LF", "ab\ncd\n", "ab\r\ncd\r\n"},
      {"77 characters stay", exact + "\r\n", exact + "\r\n"},
      {"broken at the last blank that fits", long_words + "\r\n",
       std::string(70, 'a') + "\r\nbbbbbbbbbb cc\r\n"},
      {"blanks at the break go", std::string(76, 'a') + "    bb\r\n", std::string(76, 'a') + "\r\nbb\r\n"},
      {"a word longer than a line stays whole", one_word + " x\r\n", one_word + "\r\nx\r\n"},
      {"an indented long word stays whole", "     " + one_word + "\r\n", "     " + one_word + "\r\n"},
      {"a last line without its end gets one", "ab", "ab\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(ExampleScreenPrintText(c.text), c.printed) << c.what;
}

TEST(ExampleTexts, SymbolFontLettersAreGreek) {
  EXPECT_EQ(SymbolFontText("s"), "σ");
  EXPECT_EQ(SymbolFontText("f"), "φ");
  EXPECT_EQ(SymbolFontText("s    s           f/"), "σ    σ           φ/");
  EXPECT_EQ(SymbolFontText("Df = 90"), "Δφ = 90");
}

}  // namespace
}  // namespace pave::testing
