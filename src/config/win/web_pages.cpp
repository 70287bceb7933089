#include "config/win/web_pages.h"

#include "shared/win/shell_open.h"

namespace ravelo::win::config {

void OpenWebPage(const wchar_t* address) {
  ShellOpen(nullptr, address);
}

void OpenHelpFile(const std::wstring& programFolder) {
  // The root of a drive ("D:\") already ends in a backslash.
  const bool endsInBackslash = !programFolder.empty() && programFolder.back() == L'\\';
  const std::wstring helpFile = programFolder + (endsInBackslash ? L"" : L"\\") + L"rvohelp.chm";
  ShellOpen(nullptr, helpFile);
}

}  // namespace ravelo::win::config
