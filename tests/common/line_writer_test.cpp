#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "common/line_writer.h"

namespace pave {
namespace {

TEST(LineWriter, ItemsZonesAndColumns) {
  std::ostringstream out;
  LineWriter w(out);
  w.Text("NUMBER OF PROBLEMS TO BE SOLVED = ").Num(std::int16_t{3}).End();
  w.Zone().Text("AND").End();                 // a zone move at column 1 goes to 15
  w.Text("PERIOD").Num(1).Zone().Num(2.5f).End();
  w.Text("12345678901234").Zone().Text("x").End();  // at column 15 the next zone is 29
  w.Text("ab").Tab(6).Text("c").Tab(4).Text("d").Tab(6).Text("e").End();
  w.End();
  EXPECT_EQ(out.str(),
            "NUMBER OF PROBLEMS TO BE SOLVED =  3 \r\n"
            "              AND\r\n"
            "PERIOD 1       2.5 \r\n"
            "12345678901234              x\r\n"
            "ab   c d e\r\n"
            "\r\n");
  EXPECT_EQ(w.Column(), 1);
}

TEST(LineWriter, NumbersInTheGeneralFormat) {
  std::ostringstream out;
  LineWriter w(out);
  w.Num(0.001f).Num(-0.5).Num(1.365E-09f).Num(400000L).Num(std::size_t{7});
  EXPECT_EQ(out.str(), " .001 -.5  1.365E-09  400000  7 ");
  EXPECT_EQ(w.Column(), 33);
}

// A negative number right behind a report field's digits keeps a blank before its sign; behind
// a blank, a label or at the start of a line it is written as it is.
TEST(LineWriter, NegativeNumberNeverRunsIntoTheDigitsBeforeIt) {
  std::ostringstream out;
  LineWriter w(out);
  w.Text("ARE:  1.365E-09").Num(-1.0f).End();
  w.Text("  2.5").Num(-3).Text(".5").Num(-0.5).End();
  w.Num(-2).Text("=").Num(-4L).Text("7").Num(8).End();
  w.Text("9").End().Num(-1.0);
  EXPECT_EQ(out.str(),
            "ARE:  1.365E-09 -1 \r\n"
            "  2.5 -3 .5 -.5 \r\n"
            "-2 =-4 7 8 \r\n"
            "9\r\n"
            "-1 ");
}

TEST(WriteList, BreaksWhenTheCountPasses78) {
  std::vector<std::int16_t> values;
  for (int i = 1; i <= 30; ++i) values.push_back(static_cast<std::int16_t>(i));
  const std::string heading(37, 'H');
  std::ostringstream out;
  LineWriter w(out);
  WriteIntegerList(w, heading, values, 37);
  // Count 64 after 9, 76 after 12, 80 at 13: 13 opens the second line with the count at 0; from
  // there 4 per value, so 13 + 19 more values (up to 32) would fit: the rest stays on line two.
  std::string line1 = heading;
  for (int i = 1; i <= 12; ++i) line1 += " " + std::to_string(i) + " ";
  std::string line2;
  for (int i = 13; i <= 30; ++i) line2 += " " + std::to_string(i) + " ";
  EXPECT_EQ(out.str(), line1 + "\r\n" + line2 + "\r\n");
}

TEST(WriteList, ValueWithAPointCountsOneMore) {
  // Heading count 70: .5 counts 5 (70 -> 75 -> 80 breaks before the second value), although it
  // only takes 4 characters.
  std::ostringstream out;
  LineWriter w(out);
  WriteList(w, "", {0.5f, 0.5f, 3.0f}, 70);
  EXPECT_EQ(out.str(), " .5 \r\n .5  3 \r\n");

  // A 1-based single-precision array, as the analysis programs hold their lists.
  float th[4] = {0, 4, 6, 0};
  std::ostringstream arr;
  LineWriter w3(arr);
  WriteList(w3, "THICKNESSES OF LAYERS (TH) ARE :", std::span<const float>(th + 1, 2), 32);
  EXPECT_EQ(arr.str(), "THICKNESSES OF LAYERS (TH) ARE : 4  6 \r\n");

  std::ostringstream none;
  LineWriter w2(none);
  WriteList(w2, "THICKNESSES OF LAYERS (TH) ARE :", std::vector<float>{}, 32);
  EXPECT_EQ(none.str(), "THICKNESSES OF LAYERS (TH) ARE :\r\n");
}

TEST(ListWriter, WidthRuleAndOwnLimit) {
  std::ostringstream out;
  LineWriter w(out);
  ListWriter list(w, 70, 75, ListWriter::Rule::Width);
  list.Add(0.5f);   // 70 + 3 = 73
  list.Add(12);     // 73 + 3 = 76 > 75: new line, count 0
  list.Advance(5);  // a pair written by the caller
  w.Num(1).Num(2);
  EXPECT_EQ(list.Count(), 5);
  list.End();
  EXPECT_EQ(out.str(), " .5 \r\n 12  1  2 \r\n");
}

}  // namespace
}  // namespace pave
