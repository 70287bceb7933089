// What the paint probe, a hook DLL loaded into rvo, counts for the draw CPU
// benchmark, in a named shared memory block that the benchmark reads.
#pragma once

#include <windows.h>

namespace ravelo::bench {

inline constexpr wchar_t kProbeMemoryName[] = L"Local\\RaveloDrawPaintProbe";

// Kinds of window that paint, by control ID.
enum PaintedWindow { kTextLineWindow, kContentWindow, kCommandButtons, kOtherWindows, kWindowKinds };

struct ProbeCounters {
  LONG ticks;                             // draw timer messages taken by the draw window
  LONG paints[kWindowKinds];              // WM_PAINT messages taken, per kind
  LONGLONG paintedArea[kWindowKinds];     // pixels of their update regions
  LONGLONG paintedOutsideTextLine;        // pixels painted outside the text line's old and new places
  LONGLONG textLineArea;                  // pixels of the text line's old and new places, summed per tick
  LONGLONG distinctPaintedArea;           // pixels repainted between two ticks, overlaps counted once
};

}  // namespace ravelo::bench
