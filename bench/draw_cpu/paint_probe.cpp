// The paint probe: a message hook DLL that the draw CPU benchmark installs
// on rvo's window thread (the style drag benchmark on rvostyle's). For every
// tick (a draw timer message, or a mouse move over the text line) it notes
// where the text line stands; for every WM_PAINT it measures the window's
// update region (before the window paints and clears it), in the content
// area's coordinates, and how much of it lies outside the text line's
// places before and after the last tick. In a draw of several names the
// name labels' places count as the text line's. The figures go to shared memory.
#include <windows.h>

#include <vector>

#include "paint_probe.h"

namespace {

using ravelo::bench::ProbeCounters;

constexpr int kContentId = 100;
constexpr int kTextLineId = 103;
constexpr int kFirstCommandId = 121;
constexpr int kFirstNameCellId = 140;  // the labels of a draw of several names
constexpr int kNameCells = 50;
constexpr int kNameGridId = 139;  // paints the names of several while they flip
constexpr UINT_PTR kDrawTimer = 1;

ProbeCounters* counters = nullptr;
HANDLE mapping = nullptr;
HRGN textLineBeforeTick = nullptr;  // the text line's (or the names') places, in the content area
bool ticked = false;
HRGN paintedSinceTick = nullptr;  // every window's update regions since the last tick, in the content area

ProbeCounters* Counters() {
  if (!counters) {
    mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, ravelo::bench::kProbeMemoryName);
    if (mapping) counters = static_cast<ProbeCounters*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0));
  }
  return counters;
}

LONGLONG AreaOf(HRGN region) {
  const DWORD size = GetRegionData(region, 0, nullptr);
  if (size == 0) return 0;
  std::vector<char> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  if (!GetRegionData(region, size, data)) return 0;
  const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
  LONGLONG area = 0;
  for (DWORD i = 0; i < data->rdh.nCount; ++i)
    area += LONGLONG{rects[i].right - rects[i].left} * (rects[i].bottom - rects[i].top);
  return area;
}

HWND ContentOf(HWND window) {
  for (HWND w = window; w; w = GetParent(w)) {
    if (GetDlgCtrlID(w) == kContentId && (GetWindowLongW(w, GWL_STYLE) & WS_CHILD)) return w;
    if (HWND content = GetDlgItem(w, kContentId)) return content;
  }
  return nullptr;
}

// Where the text line and the visible name labels stand now (a new region).
HRGN TextLineIn(HWND content) {
  HRGN places = CreateRectRgn(0, 0, 0, 0);
  const auto add = [&](HWND label) {
    if (!label || !IsWindowVisible(label)) return;
    RECT r{};
    GetWindowRect(label, &r);
    MapWindowPoints(nullptr, content, reinterpret_cast<POINT*>(&r), 2);
    HRGN one = CreateRectRgnIndirect(&r);
    CombineRgn(places, places, one, RGN_OR);
    DeleteObject(one);
  };
  add(GetDlgItem(content, kTextLineId));
  for (int i = 0; i < kNameCells; ++i) add(GetDlgItem(content, kFirstNameCellId + i));
  return places;
}

int KindOf(HWND window) {
  const int id = GetDlgCtrlID(window);
  if (!(GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) return ravelo::bench::kOtherWindows;
  if (id == kTextLineId || id == kNameGridId || (id >= kFirstNameCellId && id < kFirstNameCellId + kNameCells))
    return ravelo::bench::kTextLineWindow;
  if (id == kContentId) return ravelo::bench::kContentWindow;
  if (id >= kFirstCommandId && id < kFirstCommandId + 4) return ravelo::bench::kCommandButtons;
  return ravelo::bench::kOtherWindows;
}

void OnTick(HWND main) {
  ProbeCounters* c = Counters();
  HWND content = ContentOf(main);
  if (!c || !content) return;
  InterlockedIncrement(&c->ticks);
  // The last tick moved the text line from its place before that tick to
  // where it stands now: the least that tick had to repaint.
  HRGN now = TextLineIn(content);
  if (ticked && textLineBeforeTick) {
    HRGN both = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(both, textLineBeforeTick, now, RGN_OR);
    c->textLineArea += AreaOf(both);
    DeleteObject(both);
  }
  if (textLineBeforeTick) DeleteObject(textLineBeforeTick);
  textLineBeforeTick = now;
  ticked = true;
  if (paintedSinceTick) {
    c->distinctPaintedArea += AreaOf(paintedSinceTick);
    SetRectRgn(paintedSinceTick, 0, 0, 0, 0);
  }
}

void OnPaint(HWND window) {
  ProbeCounters* c = Counters();
  HWND content = ContentOf(window);
  if (!c || !content) return;
  HRGN update = CreateRectRgn(0, 0, 0, 0);
  if (GetUpdateRgn(window, update, FALSE) != ERROR) {
    // Into the content area's coordinates (the frame's own windows lie
    // outside it and count whole).
    POINT origin{0, 0};
    MapWindowPoints(window, content, &origin, 1);
    OffsetRgn(update, origin.x, origin.y);
    const int kind = KindOf(window);
    const LONGLONG area = AreaOf(update);
    c->paints[kind] += 1;
    c->paintedArea[kind] += area;
    if (!paintedSinceTick) paintedSinceTick = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(paintedSinceTick, paintedSinceTick, update, RGN_OR);
    HRGN allowed = TextLineIn(content);
    if (textLineBeforeTick) CombineRgn(allowed, allowed, textLineBeforeTick, RGN_OR);
    HRGN outside = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(outside, update, allowed, RGN_DIFF);
    c->paintedOutsideTextLine += AreaOf(outside);
    DeleteObject(outside);
    DeleteObject(allowed);
  }
  DeleteObject(update);
}

}  // namespace

// WH_GETMESSAGE: the timer and paint messages are posted, and reach the
// window through GetMessage.
extern "C" __declspec(dllexport) LRESULT CALLBACK GetMessageProbe(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE) {
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    ProbeCounters* c = Counters();
    const bool dragging = c && c->mouseMovesAreTicks;
    if (!dragging && message->message == WM_TIMER && message->wParam == kDrawTimer && !GetParent(message->hwnd))
      OnTick(message->hwnd);
    else if (dragging && message->message == WM_MOUSEMOVE && GetDlgCtrlID(message->hwnd) == kTextLineId)
      OnTick(message->hwnd);
    else if (message->message == WM_PAINT && message->hwnd)
      OnPaint(message->hwnd);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_DETACH) {
    if (counters) UnmapViewOfFile(counters);
    if (mapping) CloseHandle(mapping);
    if (paintedSinceTick) DeleteObject(paintedSinceTick);
  }
  return TRUE;
}
