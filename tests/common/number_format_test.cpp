#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "common/number_format.h"

namespace pave {
namespace {

struct FloatCase {
  float v;
  const char* gen;
};

TEST(GenNum, SinglePrecision) {
  const FloatCase cases[] = {
      {0.0f, " 0 "},
      {-0.0f, " 0 "},
      {3.0f, " 3 "},
      {0.001f, " .001 "},
      {-0.5f, "-.5 "},
      {0.1f, " .1 "},         // 7 digits: the binary error of 0.1f does not show
      {0.35f, " .35 "},
      {1.365E-09f, " 1.365E-09 "},
      {400000.0f, " 400000 "},
      {9999999.0f, " 9999999 "},
      {1.0E+07f, " 1E+07 "},
      {12345678.0f, " 1.234568E+07 "},
      {123456.7f, " 123456.7 "},
      {1.2345678f, " 1.234568 "},
      {1.0E-07f, " .0000001 "},  // seven digits in the plain form
      {1.0E-08f, " 1E-08 "},
      {1.5E-07f, " 1.5E-07 "},
      {-2.5E+10f, "-2.5E+10 "},
      {0.0123f, " .0123 "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GenNum(c.v), c.gen) << c.v;
    std::string str = c.gen;
    str.pop_back();
    EXPECT_EQ(Str(c.v), str) << c.v;
  }
}

TEST(GenNum, DoublePrecision) {
  const struct {
    double v;
    const char* gen;
  } cases[] = {
      {0.0, " 0 "},
      {0.001, " .001 "},
      {-0.5, "-.5 "},
      {0.1, " .1 "},
      {1.365E-09, " 1.365E-09 "},
      {400000.0, " 400000 "},
      {1.0E+07, " 10000000 "},
      {123456789012345.0, " 123456789012345 "},
      {1.0E+15, " 1E+15 "},
      {1.0 / 3.0, " .333333333333333 "},
      {static_cast<double>(0.35f), " .349999994039536 "},
      {1.0E+100, " 1E+100 "},
      {-1.0E-100, "-1E-100 "},
  };
  for (const auto& c : cases) EXPECT_EQ(GenNum(c.v), c.gen) << c.v;
  EXPECT_EQ(Str(-0.5), "-.5");
}

TEST(GenNum, WholeNumbers) {
  EXPECT_EQ(GenNum(std::int16_t{0}), " 0 ");
  EXPECT_EQ(GenNum(std::int16_t{-32768}), "-32768 ");
  EXPECT_EQ(GenNum(std::int16_t{32767}), " 32767 ");
  EXPECT_EQ(GenNum(80), " 80 ");
  EXPECT_EQ(GenNum(100000000L), " 100000000 ");
  EXPECT_EQ(Str(std::int16_t{3}), " 3");
  EXPECT_EQ(Str(-7), "-7");
  EXPECT_EQ(Str(std::size_t{12}), " 12");
}

TEST(GenNum, NonFiniteValuesAreNamed) {
  EXPECT_EQ(GenNum(std::numeric_limits<double>::quiet_NaN()), "NaN ");
  EXPECT_EQ(GenNum(-std::numeric_limits<float>::infinity()), "-Inf ");
}

struct MaskCase {
  double v;
  const char* mask;
  const char* out;
};

TEST(FormatMask, MasksOfTheReportsAndGraphs) {
  const MaskCase cases[] = {
      {12, "##", "12"},
      {3, "##", "3"},
      {0.3, "###", ""},  // below 0.5: nothing
      {0.5, "###", "1"},
      {2.5, "###", "3"},  // halves away from zero
      {-2.5, "###", "-3"},
      {1234, "###", "1234"},  // integer digits beyond the places all shown
      {7, "#0", "7"},
      {0, "#0", "0"},
      {0, "##0", "0"},
      {0.5, "##0.000", "0.500"},
      {-1.23456, "##0.000", "-1.235"},
      {12345.678, "##0.000", "12345.678"},
      {0.0004, "##0.000", "0.000"},
      {-0.0004, "##0.000", "0.000"},  // rounds to zero: no sign
      {12345, "0.000E+00", "1.235E+04"},
      {30000, "0.000E+00", "3.000E+04"},
      {0, "0.000E+00", "0.000E+00"},
      {-0.00012345, "0.000E+00", "-1.235E-04"},
      {9.9996, "0.000E+00", "1.000E+01"},
      {1e100, "0.000E+00", "1.000E+100"},
      {400000, "0.0000E+00", "4.0000E+05"},
      {0.0123, ".00000E+00", ".12300E-01"},
      {0, ".00000E+00", ".00000E+00"},
      {123.456, ".00000E+00", ".12346E+03"},
      {-0.5, ".000E+00", "-.500E+00"},
      {1, ".000E+00", ".100E+01"},
      {30000, "#.###E+##", "3.E+4"},
      {12.345, "####.##", "12.35"},
      {0.5, "####.##", ".5"},
      {12, "####.##", "12."},
      {0.5, "###.##", ".5"},
      {0, "###.##", "."},
      {2, "0.###", "2."},
      {0.12345, "0.###", "0.123"},
      {12.3, "##0.00000#", "12.30000"},
      {12.3456789, "##0.00000#", "12.345679"},
      {1.5, "###.#0", "1.50"},
      {1.25, "##0.#", "1.3"},
      {3.14159, "##0.00", "3.14"},
      {0.123456789, "##0.00000000", "0.12345679"},
      {-1.2, "#0.000", "-1.200"},
      {2.5, "###0.00000", "2.50000"},
      {12345.6, "##########0.0", "12345.6"},
      {0.35, "0.00000", "0.35000"},
      {45, "00", "45"},
      {5, "00", "05"},
      {-0.5, "", "-.5"},
      {0, "#", ""},
      {0.4, "0", "0"},
      {5, "###.0", "5.0"},
      {0, "0.###", "0."},
      {0.005, "#0.##", "0.01"},
      {-1234567.891, "######0.###", "-1234567.891"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatMask(c.v, c.mask), c.out) << c.v << " " << c.mask;
}

TEST(FormatMask, SinglePrecisionValuesRoundFromTheirSevenDigits) {
  // 0.35f is 0.3499999940...; taken to seven digits it is .35, so the eight-decimal field shows it.
  EXPECT_EQ(FormatMask(0.35f, "##0.00000000"), "0.35000000");
  EXPECT_EQ(FormatMask(static_cast<double>(0.35f), "##0.00000000"), "0.34999999");
  EXPECT_EQ(FormatMask(1.005f, "##0.00"), "1.01");
  EXPECT_EQ(FormatMask(std::int16_t{42}, "##0"), "42");
}

TEST(LnUp, RightAlignsAndNeverCuts) {
  EXPECT_EQ(LnUp(12, 4, "##"), "  12");
  EXPECT_EQ(LnUp(123456, 4, "##"), "123456");
  EXPECT_EQ(LnUp(std::int16_t{3}, 3, "##"), "  3");
  EXPECT_EQ(LnUp(400000.0f, 11, "0.000E+00"), "  4.000E+05");
  EXPECT_EQ(LnUp(0.0123, 13, ".00000E+00"), "   .12300E-01");
  EXPECT_EQ(LnUp(-1.5f, 8, "##0.000"), "  -1.500");
  EXPECT_EQ(LnUp(0.2, 5, "###"), "     ");
  EXPECT_EQ(LnUp(5, 0, "##"), "5");
  EXPECT_EQ(LnUp(5, -3, "##"), "5");
}

// A field after another: a value that fills its field or runs past it keeps a blank before it,
// unless its minus sign stands there; one that leaves a blank of its own is unchanged.
TEST(LnUpApart, KeepsTheFieldApartFromTheOneBefore) {
  EXPECT_EQ(LnUpApart(12.5f, 9, "####0.000"), "   12.500");
  EXPECT_EQ(LnUpApart(12345.5f, 9, "####0.000"), " 12345.500");
  EXPECT_EQ(LnUpApart(1e11f, 12, "####0.00000"), " 100000000000.00000");
  EXPECT_EQ(LnUpApart(-2440.657f, 9, "####0.000"), "-2440.657");
  EXPECT_EQ(LnUpApart(-12345.5f, 9, "####0.000"), "-12345.500");
  EXPECT_EQ(LnUpApart(420, 3, "##0"), " 420");
}

}  // namespace
}  // namespace pave
