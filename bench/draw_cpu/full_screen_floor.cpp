// The yardstick of entering full screen: the least a Win32 program does to
// make a window the monitor's size and paint it, one BitBlt of a bitmap it
// made and filled beforehand. F11 toggles between 600 x 450 and the monitor.
#include <windows.h>

namespace {

HDC picture = nullptr;
bool full = false;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      const RECT& r = paint.rcPaint;
      BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, picture, r.left, r.top, SRCCOPY);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_KEYDOWN:
      if (wParam == VK_F11) {
        full = !full;
        const int width = full ? GetSystemMetrics(SM_CXSCREEN) : 600;
        const int height = full ? GetSystemMetrics(SM_CYSCREEN) : 450;
        SetWindowPos(window, full ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, width, height, SWP_NOACTIVATE);
      }
      return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(info.bmiHeader), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return 1;
  auto* pixel = static_cast<DWORD*>(bits);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) *pixel++ = RGB(x & 0xFF, y & 0xFF, (x + y) & 0xFF);
  picture = CreateCompatibleDC(nullptr);
  SelectObject(picture, bitmap);

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"RaveloFullScreenFloor";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Floor", WS_POPUP, 0, 0, 600, 450, nullptr, nullptr,
                                instance, nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
