#include "config/core/skin_file_check.h"

#include <gtest/gtest.h>

namespace ravelo::config {
namespace {

const FileExists kOnlyBackJpg = [](const std::string& path) { return path == "D:\\back.jpg"; };

FormValues WithPaths(std::string picture, std::string music) {
  FormValues values;
  values.backPicture = std::move(picture);
  values.music = std::move(music);
  return values;
}

TEST(MissingSkinFileReport, NamesEachTypedPathWithoutAFile) {
  // Existing files and the defaults ("0", empty) say nothing; blanks around a path do not count.
  for (const auto& [picture, music] : {std::pair{"D:\\back.jpg", "0"}, {" D:\\back.jpg ", ""}, {"", " 0 "}})
    EXPECT_EQ(MissingSkinFileReport(WithPaths(picture, music), false, kOnlyBackJpg), std::nullopt) << picture;
  EXPECT_EQ(MissingSkinFileReport(WithPaths("D:\\bakc.jpg", "0"), false, kOnlyBackJpg),
            std::string(kMissingPictureNotice));
  EXPECT_EQ(MissingSkinFileReport(WithPaths("D:\\back.jpg", "D:\\m.wav"), false, kOnlyBackJpg),
            std::string(kMissingMusicNotice));
  EXPECT_EQ(MissingSkinFileReport(WithPaths("x.bmp", "D:\\m.wav"), true, kOnlyBackJpg),
            std::string(kMissingPictureNotice) + "\r\n" + std::string(kMissingMusicNotice) +
                "\r\n标题和内容的显示位置已还原.");
}

}  // namespace
}  // namespace ravelo::config
