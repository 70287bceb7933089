#include "shared/win/shell_open.h"

#include "shared/win/system_library.h"

namespace ravelo::win {

bool ShellOpen(HWND owner, const std::wstring& target) {
  using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, const wchar_t*, const wchar_t*, const wchar_t*, const wchar_t*, int);
  // Loaded once and kept: the shell's handlers may outlive the call.
  static const UniqueModule shell32 = LoadSystemLibrary(L"shell32.dll");
  const auto shellExecute = ProcAddress<ShellExecuteFn>(shell32.Get(), "ShellExecuteW");
  if (!shellExecute) return false;
  // Values above 32 mean success.
  return reinterpret_cast<INT_PTR>(shellExecute(owner, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

}  // namespace ravelo::win
