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

// A fresh folder with a space and Chinese in its name.
std::wstring File(const std::wstring& name) {
  wchar_t temp[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, temp);
  const std::wstring folder = std::wstring(temp) + L"ravelo 音乐 " + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder + L"\\" + name;
}

void Write(const std::wstring& path, const std::string& bytes) {
  const win::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  ASSERT_TRUE(file && WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
}

// With a capture: no byte arrives for a while after a moment for buffers on their way.
bool Silent() {
  Pause(Milliseconds{300});
  const auto before = CapturedSoundBytes();
  Pause(Milliseconds{800});
  return CapturedSoundBytes() == before;
}
bool Flows() {
  const auto from = CapturedSoundBytes();
  return !from || PollUntil([&] { return *CapturedSoundBytes() >= *from + 4096; });
}

TEST(MusicPlayer, ARestartKeepsOneDeviceWhichTheDestructorCloses) {
  ClearSoundCapture();
  Write(File(L"曲子 一.wav"), ToneWave(40.0));  // outlasts the test on an unpaced output too
  {
    MusicPlayer player;
    player.SetFile(File(L"曲子 一.wav"));
    EXPECT_FALSE(player.IsOpen()) << "setting the file opens nothing";
    player.Start();
    player.Start();
    ASSERT_TRUE(player.IsPlaying());
    EXPECT_TRUE(Flows());
  }
  EXPECT_TRUE(Silent()) << "a device was left playing";
  // The device was closed, not merely forgotten: the file can be replaced.
  EXPECT_TRUE(DeleteFileW(File(L"曲子 一.wav").c_str()));
}

TEST(MusicPlayer, FilesThatCannotPlayStaySilent) {
  Write(File(L"不是音乐.wav"), "this is a name list, not music\r\n");
  Write(File(L"不是音乐.mp3"), "this is a name list, not music\r\n");
  Write(File(L"only header.wav"), ToneWave(0.0).substr(0, 12));
  for (const std::wstring& path : {File(L"没有这个文件.wav"), File(L"不是音乐.wav"), File(L"不是音乐.mp3"),
                                   File(L"only header.wav"), File(L""), std::wstring()}) {
    MusicPlayer player;
    player.SetFile(path);
    player.Start();
    EXPECT_FALSE(player.IsOpen()) << ToUtf8(path);
    EXPECT_TRUE(Silent()) << ToUtf8(path);
  }
}

}  // namespace
}  // namespace ravelo::draw
