// The folder of the running program file.
#pragma once

#include <string>

namespace ravelo::cleaner {

// UTF-8, without a trailing backslash, except for a drive's root folder
// ("D:\"), which keeps it. Empty when the platform cannot tell.
std::string ProgramFolder();

}  // namespace ravelo::cleaner
