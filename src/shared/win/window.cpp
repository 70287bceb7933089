#include "shared/win/window.h"

#include <windowsx.h>

#include <utility>

#include "resource_ids.h"
#include "shared/win/failure_report.h"

namespace ravelo::win {

HINSTANCE ThisModule() { return GetModuleHandleW(nullptr); }

HCURSOR HandCursor() { return LoadCursorW(ThisModule(), MAKEINTRESOURCEW(IDC_POINTING_HAND)); }

HCURSOR DragCursor() { return LoadCursorW(ThisModule(), MAKEINTRESOURCEW(IDC_DRAG_ARROW)); }

POINT PointFromLParam(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

int MouseButtons(WPARAM wParam) {
  int buttons = 0;
  if (wParam & MK_LBUTTON) buttons |= 1;
  if (wParam & MK_RBUTTON) buttons |= 2;
  if (wParam & MK_MBUTTON) buttons |= 4;
  return buttons;
}

Window::~Window() {
  if (hwnd_) {
    // The window outlives its object only by mistake; detach before destroying
    // so that no message reaches a half-destroyed object.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(std::exchange(hwnd_, nullptr));
  }
}

bool Window::CreateWindowOf(const WindowClassSpec& windowClass, const WindowCreateSpec& createSpec) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  // A form makes dozens of windows of a few classes: the look-up is cheaper
  // than a registration that fails.
  if (!GetClassInfoExW(ThisModule(), windowClass.name, &wc)) {
    wc.style = windowClass.style;
    wc.lpfnWndProc = &Window::Procedure;
    wc.hInstance = ThisModule();
    wc.hCursor = windowClass.cursor ? windowClass.cursor : LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = windowClass.icon;
    wc.lpszClassName = windowClass.name;
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  }

  const RECT& r = createSpec.bounds;
  // For child windows the menu argument carries the control ID.
  const auto menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(createSpec.controlId));
  CreateWindowExW(createSpec.exStyle, windowClass.name, createSpec.text, createSpec.style, r.left, r.top, r.right - r.left,
                  r.bottom - r.top, createSpec.parent, (createSpec.style & WS_CHILD) ? menuOrId : nullptr, ThisModule(),
                  this);
  return hwnd_ != nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  Window* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);

  LRESULT result = 0;
  try {
    result = self->HandleMessage(message, wParam, lParam);
  } catch (...) {
    // The window's state is unknown now: the operator is told and the
    // program ends. A window failing while it is created is not created.
    ReportFailureAndQuit(hwnd);
    if (message == WM_NCCREATE) return FALSE;
    if (message == WM_CREATE) return -1;
    result = DefWindowProcW(hwnd, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

}  // namespace ravelo::win
