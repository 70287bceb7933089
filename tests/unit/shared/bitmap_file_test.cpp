#include "shared/core/bitmap_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace ravelo {
namespace {

void Put32(std::string& bytes, size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + static_cast<size_t>(i)] = static_cast<char>(value >> (8 * i));
}

// A BMP file of the given kind whose pixel bytes count up from 1; 32-bit
// files carry the usual channel masks (and an alpha mask when alpha).
std::string Bmp(int width, int height, std::uint16_t bits, bool alpha = false) {
  const size_t info = bits == 32 ? 56 : 40;
  const size_t bytesPerPixel = bits / 8u;
  const size_t stride = (static_cast<size_t>(width < 0 ? -width : width) * bytesPerPixel + 3) & ~size_t{3};
  const size_t rows = static_cast<size_t>(height < 0 ? -height : height);
  std::string file(14 + info, '\0');
  file[0] = 'B';
  file[1] = 'M';
  Put32(file, 10, static_cast<std::uint32_t>(14 + info));
  Put32(file, 14, static_cast<std::uint32_t>(info));
  Put32(file, 18, static_cast<std::uint32_t>(width));
  Put32(file, 22, static_cast<std::uint32_t>(height));
  file[26] = 1;
  file[28] = static_cast<char>(bits);
  if (bits == 32) {
    Put32(file, 30, 3);  // BI_BITFIELDS
    Put32(file, 54, 0x00FF0000u);
    Put32(file, 58, 0x0000FF00u);
    Put32(file, 62, 0x000000FFu);
    Put32(file, 66, alpha ? 0xFF000000u : 0u);
  }
  for (size_t i = 0; i < stride * rows; ++i) file.push_back(static_cast<char>(i + 1));
  return file;
}

std::vector<std::uint32_t> Pixels(const std::string& file) {
  const auto bmp = ParseSimpleBmp(file);
  if (!bmp) return {};
  std::vector<std::uint32_t> pixels(static_cast<size_t>(bmp->width) * static_cast<size_t>(bmp->height));
  CopySimpleBmpPixels(file, *bmp, pixels.data());
  return pixels;
}

TEST(SimpleBmp, ReadsRowsBottomUpOrTopDownAsOpaqueBgr) {
  // 24-bit, 1 x 2: rows are padded to 4 bytes; the last row stored is the top one.
  EXPECT_EQ(Pixels(Bmp(1, 2, 24)), (std::vector<std::uint32_t>{0xFF070605u, 0xFF030201u}));
  EXPECT_EQ(Pixels(Bmp(1, -2, 24)), (std::vector<std::uint32_t>{0xFF030201u, 0xFF070605u}));
  // 32-bit without an alpha mask: the fourth byte is ignored.
  EXPECT_EQ(Pixels(Bmp(2, 1, 32)), (std::vector<std::uint32_t>{0xFF030201u, 0xFF070605u}));
}

TEST(SimpleBmp, PremultipliesByTheAlphaChannel) {
  std::string file = Bmp(2, 1, 32, true);
  Put32(file, file.size() - 8, 0x80FF4020u);  // half covered
  Put32(file, file.size() - 4, 0x00FFFFFFu);  // transparent
  EXPECT_EQ(Pixels(file), (std::vector<std::uint32_t>{0x80802010u, 0x00000000u}));
}

TEST(SimpleBmp, RefusesOtherKindsAndDamagedFiles) {
  const std::string good = Bmp(2, 2, 24);
  ASSERT_TRUE(ParseSimpleBmp(good));
  std::string notBmp = good;
  notBmp[0] = 'X';
  std::string compressed = good;
  Put32(compressed, 30, 1);  // RLE
  std::string otherMasks = Bmp(1, 1, 32);
  Put32(otherMasks, 54, 0x000000FFu);
  std::string pastTheEnd = good;
  Put32(pastTheEnd, 10, static_cast<std::uint32_t>(good.size()));
  for (const std::string& file : {notBmp, compressed, otherMasks, pastTheEnd, good.substr(0, good.size() - 1),
                                  good.substr(0, 40), Bmp(2, 2, 16), Bmp(0, 2, 24), Bmp(16385, 1, 24)}) {
    EXPECT_FALSE(ParseSimpleBmp(file)) << file.size();
  }
}

}  // namespace
}  // namespace ravelo
