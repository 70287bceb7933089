// A background picture or music path typed into the settings form that names
// no file: the draw program then shows its default picture or plays its
// default music. OK saves it all the same, and says so where it would report
// success, so that a mistyped path is noticed.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "config/core/settings_form.h"
#include "shared/core/settings_values.h"

namespace ravelo::config {

inline constexpr std::string_view kMissingPictureNotice = "找不到背景图片文件,抽签程序将使用默认背景";
inline constexpr std::string_view kMissingMusicNotice = "找不到背景音乐文件,抽签程序将使用默认音乐";

// The message of a save that stored the values when a path of theirs names
// no file (empty and "0" choose the default and are no such path); the size
// change's note follows. Empty when both files exist or none was chosen.
std::optional<std::string> MissingSkinFileReport(const FormValues& saved, bool sizeChanged, const FileExists& exists);

}  // namespace ravelo::config
