// The small form that asks for a list's name ("新建名单", "重命名名单"): one
// box holding what [Draw] list can hold, 确定 (or Enter) and 取消 (or Esc).
// The name comes back without the blanks around it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace ravelo::win::config {

// The name typed, or nullopt when the operator cancelled; the owner waits.
std::optional<std::wstring> AskListName(HWND owner, const std::wstring& baseFolder, const wchar_t* caption,
                                        const std::wstring& initial);

}  // namespace ravelo::win::config
