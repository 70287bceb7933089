// Opening a file or an address with the program the shell associates with
// it. shell32 is loaded on first use: linked at load time it would add its
// own start-up cost to every program, which opens something rarely.
#pragma once

#include <windows.h>

#include <string>

namespace ravelo::win {

// True when the shell started something for the target.
bool ShellOpen(HWND owner, const std::wstring& target);

}  // namespace ravelo::win
