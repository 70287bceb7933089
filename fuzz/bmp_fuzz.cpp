// The skin's BMP reader: any bytes are refused or give a picture whose rows
// all lie inside the file, copied without fault as premultiplied pixels.
#include <cstdint>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "shared/core/bitmap_file.h"

using namespace ravelo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  const auto bmp = ParseSimpleBmp(file);
  if (!bmp) return 0;
  FUZZ_CHECK(bmp->width > 0 && bmp->height > 0);
  FUZZ_CHECK(bmp->bytesPerPixel == 3 || bmp->bytesPerPixel == 4);
  FUZZ_CHECK(bmp->stride % 4 == 0 && bmp->stride >= static_cast<size_t>(bmp->width) * bmp->bytesPerPixel);
  const size_t lastRowEnd = bmp->dataOffset + (static_cast<size_t>(bmp->height) - 1) * bmp->stride +
                            static_cast<size_t>(bmp->width) * bmp->bytesPerPixel;
  FUZZ_CHECK(lastRowEnd <= size);

  std::vector<uint32_t> pixels(static_cast<size_t>(bmp->width) * static_cast<size_t>(bmp->height));
  CopySimpleBmpPixels(file, *bmp, pixels.data());
  for (const uint32_t pixel : pixels) {
    const uint32_t alpha = pixel >> 24;
    FUZZ_CHECK(bmp->alpha || alpha == 255);
    FUZZ_CHECK(((pixel >> 16) & 0xFF) <= alpha && ((pixel >> 8) & 0xFF) <= alpha && (pixel & 0xFF) <= alpha);
  }
  return 0;
}
