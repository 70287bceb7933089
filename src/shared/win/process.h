// The running program's own folder and name, and starting the suite's other programs.
#pragma once

#include <string>

namespace ravelo::win {

// The folder of the running program file, without a trailing backslash
// except for the root of a drive ("D:\"), as UTF-8.
std::string ProgramFolder();

// The name of the running program file ("rvo.exe").
std::wstring ProgramFileName();

// Starts the program at path (UTF-8) as a separate process in a normal
// window with the focus and does not wait for it. False when it could not
// be started (missing, not a program, no access).
bool LaunchProgram(const std::string& path);

}  // namespace ravelo::win
