#include "shared/win/command_buttons.h"

#include "shared/win/image_button.h"
#include "shared/win/wide_text.h"

namespace ravelo::win {

std::optional<Picture> LoadCommandButtonPicture(PictureDecoder& pictures, const InstallPaths& paths,
                                                std::size_t index0) {
  return pictures.Load(Widen(paths.CommonFile("but" + std::to_string(index0 + 1) + ".pte")));
}

std::array<ravelo::Size, 4> CommandButtonSizes(PictureDecoder& pictures, const InstallPaths& paths) {
  std::array<ravelo::Size, 4> sizes{};
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    const std::optional<Picture> picture = LoadCommandButtonPicture(pictures, paths, i);
    sizes[i] = picture ? ravelo::Size{picture->Width(), picture->Height()} : PlainFaceSize(kCommandButtonNames[i]);
  }
  return sizes;
}

}  // namespace ravelo::win
