#include "shared/win/message_loop.h"

#include <utility>

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

UINT FormKeyboardMessage() {
  static const UINT message = RegisterWindowMessageW(L"RaveloFormKeyboard");
  return message;
}

void MarkAsForm(HWND window) {
  // Tab also walks into the children of child windows.
  SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  SetPropW(window, kFormProperty, reinterpret_cast<HANDLE>(1));
}

bool IsFormMessage(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST || !message.hwnd) return false;
  HWND form = GetAncestor(message.hwnd, GA_ROOT);
  if (!form || !GetPropW(form, kFormProperty)) return false;
  // Alt pressed and released alone goes to the form itself, which opens its
  // menu if it has one (a focused control would open the system menu).
  static bool altAlone = false;
  if (message.message == WM_SYSKEYUP && message.wParam == VK_MENU && std::exchange(altAlone, false)) {
    SendMessageW(form, WM_SYSCOMMAND, SC_KEYMENU, 0);
    return true;
  }
  if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
    altAlone = message.wParam == VK_MENU;
    SendMessageW(form, FormKeyboardMessage(), 0, 0);
  }
  if (message.message == WM_KEYDOWN) {
    // A multi-line box keeps Enter for its new lines and would swallow
    // Esc: Ctrl+Enter and Esc reach the form from every control. An open
    // drop-down list keeps Esc to close itself.
    const bool control = GetKeyState(VK_CONTROL) < 0;
    wchar_t kind[16]{};
    GetClassNameW(message.hwnd, kind, 16);
    const bool dropped = _wcsicmp(kind, L"ComboBox") == 0 && SendMessageW(message.hwnd, CB_GETDROPPEDSTATE, 0, 0);
    if ((message.wParam == VK_RETURN && control) || (message.wParam == VK_ESCAPE && !dropped)) {
      SendMessageW(form, WM_COMMAND, message.wParam == VK_RETURN ? IDOK : IDCANCEL, 0);
      return true;
    }
  }
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
