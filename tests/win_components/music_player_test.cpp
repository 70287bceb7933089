// MusicPlayer against the real MCI layer. Under Wine the test's environment
// names, in RAVELO_AUDIO_CAPTURE, a file where ALSA writes every sample that
// reaches the sound output; its size shows whether sound flows. Without that
// variable (on Windows) only the device's own reports are checked.
#include "draw/win/music_player.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "bench/sound_capture.h"
#include "shared/win/unique_handle.h"

namespace ravelo::draw {
namespace {

using namespace std::chrono_literals;

std::optional<std::wstring> EnvironmentPath(const wchar_t* name) {
  std::vector<wchar_t> buffer(32768);
  const DWORD n = GetEnvironmentVariableW(name, buffer.data(), static_cast<DWORD>(buffer.size()));
  if (n == 0 || n >= buffer.size()) return std::nullopt;
  std::wstring path(buffer.data(), n);
  for (auto& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

// A fresh folder with spaces and Chinese characters in its name.
std::wstring MakeTestFolder() {
  std::vector<wchar_t> temp(MAX_PATH + 1);
  GetTempPathW(static_cast<DWORD>(temp.size()), temp.data());
  std::wstring folder = std::wstring(temp.data()) + L"ravelo 音乐 测试 " + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder + L"\\";
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  ravelo::win::UniqueHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(file);
  DWORD written = 0;
  const BOOL ok = WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  file.Reset();
  ASSERT_TRUE(ok);
  ASSERT_EQ(written, bytes.size());
}

using e2e::ToneWave;

// The sound output's capture, when the environment provides one.
class SoundOutput {
 public:
  SoundOutput() : capture_(e2e::SoundCapture::FromEnvironment()) {}

  bool Observable() const { return capture_.has_value(); }

  void Clear() const {
    if (capture_) capture_->Clear();
  }

  std::uint64_t Bytes() const { return capture_ ? capture_->Bytes() : 0; }

  // True when at least `bytes` more than `from` arrive within `timeout`.
  bool GrowsFrom(std::uint64_t from, std::uint64_t bytes = 8192, std::chrono::milliseconds timeout = 5s) const {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end) {
      if (Bytes() >= from + bytes) return true;
      std::this_thread::sleep_for(20ms);
    }
    return false;
  }

  // True when no byte arrives during `quiet`, after `settle` for buffers
  // already on their way.
  bool StaysQuiet(std::chrono::milliseconds settle = 300ms, std::chrono::milliseconds quiet = 800ms) const {
    std::this_thread::sleep_for(settle);
    const std::uint64_t before = Bytes();
    std::this_thread::sleep_for(quiet);
    return Bytes() == before;
  }

 private:
  std::optional<e2e::SoundCapture> capture_;
};

class MusicPlayerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    SoundOutput().Clear();
    folder_ = new std::wstring(MakeTestFolder());
    // Long enough to outlast every check even on an unpaced output that
    // plays several times faster than real time.
    const std::string tone = ToneWave(40.0);
    WriteBytes(File(L"曲子 一.wav"), tone);
    WriteBytes(File(L"sound.wma"), tone);
    WriteBytes(File(L"不是音乐.wav"), "this is a name list, not music\r\n");
    WriteBytes(File(L"不是音乐.mp3"), "this is a name list, not music\r\n");
    WriteBytes(File(L"only header.wav"), ToneWave(0.0).substr(0, 12));
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }

  static std::wstring File(const std::wstring& name) { return *folder_ + name; }

  SoundOutput sound;
  static std::wstring* folder_;
};

std::wstring* MusicPlayerTest::folder_ = nullptr;

TEST_F(MusicPlayerTest, StartPlaysAfreshWithoutWaitingAndStopEndsTheSound) {
  MusicPlayer player;
  player.SetFile(File(L"曲子 一.wav"));
  EXPECT_FALSE(player.IsOpen()) << "setting the file opens nothing";
  for (int round = 0; round < 2; ++round) {
    const std::uint64_t before = sound.Bytes();
    const auto t0 = std::chrono::steady_clock::now();
    player.Start();
    EXPECT_LT(std::chrono::steady_clock::now() - t0, 3s) << "play must not wait for the 40 s piece";
    ASSERT_TRUE(player.IsPlaying()) << "round " << round;
    if (sound.Observable()) {
      EXPECT_TRUE(sound.GrowsFrom(before)) << "round " << round;
    }
    player.Stop();
    EXPECT_FALSE(player.IsOpen());
    if (sound.Observable()) {
      EXPECT_TRUE(sound.StaysQuiet()) << "round " << round;
    }
  }
  // Start while playing restarts with one device, which one Stop closes.
  player.Start();
  player.Start();
  EXPECT_TRUE(player.IsPlaying());
  player.Stop();
  if (sound.Observable()) {
    EXPECT_TRUE(sound.StaysQuiet());
  }
  player.Stop();  // a second stop finds nothing open
  EXPECT_FALSE(player.IsOpen());
}

TEST_F(MusicPlayerTest, WaveContentPlaysWhateverTheExtensionAndTwoPlayersKeepTheirOwnDevices) {
  // A .wma holding WAV (as the shipped default music) opens without any codec.
  const auto shipped = EnvironmentPath(L"RAVELO_SHIPPED_SOUND");
  MusicPlayer first;
  MusicPlayer second;
  first.SetFile(File(L"曲子 一.wav"));
  second.SetFile(shipped ? *shipped : File(L"sound.wma"));
  first.Start();
  second.Start();
  EXPECT_TRUE(first.IsPlaying());
  ASSERT_TRUE(second.IsPlaying());
  first.Stop();
  EXPECT_FALSE(first.IsPlaying());
  EXPECT_TRUE(second.IsPlaying());
  if (sound.Observable()) {
    EXPECT_TRUE(sound.GrowsFrom(sound.Bytes(), 4096));
  }
  second.Stop();
  if (sound.Observable()) {
    EXPECT_TRUE(sound.StaysQuiet());
  }
}

TEST_F(MusicPlayerTest, FilesThatCannotPlayLeaveTheDrawSilent) {
  for (const std::wstring& path : {File(L"没有这个文件.wav"), File(L"不是音乐.wav"), File(L"不是音乐.mp3"),
                                   File(L"only header.wav"), *folder_, std::wstring()}) {
    MusicPlayer player;
    player.SetFile(path);
    const std::uint64_t before = sound.Bytes();
    player.Start();
    EXPECT_FALSE(player.IsOpen());
    EXPECT_FALSE(player.IsPlaying());
    if (sound.Observable()) {
      EXPECT_TRUE(sound.StaysQuiet(0ms));
      EXPECT_EQ(sound.Bytes(), before);
    }
    player.Stop();
  }
}

TEST_F(MusicPlayerTest, TheDestructorClosesAnOpenDevice) {
  const std::uint64_t before = sound.Bytes();
  {
    MusicPlayer player;
    player.SetFile(File(L"曲子 一.wav"));
    player.Start();
    ASSERT_TRUE(player.IsPlaying());
    if (sound.Observable()) {
      ASSERT_TRUE(sound.GrowsFrom(before));
    }
  }
  if (sound.Observable()) {
    EXPECT_TRUE(sound.StaysQuiet());
  }
  // The device was closed, not merely forgotten: the file can be replaced.
  EXPECT_TRUE(DeleteFileW(File(L"曲子 一.wav").c_str()));
  WriteBytes(File(L"曲子 一.wav"), ToneWave(40.0));
}

}  // namespace
}  // namespace ravelo::draw
