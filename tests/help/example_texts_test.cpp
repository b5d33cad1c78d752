// The description texts of the thirteen example screens as Print Text prints them. Their layout is
// checked with the help topics' (help_texts_test.cpp).
#include <gtest/gtest.h>

#include <ostream>

#include <cctype>
#include <sstream>
#include <string>
#include <vector>

#include "help/example_screens.h"
#include "platform/scripted_services.h"
#include "shell/paged_print.h"
#include "support/file_text.h"

namespace pave::testing {
namespace {

// Pages of Print Text: the texts longer than 58 lines, the run-on lines broken, print on two pages.
struct PagesCase {
  std::string name;   // the screen's window kind
  int pages = 1;
};
void PrintTo(const PagesCase& c, std::ostream* os) { *os << c.name; }


const PagesCase kCases[] = {{"frmLay1", 1}, {"frmLay2", 1}, {"frmLay3", 1}, {"frmLay4", 1}, {"frmLay5", 1},
                            {"frmLay6", 1}, {"frmSla1", 2}, {"frmSla2", 1}, {"frmSla3", 1}, {"frmSla4", 1},
                            {"frmSla5", 2}, {"frmSla6", 2}, {"frmMohr", 2}};

class ExampleTextPrintTest : public ::testing::TestWithParam<PagesCase> {};

TEST_P(ExampleTextPrintTest, PrintsOnItsPages) {
  const PagesCase& c = GetParam();
  const ExampleScreen* screen = FindExampleScreen(c.name);
  ASSERT_NE(screen, nullptr);
  const std::string text = ExampleScreenText(*screen);
  ScriptedPrinter printer;
  ASSERT_TRUE(PrintPaged(ExampleScreenPrintText(text), SharedPagedStyle(), printer));
  ASSERT_EQ(static_cast<int>(printer.documents.size()), c.pages);
  if (c.pages > 1) {
    EXPECT_EQ(printer.documents[1][2], std::string(12, ' ') + "page  2");
  }
  // Every word is printed, and no printed line runs past the text's line length.
  std::string words;
  for (const auto& page : printer.documents) {
    for (const std::string& line : page) {
      EXPECT_LE(line.size(), 11u + kExampleLineLimit) << line;
      if (line.find("page  ") == std::string::npos) words += line + " ";
    }
  }
  auto squeezed = [](std::string s) {
    std::string out;
    for (char ch : s) {
      if (ch == '\r' || ch == '\n') ch = ' ';
      if (ch != ' ' || (!out.empty() && out.back() != ' ')) out += ch;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
  };
  EXPECT_EQ(squeezed(words), squeezed(text));
}

INSTANTIATE_TEST_SUITE_P(Screens, ExampleTextPrintTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<PagesCase>& info) { return info.param.name; });

TEST(ExampleTexts, EveryScreenHasARow) {
  for (const ExampleScreen& screen : ExampleScreens()) {
    bool found = false;
    for (const PagesCase& c : kCases) found = found || c.name == screen.kind;
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

// A screen that counts periods and load groups in its title label or its text's title line counts
// what its data file declares in record (3) (NPY and NLG, the third and fourth values): SLA4's
// label once said four load groups of three.
TEST(ExampleTexts, TitlesCountThePeriodsAndLoadGroupsOfTheirDataFiles) {
  // The words before " period" and before " load group" in "<n> Period(s) and <m> Load Group(s)".
  auto counts = [](std::string title, std::string& periods, std::string& groups) {
    for (char& ch : title) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    const std::size_t p = title.find(" period");
    if (p == std::string::npos || p == 0) return false;
    const std::size_t a = title.find(" and ", p);
    if (a == std::string::npos) return false;
    const std::size_t g = title.find(' ', a + 5);
    if (g == std::string::npos || title.substr(g, 11) != " load group") return false;
    const std::size_t pw = title.rfind(' ', p - 1) + 1;   // npos + 1 = 0 at the start of the title
    periods = title.substr(pw, p - pw);
    groups = title.substr(a + 5, g - (a + 5));
    return true;
  };
  auto number = [](std::string word) {
    for (char& ch : word) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    const char* const words[] = {"zero", "one", "two", "three", "four", "five", "six"};
    for (int n = 0; n < 7; ++n) {
      if (word == words[n]) return n;
    }
    return std::stoi(word);
  };
  int checked = 0;
  for (const ExampleScreen& screen : ExampleScreens()) {
    const std::string kind(screen.kind);
    if (!kind.starts_with("frmLay") && !kind.starts_with("frmSla")) continue;
    std::string file = kind.substr(3);
    for (char& ch : file) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    std::istringstream data(ExampleText(file));
    std::string line;
    int npy = -1, nlg = -1;
    while (std::getline(data, line)) {
      if (line.find("(3)") == std::string::npos) continue;
      std::istringstream values(line);
      int first = 0, second = 0;
      values >> first >> second >> npy >> nlg;
      break;
    }
    ASSERT_GT(nlg, 0) << file;
    const std::string text = ExampleScreenText(screen);
    for (const std::string& title : {std::string(screen.title), text.substr(0, text.find('\r'))}) {
      std::string periods, groups;
      if (!counts(title, periods, groups)) continue;
      ++checked;
      EXPECT_EQ(number(periods), npy) << file << ": " << title;
      EXPECT_EQ(number(groups), nlg) << file << ": " << title;
    }
  }
  EXPECT_EQ(checked, 8);   // LAY4, LAY5, LAY6 and SLA4, label and text
}

}  // namespace
}  // namespace pave::testing
