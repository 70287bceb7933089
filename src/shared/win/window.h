// One C++ object per window: the object arrives with WM_NCCREATE, is kept in
// the window's user data and receives every later message in
// HandleMessage. No exception leaves the window procedure: one that reaches
// it is reported and ends the program (failure_report.h).
#pragma once

#include <windows.h>

#include <string>

namespace ravelo::win {

struct WindowClassSpec {
  const wchar_t* name = nullptr;
  UINT style = 0;
  HCURSOR cursor = nullptr;  // nullptr: the arrow
  HICON icon = nullptr;
};

struct WindowCreateSpec {
  DWORD exStyle = 0;
  DWORD style = 0;
  const wchar_t* text = L"";
  RECT bounds{};  // position in the parent's client area (or on the screen) and size
  HWND parent = nullptr;
  int controlId = 0;  // child windows only
};

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Handle() const { return hwnd_; }

 protected:
  // Registers the class (once per process) and creates the window.
  bool CreateWindowOf(const WindowClassSpec& windowClass, const WindowCreateSpec& createSpec);

  // Messages not handled go to DefWindowProc. An exception thrown here is
  // caught by the window procedure, which then lets DefWindowProc answer.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
  }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

  HWND hwnd_ = nullptr;
};

// The module's own resources (cursors, icons).
HINSTANCE ThisModule();

// The suite's cursors, from the program's resources: the hand over what acts
// on a click, and the arrow with a cross over what can be dragged.
HCURSOR HandCursor();
HCURSOR DragCursor();

// Pointer positions from mouse messages; button state of the VB kind: 1 left,
// 2 right, 4 middle, added up.
POINT PointFromLParam(LPARAM lParam);
int MouseButtons(WPARAM wParam);

}  // namespace ravelo::win
