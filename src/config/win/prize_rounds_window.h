// "奖项设置": the prize plan that rvo runs round by round (rounds.txt in the
// data folder: a title and a count a round, in draw order) and, on its top
// row, how many names one draw shows ([Draw] count). 保存 (or Enter) writes
// the plan in one piece and the count alone, each only when it changed.
#pragma once

#include <windows.h>

#include "shared/core/paths.h"

namespace ravelo::win::config {

// Opens the form over the settings form and returns once it is closed.
void EditPrizeRounds(HWND owner, const InstallPaths& install);

}  // namespace ravelo::win::config
