// Record (2), the title, as the analysis programs read it: a sound title reads as every reader of the
// file takes it, and the reader goes on with record (3); a comma or a double quote at the start is
// refused with a message that says why, naming the line and the title as the file holds it.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "common/data_set_title.h"

namespace pave {
namespace {

struct TitleCase {
  const char* name;
  std::string line;   // record (2) as the file holds it (line 2)
  std::string title;  // as the programs take it
  enum Refusal { None, Comma, Quote } refusal;
};
void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.name; }

class TitleRecordTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TitleRecordTest, ReadsTheTitleOrSaysWhyNot) {
  const TitleCase& c = GetParam();
  FreeFormatReader in(" 1  (1) NPROB\r\n" + c.line + "\r\n 0  0  1  1  (3) NFOUND NDAMA NPY NLG\r\n");
  ASSERT_EQ(in.ReadNumber(), 1);
  in.SkipIdentifier();
  const TitleRecord record = ReadTitleRecord(in);
  EXPECT_EQ(record.title, c.title);
  switch (c.refusal) {
    case TitleCase::None:
      EXPECT_EQ(record.refusal, "");
      // As every reader of the file takes it, and the reader stands at record (3).
      EXPECT_EQ(FreeFormatReader(c.line + "\r\n").ReadText(), c.title);
      EXPECT_EQ(in.ReadNumber(), 0);
      EXPECT_EQ(in.Line(), 3);
      break;
    case TitleCase::Comma:
      EXPECT_EQ(record.refusal, "No comma should be used for TITLE (LINE 2) and use semicolon instead.");
      break;
    case TitleCase::Quote:
      EXPECT_EQ(record.refusal, "The TITLE in line 2, " + c.title +
                                    ", begins with a double quote, which would cut it to the quoted text. TITLE "
                                    "should not begin with a double quote, so computation stops.");
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TitleRecordTest,
    ::testing::Values(TitleCase{"Plain", "Runway 09 section B", "Runway 09 section B", TitleCase::None},
                      TitleCase{"BlanksAround", "  \tRunway 09   ", "Runway 09", TitleCase::None},
                      TitleCase{"EmptyLine", "", "", TitleCase::None},
                      TitleCase{"QuotesWithin", "Runway \"09\" B", "Runway \"09\" B", TitleCase::None},
                      TitleCase{"SemicolonForAComma", "SLAB A; TEST", "SLAB A; TEST", TitleCase::None},
                      TitleCase{"Comma", "SLAB A, TEST", "SLAB A", TitleCase::Comma},
                      TitleCase{"CommaBeforeANumber", "SLAB A,1", "SLAB A", TitleCase::Comma},
                      TitleCase{"QuoteAtTheStart", "\"Runway 09\" section B", "\"Runway 09\" section B",
                                TitleCase::Quote},
                      TitleCase{"QuoteAfterBlanks", "   \"Runway 09\"  ", "\"Runway 09\"", TitleCase::Quote},
                      TitleCase{"QuoteBeforeAComma", "\"A, B\" C", "\"A, B\" C", TitleCase::Quote}),
    [](const ::testing::TestParamInfo<TitleCase>& info) { return std::string(info.param.name); });

TEST(TitleRecord, TheRefusedTitleIsShownReadably) {
  // A control character is shown as "?", and a long title is cut after 80 characters.
  const std::string longTitle = "\"" + std::string(100, 'x');
  FreeFormatReader in("\"A\x1b" "B\"\r\n" + longTitle + "\r\n");
  EXPECT_NE(ReadTitleRecord(in).refusal.find(" line 1, \"A?B\", "), std::string::npos);
  const std::string refusal = ReadTitleRecord(in).refusal;
  EXPECT_NE(refusal.find(" line 2, " + longTitle.substr(0, 80) + "..., "), std::string::npos) << refusal;
}

}  // namespace
}  // namespace pave
