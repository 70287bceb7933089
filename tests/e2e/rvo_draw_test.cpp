// The draw in rvo, one test per way in: Enter and Space from the keyboard,
// keys sent to any part of the window, the command buttons, reload (key 1 /
// button 3) with each file it reads, the configuration program (key 2 /
// button 4) and an empty name list. Which key works in which state is
// proven by the unit tests of the draw engine.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "rvo_parts.h"

namespace ravelo::e2e {
namespace {

using namespace rvo;

const std::vector<std::wstring> kNames{L"张伟", L"王芳", L"李娜", L"刘洋", L"陈静", L"杨磊"};

class RvoDraw : public ::testing::Test {
 protected:
  RvoDraw() { WriteNames(install_, kNames); }

  Process StartRvo() const { return install_.Start(L"rvo.exe"); }

  // Every text in the list of names.
  static void ExpectAllNames(const std::vector<std::wstring>& texts, const std::vector<std::wstring>& names) {
    for (const std::wstring& t : texts)
      EXPECT_NE(std::find(names.begin(), names.end(), t), names.end()) << "not a name of the list: " << ToUtf8(t);
  }

  static void WaitUntilIdle(const Window& main) {
    EXPECT_TRUE(PollUntil([&] { return ButtonStates(main) == kIdleButtons; }, kDefaultTimeout));
  }

  Installation install_;
};

TEST_F(RvoDraw, EnterRunsThroughTheNamesAndSpaceStopsOnOneThatStays) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  EXPECT_EQ(TextLine(main).Text(), kFirstText);
  main.Activate();
  keyboard::Press(VK_RETURN);
  ASSERT_TRUE(TextLineChanges(main)) << "Enter did not start the draw";
  EXPECT_EQ(ButtonStates(main), kDrawingButtons);

  // At 100 ticks a second the line shows many names, all from the list.
  const std::vector<std::wstring> seen = TextsDuring(main, Milliseconds{1000});
  ExpectAllNames(seen, kNames);
  EXPECT_GE(Distinct(seen).size(), 4u) << "the draw does not run through the list";

  keyboard::Press(VK_SPACE);
  WaitUntilIdle(main);
  const std::wstring drawn = TextLine(main).Text();
  ExpectAllNames({drawn}, kNames);
  EXPECT_EQ(Distinct(TextsDuring(main, Milliseconds{400})), std::set<std::wstring>{drawn})
      << "the drawn name did not stay";
}

TEST_F(RvoDraw, TheCommandButtonsStartAndStopTheDraw) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  mouse::Click(CommandButton(main, 1).WindowRect().Center());
  ASSERT_TRUE(TextLineChanges(main)) << "button 1 did not start the draw";
  EXPECT_EQ(ButtonStates(main), kDrawingButtons);
  mouse::Click(CommandButton(main, 2).WindowRect().Center());
  WaitUntilIdle(main);
  ExpectAllNames({TextLine(main).Text()}, kNames);
}

TEST_F(RvoDraw, KeysReachTheWindowWhicheverPartTheyAreSentToAndEscEndsTheDraw) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  // A key posted to a command button, or typed at the text line, is the
  // window's key.
  CommandButton(main, 3).PostKey(VK_RETURN);
  ASSERT_TRUE(TextLineChanges(main)) << "Enter sent to a button did not start the draw";
  TextLine(main).PostChar(L' ');
  WaitUntilIdle(main);
  main.PostKey(VK_RETURN);
  ASSERT_TRUE(TextLineChanges(main));
  Content(main).PostKey(VK_ESCAPE);
  EXPECT_EQ(rvo.ExpectExit(), 0u);
}

// --- Reload ------------------------------------------------------------------------

TEST_F(RvoDraw, ReloadTakesTheNewListAndTheWholeNewConfiguration) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  const std::vector<std::wstring> newNames{L"赵敏", L"黄强", L"周杰"};
  WriteNames(install_, newNames);
  install_.SetIniValue(L"Form", L"caption", L"年会抽奖");
  install_.SetIniValue(L"Form", L"text", L"准备好了");
  install_.SetIniValue(L"Form", L"top", L"1");
  install_.SetIniValue(L"Style", L"width", L"700");
  install_.SetIniValue(L"Style", L"height", L"400");
  install_.SetIniValue(L"Style", L"form", L"32768");  // RGB(0, 128, 0)
  install_.SetIniValue(L"Color", L"text", L"65535");  // yellow
  install_.SetIniValue(L"Text", L"fontsize", L"36");
  const int oldTextHeight = TextLine(main).WindowRect().Height();

  mouse::Click(CommandButton(main, 3).WindowRect().Center());
  Content(main).ChildById(kCaptionId).WaitForText(L"年会抽奖");
  EXPECT_EQ(TextLine(main).Text(), L"准备好了");
  EXPECT_TRUE(PollUntil([&] { return main.WindowRect().Width() == 711 && main.WindowRect().Height() == 435; },
                        kDefaultTimeout));
  main.WaitUntilTopmost(true);
  EXPECT_LT(TextLine(main).WindowRect().Height(), oldTextHeight) << "the smaller font was not applied";
  WaitForPixel(main.ToScreen({2, 200}), Color{0, 128, 0});
  // The text line repaints after the frame: wait for its new colour.
  EXPECT_TRUE(PollUntil(
      [&] { return CaptureScreen(TextLine(main).WindowRect()).Count(Color{255, 255, 0}, 8) > 50; },
      kDefaultTimeout))
      << "the text line is not yellow";

  // The new draw picks among the new names only.
  main.PostKey(VK_RETURN);
  ASSERT_TRUE(TextLineChanges(main));
  const std::vector<std::wstring> seen = TextsDuring(main, Milliseconds{600});
  ExpectAllNames(seen, newNames);
  EXPECT_EQ(Distinct(seen).size(), 3u);
}

