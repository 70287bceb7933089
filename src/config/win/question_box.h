// Questions to the operator in the suite's message box (title "Ravelo", the
// question icon): 是/否 or 是/否/取消.
#pragma once

#include <windows.h>

#include <string_view>

namespace ravelo::win::config {

enum class Answer { kYes, kNo, kCancel };

Answer AskYesNoCancel(HWND owner, std::wstring_view text);
bool AskYesNo(HWND owner, std::wstring_view text);

}  // namespace ravelo::win::config
