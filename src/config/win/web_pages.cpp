#include "config/win/web_pages.h"

#include <windows.h>
#include <shellapi.h>

namespace ravelo::win::config {

void OpenWebPage(const wchar_t* address) {
  ShellExecuteW(nullptr, L"open", address, nullptr, nullptr, SW_SHOWNORMAL);
}

void OpenHelpFile(const std::wstring& programFolder) {
  // The root of a drive ("D:\") already ends in a backslash.
  const bool endsInBackslash = !programFolder.empty() && programFolder.back() == L'\\';
  const std::wstring helpFile = programFolder + (endsInBackslash ? L"" : L"\\") + L"rvohelp.chm";
  ShellExecuteW(nullptr, L"open", helpFile.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace ravelo::win::config
