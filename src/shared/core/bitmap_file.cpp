#include "shared/core/bitmap_file.h"

#include <cstdint>

namespace ravelo {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPlainRgb = 0;     // BI_RGB
constexpr std::uint32_t kBitFields = 3;    // BI_BITFIELDS
constexpr std::int64_t kMaxSide = 16384;

std::uint32_t U32(std::string_view bytes, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return v;
}

std::uint16_t U16(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

std::uint32_t Premultiplied(std::uint32_t b, std::uint32_t g, std::uint32_t r, std::uint32_t a) {
  if (a == 255) return 0xFF000000u | (r << 16) | (g << 8) | b;
  const auto scale = [a](std::uint32_t c) { return (c * a + 127) / 255; };
  return (a << 24) | (scale(r) << 16) | (scale(g) << 8) | scale(b);
}

}  // namespace

std::optional<SimpleBmp> ParseSimpleBmp(std::string_view file) {
  if (file.size() < kFileHeaderSize + kInfoHeaderSize || file[0] != 'B' || file[1] != 'M') return std::nullopt;
  const std::uint32_t dataOffset = U32(file, 10);
  const std::size_t info = kFileHeaderSize;
  const std::uint32_t infoSize = U32(file, info);
  if (infoSize < kInfoHeaderSize || info + infoSize > file.size()) return std::nullopt;
  const auto width = static_cast<std::int32_t>(U32(file, info + 4));
  const auto rawHeight = static_cast<std::int32_t>(U32(file, info + 8));
  const std::uint16_t planes = U16(file, info + 12);
  const std::uint16_t bits = U16(file, info + 14);
  const std::uint32_t compression = U32(file, info + 16);
  const bool topDown = rawHeight < 0;
  const std::int64_t height = topDown ? -static_cast<std::int64_t>(rawHeight) : rawHeight;
  if (planes != 1 || width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return std::nullopt;
  if (bits != 24 && bits != 32) return std::nullopt;

  bool alpha = false;
  if (compression == kBitFields) {
    // Only the usual layout: red, green and blue in their bytes. The masks
    // follow a 40-byte header and are part of a longer one.
    const std::size_t masks = info + kInfoHeaderSize;
    if (bits != 32 || masks + 12 > file.size()) return std::nullopt;
    if (U32(file, masks) != 0x00FF0000u || U32(file, masks + 4) != 0x0000FF00u || U32(file, masks + 8) != 0x000000FFu)
      return std::nullopt;
    alpha = infoSize >= 56 && U32(file, masks + 12) == 0xFF000000u;
  } else if (compression != kPlainRgb) {
    return std::nullopt;
  }

  const std::size_t bytesPerPixel = bits / 8u;
  const std::size_t stride = (static_cast<std::size_t>(width) * bytesPerPixel + 3) & ~std::size_t{3};
  const auto rows = static_cast<std::size_t>(height);
  if (dataOffset > file.size() || (file.size() - dataOffset) / stride < rows) return std::nullopt;

  SimpleBmp bmp;
  bmp.width = width;
  bmp.height = static_cast<int>(height);
  bmp.alpha = alpha;
  bmp.topDown = topDown;
  bmp.bytesPerPixel = bytesPerPixel;
  bmp.stride = stride;
  bmp.dataOffset = dataOffset;
  return bmp;
}

void CopySimpleBmpPixels(std::string_view file, const SimpleBmp& bmp, std::uint32_t* destination) {
  const auto rows = static_cast<std::size_t>(bmp.height);
  const auto width = static_cast<std::size_t>(bmp.width);
  for (std::size_t y = 0; y < rows; ++y) {
    const std::size_t sourceRow = bmp.topDown ? y : rows - 1 - y;
    const auto* src = reinterpret_cast<const unsigned char*>(file.data() + bmp.dataOffset + sourceRow * bmp.stride);
    std::uint32_t* dst = destination + y * width;
    if (!bmp.alpha) {
      for (std::size_t x = 0; x < width; ++x, src += bmp.bytesPerPixel)
        dst[x] = 0xFF000000u | (std::uint32_t{src[2]} << 16) | (std::uint32_t{src[1]} << 8) | src[0];
      continue;
    }
    for (std::size_t x = 0; x < width; ++x, src += 4) dst[x] = Premultiplied(src[0], src[1], src[2], src[3]);
  }
}

}  // namespace ravelo
