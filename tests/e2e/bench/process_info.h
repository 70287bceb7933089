// What the bench knows about running processes: image paths and the tree of
// who started whom (Toolhelp), across processes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace ravelo::e2e {

struct ProcessEntry {
  DWORD id = 0;
  DWORD parentId = 0;
  std::wstring exeName;  // file name only, as Toolhelp reports it
};

std::vector<ProcessEntry> RunningProcesses();

// The full path of a process's program file, or empty when it cannot be read
// (the process has ended).
std::wstring ImagePathOf(DWORD processId);

// The command line a process was started with, read from its memory (a
// process of the same bitness); empty when it cannot be read.
std::wstring CommandLineOf(DWORD processId);

// The file name part of a path ("C:\x\rvo.exe" gives "rvo.exe").
std::wstring FileNameOf(const std::wstring& path);

// Processes started by root, directly or through others, still running:
// found by parent id, and started after their parent (ids are reused).
std::vector<DWORD> DescendantsOf(DWORD rootId);

// Processes whose program file lies in folder (case-insensitive prefix).
std::vector<DWORD> ProcessesRunningFrom(const std::wstring& folder);

// Ends a process by id and waits briefly for it; false when it could not be
// opened (already gone).
bool TerminateProcessById(DWORD processId);

bool SameTextIgnoringCase(std::wstring_view a, std::wstring_view b);

}  // namespace ravelo::e2e
