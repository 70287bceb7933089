// The four-byte sequences of GB18030, which code page 936 lacks but which
// decoding accepts, computed the same way on every platform.
#pragma once

#include <optional>
#include <string_view>

namespace ravelo::detail {

// The character of a four-byte sequence (first and third byte 0x81-0xFE,
// second and fourth 0x30-0x39); nullopt for one that names no character.
std::optional<char32_t> DecodeGb18030FourBytes(std::string_view sequence);

}  // namespace ravelo::detail
