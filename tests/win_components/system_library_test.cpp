// System DLLs come from the system folder, never from beside the program.
#include "shared/win/system_library.h"

#include "shared/win/wide_text.h"

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

// The build puts a winmm.dll of its own (planted_library.cpp) beside this
// program, where the usual search order finds it first (under Wine, which
// prefers its built-in DLLs, the test asks for native DLLs first).
TEST(LoadSystemLibrary, TakesTheSystemFoldersDllNotOnePlantedBesideTheProgram) {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  ASSERT_GT(length, 0u);
  {
    const UniqueModule winmm = LoadSystemLibrary(L"winmm.dll");
    ASSERT_TRUE(winmm);
    EXPECT_EQ(GetProcAddress(winmm.Get(), "RaveloPlantedLibrary"), nullptr);
    EXPECT_EQ(_wcsnicmp(ModulePath(winmm.Get()).c_str(), folder, length), 0) << win::Narrow(ModulePath(winmm.Get()));
    using SendString = DWORD(WINAPI*)(LPCWSTR, LPWSTR, UINT, HWND);
    EXPECT_NE(ProcAddress<SendString>(winmm.Get(), "mciSendStringW"), nullptr);
    EXPECT_EQ(ProcAddress<SendString>(winmm.Get(), "NoSuchFunction"), nullptr);
    EXPECT_EQ(ProcAddress<SendString>(nullptr, "mciSendStringW"), nullptr);
  }
  EXPECT_FALSE(LoadSystemLibrary(L"ravelo_no_such_library.dll"));

  // The plant is there and is what a plain load by name takes.
  const UniqueModule plain(LoadLibraryW(L"winmm.dll"));
  ASSERT_TRUE(plain);
  EXPECT_NE(GetProcAddress(plain.Get(), "RaveloPlantedLibrary"), nullptr)
      << "a plain load took " << win::Narrow(ModulePath(plain.Get())) << ", not the planted DLL";
}

}  // namespace
}  // namespace ravelo::win
