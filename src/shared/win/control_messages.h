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

}  // namespace ravelo::win
