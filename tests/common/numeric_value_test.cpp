#include <gtest/gtest.h>

#include <optional>

#include "common/numeric_value.h"
#include "common/value.h"

namespace pave {
namespace {

TEST(NumericValue, TakesTheNumberAtTheStart) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"12abc", 12},     {"abc", 0},         {"", 0},         {"  3.5  ", 3.5},
      {"1 2", 12},       {"- 1 . 5", -1.5},  {".5", 0.5},     {"-.5", -0.5},
      {"+3", 3},         {"1.365E-09", 1.365e-9}, {"2e3x", 2000}, {"1e", 1},
      {"1e+", 1},        {"1E 2", 100},      {"1D2", 100},    {"3,5", 3},
      {"-", 0},          {".", 0},           {"1e999", 0},    {"1e-999", 0},
      {"\t7\t", 7},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(NumericValue(c.text), c.value) << c.text;
}

TEST(ParseNumber, AcceptsOnlyWholeNumbers) {
  EXPECT_EQ(ParseNumber("1.365E-09"), 1.365e-9);
  EXPECT_EQ(ParseNumber(".001"), 0.001);
  EXPECT_EQ(ParseNumber("-.5"), -0.5);
  EXPECT_EQ(ParseNumber(" 3 "), 3.0);
  EXPECT_EQ(ParseNumber("5."), 5.0);
  EXPECT_EQ(ParseNumber("+2"), 2.0);
  EXPECT_EQ(ParseNumber("1e-999"), 0.0);
  for (const char* bad : {"", " ", "abc", "3x", "1 2", "1e", "1e+", ".", "-", "1e999", "inf", "nan", "0x10"}) {
    EXPECT_EQ(ParseNumber(bad), std::nullopt) << bad;
  }
}

TEST(Value, RemembersWhatItHolds) {
  Value empty;
  Value number = 0.5;
  Value zero = 0;
  Value text = "0.5";
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_TRUE(number.IsNumber());
  EXPECT_TRUE(zero.IsNumber());
  EXPECT_TRUE(text.IsText());

  EXPECT_EQ(empty.Number(), 0);
  EXPECT_EQ(empty.Text(), "");
  EXPECT_EQ(empty.Printed(), "");
  EXPECT_EQ(number.Text(), ".5");
  EXPECT_EQ(number.Printed(), " .5 ");
  EXPECT_EQ(Value(-2.0).Text(), "-2");
  EXPECT_EQ(text.Number(), 0.5);
  EXPECT_EQ(text.Printed(), "0.5");
  EXPECT_EQ(Value(std::string("12 abc")).Number(), 12);

  // The number it stands for: held, or spelled by the whole text (a number typed into a grid).
  EXPECT_EQ(number.AsNumber(), 0.5);
  EXPECT_EQ(text.AsNumber(), 0.5);
  EXPECT_EQ(Value(" -5 ").AsNumber(), -5);
  EXPECT_EQ(empty.AsNumber(), std::nullopt);
  EXPECT_EQ(Value("12 abc").AsNumber(), std::nullopt);
  EXPECT_EQ(Value("").AsNumber(), std::nullopt);

  EXPECT_NE(number, text);  // same value, different kinds
  EXPECT_EQ(number, Value(0.5));
}

TEST(Value, NumberRoundTripsThroughItsPrintedForm) {
  for (double v : {0.0, 0.001, -0.5, 400000.0, 1.365e-9, 0.35, 80.0, 1e20}) {
    const Value original(v);
    const std::optional<double> back = ParseNumber(original.Printed());
    ASSERT_TRUE(back.has_value()) << v;
    EXPECT_EQ(Value(*back), original) << v;
  }
}

}  // namespace
}  // namespace pave
