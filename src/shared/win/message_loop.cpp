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

}  // namespace ravelo::win
