// "数据位置": where the lists, the record and the rounds live ([Draw]
// datadir). The folder is typed or picked ("浏览"), or set back to the data
// root ("恢复默认位置"); 确定 checks it, offers to copy the current lists
// there, and stores the key alone, merged into the file as it is now.
#pragma once

#include <windows.h>

#include <string>

#include "shared/core/paths.h"

namespace ravelo::win::config {

// Opens the form over the settings form and returns once it is closed.
void ChangeDataFolder(HWND owner, const InstallPaths& install);

}  // namespace ravelo::win::config
