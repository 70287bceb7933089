// The music of a draw in rvo: it starts with the draw and stops with it, the
// menu switches it off and on during and between draws, a reload turns it on
// again, and a file that cannot play leaves the draw running in silence.
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
