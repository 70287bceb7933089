#include "shared/win/process.h"

#include <windows.h>

#include <vector>

#include "shared/win/message_box.h"
#include "shared/win/unique_handle.h"
#include "shared/win/wide_text.h"

namespace ravelo::win {

namespace {

// The full path of the running program file; empty when it cannot be had.
std::wstring ProgramPath() {
  // Long paths do not fit MAX_PATH: grow until the whole name fits.
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::wstring(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

std::string ProgramFolder() {
  const std::wstring path = ProgramPath();
  const auto slash = path.rfind(L'\\');
  if (slash == std::wstring::npos) return {};
  // "D:\rvo.exe" keeps its backslash: the root is "D:\", not "D:".
  const bool driveRoot = slash == 2 && path[1] == L':';
  return Narrow(std::wstring_view(path).substr(0, driveRoot ? slash + 1 : slash));
}

std::wstring ProgramFileName() {
  const std::wstring path = ProgramPath();
  return path.substr(path.rfind(L'\\') + 1);  // npos + 1: the whole path
}

bool LaunchCompanion(const InstallPaths& paths, Companion which) {
  const std::wstring program = Widen(paths.ProgramFile(CompanionFile(which)));
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

bool LaunchCompanion(HWND owner, const InstallPaths& paths, Companion which) {
  if (LaunchCompanion(paths, which)) return true;
  ShowWarning(owner, Widen(CompanionFailedMessage(which)));
  return false;
}

}  // namespace ravelo::win
