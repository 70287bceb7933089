// System DLLs come from the system folder.
#include "shared/win/system_library.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace ravelo::win {
namespace {

std::wstring ModulePath(HMODULE module) {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
  return std::wstring(path, length);
}

TEST(LoadSystemLibrary, LoadsFromTheSystemFolderAndFindsTypedFunctions) {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  ASSERT_GT(length, 0u);

  const UniqueModule winmm = LoadSystemLibrary(L"winmm.dll");
  ASSERT_TRUE(winmm);
  EXPECT_EQ(_wcsnicmp(ModulePath(winmm.Get()).c_str(), folder, length), 0) << ModulePath(winmm.Get());
  using SendString = DWORD(WINAPI*)(LPCWSTR, LPWSTR, UINT, HWND);
  EXPECT_NE(ProcAddress<SendString>(winmm.Get(), "mciSendStringW"), nullptr);
  EXPECT_EQ(ProcAddress<SendString>(winmm.Get(), "NoSuchFunction"), nullptr);
  EXPECT_EQ(ProcAddress<SendString>(nullptr, "mciSendStringW"), nullptr);
  EXPECT_FALSE(LoadSystemLibrary(L"ravelo_no_such_library.dll"));
}

}  // namespace
}  // namespace ravelo::win
