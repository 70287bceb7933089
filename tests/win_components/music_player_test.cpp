// MusicPlayer against the real MCI layer, with a path holding a space and
// Chinese: a restart keeps one device, the destructor closes it, and every
// kind of file that cannot play stays silent. Under Wine the test run captures the sound output (see the e2e
// bench); without a capture only the device's own reports are checked.
#include "draw/win/music_player.h"

#include <gtest/gtest.h>

#include "bench/bench.h"

namespace ravelo::draw {
namespace {

using namespace e2e;

// 40 s of 8-bit mono PCM at 8000 Hz, silent: the output counts bytes, not
// loudness, and it outlasts the test even on an output that is not paced.
std::string SilentWave() {
  return std::string("RIFF\x24\xE2\x04\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1F\0\0\x40\x1F\0\0\x01\0\x08\0data\0\xE2\x04\0", 44) +
         std::string(320000, '\x80');
}

// Files in a folder of their own, with a space and Chinese in its name.
class MusicPlayerTest : public ::testing::Test {
 protected:
  std::wstring File(const wchar_t* name) const { return folder_.PathOf(std::wstring(L"音乐 文件\\") + name); }
  Installation folder_;
};

TEST_F(MusicPlayerTest, ARestartKeepsOneDeviceWhichTheDestructorCloses) {
  ClearSoundCapture();
  folder_.WriteBytes(L"音乐 文件\\曲子 一.wav", SilentWave());
  {
    MusicPlayer player;
    player.SetFile(File(L"曲子 一.wav"));
    player.Start();
    player.Start();
    ASSERT_TRUE(player.IsPlaying());
    EXPECT_TRUE(SoundFlows());
  }
  EXPECT_TRUE(SoundSilent()) << "a device was left playing";
  // The device was closed, not merely forgotten: the file can be replaced.
  EXPECT_TRUE(DeleteFileW(File(L"曲子 一.wav").c_str()));
}

TEST_F(MusicPlayerTest, FilesThatCannotPlayStaySilent) {
  for (const wchar_t* name : {L"音乐 文件\\不是音乐.wav", L"音乐 文件\\不是音乐.mp3"}) folder_.WriteBytes(name, "a name list, not music");
  folder_.WriteBytes(L"音乐 文件\\only header.wav", SilentWave().substr(0, 12));
  for (const std::wstring& path : {File(L"没有这个文件.wav"), File(L"不是音乐.wav"), File(L"不是音乐.mp3"),
                                   File(L"only header.wav"), File(L""), std::wstring()}) {
    MusicPlayer player;
    player.SetFile(path);
    player.Start();
    EXPECT_FALSE(player.IsOpen()) << ToUtf8(path);
    EXPECT_TRUE(SoundSilent()) << ToUtf8(path);
  }
}

}  // namespace
}  // namespace ravelo::draw
