// Number conversions: any text converts without fault; every accepted value
// and every float survives a write and a read back unchanged.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "shared/core/numbers.h"

using namespace ravelo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const double leading = LeadingNumber(text);
  if (const auto rounded = RoundToInt16(leading)) {
    FUZZ_CHECK(std::fabs(static_cast<double>(*rounded) - leading) <= 0.5);
  }
  if (const auto colour = ParseColour(text)) {
    FUZZ_CHECK(ParseColour(std::to_string(*colour)) == colour);
  }
  if (const auto fontSize = ParseFontSize(text)) {
    FUZZ_CHECK(std::isfinite(*fontSize));
    const auto back = ParseFontSize(FormatSingleShortest(*fontSize));
    FUZZ_CHECK(back && (*back == *fontSize));
  }
  // The first four bytes as a float: its shortest text reads back exactly.
  if (size >= sizeof(float)) {
    float value;
    std::memcpy(&value, data, sizeof value);
    if (std::isfinite(value)) {
      const std::string shortest = FormatSingleShortest(value);
      const auto back = ParseFontSize(shortest);
      FUZZ_CHECK(back && (*back == value));
    }
  }
  return 0;
}
