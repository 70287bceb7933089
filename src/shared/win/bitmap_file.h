// A fast decoder for the uncompressed 24- and 32-bit BMP files the skin
// ships: the picture is read without loading the platform's imaging
// components. Other files (other BMP kinds, PNG, JPEG, GIF) are left to them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace ravelo::win {

struct DecodedPixels {
  int width = 0;
  int height = 0;
  // Premultiplied BGRA (0xAARRGGBB), top row first.
  std::vector<std::uint32_t> pixels;
};

// Empty when the bytes are not an uncompressed 24- or 32-bit BMP (32-bit
// ones with an alpha mask keep their transparency; without one they are
// opaque), or when they are damaged.
std::optional<DecodedPixels> DecodeSimpleBmp(std::string_view file);

}  // namespace ravelo::win
