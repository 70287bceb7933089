// What the paint probe, a hook DLL loaded into rvo (or rvostyle), counts for
// the draw CPU and style drag benchmarks, in a named shared memory block that the benchmark reads.
#pragma once

#include <windows.h>

namespace ravelo::bench {

inline constexpr wchar_t kProbeMemoryName[] = L"Local\\RaveloDrawPaintProbe";

// Kinds of window that paint, by control ID.
enum PaintedWindow { kTextLineWindow, kContentWindow, kCommandButtons, kOtherWindows, kWindowKinds };

struct ProbeCounters {
  // Set by the benchmark before it hooks the probe: 0, a tick is a draw
  // timer message; 1, a tick is a mouse move taken by the text line (a drag).
  LONG mouseMovesAreTicks;
  LONG ticks;                             // ticks taken
  LONG paints[kWindowKinds];              // WM_PAINT messages taken, per kind
  LONGLONG paintedArea[kWindowKinds];     // pixels of their update regions
  LONGLONG paintedOutsideTextLine;        // pixels painted outside the text line's old and new places
  LONGLONG textLineArea;                  // pixels of the text line's old and new places, summed per tick
  LONGLONG distinctPaintedArea;           // pixels repainted between two ticks, overlaps counted once
};

}  // namespace ravelo::bench
