// The conversions the suite applies to configuration texts and numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ravelo {

// The value of the text's leading decimal number: blanks ignored, optional
// sign, digits, optional fraction, optional exponent. Empty or non-numeric
// text gives 0 ("600   " -> 600, "5a" -> 5, "x" -> 0).
double LeadingNumber(std::string_view text);

// Nearest 16-bit integer, halves to even (2.5 -> 2, 3.5 -> 4); nullopt
// outside -32768..32767 after rounding, or for NaN.
std::optional<int16_t> RoundToInt16(double value);

// The whole text (surrounding blanks allowed) as a decimal number rounded to
// a 32-bit integer (halves to even); nullopt for empty text, trailing
// garbage ("12ab") or a value outside the 32-bit range.
std::optional<int32_t> ParseColour(std::string_view text);

// The whole text (surrounding blanks allowed) as a single-precision number;
// nullopt when it is not one.
std::optional<float> ParseFontSize(std::string_view text);

// The shortest decimal text that reads back as the same float:
// 120 -> "120", 37.5 -> "37.5", -3 -> "-3", 0.1f -> "0.1".
std::string FormatSingleShortest(float value);

}  // namespace ravelo
