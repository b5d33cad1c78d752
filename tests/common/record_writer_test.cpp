#include "common/record_writer.h"

#include <gtest/gtest.h>

namespace pave {
namespace {

// The record examples of the data files, with "_" for each blank.
std::string Blanks(std::string s) {
  for (char& c : s) {
    if (c == '_') c = ' ';
  }
  return s;
}

TEST(RecordWriterTest, PlainAndSpacedItemsOfNumbersTextsAndEmptyValues) {
  RecordWriter w;
  for (int v : {1, 0, 1, 1}) w.Plain(Value(v));
  w.End(" (3) MATL NDAMA NPY NLG");
  w.Spaced(Value(5));
  w.Spaced(Value(6));
  w.End(" (6) TH");
  w.Spaced(Value("5"));
  w.Spaced(Value("6"));
  w.End(" (6) TH");
  w.Plain(Value());
  w.Plain(Value(0.3));
  w.End(" (34) YMSB PRSB");
  w.Spaced(1.0f);
  w.Spaced(0.15f);
  w.Spaced(std::int16_t{0});
  w.End(" (10) T PR YM");
  w.Plain(1.365E-09);
  w.Plain(-0.001f);
  w.End(" (x)");
  w.Line("A TITLE");
  w.Line("");
  EXPECT_EQ(w.text(), Blanks("_1__0__1__1__(3)_MATL_NDAMA_NPY_NLG\r\n"
                             "_5___6___(6)_TH\r\n"
                             "5_6__(6)_TH\r\n"
                             "_.3__(34)_YMSB_PRSB\r\n"
                             "_1___.15___0___(10)_T_PR_YM\r\n"
                             "_1.365E-09_-.001__(x)\r\n"
                             "A_TITLE\r\n"
                             "\r\n"));
}

}  // namespace
}  // namespace pave
