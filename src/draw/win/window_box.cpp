#include "draw/win/window_box.h"

#include "shared/win/click_tracker.h"
#include "shared/win/control_messages.h"
#include "shared/win/gdi.h"

namespace ravelo::win {
namespace {

constexpr wchar_t kBoxClass[] = L"RaveloWindowBox";

}  // namespace

bool WindowBox::Create(HWND frame, int controlId, const wchar_t* name) {
  const WindowClassSpec windowClass{kBoxClass, 0, nullptr, nullptr};
  WindowCreateSpec createSpec;
  createSpec.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  createSpec.text = name;
  createSpec.bounds = {0, 0, 15, 15};
  createSpec.parent = frame;
  createSpec.controlId = controlId;
  if (!CreateWindowOf(windowClass, createSpec)) return false;
  AccessibleDescription description;
  description.defaultAction = L"按下";
  description.doDefaultAction = [this] {
    if (onClick) onClick();
  };
  accessibility_.Describe(Handle(), std::move(description));
  return true;
}

void WindowBox::SetBackColour(COLORREF colour) {
  back_ = colour;
  InvalidateRect(Handle(), nullptr, FALSE);
}

void WindowBox::SetForeColour(COLORREF colour) {
  fore_ = colour;
  InvalidateRect(Handle(), nullptr, FALSE);
}

void WindowBox::SetGlyph(std::span<const LineSegment> lines, int penWidth) {
  glyph_.assign(lines.begin(), lines.end());
  penWidth_ = penWidth;
  InvalidateRect(Handle(), nullptr, FALSE);
}

void WindowBox::Place(const ravelo::Rect& bounds) {
  // Above the title and the content area, so nothing can take its clicks.
  SetWindowPos(Handle(), HWND_TOP, bounds.left, bounds.top, bounds.width, bounds.height, SWP_NOACTIVATE);
}

void WindowBox::EndHover() {
  hovered_ = false;
  pressed_ = false;
  if (GetCapture() == Handle()) ReleaseCapture();
  InvalidateRect(Handle(), nullptr, FALSE);
}

void WindowBox::Paint(HDC dc) {
  RECT client;
  GetClientRect(Handle(), &client);
  HDC buffer = buffer_.Begin(client);
  if (!buffer) return;
  SetBkColor(buffer, back_);
  ExtTextOutW(buffer, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
  Pen pen(CreatePen(PS_SOLID, penWidth_, fore_));
  ScopedSelect select(buffer, pen.Get());
  const int previousMode = SetROP2(buffer, hovered_ ? R2_MASKPENNOT : R2_COPYPEN);
  for (const LineSegment& line : glyph_) {
    MoveToEx(buffer, line.from.x, line.from.y, nullptr);
    LineTo(buffer, line.to.x, line.to.y);
    // LineTo leaves out its last point; the glyph's lines include it.
    LineTo(buffer, line.to.x + 1, line.to.y);
  }
  SetROP2(buffer, previousMode);
  buffer_.End(dc, {0, 0});
}

void WindowBox::OnMouseMove(POINT at) {
  const bool inside = HoldCaptureWhileInside(Handle(), at);
  if (inside != hovered_) {
    hovered_ = inside;
    InvalidateRect(Handle(), nullptr, FALSE);
  }
}

LRESULT WindowBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto answer = AnswerPaintMessages(Handle(), message, [this](const PaintDc& paint) { Paint(paint.Get()); }))
    return *answer;
  if (auto answer = accessibility_.HandleMessage(message, wParam, lParam)) return *answer;
  switch (message) {
    case WM_MOUSEMOVE:
      OnMouseMove(PointFromLParam(lParam));
      return 0;
    case WM_MOUSELEAVE:
      OnMouseMove(PointerInClient(Handle()));
      return 0;
    case WM_LBUTTONDOWN:
      pressed_ = true;
      return 0;
    case WM_LBUTTONUP: {
      const POINT at = PointFromLParam(lParam);
      RECT client;
      GetClientRect(Handle(), &client);
      const bool click = pressed_ && at.x >= 0 && at.x <= client.right && at.y >= 0 && at.y <= client.bottom;
      pressed_ = false;
      if (click && onClick) onClick();
      return 0;
    }
    case WM_CAPTURECHANGED:
      // Someone else took the mouse (a menu, a move loop): draw normally.
      if (reinterpret_cast<HWND>(lParam) != Handle() && hovered_) {
        hovered_ = false;
        pressed_ = false;
        InvalidateRect(Handle(), nullptr, FALSE);
      }
      return 0;
    case BM_CLICK:
      if (onClick) onClick();
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace ravelo::win
