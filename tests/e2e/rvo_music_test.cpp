// The music of a draw in rvo: it starts with the draw and stops with it, the
// menu switches it off and on during and between draws, a reload turns it on
// again, and a file that cannot play leaves the draw running in silence.
//
// The test run gives Wine's sound output an ALSA file sink (the e2e test's
// environment, see CMakeLists.txt): RAVELO_AUDIO_CAPTURE names the file that
// every sample reaching the output is written to. Its size shows whether
// sound flows. Without it (on Windows, or run by hand) these tests skip.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "rvo_parts.h"

namespace ravelo::e2e {
namespace {

using namespace rvo;

std::optional<std::wstring> CapturePath() {
  std::wstring buffer(32768, L'\0');
  const DWORD n = GetEnvironmentVariableW(L"RAVELO_AUDIO_CAPTURE", buffer.data(), static_cast<DWORD>(buffer.size()));
  if (n == 0 || n >= buffer.size()) return std::nullopt;
  buffer.resize(n);
  for (wchar_t& c : buffer) {
    if (c == L'/') c = L'\\';
  }
  return buffer;
}

// The ALSA capture: each opening of the output writes a file of its own (the
// named one, then numbered ones beside it), so the bytes of all of them
// together only ever grow.
class SoundOutput {
 public:
  explicit SoundOutput(std::wstring path) : path_(std::move(path)) {}

  std::uint64_t Bytes() const {
    std::uint64_t total = 0;
    ForEachFile([&total](const std::wstring&, std::uint64_t size) { total += size; });
    return total;
  }

  // Removes the captures of earlier runs (files still being written stay).
  void Clear() const {
    ForEachFile([](const std::wstring& file, std::uint64_t) { DeleteFileW(file.c_str()); });
  }

  // Sound flows: the capture grows by a few buffers from now on.
  bool Flows(Milliseconds timeout = kDefaultTimeout) const {
    const std::uint64_t from = Bytes();
    return PollUntil([&] { return Bytes() >= from + 8192; }, timeout);
  }

  // No sound: after a moment for buffers already on their way, nothing more
  // arrives for a while.
  bool Silent() const {
    Pause(Milliseconds{300});
    const std::uint64_t before = Bytes();
    Pause(Milliseconds{800});
    return Bytes() == before;
  }

 private:
  void ForEachFile(const std::function<void(const std::wstring&, std::uint64_t)>& visit) const {
    const std::wstring folder = path_.substr(0, path_.find_last_of(L'\\') + 1);
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((path_ + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
      visit(folder + found.cFileName, (std::uint64_t{found.nFileSizeHigh} << 32) | found.nFileSizeLow);
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }

  std::wstring path_;
};

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A 16-bit mono WAV file of a steady tone, long enough to outlast every test
// on a sink that is not paced and plays several times faster than real time.
std::string ToneWave(double seconds) {
  constexpr std::uint32_t kRate = 22050;
  const auto frames = static_cast<std::uint32_t>(seconds * kRate);
  std::string data;
  data.reserve(frames * 2);
  for (std::uint32_t i = 0; i < frames; ++i) {
    const double s = 8000.0 * std::sin(2.0 * 3.14159265358979 * 440.0 * i / kRate);
    PutLittleEndian(data, static_cast<std::uint16_t>(static_cast<std::int16_t>(s)), 2);
  }
  std::string wav = "RIFF";
  PutLittleEndian(wav, static_cast<std::uint32_t>(36 + data.size()), 4);
  wav += "WAVEfmt ";
  PutLittleEndian(wav, 16, 4);
  PutLittleEndian(wav, 1, 2);  // PCM
  PutLittleEndian(wav, 1, 2);  // mono
  PutLittleEndian(wav, kRate, 4);
  PutLittleEndian(wav, kRate * 2, 4);
  PutLittleEndian(wav, 2, 2);
  PutLittleEndian(wav, 16, 2);
  wav += "data";
  PutLittleEndian(wav, static_cast<std::uint32_t>(data.size()), 4);
  return wav + data;
}

class RvoMusic : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (const std::optional<std::wstring> capture = CapturePath()) SoundOutput(*capture).Clear();
  }

  void SetUp() override {
    const std::optional<std::wstring> capture = CapturePath();
    if (!capture) GTEST_SKIP() << "no ALSA capture (RAVELO_AUDIO_CAPTURE) to listen to";
    sound_.emplace(*capture);
    // A long piece with a space and Chinese in its path.
    install_.WriteBytes(L"音乐 文件\\长曲.wav", ToneWave(60.0));
    install_.SetIniValue(L"Form", L"brmic", install_.PathOf(L"音乐 文件\\长曲.wav"));
  }

  Process StartRvo() const { return install_.Start(L"rvo.exe"); }

  // Starts the draw with Enter and waits until the names run.
  static void StartDraw(const Window& main) {
    main.PostKey(VK_RETURN);
    ASSERT_TRUE(TextLineChanges(main)) << "the draw did not start";
  }
  static void StopDraw(const Window& main) {
    main.PostKey(VK_SPACE);
    ASSERT_TRUE(PollUntil([&] { return ButtonStates(main) == kIdleButtons; }, kDefaultTimeout));
  }

