#include "shared/core/numbers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <utility>

namespace ravelo {
namespace {

TEST(LeadingNumber, TakesTheNumberAtTheStartIgnoringBlanks) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const std::pair<const char*, double> cases[] = {
      {"600", 600},  {"600   ", 600}, {"  42", 42},  {"5a", 5},      {"-1", -1},   {"+7", 7},   {"37.5", 37.5},
      {".5", 0.5},   {"-.25x", -0.25}, {"12.", 12},  {"1e3", 1000},  {"2.5E-1", 0.25},
      {"1 2", 12},   {"- 5", -5},     {"\t3\t", 3},  // blanks anywhere are ignored
      {"", 0},       {"   ", 0},      {"abc", 0},   {"-", 0},       {".", 0},     {"宋体", 0}, {"x12", 0},
      {"5e", 5},     {"5e+", 5},      {"5ex", 5},   // an exponent marker without digits ends the number
      // Out-of-range exponents saturate, judged by the first significant digit.
      {"1e999", kInf}, {"-1e999", -kInf}, {"1e-999", 0}, {"0.001e400", kInf}, {"1000e-400", 0},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(LeadingNumber(text), value) << text;
}

TEST(RoundToInt16, RoundsHalvesToEvenAndChecksTheRangeAfterRounding) {
  const std::pair<double, std::optional<int>> cases[] = {
      {2.5, 2},         {3.5, 4},          {-2.5, -2}, {0.5, 0},    {2.4999, 2},     {-0.4, 0},
      {32767.4, 32767}, {32767.5, std::nullopt},  // rounds to 32768
      {-32768.5, -32768},  // rounds to the even -32768
      {-32769.0, std::nullopt}, {1e10, std::nullopt}, {std::numeric_limits<double>::infinity(), std::nullopt},
      {std::numeric_limits<double>::quiet_NaN(), std::nullopt}};
  for (const auto& [value, rounded] : cases) {
    const auto got = RoundToInt16(value);
    EXPECT_EQ(got ? std::optional<int>(*got) : std::nullopt, rounded) << value;
  }
}

// Colours take the whole text as a decimal integer, halves rounded to even.
TEST(ParseColour, TakesOnlyAWholeNumberInRange) {
  const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
      {"16777215", 16777215}, {"  8388672   ", 8388672}, {"-1", -1}, {"2147483647", 2147483647},
      {"-2147483648", std::numeric_limits<std::int32_t>::min()}, {"12.5", 12}, {"13.5", 14}, {"1e3", 1000},
      {"", std::nullopt}, {"   ", std::nullopt}, {"12ab", std::nullopt}, {"1 2", std::nullopt},
      {"2147483648", std::nullopt}, {"-2147483649", std::nullopt}, {"99999999999999999999999", std::nullopt},
      {"1e999", std::nullopt}, {"5e", std::nullopt}};
  for (const auto& [text, colour] : cases) EXPECT_EQ(ParseColour(text), colour) << text;
}

TEST(ParseFontSize, TakesTheWholeTextAsANumber) {
  const std::pair<const char*, std::optional<float>> cases[] = {
      {"72  ", 72.0f}, {"10.5", 10.5f}, {"", std::nullopt}, {"12pt", std::nullopt},
      {"1e39", std::nullopt},  // beyond single precision
      // Rounded once, to float: the shortest texts of the largest floats.
      {"3.4028235e+38", std::numeric_limits<float>::max()}, {"-3.4028235e+38", -std::numeric_limits<float>::max()},
      {"3.4028236e+38", std::nullopt}};
  for (const auto& [text, size] : cases) EXPECT_EQ(ParseFontSize(text), size) << text;
}

TEST(FormatSingleShortest, GivesTheShortestTextThatReadsBack) {
  const std::pair<float, const char*> cases[] = {{120.0f, "120"}, {-3.0f, "-3"},          {-0.0f, "0"},
                                                 {0.1f, "0.1"},   {123.75f, "123.75"},    {1000000.0f, "1000000"},
                                                 {1.0f / 3.0f, "0.33333334"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(FormatSingleShortest(value), text) << text;
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
