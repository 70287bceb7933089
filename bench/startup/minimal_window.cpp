// The yardstick of the start-up benchmark: the least a Win32 program does to
// show one window. Built with RAVELO_FORM_FLOOR (and the programs' manifest),
// it is the floor of a settings form: that window plus the standard controls
// rvocfg's form needs, seven edit boxes and two check boxes, and nothing else.
#include <windows.h>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = L"RaveloMinimalWindow";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 611, 485, nullptr, nullptr, instance, nullptr);
#ifdef RAVELO_FORM_FLOOR
  for (int i = 0; i < 7; ++i)
    CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 80,
                    72 + 32 * i, 129, 25, window, nullptr, instance, nullptr);
  for (int i = 0; i < 2; ++i)
    CreateWindowExW(0, L"Button", L"check", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 432,
                    336 + 24 * i, 193, 17, window, nullptr, instance, nullptr);
#endif
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
