#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/free_format_reader.h"

namespace pave {
namespace {

// The example layered data file: one data set held entirely as numbers.
const char* const kExample =
    " 1  (1) NPROB\r\n"
    "Example\r\n"
    " 1  0  1  1  (3) MATL NDAMA NPY NLG\r\n"
    " .001  (4) DEL\r\n"
    " 3  1  80  9  0  (5) NL NZ ICL NSTD NUNIT\r\n"
    " 4   6   (6) TH\r\n"
    " .35   .3   .45   (7) PR\r\n"
    " 0   (8) ZC\r\n"
    " 1  (9) NBOND\r\n"
    " 400000   20000   10000   (11) E\r\n"
    " 0   (13) LOAD\r\n"
    " 6   80   (14) CR CP\r\n"
    " 2   (16) NR\r\n"
    " 0   10   (17) RC\r\n";

// Reads the example in the writer's order and returns every item as text ("#" marks numbers).
std::vector<std::string> ReadExample(FreeFormatReader& r) {
  std::vector<std::string> items;
  auto num = [&](int count) {
    for (int i = 0; i < count; ++i) items.push_back("#" + std::to_string(r.ReadNumber()));
  };
  auto text = [&] { items.push_back(r.ReadText()); };
  num(1); text();         // (1)
  text();                 // (2) title
  num(4); text();         // (3)
  num(1); text();         // (4)
  num(5); text();         // (5)
  num(2); text();         // (6)
  num(3); text();         // (7)
  num(1); text();         // (8)
  num(1); text();         // (9)
  num(3); text();         // (11)
  num(1); text();         // (13)
  num(2); text();         // (14)
  num(1); text();         // (16)
  num(2); text();         // (17)
  return items;
}

TEST(FreeFormatReader, TokenisesTheExampleFileExactly) {
  const std::vector<std::string> expected = {
      "#1.000000", "(1) NPROB",
      "Example",
      "#1.000000", "#0.000000", "#1.000000", "#1.000000", "(3) MATL NDAMA NPY NLG",
      "#0.001000", "(4) DEL",
      "#3.000000", "#1.000000", "#80.000000", "#9.000000", "#0.000000", "(5) NL NZ ICL NSTD NUNIT",
      "#4.000000", "#6.000000", "(6) TH",
      "#0.350000", "#0.300000", "#0.450000", "(7) PR",
      "#0.000000", "(8) ZC",
      "#1.000000", "(9) NBOND",
      "#400000.000000", "#20000.000000", "#10000.000000", "(11) E",
      "#0.000000", "(13) LOAD",
      "#6.000000", "#80.000000", "(14) CR CP",
      "#2.000000", "(16) NR",
      "#0.000000", "#10.000000", "(17) RC",
  };
  for (bool lf_only : {false, true}) {
    std::string content = kExample;
    if (lf_only) {
      std::string lf;
      for (char c : content) {
        if (c != '\r') lf += c;
      }
      content = lf;
    }
    FreeFormatReader r(content);
    EXPECT_EQ(ReadExample(r), expected) << (lf_only ? "LF" : "CR LF");
    EXPECT_TRUE(r.AtEnd());
    EXPECT_THROW(r.ReadNumber(), DataError);
    EXPECT_THROW(r.ReadText(), DataError);
  }
}

TEST(FreeFormatReader, ExactValuesOfTheExample) {
  FreeFormatReader r(kExample);
  EXPECT_EQ(r.ReadInt16(), 1);
  r.SkipIdentifier();
  EXPECT_EQ(r.ReadText(), "Example");
  EXPECT_EQ(r.Line(), 3);
  for (int i = 0; i < 4; ++i) r.ReadInt16();
  EXPECT_EQ(r.ReadText().size(), 22u);  // the length that tells a current file from an old one
  EXPECT_EQ(r.ReadSingle(), 0.001f);
}

TEST(FreeFormatReader, SeparatorsAndTexts) {
  FreeFormatReader r("1,2 , 3\r\n\r\n  4\r\nSLAB A, TEST\r\n\r\n  \"quoted, text\"  ,5\r\n  trailing   \r\n");
  EXPECT_EQ(r.ReadNumber(), 1);
  EXPECT_EQ(r.ReadNumber(), 2);
  EXPECT_EQ(r.ReadNumber(), 3);
  EXPECT_EQ(r.ReadNumber(), 4);  // blank lines between numbers do not count
  EXPECT_EQ(r.ReadText(), "SLAB A");
  EXPECT_EQ(r.ReadText(), "TEST");
  EXPECT_EQ(r.ReadText(), "");  // an empty line is an empty text
  EXPECT_EQ(r.ReadText(), "quoted, text");
  EXPECT_EQ(r.ReadNumber(), 5);
  EXPECT_EQ(r.ReadText(), "trailing");
  EXPECT_TRUE(r.AtEnd());
}

TEST(FreeFormatReader, EmptyTitleLineDoesNotSwallowTheNextRecord) {
  FreeFormatReader r(" 1  (1) NPROB\r\n\r\n 1  0  1  1  (3) MATL NDAMA NPY NLG\r\n");
  r.ReadNumber();
  r.SkipIdentifier();
  EXPECT_EQ(r.ReadText(), "");
  EXPECT_EQ(r.ReadNumber(), 1);
}

TEST(FreeFormatReader, ReadValueTellsNumbersFromTexts) {
  // A title with a comma: the rest of the line becomes the next item.
  FreeFormatReader a("SLAB A, TEST\r\n 0  0\r\n");
  EXPECT_EQ(a.ReadText(), "SLAB A");
  EXPECT_EQ(a.ReadValue(), Value("TEST"));
  EXPECT_EQ(a.ReadValue(), Value(0.0));

  FreeFormatReader b("SLAB A,3\r\n 123\r\n1.5E+02 x,,7\r\n");
  EXPECT_EQ(b.ReadText(), "SLAB A");
  EXPECT_EQ(b.ReadValue(), Value(3.0));
  EXPECT_EQ(b.ReadValue(), Value(123.0));
  EXPECT_EQ(b.ReadValue(), Value(150.0));
  EXPECT_EQ(b.ReadValue(), Value("x"));
  EXPECT_EQ(b.ReadValue(), Value());
  EXPECT_EQ(b.ReadValue(), Value(7.0));
  EXPECT_THROW(b.ReadValue(), DataError);
}

TEST(FreeFormatReader, ErrorsAreDataErrors) {
  FreeFormatReader text("(3) MATL\r\n");
  EXPECT_THROW(text.ReadNumber(), DataError);

  FreeFormatReader half(" 12abc\r\n");
  EXPECT_THROW(half.ReadNumber(), DataError);

  FreeFormatReader empty("1,,2\r\n");
  EXPECT_EQ(empty.ReadNumber(), 1);
  EXPECT_THROW(empty.ReadNumber(), DataError);

  FreeFormatReader eof("   \r\n  ");
  EXPECT_TRUE(eof.AtEnd());
  EXPECT_THROW(eof.ReadNumber(), DataError);

  FreeFormatReader ints("32767 -32768 32768 -32769 2.5 3.5 -2.5 1e40\r\n");
  EXPECT_EQ(ints.ReadInt16(), 32767);
  EXPECT_EQ(ints.ReadInt16(), -32768);
  EXPECT_THROW(ints.ReadInt16(), DataError);
  EXPECT_THROW(ints.ReadInt16(), DataError);
  EXPECT_EQ(ints.ReadInt16(), 2);  // halves to even
  EXPECT_EQ(ints.ReadInt16(), 4);
  EXPECT_EQ(ints.ReadInt16(), -2);
  EXPECT_THROW(ints.ReadSingle(), DataError);

  try {
    FreeFormatReader where(" 1\r\n 2\r\n x\r\n");
    where.ReadNumber();
    where.ReadNumber();
    where.ReadNumber();
    FAIL();
  } catch (const DataError& e) {
    EXPECT_NE(std::string(e.what()).find("line 3"), std::string::npos) << e.what();
  }

  EXPECT_THROW(FreeFormatReader::FromFile("/nonexistent/dir/NOFILE.DAT"), DataError);
}

// A message quotes an item as one readable line: control characters shown as "?", a long item cut.
TEST(FreeFormatReader, AMessageQuotesAnItemReadably) {
  const std::string nul_item = std::string(" inf") + '\0' + "\x1b" + "7 2\r\n";
  FreeFormatReader nul(nul_item);
  try {
    nul.ReadNumber();
    FAIL();
  } catch (const DataError& e) {
    EXPECT_EQ(std::string(e.what()), "line 1: \"inf??7\" is not a number");
  }
  FreeFormatReader long_item(" " + std::string(60, '9') + "x\r\n");
  try {
    long_item.ReadNumber();
    FAIL();
  } catch (const DataError& e) {
    EXPECT_EQ(std::string(e.what()), "line 1: \"" + std::string(40, '9') + "...\" is not a number");
  }
}

TEST(FreeFormatReader, WholeLines) {
  FreeFormatReader r("/home/a b/data/\r\n  /tmp/x  \n\nlast");
  EXPECT_EQ(r.ReadLine(), "/home/a b/data/");
  EXPECT_EQ(r.ReadLine(), "  /tmp/x  ");
  EXPECT_EQ(r.ReadLine(), "");
  EXPECT_FALSE(r.Eof());
  EXPECT_EQ(r.ReadLine(), "last");
  EXPECT_TRUE(r.Eof());
  EXPECT_THROW(r.ReadLine(), DataError);
}

TEST(FreeFormatReader, OldSystemFileEndsAtCtrlZ) {
  FreeFormatReader r(" 1  (1) NPROB\r\n\x1a garbage");
  r.ReadNumber();
  r.SkipIdentifier();
  EXPECT_TRUE(r.AtEnd());
}

// The place of the last item read, which a check of a value read earlier names: its line, also when
// the item ended its line and the reader already stands on the next one, and its text.
TEST(FreeFormatReader, KnowsTheLineOfTheLastItemRead) {
  FreeFormatReader r("Title\r\n 3  1E+11\r\n\r\n 7  (5) NL\n");
  EXPECT_EQ(r.LastLine(), 1);
  r.ReadText();
  EXPECT_EQ(r.LastLine(), 1);
  r.ReadNumber();
  r.ReadValue();
  EXPECT_EQ(r.Line(), 3);
  EXPECT_EQ(r.LastLine(), 2);
  EXPECT_EQ(r.LastItem(), "1E+11");
  r.ReadInt16();
  EXPECT_EQ(r.LastLine(), 4);
  EXPECT_EQ(r.LastItem(), "7");
}

// A file that holds nothing but blanks is named by the message.
TEST(FreeFormatReader, AFileOfNoDataIsNamed) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "pave_reader_blank.DAT";
  {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("  \r\n\t\r\n", f);
    std::fclose(f);
  }
  FreeFormatReader r = FreeFormatReader::FromFile(path);
  try {
    r.ReadNumber();
    FAIL();
  } catch (const DataError& e) {
    EXPECT_EQ(std::string(e.what()), path.string() + " holds no data");
  }
  std::filesystem::remove(path);
  FreeFormatReader text("");
  EXPECT_THROW(text.ReadText(), DataError);
}

TEST(FreeFormatReader, ReadsAFile) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "pave_reader_test.DAT";
  {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs(kExample, f);
    std::fclose(f);
  }
  FreeFormatReader r = FreeFormatReader::FromFile(path);
  EXPECT_EQ(r.ReadNumber(), 1);
  EXPECT_EQ(r.ReadText(), "(1) NPROB");
  std::filesystem::remove(path);
}

