// The music of a draw in rvo: it starts with the draw and stops with it and
// with the program, the menu switches it off and on, a missing file gives the
// shipped sound and a file that cannot play leaves the draw running in silence.
//
// The test run gives Wine's sound output an ALSA file sink (the e2e test's
// environment, see CMakeLists.txt): RAVELO_AUDIO_CAPTURE names the file that
// every sample reaching the output is written to. Its size shows whether
// sound flows. Without it (on Windows, or run by hand) these tests skip.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "bench/sound_capture.h"
#include "rvo_parts.h"

namespace ravelo::e2e {
namespace {

using namespace rvo;

// Whether sound flows, judged by the capture's growth.
class SoundOutput {
 public:
  explicit SoundOutput(SoundCapture capture) : capture_(std::move(capture)) {}

  // Sound flows: the capture grows by a few buffers from now on.
  bool Flows(Milliseconds timeout = kDefaultTimeout) const {
    const std::uint64_t from = capture_.Bytes();
    return PollUntil([&] { return capture_.Bytes() >= from + 8192; }, timeout);
  }

  // No sound: after a moment for buffers already on their way, nothing more
  // arrives for a while.
  bool Silent() const {
    Pause(Milliseconds{300});
    const std::uint64_t before = capture_.Bytes();
    Pause(Milliseconds{800});
    return capture_.Bytes() == before;
  }

 private:
  SoundCapture capture_;
};

class RvoMusic : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (const std::optional<SoundCapture> capture = SoundCapture::FromEnvironment()) capture->Clear();
  }

  void SetUp() override {
    std::optional<SoundCapture> capture = SoundCapture::FromEnvironment();
    if (!capture) GTEST_SKIP() << "no ALSA capture (RAVELO_AUDIO_CAPTURE) to listen to";
    sound_.emplace(std::move(*capture));
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

TEST_F(RvoMusic, PlaysWhileTheDrawRunsStopsWithItAndEndsWithTheProgram) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  EXPECT_TRUE(Sound().Silent()) << "music before the first draw";
  StartDraw(main);
  EXPECT_TRUE(Sound().Flows()) << "no music with the draw";
  EXPECT_TRUE(TextLineChanges(main)) << "playing held up the draw";
  StopDraw(main);
  EXPECT_TRUE(Sound().Silent()) << "the music did not stop with the draw";
  // Every draw opens the music afresh; Esc ends it with the program.
  StartDraw(main);
  EXPECT_TRUE(Sound().Flows());
  main.PostKey(VK_ESCAPE);
  EXPECT_EQ(rvo.ExpectExit(), 0u);
  EXPECT_TRUE(Sound().Silent());
}

TEST_F(RvoMusic, TheMenuSwitchesItOffAndOnBetweenAndDuringDraws) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  ChooseMenuItem(rvo, main, MenuItem::Music);
  StartDraw(main);
  EXPECT_TRUE(Sound().Silent()) << "switched off between draws, the draw has music";
  ChooseMenuItem(rvo, main, MenuItem::Music);
  EXPECT_TRUE(Sound().Flows()) << "switched on during the draw, the music did not start";
  ChooseMenuItem(rvo, main, MenuItem::Music);
  EXPECT_TRUE(Sound().Silent()) << "the music went on after it was switched off";
  EXPECT_TRUE(TextLineChanges(main)) << "the draw stopped with the music";
  StopDraw(main);
}

// A named file that is gone: the shipped sound; one that cannot play: the
// draw runs in silence and nothing is reported.
TEST_F(RvoMusic, AMissingFileFallsBackAndOneThatCannotPlayIsSilent) {
  install_.SetIniValue(L"Form", L"brmic", install_.PathOf(L"音乐 文件\\不存在.wav"));
  {
    Process rvo = StartRvo();
    const Window main = WaitForDrawWindow(rvo);
    StartDraw(main);
    EXPECT_TRUE(Sound().Flows()) << "no shipped sound for a missing file";
    main.PostKey(VK_ESCAPE);
    EXPECT_EQ(rvo.ExpectExit(), 0u);
  }
  install_.WriteGbk(L"音乐 文件\\名单.wav", L"张伟\r\n王芳\r\n");
  install_.SetIniValue(L"Form", L"brmic", install_.PathOf(L"音乐 文件\\名单.wav"));
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  StartDraw(main);
  EXPECT_TRUE(Sound().Silent());
  EXPECT_TRUE(TextLineChanges(main));
  EXPECT_FALSE(rvo.FindMessageBox().has_value()) << "nothing is reported";
  StopDraw(main);
}

}  // namespace
}  // namespace ravelo::e2e
