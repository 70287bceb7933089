#include "config/win/web_pages.h"

#include "shared/core/file_system.h"
#include "shared/win/message_box.h"
#include "shared/win/shell_open.h"

namespace ravelo::win::config {

void OpenWebPage(HWND owner, const wchar_t* address) {
  if (!ShellOpen(owner, address)) ShowWarning(owner, std::wstring(L"无法打开网页") + address);
}

void OpenHelpFile(HWND owner, const std::wstring& programFolder) {
  // The root of a drive ("D:\") already ends in a backslash.
  const bool endsInBackslash = !programFolder.empty() && programFolder.back() == L'\\';
  const std::wstring helpFile = programFolder + (endsInBackslash ? L"" : L"\\") + L"rvohelp.chm";
  if (!IsExistingFile(FilePath(helpFile))) ShowWarning(owner, L"找不到帮助文件rvohelp.chm");
  else if (!ShellOpen(owner, helpFile)) ShowWarning(owner, L"无法打开帮助文件rvohelp.chm");
}

}  // namespace ravelo::win::config
