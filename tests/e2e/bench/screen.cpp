#include "bench/screen.h"

#include <windows.h>

#include <algorithm>
#include <sstream>

#include "bench/handles.h"

namespace ravelo::e2e {
namespace {

Rect Clip(Rect a, Rect b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

std::string Describe(Color c) {
  std::ostringstream os;
  PrintTo(c, &os);
  return os.str();
}

}  // namespace

Color Image::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= Width() || y >= Height())
    throw BenchError("pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") is outside an image of " +
                     std::to_string(Width()) + "x" + std::to_string(Height()));
  const std::uint32_t p = pixels_[static_cast<size_t>(y) * static_cast<size_t>(Width()) + static_cast<size_t>(x)];
  return {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)};
}

int Image::Count(Color c, int tolerance) const {
  return static_cast<int>(std::count_if(pixels_.begin(), pixels_.end(), [&](std::uint32_t p) {
    const Color pc{static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                   static_cast<std::uint8_t>(p)};
    return pc.Near(c, tolerance);
  }));
}

bool Image::SaveBmp(const std::wstring& path) const {
  if (Empty()) return false;
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = Width();
  info.biHeight = -Height();  // top row first
  info.biPlanes = 1;
  info.biBitCount = 32;
  info.biCompression = BI_RGB;
  const DWORD pixelBytes = static_cast<DWORD>(pixels_.size() * sizeof(std::uint32_t));
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;  // "BM"
  header.bfOffBits = sizeof header + sizeof info;
  header.bfSize = header.bfOffBits + pixelBytes;

  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
  if (!file) return false;
  DWORD written = 0;
  return WriteFile(file.Get(), &header, sizeof header, &written, nullptr) &&
         WriteFile(file.Get(), &info, sizeof info, &written, nullptr) &&
         WriteFile(file.Get(), pixels_.data(), pixelBytes, &written, nullptr) && written == pixelBytes;
}

Rect ScreenBounds() {
  return Rect::FromSize(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                        GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

Image CaptureScreen(Rect area) {
  const Rect clipped = Clip(area, ScreenBounds());
  if (clipped.Empty()) return {};
  const int width = clipped.Width();
  const int height = clipped.Height();

  WindowDc screen(nullptr);
  MemoryDc memory(screen.Get());
  auto dib = CreateTopDownDib(width, height);
  if (!dib) throw BenchError("cannot create a bitmap to capture the screen");
  const auto& [bitmap, bits] = *dib;
  {
    ScopedSelect select(memory.Get(), bitmap.Get());
    if (!BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), clipped.left, clipped.top, SRCCOPY))
      throw BenchError("cannot copy the screen (BitBlt failed)");
  }
  GdiFlush();
  const std::uint32_t* first = bits;
  std::vector<std::uint32_t> pixels(first, first + static_cast<size_t>(width) * static_cast<size_t>(height));
  for (auto& p : pixels) p &= 0x00FFFFFF;
  return Image(clipped, std::move(pixels));
}

Image CaptureScreen() { return CaptureScreen(ScreenBounds()); }

Color ScreenPixel(Point p) {
  const Image image = CaptureScreen(Rect::FromSize(p.x, p.y, 1, 1));
  if (image.Empty())
    throw BenchError("point (" + std::to_string(p.x) + ", " + std::to_string(p.y) + ") is off the screen");
  return image.At(0, 0);
}

void WaitForPixel(Point p, Color expected, Milliseconds timeout, int tolerance) {
  Color last;
  WaitUntil(
      [&] {
        last = ScreenPixel(p);
        return last.Near(expected, tolerance);
      },
      timeout,
      [&] {
        return "screen pixel (" + std::to_string(p.x) + ", " + std::to_string(p.y) + ") did not become " +
               Describe(expected) + " (last " + Describe(last) + ")";
      });
}


}  // namespace ravelo::e2e