  const SoundOutput& Sound() const { return *sound_; }

  Installation install_;
  std::optional<SoundOutput> sound_;
};

TEST_F(RvoMusic, PlaysWhileTheDrawRunsAndStopsWithIt) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  EXPECT_TRUE(Sound().Silent()) << "music before the first draw";
  StartDraw(main);
  EXPECT_TRUE(Sound().Flows()) << "no music with the draw";
  EXPECT_TRUE(TextLineChanges(main)) << "playing held up the draw";
  StopDraw(main);
  EXPECT_TRUE(Sound().Silent()) << "the music did not stop with the draw";
  // Every draw opens the music afresh.
  StartDraw(main);
  EXPECT_TRUE(Sound().Flows());
  StopDraw(main);
  EXPECT_TRUE(Sound().Silent());
}

TEST_F(RvoMusic, SwitchedOffBetweenDrawsTheDrawIsSilent) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  ChooseMenuItem(rvo, main, MenuItem::Music);
  StartDraw(main);
  EXPECT_TRUE(Sound().Silent());
  EXPECT_TRUE(TextLineChanges(main));
  StopDraw(main);
  EXPECT_TRUE(Sound().Silent());
  // Switched on again, the next draw has music.
  ChooseMenuItem(rvo, main, MenuItem::Music);
  StartDraw(main);
  EXPECT_TRUE(Sound().Flows());
  StopDraw(main);
}

TEST_F(RvoMusic, SwitchedOffDuringADrawItStopsAndSwitchedOnItStartsAgain) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  StartDraw(main);
  ASSERT_TRUE(Sound().Flows());
  ChooseMenuItem(rvo, main, MenuItem::Music);
  EXPECT_TRUE(Sound().Silent()) << "the music went on after it was switched off";
  EXPECT_TRUE(TextLineChanges(main)) << "the draw stopped with the music";
  ChooseMenuItem(rvo, main, MenuItem::Music);
  EXPECT_TRUE(Sound().Flows()) << "switched on during the draw, the music did not start";
  StopDraw(main);
  EXPECT_TRUE(Sound().Silent());
}

TEST_F(RvoMusic, ReloadTurnsTheMusicOnAgain) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  ChooseMenuItem(rvo, main, MenuItem::Music);
  install_.SetIniValue(L"Form", L"caption", L"再来一次");
  main.PostKey('1');
  Content(main).ChildById(kCaptionId).WaitForText(L"再来一次");
  StartDraw(main);
  EXPECT_TRUE(Sound().Flows()) << "after a reload the music is on";
  StopDraw(main);
}

TEST_F(RvoMusic, TheDefaultIsTheShippedSound) {
  for (const std::wstring& brmic : {std::wstring(L"0"), install_.PathOf(L"音乐 文件\\不存在.wav")}) {
    install_.SetIniValue(L"Form", L"brmic", brmic);
    Process rvo = StartRvo();
    const Window main = WaitForDrawWindow(rvo);
    StartDraw(main);
    EXPECT_TRUE(Sound().Flows()) << "brmic=" << ToUtf8(brmic);
    StopDraw(main);
    main.PostKey(VK_ESCAPE);
    EXPECT_EQ(rvo.ExpectExit(), 0u);
  }
}

TEST_F(RvoMusic, AFileThatCannotPlayLeavesTheDrawRunningInSilence) {
  install_.WriteGbk(L"音乐 文件\\名单.wav", L"张伟\r\n王芳\r\n");
  install_.SetIniValue(L"Form", L"brmic", install_.PathOf(L"音乐 文件\\名单.wav"));
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  StartDraw(main);
  EXPECT_TRUE(Sound().Silent());
  EXPECT_TRUE(TextLineChanges(main));
  EXPECT_FALSE(rvo.FindMessageBox().has_value()) << "nothing is reported";
  StopDraw(main);
  StartDraw(main);
  StopDraw(main);
  // A playable file named on disk reaches the player with a reload.
  install_.SetIniValue(L"Form", L"brmic", install_.PathOf(L"音乐 文件\\长曲.wav"));
  install_.SetIniValue(L"Form", L"caption", L"换了音乐");
  main.PostKey('1');
  Content(main).ChildById(kCaptionId).WaitForText(L"换了音乐");
  StartDraw(main);
  EXPECT_TRUE(Sound().Flows());
  StopDraw(main);
}

TEST_F(RvoMusic, EscDuringADrawWithMusicEndsTheProgramAndTheSound) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  StartDraw(main);
  ASSERT_TRUE(Sound().Flows());
  main.PostKey(VK_ESCAPE);
  EXPECT_EQ(rvo.ExpectExit(), 0u);
  EXPECT_TRUE(Sound().Silent());
}

}  // namespace
}  // namespace ravelo::e2e
