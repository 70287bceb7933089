// System DLLs loaded at run time, and typed look-ups of their functions.
//
// A DLL is loaded from the system folder only, never from the program's
// folder or the current one, so that a DLL of the same name planted beside
// the program is never run.
#pragma once

#include <windows.h>

#include "shared/win/unique_handle.h"

namespace ravelo::win {

// Loads a DLL of the system folder by its file name ("winmm.dll"). Windows 7
// without KB2533623 rejects LOAD_LIBRARY_SEARCH_SYSTEM32 as an invalid
// parameter; it then gets the full path in the system folder.
UniqueModule LoadSystemLibrary(const wchar_t* fileName);

// A function of a module, typed: ProcAddress<BOOL(WINAPI*)(...)>(module, "Name").
// Null when the module or the function is missing.
template <typename Function>
Function ProcAddress(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  // Through void*: the compilers accept that conversion between function
  // pointer types without a warning.
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace ravelo::win
