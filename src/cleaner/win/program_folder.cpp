#include "cleaner/win/program_folder.h"

#include <windows.h>

#include "shared/win/wide_text.h"

namespace ravelo::cleaner {

namespace {

std::wstring ModuleFileName() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) {
      buffer.resize(length);
      return buffer;
    }
    if (buffer.size() >= 32768) return {};  // longer than any path the platform allows
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

std::string ProgramFolder() {
  const std::wstring file = ModuleFileName();
  const auto slash = file.rfind(L'\\');
  if (slash == std::wstring::npos) return {};
  std::wstring folder = file.substr(0, slash);
  if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
  return win::Narrow(folder);
}

}  // namespace ravelo::cleaner
