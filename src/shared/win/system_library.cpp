#include "shared/win/system_library.h"

#include <string>

namespace ravelo::win {

UniqueModule LoadSystemLibrary(const wchar_t* fileName) {
  if (HMODULE module = LoadLibraryExW(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
    return UniqueModule(module);
  if (GetLastError() != ERROR_INVALID_PARAMETER) return UniqueModule();
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return UniqueModule();
  const std::wstring path = std::wstring(folder, length) + L"\\" + fileName;
  return UniqueModule(LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

}  // namespace ravelo::win
