// The "不重复抽取" option in the configuration file: [Draw] norepeat, "1" on
// and "0" off, in a flag's 2-byte field. A missing key (every file written
// before the option existed) reads as off. Only rvo writes it, when the menu
// item is toggled; the other programs keep the line as it stands.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ravelo::draw {

inline constexpr std::string_view kNoRepeatSection = "Draw";
inline constexpr std::string_view kNoRepeatKey = "norepeat";
inline constexpr std::size_t kNoRepeatFieldBytes = 2;

// Warning when the choice could not be stored (no or read-only file).
inline constexpr std::string_view kNoRepeatNotSavedMessage =
    "“不重复抽取”未能保存到配置文件rvoconfig.rcf,这一选择只在本次运行中有效";

// The trimmed value as read; on only for the number 1, like the other flags.
bool NoRepeatFromText(std::string_view text);

// The field to write.
std::string NoRepeatFieldText(bool on);

}  // namespace ravelo::draw