// The line every item is named by, and the line where the data end, at the edges of lines: each
// kind of line end, blank lines before an item, a last line without a line end, text items among
// numbers (read up to the separator, then again as a text), a byte-order mark and a Ctrl-Z.
struct ItemLinesCase {
  const char* name;
  std::string content;
  std::vector<int> item_lines;  // LastLine() after each item
  std::string end_message;      // the start of the message when a further number is asked for
};

class ItemLines : public ::testing::TestWithParam<ItemLinesCase> {};

TEST_P(ItemLines, NameTheLinesTheItemsStandOn) {
  const ItemLinesCase& c = GetParam();
  FreeFormatReader r(c.content);
  std::vector<int> lines;
  while (!r.AtEnd()) {
    r.ReadValue();
    lines.push_back(r.LastLine());
  }
  EXPECT_EQ(lines, c.item_lines);
  try {
    r.ReadNumber();
    FAIL();
  } catch (const DataError& e) {
    EXPECT_EQ(std::string(e.what()).rfind(c.end_message, 0), 0u) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, ItemLines,
    ::testing::Values(ItemLinesCase{"LineFeeds", "1 2\n3\n", {1, 1, 2}, "line 2: the data end"},
                      ItemLinesCase{"CarriageReturnLineFeeds", "1 2\r\n3\r\n", {1, 1, 2}, "line 2: the data end"},
                      ItemLinesCase{"CarriageReturnsAlone", "1\r2\r3\r", {1, 2, 3}, "line 3: the data end"},
                      ItemLinesCase{"MixedLineEnds", "1\r\n2\n3\r4\r\n", {1, 2, 3, 4}, "line 4: the data end"},
                      ItemLinesCase{"LastLineWithoutLineEnd", "1\r\n2 3", {1, 2, 2}, "line 2: the data end"},
                      ItemLinesCase{"ValuesAfterBlankLines", "1\r\n\r\n  \r\n\n\t\r2\r\n", {1, 6}, "line 6: the data end"},
                      ItemLinesCase{"ByteOrderMarkAndLeadingBlankLines", "\xEF\xBB\xBF\r\n\r\n 7 8", {3, 3},
                                    "line 3: the data end"},
                      ItemLinesCase{"TextsAmongNumbers", "A TITLE, 5\r\n 6  (3) ID\r\n 7", {1, 1, 2, 2, 3},
                                    "line 3: the data end"},
                      ItemLinesCase{"CtrlZOnItsOwnLine", "1\r\n2\r\n\x1a 3", {1, 2}, "line 3: the data end at a Ctrl-Z"}),
    [](const ::testing::TestParamInfo<ItemLinesCase>& info) { return std::string(info.param.name); });

// A number that is not one is named by its line also when it ends a file without a line end, and a
// check asks for the line of an item after the reader has moved past blank lines beyond it.
TEST(FreeFormatReader, NamesTheLineOfABadItemAndOfTheItemBeforeIt) {
  FreeFormatReader r(" 1\r\n\r\n\r\n 2 x");
  r.ReadNumber();
  EXPECT_EQ(r.Line(), 2);
  EXPECT_EQ(r.LastLine(), 1);
  r.ReadNumber();
  EXPECT_EQ(r.LastLine(), 4);
  try {
    r.ReadNumber();
    FAIL();
  } catch (const DataError& e) {
    EXPECT_EQ(std::string(e.what()), "line 4: \"x\" is not a number");
  }
}

}  // namespace
}  // namespace pave
