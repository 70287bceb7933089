// The DPI a window is shown at. The programs declare per-monitor awareness
// in their manifest (version 2 where Windows offers it, system awareness on
// Windows 7 and 8), so Windows leaves the scaling to them.
#pragma once

#include <windows.h>

#include "shared/core/display_scale.h"

namespace ravelo::win {

// GetDpiForWindow where Windows has it (10 1607 on), else the screen's
// LOGPIXELSY, the system DPI every window shares there.
DisplayScale WindowScale(HWND window);

// The system DPI (the primary screen's), which the screen probe divides by.
DisplayScale SystemScale();

// A rectangle of the design at a window's scale, edge by edge.
RECT ToDevice(const DisplayScale& scale, const RECT& design);

}  // namespace ravelo::win
