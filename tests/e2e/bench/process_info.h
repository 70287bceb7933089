// What the bench knows about other processes: their program files.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace ravelo::e2e {

// The full path of a process's program file, or empty when it cannot be read
// (the process has ended).
std::wstring ImagePathOf(DWORD processId);

// The command line a process was started with, read from its memory (a
// process of the same bitness); empty when it cannot be read.
std::wstring CommandLineOf(DWORD processId);

// The file name part of a path ("C:\x\rvo.exe" gives "rvo.exe").
std::wstring FileNameOf(const std::wstring& path);

// Processes whose program file lies in folder (case-insensitive prefix).
std::vector<DWORD> ProcessesRunningFrom(const std::wstring& folder);

// Ends a process by id and waits briefly for it; false when it could not be
// opened (already gone).
bool TerminateProcessById(DWORD processId);

bool SameTextIgnoringCase(std::wstring_view a, std::wstring_view b);

}  // namespace ravelo::e2e
