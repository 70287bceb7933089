#include "shared/win/message_loop.h"

namespace ravelo::win {

bool RouteKeyMessage(HWND keyOwner, MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  if (!keyOwner || message.hwnd == keyOwner || !IsChild(keyOwner, message.hwnd)) return false;
  message.hwnd = keyOwner;
  return true;
}

int RunMessageLoop(HWND keyOwner) {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    RouteKeyMessage(keyOwner, message);
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

namespace {
constexpr wchar_t kFormProperty[] = L"RaveloForm";
}  // namespace

void MarkAsForm(HWND window) {
  // Tab also walks into the children of child windows.
  SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  SetPropW(window, kFormProperty, reinterpret_cast<HANDLE>(1));
}

bool IsFormMessage(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST || !message.hwnd) return false;
  HWND form = GetAncestor(message.hwnd, GA_ROOT);
  if (!form || !GetPropW(form, kFormProperty)) return false;
  return IsDialogMessageW(form, &message) != FALSE;
}

int RunFormMessageLoop() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsFormMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace ravelo::win
