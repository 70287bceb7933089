// The draw in rvo: Enter starts it, the text line runs through the names of
// the list, Space stops it on one of them; the keys and command buttons that
// are live in each state, reloading, launching the configuration program,
// and the ways out.
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

  void Set(const wchar_t* section, const wchar_t* key, const wchar_t* value) const {
    install_.SetIniValue(section, key, value);
  }

  // Every text in the list of names.
  static void ExpectAllNames(const std::vector<std::wstring>& texts, const std::vector<std::wstring>& names) {
    for (const std::wstring& t : texts)
      EXPECT_NE(std::find(names.begin(), names.end(), t), names.end()) << "not a name of the list: " << ToUtf8(t);
  }

  Installation install_;
};

// --- A whole draw ------------------------------------------------------------

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
  EXPECT_TRUE(PollUntil([&] { return ButtonStates(main) == kIdleButtons; }, kDefaultTimeout));
  const std::wstring drawn = TextLine(main).Text();
  ExpectAllNames({drawn}, kNames);
  const std::vector<std::wstring> after = TextsDuring(main, Milliseconds{400});
  EXPECT_EQ(Distinct(after), std::set<std::wstring>{drawn}) << "the drawn name did not stay";

  // And again.
  keyboard::Press(VK_RETURN);
  EXPECT_TRUE(TextLineChanges(main));
  keyboard::Press(VK_SPACE);
  EXPECT_TRUE(PollUntil([&] { return ButtonStates(main) == kIdleButtons; }, kDefaultTimeout));
}

TEST_F(RvoDraw, TheCommandButtonsStartAndStopTheDraw) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  mouse::Click(CommandButton(main, 1).WindowRect().Center());
  ASSERT_TRUE(TextLineChanges(main)) << "button 1 did not start the draw";
  EXPECT_EQ(ButtonStates(main), kDrawingButtons);
  mouse::Click(CommandButton(main, 2).WindowRect().Center());
  EXPECT_TRUE(PollUntil([&] { return ButtonStates(main) == kIdleButtons; }, kDefaultTimeout));
  const std::wstring drawn = TextLine(main).Text();
  ExpectAllNames({drawn}, kNames);
  Pause(Milliseconds{200});
  EXPECT_EQ(TextLine(main).Text(), drawn);
}

TEST_F(RvoDraw, KeysReachTheWindowWhicheverPartTheyAreSentTo) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  // A key posted to a command button, or typed at the text line, is the
  // window's key.
  CommandButton(main, 3).PostKey(VK_RETURN);
  ASSERT_TRUE(TextLineChanges(main)) << "Enter sent to a button did not start the draw";
  TextLine(main).PostChar(L' ');
  EXPECT_TRUE(PollUntil([&] { return ButtonStates(main) == kIdleButtons; }, kDefaultTimeout))
      << "Space sent to the text line did not stop the draw";
  Content(main).PostKey(VK_ESCAPE);
  EXPECT_EQ(rvo.ExpectExit(), 0u);
}

TEST_F(RvoDraw, WithOneNameEveryTickShowsIt) {
  WriteNames(install_, {L"  独一 无二  "});
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  main.PostKey(VK_RETURN);
  ASSERT_TRUE(TextLineChanges(main));
  EXPECT_EQ(Distinct(TextsDuring(main, Milliseconds{300})), std::set<std::wstring>{L"  独一 无二  "});
  main.PostKey(VK_SPACE);
}

TEST_F(RvoDraw, AnIntervalOfZeroNeverTicks) {
  Set(L"Time", L"time", L"0");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  main.PostKey(VK_RETURN);
  EXPECT_TRUE(PollUntil([&] { return ButtonStates(main) == kDrawingButtons; }, kDefaultTimeout));
  EXPECT_EQ(Distinct(TextsDuring(main, Milliseconds{500})), std::set<std::wstring>{kFirstText});
  main.PostKey(VK_SPACE);
  EXPECT_TRUE(PollUntil([&] { return ButtonStates(main) == kIdleButtons; }, kDefaultTimeout));
  EXPECT_EQ(TextLine(main).Text(), kFirstText);
}

