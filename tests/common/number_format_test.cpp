#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <ostream>
#include <vector>
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

struct FieldCase {
  const char* name;
  double v;
  bool single;   // the value is single precision
  int width;
  const char* mask;
  const char* out;
};
void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.name; }

class LnUpField : public ::testing::TestWithParam<FieldCase> {};

// A value right-aligned in its field with a blank in front; one that would fill the field takes
// fewer decimals, then the exponent form; whole numbers keep every digit.
TEST_P(LnUpField, KeepsItsWidthAndABlankInFront) {
  const FieldCase& c = GetParam();
  const std::string out = c.single ? LnUp(static_cast<float>(c.v), c.width, c.mask) : LnUp(c.v, c.width, c.mask);
  EXPECT_EQ(out, c.out);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LnUpField,
    ::testing::Values(
        FieldCase{"WholeNumber", 12, false, 4, "##", "  12"},
        FieldCase{"ExponentMask", 400000, true, 11, "0.000E+00", "  4.000E+05"},
        FieldCase{"MantissaBelowOne", 0.0123, false, 13, ".00000E+00", "   .12300E-01"},
        FieldCase{"Negative", -1.5, true, 8, "##0.000", "  -1.500"},
        FieldCase{"NoDigitsShown", 0.2, false, 5, "###", "     "},
        FieldCase{"NoWidth", 5, false, 0, "##", "5"},
        FieldCase{"NegativeWidth", 5, false, -3, "##", "5"},
        // The radial stress of LAY3SI's viscoelastic table: its minus sign filled the column.
        FieldCase{"MinusFillingItsColumnTakesADecimalLess", -2440.657, true, 9, "####0.000", " -2440.66"},
        FieldCase{"DigitsFillingTheirColumn", 12345.5, true, 9, "####0.000", " 12345.50"},
        FieldCase{"OptionalDecimalGoesFirst", 123.456789, false, 10, "##0.00000#", " 123.45679"},
        FieldCase{"DecimalsDownToNone", 1234567.25, true, 9, "####0.000", "  1234567"},
        FieldCase{"TooWideForAnyDecimals", 1e11, true, 12, "####0.00000", "   1.000E+11"},
        FieldCase{"NegativeExponentFormShrinks", -3.4e38, true, 8, "##0.000", "  -3E+38"},
        FieldCase{"ExponentMaskWithThreeExponentDigits", -1.2345e-300, false, 11, "0.000E+00", " -1.23E-300"},
        FieldCase{"MantissaBelowOneKeepsADecimal", -1.5e300, false, 10, ".000E+00", " -.15E+301"},
        FieldCase{"WholeNumberFillingItsField", 420, false, 3, "##0", " 420"},
        FieldCase{"WholeNumberWiderThanItsField", 123456, false, 4, "##", " 123456"}),
    [](const ::testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.name); });

// A field that no number stands before: its value may fill it.
TEST(LnUpFirst, MayFillItsField) {
  EXPECT_EQ(LnUpFirst(100, 3, "##0"), "100");
  EXPECT_EQ(LnUpFirst(11, 2, "#0"), "11");
  EXPECT_EQ(LnUpFirst(7, 3, "##0"), "  7");
  EXPECT_EQ(LnUpFirst(123456, 4, "##"), "123456");
  EXPECT_EQ(LnUpFirst(-2440.657f, 9, "####0.000"), "-2440.657");
  EXPECT_EQ(LnUpFirst(-1234.567f, 9, "####0.000"), "-1234.567");
  EXPECT_EQ(LnUpFirst(123456.7f, 9, "####0.000"), "123456.70");
}

// Whatever single or double value a real field of the reports is given (the narrowest is 8
// columns), it keeps its width and a blank in front, and still reads as the value to its
// leading digit.
TEST(LnUp, EveryValueFitsEveryRealFieldOfTheReports) {
  const char* const masks[] = {"##0.000",     "#0.000",       "##0.00",         "####0.000",     "#####0.000",
                               "######0.000", "########0.000", "###0.00000",    "##0.00000",     "####0.00000",
                               "##0.00000#",  "0.00000",      "##0.00000000",   "#####0.0",      "######0.0",
                               "##########0.0", "###########0.0", "0.000E+00",  ".000E+00",      ".00000E+00"};
  std::vector<double> values;
  for (int e = -320; e <= 308; e += 7) {
    for (double m : {1.0, 4.99999, 9.99999}) {
      values.push_back(m * std::pow(10.0, e));
      values.push_back(-m * std::pow(10.0, e));
    }
  }
  values.push_back(std::numeric_limits<float>::max());
  values.push_back(-std::numeric_limits<float>::denorm_min());
  for (const char* mask : masks) {
    for (int width = 8; width <= 20; ++width) {
      for (double v : values) {
        std::vector<std::string> outs = {LnUp(v, width, mask)};
        if (std::fabs(v) <= std::numeric_limits<float>::max()) outs.push_back(LnUp(static_cast<float>(v), width, mask));
        for (const std::string& out : outs) {
          SCOPED_TRACE(std::string(mask) + " width " + std::to_string(width) + ": " + out);
          ASSERT_EQ(static_cast<int>(out.size()), width);
          ASSERT_EQ(out[0], ' ');
          const double read = std::strtod(out.c_str(), nullptr);
          if (std::fabs(v) >= 1) {
            ASSERT_LT(std::fabs(read - v), 0.5 * std::fabs(v)) << v;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace pave
