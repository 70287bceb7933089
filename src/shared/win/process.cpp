#include "shared/win/process.h"

#include <windows.h>

#include <vector>

#include "shared/win/unique_handle.h"
#include "shared/win/wide_text.h"

namespace ravelo::win {

std::string ProgramFolder() {
  // Long paths do not fit MAX_PATH: grow until the whole name fits.
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) {
      std::wstring path(buffer.data(), length);
      const auto slash = path.rfind(L'\\');
      if (slash == std::wstring::npos) return {};
      // "D:\rvo.exe" keeps its backslash: the root is "D:\", not "D:".
      const bool driveRoot = slash == 2 && path[1] == L':';
      return Narrow(std::wstring_view(path).substr(0, driveRoot ? slash + 1 : slash));
    }
    buffer.resize(buffer.size() * 2);
  }
}

bool LaunchProgram(const std::string& path) {
  const std::wstring program = Widen(path);
  // The command line is the quoted program path alone; CreateProcess may
  // write into it.
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return false;
  // Not waited for: the handles go at once.
  const UniqueHandle thread(process.hThread);
  const UniqueHandle child(process.hProcess);
  return true;
}

}  // namespace ravelo::win
