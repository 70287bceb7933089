// The floor of a settings form under the start-up benchmark: the minimal
// window plus the standard controls rvocfg's form needs (seven edit boxes and
// two check boxes in the common controls 6 look the program's manifest asks
// for), and nothing else: no pictures, fonts, settings or custom controls.
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
  windowClass.lpszClassName = L"RaveloFormFloor";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Form floor", WS_POPUP, 0, 0, 649, 449, nullptr,
                                nullptr, instance, nullptr);
  for (int i = 0; i < 7; ++i)
    CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 80,
                    72 + 32 * i, 129, 25, window, nullptr, instance, nullptr);
  for (int i = 0; i < 2; ++i)
    CreateWindowExW(0, L"Button", L"check", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 432,
                    336 + 24 * i, 193, 17, window, nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
