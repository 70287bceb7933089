#include "config/win/question_box.h"

#include <string>

#include "shared/win/common_controls_context.h"
#include "shared/win/message_box.h"

namespace ravelo::win::config {
namespace {

int Ask(HWND owner, std::wstring_view text, UINT buttons) {
  const std::wstring message(text);
  const ScopedCommonControls themed;
  return MessageBoxW(owner, message.c_str(), kMessageTitle, buttons | MB_ICONQUESTION);
}

}  // namespace

Answer AskYesNoCancel(HWND owner, std::wstring_view text) {
  switch (Ask(owner, text, MB_YESNOCANCEL)) {
    case IDYES: return Answer::kYes;
    case IDNO: return Answer::kNo;
    default: return Answer::kCancel;
  }
}

bool AskYesNo(HWND owner, std::wstring_view text) { return Ask(owner, text, MB_YESNO | MB_DEFBUTTON2) == IDYES; }

}  // namespace ravelo::win::config
