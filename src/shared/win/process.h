// The running program's own folder and name, and starting the suite's other programs.
#pragma once

#include <windows.h>

#include <string>

#include "shared/core/companion.h"
#include "shared/core/paths.h"

namespace ravelo::win {

// The folder of the running program file, without a trailing backslash
// except for the root of a drive ("D:\"), as UTF-8.
std::string ProgramFolder();

// The name of the running program file ("rvo.exe").
std::wstring ProgramFileName();

// Starts a companion program from the program folder as a separate process
// in a normal window with the focus and does not wait for it. False when it
// could not be started (missing, not a program, no access).
bool LaunchCompanion(const InstallPaths& paths, Companion which);
// The same, and when it could not be started the user is told so in a
// warning over owner.
bool LaunchCompanion(HWND owner, const InstallPaths& paths, Companion which);

}  // namespace ravelo::win
