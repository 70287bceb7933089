// System DLLs come from the system folder, never from beside the program.
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

// The folder of this test program, with a trailing backslash.
std::wstring ProgramFolder() {
  const std::wstring path = ModulePath(nullptr);
  return path.substr(0, path.rfind(L'\\') + 1);
}

// The build puts a winmm.dll of its own (planted_library.cpp) beside this
// program, where the usual search order would find it first.
TEST(LoadSystemLibrary, TakesTheSystemFoldersDllNotOnePlantedBesideTheProgram) {
  const std::wstring planted = ProgramFolder() + L"winmm.dll";
  const UniqueModule plant(LoadLibraryExW(planted.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
  ASSERT_TRUE(plant) << "no planted DLL at " << std::string(planted.begin(), planted.end());
  ASSERT_NE(GetProcAddress(plant.Get(), "RaveloPlantedLibrary"), nullptr);

  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  ASSERT_GT(length, 0u);
  const UniqueModule winmm = LoadSystemLibrary(L"winmm.dll");
  ASSERT_TRUE(winmm);
  EXPECT_NE(winmm.Get(), plant.Get());
  EXPECT_EQ(GetProcAddress(winmm.Get(), "RaveloPlantedLibrary"), nullptr);
  EXPECT_EQ(_wcsnicmp(ModulePath(winmm.Get()).c_str(), folder, length), 0);

  using SendString = DWORD(WINAPI*)(LPCWSTR, LPWSTR, UINT, HWND);
  EXPECT_NE(ProcAddress<SendString>(winmm.Get(), "mciSendStringW"), nullptr);
  EXPECT_EQ(ProcAddress<SendString>(winmm.Get(), "NoSuchFunction"), nullptr);
  EXPECT_EQ(ProcAddress<SendString>(nullptr, "mciSendStringW"), nullptr);
  EXPECT_FALSE(LoadSystemLibrary(L"ravelo_no_such_library.dll"));
}

}  // namespace
}  // namespace ravelo::win
