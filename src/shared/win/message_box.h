// The suite's message boxes: title "Ravelo", one OK button, the exclamation
// icon for warnings and failures, the information icon for success.
#pragma once

#include <windows.h>

#include <string_view>

namespace ravelo::win {

inline constexpr wchar_t kMessageTitle[] = L"Ravelo";

void ShowWarning(HWND owner, std::wstring_view text);
void ShowInformation(HWND owner, std::wstring_view text);

}  // namespace ravelo::win
