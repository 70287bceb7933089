// Message answers that the custom controls share.
#pragma once

#include <windows.h>

#include <optional>

#include "shared/win/gdi.h"

namespace ravelo::win {

// For a window that paints all of itself in one pass: WM_ERASEBKGND erases
// nothing (so nothing flickers) and WM_PAINT hands `paint` the paint DC.
// Other messages: nullopt, for the caller to answer.
template <typename PaintFunction>
std::optional<LRESULT> AnswerPaintMessages(HWND window, UINT message, PaintFunction&& paint) {
  if (message == WM_ERASEBKGND) return 1;
  if (message != WM_PAINT) return std::nullopt;
  PaintDc dc(window);
  paint(dc);
  return 0;
}

// WM_SETCURSOR for a control with a cursor of its own: shows it over the
// client area and says so; otherwise (no cursor, or over a border) false, and
// DefWindowProc answers.
inline bool ShowOwnCursor(HCURSOR cursor, LPARAM lParam) {
  if (!cursor || LOWORD(lParam) != HTCLIENT) return false;
  ::SetCursor(cursor);
  return true;
}

// The keys of a control that acts as a push button once it has the focus:
// Enter presses it at once (rather than the form's default button), Space
// when it comes up, as on a standard button. Other messages: nullopt.
class ButtonKeys {
 public:
  template <typename Press>
  std::optional<LRESULT> Answer(UINT message, WPARAM wParam, LPARAM lParam, Press&& press) {
    switch (message) {
      case WM_GETDLGCODE: {
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        return key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN ? DLGC_WANTMESSAGE : 0;
      }
      case WM_KEYDOWN:
        if (wParam == VK_SPACE) spaceDown_ = true;
        if (wParam == VK_RETURN) press();
        return 0;
      case WM_KEYUP:
        if (wParam == VK_SPACE && spaceDown_) {
          spaceDown_ = false;
          press();
        }
        return 0;
      case WM_KILLFOCUS:
        spaceDown_ = false;
        return std::nullopt;
      default:
        return std::nullopt;
    }
  }

 private:
  bool spaceDown_ = false;
};

}  // namespace ravelo::win
