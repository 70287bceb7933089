// The draw window on a projector: full screen on any monitor, and the keys
// of a presenter remote (its page and arrow keys as one draw button, F5 and
// Shift+F5 for full screen, B and the full stop to blank the screen).
#include <string>
#include <vector>

#include "draw/core/draw_engine.h"
#include "draw/core/full_screen_option.h"
#include "draw/win/draw_controls.h"
#include "draw/win/draw_window.h"
#include "shared/core/file_system.h"
#include "shared/core/full_screen.h"
#include "shared/core/ini_file.h"
#include "shared/win/message_box.h"
#include "shared/win/wide_text.h"

namespace ravelo::win {
namespace {

constexpr wchar_t kBlankClass[] = L"RaveloBlank";

struct Monitors {
  std::vector<ravelo::Rect> bounds;
};

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT bounds, LPARAM list) {
  reinterpret_cast<Monitors*>(list)->bounds.push_back(
      {bounds->left, bounds->top, bounds->right - bounds->left, bounds->bottom - bounds->top});
  return TRUE;
}

Monitors AllMonitors() {
  Monitors monitors;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

RECT ToRect(const ravelo::Rect& r) { return {r.left, r.top, r.right(), r.bottom()}; }

// The monitor that holds most of the window.
RECT MonitorOf(HWND window) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcMonitor;
}

bool IsDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

LRESULT CALLBACK BlankProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) {
    RECT area;
    GetClientRect(window, &area);
    FillRect(reinterpret_cast<HDC>(wParam), &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    return 1;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool DrawWindow::OnKeyDown(WPARAM key, LPARAM flags) {
  // A held key repeats; a remote's button means one press.
  if (flags & (1 << 30)) {
    return key == VK_NEXT || key == VK_PRIOR || key == VK_RIGHT || key == VK_LEFT || key == VK_DOWN ||
           key == VK_UP || key == 'B' || key == VK_OEM_PERIOD || key == VK_F11 || key == VK_F5;
  }
  switch (key) {
    case VK_F11: SetFullScreen(!IsFullScreen()); return true;
    case VK_F5: SetFullScreen(!IsDown(VK_SHIFT)); return true;
    case 'B':
    case VK_OEM_PERIOD:
      ToggleBlank();
      return true;
    case VK_RIGHT:
    case VK_LEFT:
      if (IsDown(VK_CONTROL) && IsDown(VK_SHIFT)) {
        MoveFullScreen(key == VK_RIGHT ? +1 : -1);
        return true;
      }
      [[fallthrough]];
    case VK_NEXT:
    case VK_PRIOR:
    case VK_DOWN:
    case VK_UP:
      if (!blank_) engine_.OnRemoteButton();
      return true;
    default: return false;
  }
}

bool DrawWindow::PassesCharToEngine(int characterCode) {
  if (characterCode == draw::kKeyEsc) {
    if (!IsFullScreen()) return true;
    SetFullScreen(false);
    return false;
  }
  return !blank_;
}

void DrawWindow::SetFullScreen(bool on) {
  if (on == IsFullScreen()) return;
  if (on) {
    FullScreenOn(MonitorOf(Handle()));
  } else {
    fittedText_.RestoreLayout();
    LeaveFullScreen();
    Layout(layoutArgs_);
    fittedText_.RememberLayout(labelsCentred_);
    RelayOutNameGrid();
    if (menu_.IsChecked(draw_controls::kMenuTopMost)) SetTopMost(true);
  }
  menu_.SetChecked(draw_controls::kMenuFullScreen, on);
  PlaceBlankCover();
  // The new look first, then the file.
  RedrawWindow(Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  SaveFullScreen(on);
}

void DrawWindow::FullScreenOn(const RECT& monitor) {
  // As after a change of DPI: the text line's place is remembered at the old scale.
  fittedText_.RestoreLayout();
  EnterFullScreen(monitor, Scale());  // Layout finds the scale that fits
  Layout(layoutArgs_);
  fittedText_.RememberLayout(labelsCentred_);
  RelayOutNameGrid();
  PlaceBlankCover();
}

void DrawWindow::MoveFullScreen(int step) {
  const RECT* current = FullScreenMonitor();
  if (!current) return;
  const Monitors monitors = AllMonitors();
  const auto at = MonitorAt(monitors.bounds, {current->left, current->top});
  if (!at) return;
  const std::size_t next = SteppedMonitor(monitors.bounds, *at, step);
  if (next == *at) return;
  FullScreenOn(ToRect(monitors.bounds[next]));
  SaveFullScreen(true);
}

void DrawWindow::StartInFullScreen() {
  // Leaving full screen brings the window back to the middle of the screen.
  Centre();
  RECT monitor = MonitorOf(Handle());
  if (const auto place = MonitorPlaceFromText(fullScreenMonitor_)) {
    const Monitors monitors = AllMonitors();
    if (const auto at = MonitorAt(monitors.bounds, *place)) monitor = ToRect(monitors.bounds[*at]);
  }
  FullScreenOn(monitor);
  menu_.SetChecked(draw_controls::kMenuFullScreen, true);
}

void DrawWindow::SaveFullScreen(bool on) {
  // As with the other choices: no file, no lone key in a new one.
  const FilePath config = PathFromUtf8(paths_.ConfigPath());
  bool saved = IsExistingFile(config);
  if (saved) {
    // The flag and the monitor in one replace of the file, merged into what
    // it holds now.
    const std::string flag = draw::FullScreenFieldText(on);
    std::string place;
    std::vector<ProfileWrite> writes;
    if (on) {
      const RECT* monitor = FullScreenMonitor();
      place = MonitorPlaceText({monitor->left, monitor->top});
      writes.push_back({draw::kFullScreenSection, draw::kFullScreenMonitorKey, place});
    }
    writes.push_back({draw::kFullScreenSection, draw::kFullScreenKey, flag});
    saved = WriteProfileValues(config, writes);
  }
  if (!saved) ShowWarning(Handle(), Widen(draw::kFullScreenNotSavedMessage));
}

void DrawWindow::ToggleBlank() {
  if (!blankCover_) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = BlankProc;
    windowClass.hInstance = ThisModule();
    windowClass.lpszClassName = kBlankClass;
    RegisterClassExW(&windowClass);
    blankCover_ = CreateWindowExW(0, kBlankClass, L"", WS_CHILD, 0, 0, 0, 0, Handle(),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(draw_controls::kBlankCover)),
                                  ThisModule(), nullptr);
    if (!blankCover_) return;
  }
  blank_ = !blank_;
  if (blank_) {
    PlaceBlankCover();
  } else {
    ShowWindow(blankCover_, SW_HIDE);
  }
}

void DrawWindow::PlaceBlankCover() {
  if (!blank_) return;
  RECT client;
  GetClientRect(Handle(), &client);
  SetWindowPos(blankCover_, HWND_TOP, 0, 0, client.right, client.bottom, SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

}  // namespace ravelo::win
