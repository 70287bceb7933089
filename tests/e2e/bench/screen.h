// Screen pixels as the user sees them: GetDC(NULL) + BitBlt, exact colours
// under Wine (PrintWindow does not work across processes, the screen does).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bench/geometry.h"
#include "bench/wait.h"

namespace ravelo::e2e {

// A captured screen area; pixel coordinates are relative to its top-left.
class Image {
 public:
  Image() = default;
  Image(Rect area, std::vector<std::uint32_t> pixels) : area_(area), pixels_(std::move(pixels)) {}

  Rect Area() const { return area_; }  // where on the screen it was taken
  int Width() const { return area_.Width(); }
  int Height() const { return area_.Height(); }
  bool Empty() const { return pixels_.empty(); }
  Color At(int x, int y) const;
  // How many pixels have this colour (within tolerance per channel).
  int Count(Color c, int tolerance = 0) const;
  // Same place and the same pixels.
  bool SameAs(const Image& other) const { return area_ == other.area_ && pixels_ == other.pixels_; }
  // Writes a 32-bit BMP; false when the file cannot be written.
  bool SaveBmp(const std::wstring& path) const;

 private:
  Rect area_;
  std::vector<std::uint32_t> pixels_;  // 0x00RRGGBB, top row first
};

Rect ScreenBounds();
// Captures an area (clipped to the screen) or the whole screen.
Image CaptureScreen(Rect area);
Image CaptureScreen();
Color ScreenPixel(Point p);
// Waits until the screen shows this colour at p (window contents are painted
// a little after the state changes).
void WaitForPixel(Point p, Color expected, Milliseconds timeout = kDefaultTimeout, int tolerance = 0);

}  // namespace ravelo::e2e
