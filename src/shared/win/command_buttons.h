// rvo's command buttons I_cmd(1) .. I_cmd(4), as rvo shows them and the
// style editor outlines them on its preview: their names (tooltips and plain
// faces), their pictures common\but1.pte .. but4.pte, and their sizes.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "shared/core/frame_layout.h"
#include "shared/core/paths.h"
#include "shared/win/picture.h"

namespace ravelo::win {

inline constexpr std::array<const wchar_t*, 4> kCommandButtonNames{L"开始", L"暂停", L"刷新，重新载入配置信息或名单",
                                                                   L"配置程序"};

// I_cmd(index0 + 1)'s picture; empty when it cannot be shown.
std::optional<Picture> LoadCommandButtonPicture(PictureDecoder& pictures, const InstallPaths& paths,
                                                std::size_t index0);

// The four buttons' sizes in design pixels: each picture's own, or the plain
// face's that shows without it.
std::array<ravelo::Size, 4> CommandButtonSizes(PictureDecoder& pictures, const InstallPaths& paths);

}  // namespace ravelo::win
