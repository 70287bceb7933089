#include "shared/core/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

namespace ravelo {
namespace {

TEST(LeadingNumber, TakesTheNumberAtTheStartIgnoringBlanks) {
  const std::pair<const char*, double> cases[] = {
      {"600", 600},  {"600   ", 600}, {"  42", 42},  {"5a", 5},      {"-1", -1},   {"+7", 7},   {"37.5", 37.5},
      {".5", 0.5},   {"-.25x", -0.25}, {"12.", 12},  {"1e3", 1000},  {"2.5E-1", 0.25},
      {"1 2", 12},   {"- 5", -5},     {"\t3\t", 3},  // blanks anywhere are ignored
      {"", 0},       {"   ", 0},      {"abc", 0},   {"-", 0},       {".", 0},     {"宋体", 0}, {"x12", 0},
      {"5e", 5},     {"5e+", 5},      {"5ex", 5},   // an exponent marker without digits ends the number
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(LeadingNumber(text), value) << text;
}

TEST(LeadingNumber, OutOfRangeExponentsSaturate) {
  EXPECT_TRUE(std::isinf(LeadingNumber("1e999")));
  EXPECT_LT(LeadingNumber("-1e999"), 0.0);
  EXPECT_EQ(LeadingNumber("1e-999"), 0.0);
  EXPECT_TRUE(std::isinf(LeadingNumber("0.001e400")));
  EXPECT_EQ(LeadingNumber("1000e-400"), 0.0);
}

TEST(RoundToInt16, RoundsHalvesToEven) {
  const std::pair<double, int> cases[] = {{2.5, 2},     {3.5, 4},   {-2.5, -2}, {0.5, 0},
                                          {1.5, 2},     {2.4999, 2}, {-0.4, 0}, {600.0, 600}};
  for (const auto& [value, rounded] : cases) EXPECT_EQ(RoundToInt16(value), rounded) << value;
}

TEST(RoundToInt16, RangeIsCheckedAfterRounding) {
  EXPECT_EQ(RoundToInt16(32767.0), 32767);
  EXPECT_EQ(RoundToInt16(32767.4), 32767);
  EXPECT_EQ(RoundToInt16(32767.5), std::nullopt);  // rounds to 32768
  EXPECT_EQ(RoundToInt16(-32768.5), -32768);        // rounds to the even -32768
  EXPECT_EQ(RoundToInt16(-32769.0), std::nullopt);
  EXPECT_EQ(RoundToInt16(1e10), std::nullopt);
  EXPECT_EQ(RoundToInt16(std::numeric_limits<double>::infinity()), std::nullopt);
  EXPECT_EQ(RoundToInt16(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
}

TEST(ParseColour, TakesTheWholeTextAsADecimalInteger) {
  EXPECT_EQ(ParseColour("255"), 255);
  EXPECT_EQ(ParseColour("16777215"), 16777215);
  EXPECT_EQ(ParseColour("  8388672   "), 8388672);
  EXPECT_EQ(ParseColour("-1"), -1);
  EXPECT_EQ(ParseColour("2147483647"), 2147483647);
  EXPECT_EQ(ParseColour("-2147483648"), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(ParseColour("12.5"), 12);  // halves to even
  EXPECT_EQ(ParseColour("13.5"), 14);
  EXPECT_EQ(ParseColour("1e3"), 1000);
}

TEST(ParseColour, RejectsAnythingButAWholeNumber) {
  EXPECT_EQ(ParseColour(""), std::nullopt);
  EXPECT_EQ(ParseColour("   "), std::nullopt);
  EXPECT_EQ(ParseColour("12ab"), std::nullopt);
  EXPECT_EQ(ParseColour("ab"), std::nullopt);
  EXPECT_EQ(ParseColour("1 2"), std::nullopt);
  EXPECT_EQ(ParseColour("2147483648"), std::nullopt);
  EXPECT_EQ(ParseColour("-2147483649"), std::nullopt);
  EXPECT_EQ(ParseColour("99999999999999999999999"), std::nullopt);
  EXPECT_EQ(ParseColour("1e999"), std::nullopt);
  EXPECT_EQ(ParseColour("5e"), std::nullopt);
}

TEST(ParseFontSize, TakesTheWholeTextAsANumber) {
  EXPECT_EQ(ParseFontSize("26"), 26.0f);
  EXPECT_EQ(ParseFontSize("72  "), 72.0f);
  EXPECT_EQ(ParseFontSize("10.5"), 10.5f);
  EXPECT_EQ(ParseFontSize(""), std::nullopt);
  EXPECT_EQ(ParseFontSize("12pt"), std::nullopt);
  EXPECT_EQ(ParseFontSize("big"), std::nullopt);
  EXPECT_EQ(ParseFontSize("1e39"), std::nullopt);  // beyond single precision
  // Rounded once, to float: the shortest texts of the largest floats.
  EXPECT_EQ(ParseFontSize("3.4028235e+38"), std::numeric_limits<float>::max());
  EXPECT_EQ(ParseFontSize("-3.4028235e+38"), -std::numeric_limits<float>::max());
  EXPECT_EQ(ParseFontSize("3.4028236e+38"), std::nullopt);
}

TEST(FormatSingleShortest, GivesTheShortestTextThatReadsBack) {
  EXPECT_EQ(FormatSingleShortest(120.0f), "120");
  EXPECT_EQ(FormatSingleShortest(37.5f), "37.5");
  EXPECT_EQ(FormatSingleShortest(-3.0f), "-3");
  EXPECT_EQ(FormatSingleShortest(0.0f), "0");
  EXPECT_EQ(FormatSingleShortest(-0.0f), "0");
  EXPECT_EQ(FormatSingleShortest(0.1f), "0.1");
  EXPECT_EQ(FormatSingleShortest(123.75f), "123.75");
  EXPECT_EQ(FormatSingleShortest(1000000.0f), "1000000");
  EXPECT_EQ(FormatSingleShortest(1.0f / 3.0f), "0.33333334");
}

TEST(FormatSingleShortest, ReadsBackAsTheSameFloat) {
  for (const float value : {0.1f, 1.0f / 3.0f, 185.25f, -17.125f, 12345.678f, 3e-4f, 7e20f}) {
    const auto back = ParseFontSize(FormatSingleShortest(value));
    ASSERT_TRUE(back.has_value()) << FormatSingleShortest(value);
    EXPECT_EQ(*back, value) << FormatSingleShortest(value);
  }
}

}  // namespace
}  // namespace ravelo
