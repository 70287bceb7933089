#include "shared/core/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace ravelo {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The length of the decimal number at the start of text (sign, digits,
// fraction, exponent), 0 when there is none. An exponent marker without
// digits is not part of the number ("5e" is 5).
size_t NumberLength(std::string_view text) {
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  return i;
}

// For a number out of the type's range: whether it is too large rather than
// too small, from the power of ten of its first significant digit.
bool IsHuge(std::string_view number) {
  long long integerDigits = 0;
  long long digitIndex = 0;
  long long firstSignificant = -1;
  bool afterPoint = false;
  size_t i = 0;
  for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
    if (number[i] == '.') {
      afterPoint = true;
    } else if (IsDigit(number[i])) {
      if (!afterPoint) ++integerDigits;
      if (firstSignificant < 0 && number[i] != '0') firstSignificant = digitIndex;
      ++digitIndex;
    }
  }
  if (firstSignificant < 0) return false;
  long long exponent = 0;
  if (i < number.size()) {
    const std::string_view e = number.substr(i + 1);
    for (const char c : e) {
      if (IsDigit(c) && exponent < 1000000) exponent = exponent * 10 + (c - '0');
    }
    if (!e.empty() && e.front() == '-') exponent = -exponent;
  }
  return integerDigits - 1 - firstSignificant + exponent > 0;
}

// The value of a complete number as NumberLength accepts it. from_chars does
// not take a leading '+' and is independent of the C locale's decimal point.
template <typename T>
std::optional<T> ValueOf(std::string_view number) {
  bool negative = false;
  if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
    negative = number.front() == '-';
    number.remove_prefix(1);
  }
  T value{};
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (ec == std::errc::result_out_of_range) {
    value = IsHuge(number) ? std::numeric_limits<T>::infinity() : T{};
  } else if (ec != std::errc() || end != number.data() + number.size()) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

// The whole text, surrounding blanks aside, as a number of type T, rounded
// once to T; nullopt otherwise.
template <typename T>
std::optional<T> WholeNumber(std::string_view text) {
  text = TrimBlanks(text);
  if (text.empty() || NumberLength(text) != text.size()) return std::nullopt;
  return ValueOf<T>(text);
}

}  // namespace

double LeadingNumber(std::string_view text) {
  // Blanks are ignored wherever they stand, so "1 2" reads as 12.
  std::string packed;
  packed.reserve(text.size());
  for (const char c : text) {
    if (!IsBlank(c)) packed.push_back(c);
  }
  const size_t len = NumberLength(packed);
  if (len == 0) return 0.0;
  return ValueOf<double>(std::string_view(packed).substr(0, len)).value_or(0.0);
}

std::optional<int16_t> RoundToInt16(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = std::nearbyint(value);  // the default mode rounds halves to even
  if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
  return static_cast<int16_t>(rounded);
}

std::optional<int32_t> ParseColour(std::string_view text) {
  const auto value = WholeNumber<double>(text);
  if (!value || !std::isfinite(*value)) return std::nullopt;
  const double rounded = std::nearbyint(*value);
  if (rounded < -2147483648.0 || rounded > 2147483647.0) return std::nullopt;
  return static_cast<int32_t>(rounded);
}

std::optional<float> ParseFontSize(std::string_view text) {
  // Read straight as a float: through a double, the shortest text of the
  // largest float is a little above it until rounded.
  const auto value = WholeNumber<float>(text);
  if (!value || !std::isfinite(*value)) return std::nullopt;
  return *value;
}

std::string FormatSingleShortest(float value) {
  if (value == 0.0f) return "0";  // also for -0: it is not negative
  char buffer[64];
  // Plain decimals for the sizes and positions the suite writes; the
  // exponent form only where a plain decimal would be unreasonably long.
  const bool plain = std::fabs(value) >= 1e-5f && std::fabs(value) < 1e15f;
  const auto result = plain ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
                            : std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace ravelo
