// The "全屏显示" choice in the configuration file: [Draw] fullscreen, "1" on
// and "0" off in a flag's 2-byte field (missing: off), and [Draw]
// fullscreenmonitor, the top left corner of the monitor it was last shown
// on ("left,top"). Only rvo writes them, when full screen is turned on or
// off or moved to another monitor; the other programs keep the lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ravelo::draw {

inline constexpr std::string_view kFullScreenSection = "Draw";
inline constexpr std::string_view kFullScreenKey = "fullscreen";
inline constexpr std::size_t kFullScreenFieldBytes = 2;
inline constexpr std::string_view kFullScreenMonitorKey = "fullscreenmonitor";
inline constexpr std::size_t kFullScreenMonitorFieldBytes = 24;

// Warning when the choice could not be stored (no or read-only file).
inline constexpr std::string_view kFullScreenNotSavedMessage =
    "“全屏显示”未能保存到配置文件rvoconfig.rcf,这一选择只在本次运行中有效";

// On only for the number 1, like the other flags.
bool FullScreenFromText(std::string_view text);
std::string FullScreenFieldText(bool on);

}  // namespace ravelo::draw