TEST_F(RvoDraw, ReloadWithoutAConfigurationFileTakesTheDefaults) {
  install_.SetIniValue(L"Style", L"width", L"400");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  EXPECT_EQ(main.WindowRect().Width(), 411);
  install_.Remove(Installation::kConfigFile);
  main.PostKey('1');
  MessageBoxWindow box = rvo.WaitForMessageBox(L"Ravelo");
  EXPECT_EQ(box.Text(), L"找不到配置文件,系统将为您载入默认设置");
  box.Press(IDOK);
  EXPECT_TRUE(PollUntil([&] { return main.WindowRect().Width() == 611; }, kDefaultTimeout));
}

TEST_F(RvoDraw, ReloadWithoutANameListStartsTheConfigProgramAndEnds) {
  UseFixtureAs(install_, L"rvocfg.exe");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  install_.Remove(Installation::kNameList);
  main.PostKey('1');
  MessageBoxWindow box = rvo.WaitForMessageBox(L"Ravelo");
  EXPECT_EQ(box.Text(), kNoNameList);
  box.Press(IDOK);
  EXPECT_EQ(rvo.ExpectExit(), 0u);
  EXPECT_TRUE(PollUntil([] { return FindCompanion(L"rvocfg.exe").has_value(); }, kDefaultTimeout));
}

// --- The configuration program -------------------------------------------------------

TEST_F(RvoDraw, KeyTwoAndButtonFourStartTheConfigProgramAndRvoGoesOn) {
  UseFixtureAs(install_, L"rvocfg.exe");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  main.PostKey('2');
  Window first = WaitForWindow({.className = fixture::kClassName, .imageName = L"rvocfg.exe"});
  EXPECT_TRUE(rvo.IsRunning());
  first.PostClose();
  first.WaitUntilGone();

  mouse::Click(CommandButton(main, 4).WindowRect().Center());
  WaitForWindow({.className = fixture::kClassName, .imageName = L"rvocfg.exe"});
  EXPECT_EQ(ButtonStates(main), kIdleButtons);
  main.PostKey(VK_RETURN);
  EXPECT_TRUE(TextLineChanges(main)) << "rvo stopped taking keys";
}

TEST_F(RvoDraw, AMissingConfigProgramIsReportedAndRvoGoesOn) {
  install_.Remove(L"bin\\rvocfg.exe");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  main.PostKey('2');
  MessageBoxWindow box = rvo.WaitForMessageBox(L"Ravelo");
  EXPECT_EQ(box.Text(), kConfigProgramFailed);
  EXPECT_EQ(box.Icon(), MessageBoxIcon::Warning);
  box.Press(IDOK);
  main.PostKey(VK_RETURN);
  EXPECT_TRUE(TextLineChanges(main));
}

// --- An empty name list -----------------------------------------------------------

TEST_F(RvoDraw, AnEmptyNameListRefusesToStartWithAMessageUntilReloaded) {
  install_.WriteBytes(Installation::kNameList, "\r\n\r\n\r\n");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  EXPECT_FALSE(rvo.FindMessageBox().has_value()) << "an empty list is no missing list";
  main.PostKey(VK_RETURN);
  MessageBoxWindow box = rvo.WaitForMessageBox(L"Ravelo");
  EXPECT_EQ(box.Text(), kEmptyNameList);
  EXPECT_EQ(box.Icon(), MessageBoxIcon::Warning);
  box.Press(IDOK);
  EXPECT_EQ(TextLine(main).Text(), kFirstText);
  EXPECT_EQ(ButtonStates(main), kIdleButtons);

  WriteNames(install_, {L"张伟", L"王芳"});
  main.PostKey('1');
  main.PostKey(VK_RETURN);
  EXPECT_TRUE(TextLineChanges(main));
  EXPECT_FALSE(rvo.FindMessageBox().has_value());
}

}  // namespace
}  // namespace ravelo::e2e
