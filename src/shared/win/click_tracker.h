// A press on a custom control becomes a click only when the left button is
// released over the control that took it; the control keeps the mouse in
// between, so a release outside it clicks nothing.
#pragma once

#include <windows.h>

#include "shared/win/window.h"

namespace ravelo::win {

// Hover: whether the pointer (client coordinates, both edges included) is on
// the control. The control holds the mouse capture while it is, so the move
// that leaves it (however fast, even past the window's edge) still arrives.
// The capture steers the mouse only while the window is in the foreground:
// WM_MOUSELEAVE (answered with PointerInClient) tells of the leave otherwise.
inline bool HoldCaptureWhileInside(HWND control, POINT at) {
  RECT client;
  GetClientRect(control, &client);
  const bool inside = at.x >= 0 && at.x <= client.right && at.y >= 0 && at.y <= client.bottom;
  if (inside) {
    if (GetCapture() != control) SetCapture(control);
    TRACKMOUSEEVENT leave{sizeof(leave), TME_LEAVE, control, 0};
    TrackMouseEvent(&leave);
  } else if (GetCapture() == control) {
    ReleaseCapture();
  }
  return inside;
}

// Where the pointer is now, in the control's client coordinates.
inline POINT PointerInClient(HWND control) {
  POINT at{};
  GetCursorPos(&at);
  ScreenToClient(control, &at);
  return at;
}

class ClickTracker {
 public:
  void Press(HWND control) {
    pressed_ = true;
    SetCapture(control);
  }

  // True when this release completes a click inside the control.
  bool Release(HWND control, LPARAM lParam) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (GetCapture() == control) ReleaseCapture();
    RECT client;
    GetClientRect(control, &client);
    return wasPressed && PtInRect(&client, PointFromLParam(lParam));
  }

  void Cancel() { pressed_ = false; }
  bool Pressed() const { return pressed_; }

 private:
  bool pressed_ = false;
};

}  // namespace ravelo::win