TEST_F(RvoDraw, WithTheButtonsHiddenAllFiveKeysStillWork) {
  UseFixtureAs(install_, L"rvocfg.exe");
  Set(L"Form", L"smc", L"0");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  main.PostKey(VK_RETURN);
  ASSERT_TRUE(TextLineChanges(main));
  main.PostKey(VK_SPACE);
  EXPECT_TRUE(PollUntil([&] { return ButtonStates(main) == kIdleButtons; }, kDefaultTimeout));
  Set(L"Form", L"caption", L"重新载入");
  main.PostKey('1');
  Content(main).ChildById(kCaptionId).WaitForText(L"重新载入");
  main.PostKey('2');
  EXPECT_NO_THROW(WaitForWindow({.className = fixture::kClassName, .imageName = L"rvocfg.exe"}));
  main.PostKey(VK_ESCAPE);
  EXPECT_EQ(rvo.ExpectExit(), 0u);
}

// --- Keys that do nothing --------------------------------------------------------

TEST_F(RvoDraw, SpaceBeforeAnyDrawAndOtherKeysDoNothing) {
  UseFixtureAs(install_, L"rvocfg.exe");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  main.PostKey(VK_SPACE);
  for (const wchar_t c : std::wstring(L"a3 \t0")) main.PostChar(c);
  main.PostKey(VK_F1);
  main.PostKey(VK_BACK);
  EXPECT_EQ(Distinct(TextsDuring(main, Milliseconds{400})), std::set<std::wstring>{kFirstText});
  EXPECT_EQ(ButtonStates(main), kIdleButtons);
  EXPECT_FALSE(FindCompanion(L"rvocfg.exe").has_value());
  EXPECT_TRUE(rvo.IsRunning());
}

TEST_F(RvoDraw, DuringADrawEnterOneAndTwoDoNothing) {
  UseFixtureAs(install_, L"rvocfg.exe");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  main.PostKey(VK_RETURN);
  ASSERT_TRUE(TextLineChanges(main));

  // A new list and caption on disk, and the reload key: nothing is reloaded.
  WriteNames(install_, {L"新名字"});
  Set(L"Form", L"caption", L"不该出现");
  main.PostKey('1');
  main.PostKey('2');
  main.PostKey(VK_RETURN);
  const std::vector<std::wstring> seen = TextsDuring(main, Milliseconds{600});
  ExpectAllNames(seen, kNames);
  EXPECT_GE(Distinct(seen).size(), 3u) << "the draw stopped";
  EXPECT_EQ(Content(main).ChildById(kCaptionId).Text(), L"Ravelo");
  EXPECT_FALSE(FindCompanion(L"rvocfg.exe").has_value()) << "key 2 launched the configuration program";
  EXPECT_EQ(ButtonStates(main), kDrawingButtons);

  // Space twice: the second press finds nothing to stop.
  main.PostKey(VK_SPACE);
  main.PostKey(VK_SPACE);
  EXPECT_TRUE(PollUntil([&] { return ButtonStates(main) == kIdleButtons; }, kDefaultTimeout));
  // After the draw the same keys work again.
  main.PostKey('1');
  Content(main).ChildById(kCaptionId).WaitForText(L"不该出现");
  main.PostKey(VK_RETURN);
  ASSERT_TRUE(TextLineChanges(main));
  EXPECT_EQ(Distinct(TextsDuring(main, Milliseconds{200})), std::set<std::wstring>{L"新名字"});
}

TEST_F(RvoDraw, DisabledButtonsTakeNoClicks) {
  UseFixtureAs(install_, L"rvocfg.exe");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  // Idle: the stop button is dead.
  mouse::Click(CommandButton(main, 2).WindowRect().Center());
  Pause(Milliseconds{200});
  EXPECT_EQ(TextLine(main).Text(), kFirstText);
  EXPECT_EQ(ButtonStates(main), kIdleButtons);

  main.PostKey(VK_RETURN);
  ASSERT_TRUE(TextLineChanges(main));
  Set(L"Form", L"caption", L"不该出现");
  for (int i : {1, 3, 4}) mouse::Click(CommandButton(main, i).WindowRect().Center());
  Pause(Milliseconds{300});
  EXPECT_EQ(ButtonStates(main), kDrawingButtons);
  EXPECT_EQ(Content(main).ChildById(kCaptionId).Text(), L"Ravelo");
  EXPECT_FALSE(FindCompanion(L"rvocfg.exe").has_value());
  EXPECT_TRUE(TextLineChanges(main));
}

