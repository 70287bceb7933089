// A fast decoder for the uncompressed 24- and 32-bit BMP files the skin
// ships: the picture is read without loading the platform's imaging
// components. Other files (other BMP kinds, PNG, JPEG, GIF) are left to them.
#pragma once

#include <cstdint>
#include <cstddef>
#include <optional>
#include <string_view>

namespace ravelo {

// Where the pixels of a simple BMP file are.
struct SimpleBmp {
  int width = 0;
  int height = 0;
  bool alpha = false;    // 32-bit with an alpha mask; otherwise opaque
  bool topDown = false;  // rows stored from the top (negative height)
  std::size_t bytesPerPixel = 0;
  std::size_t stride = 0;
  std::size_t dataOffset = 0;
};

// Empty when the bytes are not an uncompressed 24- or 32-bit BMP (32-bit
// ones with the usual channel masks), or when they are damaged or cut short.
std::optional<SimpleBmp> ParseSimpleBmp(std::string_view file);

// Writes the picture as premultiplied BGRA (0xAARRGGBB), top row first, to
// destination, which holds width x height pixels.
void CopySimpleBmpPixels(std::string_view file, const SimpleBmp& bmp, std::uint32_t* destination);

}  // namespace ravelo
