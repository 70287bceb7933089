// PicboxMin and PicboxClose: the 15 x 15 window boxes of the draw window's
// title row. Each shows its glyph as lines in the title colour on the body
// colour; while the pointer is over a box the glyph is drawn masked
// (pen AND NOT screen) and the box holds the mouse capture, so leaving it,
// however fast, restores the normal drawing.
#pragma once

#include <windows.h>

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "shared/core/frame_layout.h"
#include "shared/win/accessible.h"
#include "shared/win/offscreen.h"
#include "shared/win/window.h"

namespace ravelo::win {

class WindowBox final : public Window {
 public:
  std::function<void()> onClick;

  bool Create(HWND frame, int controlId, const wchar_t* name);

  void SetBackColour(COLORREF colour);
  void SetForeColour(COLORREF colour);
  void SetGlyph(std::span<const LineSegment> lines, int penWidth);
  void Place(const ravelo::Rect& bounds);
  // Back to the normal drawing (after the box minimised its window).
  void EndHover();


 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint(HDC dc);
  void OnMouseMove(POINT at);

  COLORREF back_ = RGB(0, 0, 0);
  COLORREF fore_ = RGB(255, 255, 255);
  std::vector<LineSegment> glyph_;
  int penWidth_ = 1;
  bool hovered_ = false;
  bool pressed_ = false;
  OffscreenBuffer buffer_;
  Accessibility accessibility_;  // a push button named by its window text
};

}  // namespace ravelo::win
