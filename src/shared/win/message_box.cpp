#include "shared/win/message_box.h"

#include <string>

#include "shared/win/common_controls_context.h"

namespace ravelo::win {

void ShowWarning(HWND owner, std::wstring_view text) {
  const std::wstring message(text);
  const ScopedCommonControls themed;
  MessageBoxW(owner, message.c_str(), kMessageTitle, MB_OK | MB_ICONEXCLAMATION);
}

void ShowInformation(HWND owner, std::wstring_view text) {
  const std::wstring message(text);
  const ScopedCommonControls themed;
  MessageBoxW(owner, message.c_str(), kMessageTitle, MB_OK | MB_ICONINFORMATION);
}

}  // namespace ravelo::win
