// The music of a draw in rvo: it plays with the draw (the shipped sound when
// the file named has gone), stops with it and with the program, and the menu
// switches it off and on. How the player treats any file is proven by the
// music player's own tests. The test run captures the sound output (see the
// bench); without a capture the test skips.
#include <gtest/gtest.h>

#include "rvo_parts.h"

namespace ravelo::e2e {
namespace {

using namespace rvo;

TEST(RvoMusic, TheShippedSoundPlaysWithTheDrawUnlessTheMenuSwitchedItOff) {
  if (!CapturedSoundBytes()) GTEST_SKIP() << "no sound capture (RAVELO_AUDIO_CAPTURE)";
  ClearSoundCapture();
  Installation install;
  install.SetIniValue(L"Form", L"brmic", install.PathOf(L"不存在.wav"));
  Process rvo = install.Start(L"rvo.exe");
  const Window main = WaitForDrawWindow(rvo);
  EXPECT_TRUE(SoundSilent()) << "music before the first draw";
  StartDraw(main);
  EXPECT_TRUE(SoundFlows()) << "no music with the draw";
  StopDraw(main);
  EXPECT_TRUE(SoundSilent()) << "the music did not stop with the draw";

  ChooseMenuItem(rvo, main, MenuItem::Music);
  StartDraw(main);
  EXPECT_TRUE(SoundSilent()) << "switched off between draws, the draw has music";
  ChooseMenuItem(rvo, main, MenuItem::Music);
  EXPECT_TRUE(SoundFlows()) << "switched on during the draw, the music did not start";
  ChooseMenuItem(rvo, main, MenuItem::Music);
  EXPECT_TRUE(SoundSilent()) << "the music went on after it was switched off";
  EXPECT_TRUE(TextLineChanges(main)) << "the draw stopped with the music";
  ChooseMenuItem(rvo, main, MenuItem::Music);
  EXPECT_TRUE(SoundFlows());
  main.PostKey(VK_ESCAPE);
  EXPECT_EQ(rvo.ExpectExit(), 0u);
  EXPECT_TRUE(SoundSilent()) << "the music outlived the program";
}

}  // namespace
}  // namespace ravelo::e2e
