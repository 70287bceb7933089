// Flicker-free painting: an area is composed in a memory bitmap and copied to
// the screen in one step. The buffer is kept and reused between paints.
#pragma once

#include <windows.h>

#include "shared/win/gdi.h"

namespace ravelo::win {

// Whatever lies behind transparent controls: a plain colour, a picture.
class Backdrop {
 public:
  virtual ~Backdrop() = default;
  // Paints area (in the backdrop window's client coordinates) into dc, whose
  // logical coordinates are those of the backdrop window.
  virtual void PaintBackdrop(HDC dc, const RECT& area) const = 0;
  // Paints what stands over the transparent controls, in the same way.
  virtual void PaintOverlay(HDC /*dc*/, const RECT& /*area*/) const {}
};

class OffscreenBuffer {
 public:
  OffscreenBuffer() = default;
  OffscreenBuffer(const OffscreenBuffer&) = delete;
  OffscreenBuffer& operator=(const OffscreenBuffer&) = delete;
  ~OffscreenBuffer();

  // A memory DC for painting area; its logical coordinates are those of area
  // (the area's top left corner maps to the buffer's first pixel). Empty when
  // no buffer could be made.
  HDC Begin(const RECT& area);
  // Copies the area to target, where the area's top left corner lies at at.
  void End(HDC target, POINT at);

 private:
  void Drop();

  MemoryDc dc_;
  Bitmap bitmap_;
  HGDIOBJ original_ = nullptr;  // the DC's own bitmap, put back before ours is deleted
  SIZE size_{};
  RECT area_{};
};

}  // namespace ravelo::win
