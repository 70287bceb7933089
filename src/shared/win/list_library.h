// The operator's lists as rvo's menu and rvocfg's editor show them: the
// default list first, then every list of the data folder's lists folder in
// the order Chinese users expect (pinyin, as the Chinese sort of Windows
// gives it; code point order where the platform has no Chinese sort).
#pragma once

#include <string>
#include <vector>

#include "shared/core/data_folder.h"

namespace ravelo::win {

// The names of the lists in the lists folder (not the default list), sorted;
// none when the folder is missing or cannot be read.
std::vector<std::string> ListNamesInDataFolder(const DataPaths& data);

// Sorts list names (UTF-8) in pinyin order.
void SortListNames(std::vector<std::string>& names);

}  // namespace ravelo::win
