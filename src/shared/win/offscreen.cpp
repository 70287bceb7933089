#include "shared/win/offscreen.h"

#include <algorithm>

namespace ravelo::win {

OffscreenBuffer::~OffscreenBuffer() { Drop(); }

void OffscreenBuffer::Drop() {
  if (original_) SelectObject(dc_.Get(), original_);
  original_ = nullptr;
  bitmap_.Reset();
  size_ = {};
}

HDC OffscreenBuffer::Begin(const RECT& area) {
  area_ = area;
  const LONG width = std::max<LONG>(1, area.right - area.left);
  const LONG height = std::max<LONG>(1, area.bottom - area.top);
  if (!dc_.Get()) return nullptr;
  if (width > size_.cx || height > size_.cy) {
    // Grow to the largest area seen so far; most paints then reuse the bitmap.
    const LONG newWidth = std::max(width, size_.cx);
    const LONG newHeight = std::max(height, size_.cy);
    Drop();
    // Compatible with the screen, not with the target: a printing or memory
    // target may be monochrome.
    WindowDc screen(nullptr);
    bitmap_.Reset(CreateCompatibleBitmap(screen.Get(), newWidth, newHeight));
    if (!bitmap_) return nullptr;
    original_ = SelectObject(dc_.Get(), bitmap_.Get());
    size_ = {newWidth, newHeight};
  }
  SetWindowOrgEx(dc_.Get(), area.left, area.top, nullptr);
  return dc_.Get();
}

void OffscreenBuffer::End(HDC target, POINT at) {
  BitBlt(target, at.x, at.y, area_.right - area_.left, area_.bottom - area_.top, dc_.Get(), area_.left,
         area_.top, SRCCOPY);
  SetWindowOrgEx(dc_.Get(), 0, 0, nullptr);
}

}  // namespace ravelo::win
