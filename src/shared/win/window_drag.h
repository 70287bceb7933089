// Moving a frameless window with the mouse: the window is handed to the
// system's move loop as if its caption had been grabbed.
#pragma once

#include <windows.h>

namespace ravelo::win {

// SC_MOVE (0xF010) plus the caption hit-test code HTCAPTION (2).
inline constexpr WPARAM kMoveByCaption = 0xF012;

// Releases the mouse capture and sends WM_SYSCOMMAND 0xF012; the system then
// moves the window until the button is released.
LRESULT BeginWindowDrag(HWND window);

// The body and the title start a move only while the left button alone is
// held (button state exactly 1).
constexpr bool StartsWindowDrag(int buttons) { return buttons == 1; }

}  // namespace ravelo::win