// --- Ways out ----------------------------------------------------------------------

TEST_F(RvoDraw, EscEndsTheProgramDuringADraw) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  main.Activate();
  keyboard::Press(VK_RETURN);
  ASSERT_TRUE(TextLineChanges(main));
  keyboard::Press(VK_ESCAPE);
  EXPECT_EQ(rvo.ExpectExit(), 0u);
}

TEST_F(RvoDraw, TheCloseBoxEndsTheProgramDuringADraw) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  main.PostKey(VK_RETURN);
  ASSERT_TRUE(TextLineChanges(main));
  mouse::Click(main.ChildById(kCloseId).WindowRect().Center());
  EXPECT_EQ(rvo.ExpectExit(), 0u);
}

// --- Reload --------------------------------------------------------------------------

TEST_F(RvoDraw, ReloadTakesTheNewListAndTheWholeNewConfiguration) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  EXPECT_EQ(main.WindowRect().Width(), 611);
  EXPECT_FALSE(main.IsTopmost());
  main.PostKey(VK_RETURN);
  ASSERT_TRUE(TextLineChanges(main));
  main.PostKey(VK_SPACE);
  ASSERT_TRUE(PollUntil([&] { return ButtonStates(main) == kIdleButtons; }, kDefaultTimeout));

  const std::vector<std::wstring> newNames{L"赵敏", L"黄强", L"周杰"};
  WriteNames(install_, newNames);
  Set(L"Form", L"caption", L"年会抽奖");
  Set(L"Form", L"text", L"准备好了");
  Set(L"Form", L"top", L"1");
  Set(L"Style", L"width", L"700");
  Set(L"Style", L"height", L"400");
  Set(L"Style", L"form", L"32768");  // RGB(0, 128, 0)
  Set(L"Color", L"text", L"65535");  // yellow
  Set(L"Text", L"fontsize", L"36");
  // A picture named by path (a button picture under another name).
  install_.CopyIn(install_.PathOf(L"common\\but1.pte"), L"pictures\\按钮.dat");
  Set(L"Form", L"bgpic", (install_.Root() + L"pictures\\按钮.dat").c_str());
  const int oldTextHeight = TextLine(main).WindowRect().Height();

  mouse::Click(CommandButton(main, 3).WindowRect().Center());
  Content(main).ChildById(kCaptionId).WaitForText(L"年会抽奖");
  EXPECT_EQ(TextLine(main).Text(), L"准备好了");
  EXPECT_TRUE(PollUntil([&] { return main.WindowRect().Width() == 711 && main.WindowRect().Height() == 435; },
                        kDefaultTimeout));
  main.WaitUntilTopmost(true);
  EXPECT_LT(TextLine(main).WindowRect().Height(), oldTextHeight) << "the smaller font was not applied";
  WaitForPixel(main.ToScreen({2, 200}), Color{0, 128, 0});
  WaitForPixel(Content(main).ToScreen({24, 0}), Color{112, 128, 176}, kDefaultTimeout, 6);  // the button's rim
  EXPECT_GT(CaptureScreen(TextLine(main).WindowRect()).Count(Color{255, 255, 0}, 8), 50);
  EXPECT_EQ(ButtonStates(main), kIdleButtons);

  // The new draw picks among the new names only.
  main.PostKey(VK_RETURN);
  ASSERT_TRUE(TextLineChanges(main));
  const std::vector<std::wstring> seen = TextsDuring(main, Milliseconds{600});
  ExpectAllNames(seen, newNames);
  EXPECT_EQ(Distinct(seen).size(), 3u);
  main.PostKey(VK_SPACE);
}

TEST_F(RvoDraw, ReloadWithoutAConfigurationFileTakesTheDefaults) {
  Set(L"Style", L"width", L"400");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  EXPECT_EQ(main.WindowRect().Width(), 411);
  install_.Remove(Installation::kConfigFile);
  main.PostKey('1');
  MessageBoxWindow box = rvo.WaitForMessageBox(L"Ravelo");
  EXPECT_EQ(box.Text(), L"找不到配置文件,系统将为您载入默认设置");
  box.Press(IDOK);
  EXPECT_TRUE(PollUntil([&] { return main.WindowRect().Width() == 611; }, kDefaultTimeout));
  main.PostKey(VK_RETURN);
  EXPECT_TRUE(TextLineChanges(main)) << "the default interval is 10 ms";
  main.PostKey(VK_SPACE);
}

