// The shell's folder picker: the Vista dialog (IFileOpenDialog picking
// folders) where the system has it, else the older folder tree
// (SHBrowseForFolderW). ole32 and shell32 load on first use, as the other
// dialogs' libraries do, to keep them out of the program's start.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace ravelo::win::config {

// The folder chosen, opening on `start` where the dialog allows; nullopt
// when the operator cancelled or no picker works.
std::optional<std::wstring> PickFolder(HWND owner, const std::wstring& title, const std::wstring& start);

}  // namespace ravelo::win::config