TEST_F(RvoDraw, ReloadWithoutANameListStartsTheConfigProgramAndEnds) {
  UseFixtureAs(install_, L"rvocfg.exe");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  install_.Remove(Installation::kNameList);
  main.PostKey('1');
  MessageBoxWindow box = rvo.WaitForMessageBox(L"Ravelo");
  EXPECT_EQ(box.Text(), kNoNameList);
  EXPECT_EQ(box.Icon(), MessageBoxIcon::Warning);
  box.Press(IDOK);
  EXPECT_EQ(rvo.ExpectExit(), 0u);
  EXPECT_TRUE(PollUntil([] { return FindCompanion(L"rvocfg.exe").has_value(); }, kDefaultTimeout));
}

// --- The configuration program -------------------------------------------------------

TEST_F(RvoDraw, KeyTwoAndButtonFourStartTheConfigProgramAndRvoWaits) {
  UseFixtureAs(install_, L"rvocfg.exe");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  main.PostKey('2');
  Window first = WaitForWindow({.className = fixture::kClassName, .imageName = L"rvocfg.exe"});
  EXPECT_TRUE(rvo.IsRunning());
  EXPECT_EQ(ButtonStates(main), kIdleButtons);
  PostMessageW(first.Handle(), WM_CLOSE, 0, 0);
  first.WaitUntilGone();

  mouse::Click(CommandButton(main, 4).WindowRect().Center());
  WaitForWindow({.className = fixture::kClassName, .imageName = L"rvocfg.exe"});
  EXPECT_EQ(ButtonStates(main), kIdleButtons);
  main.PostKey(VK_RETURN);
  EXPECT_TRUE(TextLineChanges(main)) << "rvo stopped taking keys";
  main.PostKey(VK_SPACE);
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
  EXPECT_EQ(ButtonStates(main), kIdleButtons);
  main.PostKey(VK_RETURN);
  EXPECT_TRUE(TextLineChanges(main));
  main.PostKey(VK_SPACE);
}

// --- An empty name list -----------------------------------------------------------

TEST_F(RvoDraw, AnEmptyNameListRefusesToStartWithAMessage) {
  install_.WriteBytes(Installation::kNameList, "\r\n\r\n\r\n");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  EXPECT_FALSE(rvo.FindMessageBox().has_value()) << "an empty list is no missing list";
  EXPECT_EQ(ButtonStates(main), kIdleButtons);

  main.PostKey(VK_RETURN);
  MessageBoxWindow box = rvo.WaitForMessageBox(L"Ravelo");
  EXPECT_EQ(box.Text(), kEmptyNameList);
  EXPECT_EQ(box.Icon(), MessageBoxIcon::Warning);
  EXPECT_EQ(box.ButtonIds(), std::vector<int>{IDOK});
  box.Press(IDOK);
  EXPECT_EQ(TextLine(main).Text(), kFirstText);
  EXPECT_EQ(ButtonStates(main), kIdleButtons);

  mouse::Click(CommandButton(main, 1).WindowRect().Center());
  MessageBoxWindow again = rvo.WaitForMessageBox(L"Ravelo");
  EXPECT_EQ(again.Text(), kEmptyNameList);
  again.Press(IDOK);
  EXPECT_EQ(ButtonStates(main), kIdleButtons);

  // Names added on disk and reloaded: the draw works.
  WriteNames(install_, {L"张伟", L"王芳"});
  Set(L"Form", L"caption", L"有名字了");
  main.PostKey('1');
  Content(main).ChildById(kCaptionId).WaitForText(L"有名字了");
  main.PostKey(VK_RETURN);
  EXPECT_TRUE(TextLineChanges(main));
  EXPECT_FALSE(rvo.FindMessageBox().has_value());
  main.PostKey(VK_SPACE);
}

}  // namespace
}  // namespace ravelo::e2e
