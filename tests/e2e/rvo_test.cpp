// rvo end to end, one test per path through its window: the files it reads
// at start-up, its buttons, keys, menu items and window boxes, moving it,
// reload, the companion programs and the record of results. What the
// settings mean and which input acts in which state are proven by the unit
// tests of the plan and of the draw engine.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "rvo_parts.h"

namespace ravelo::e2e {
namespace {

using namespace rvo;

constexpr Color kWhite{255, 255, 255};
class Rvo : public ::testing::Test {  // on the shipped name list unless a test writes its own
 protected:
  Process StartRvo() const { return install_.Start(L"rvo.exe"); }
  Installation install_;
};

// A missing or locked name list: the warning, rvocfg started, rvo gone; a
// missing rvocfg is reported before rvo ends.
TEST(RvoStartUp, WithoutAReadableNameListWarnsStartsTheConfigProgramAndEnds) {
  enum class Case { Missing, Locked, MissingWithoutConfigProgram };
  for (const Case c : {Case::Missing, Case::Locked, Case::MissingWithoutConfigProgram}) {
    SCOPED_TRACE(static_cast<int>(c));
    Installation install;
    const UniqueHandle lock(c != Case::Locked ? nullptr : CreateFileW(install.PathOf(Installation::kNameList).c_str(),
                                                                      GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (c != Case::Locked) install.Remove(Installation::kNameList);
    if (c == Case::MissingWithoutConfigProgram) install.Remove(L"bin\\rvocfg.exe");
    Process rvo = install.Start(L"rvo.exe");
    EXPECT_EQ(rvo.AnswerMessage(), kNoNameList);
    if (c == Case::MissingWithoutConfigProgram) {
      EXPECT_EQ(rvo.AnswerMessage(), kConfigProgramFailed);
    }
    EXPECT_EQ(rvo.ExpectExit(), 0u);
    if (c != Case::MissingWithoutConfigProgram) CloseCompanion(L"rvocfg.exe");
  }
}

// Without a configuration file: the warning, then the built-in rounded
// window with its command buttons' pictures, hand and tooltip; without the
// buttons' pictures, plain faces.
TEST_F(Rvo, TheBuiltInWindowWithoutAConfigurationFileAndItsCommandButtons) {
  install_.Remove(Installation::kConfigFile);
  {
    Process rvo = StartRvo();
    EXPECT_EQ(rvo.AnswerMessage(), kNoConfigFile);
    const Window main = WaitForDrawWindow(rvo);
    EXPECT_FALSE(main.RegionContains({0, 0})) << "the corner is not rounded";
    EXPECT_TRUE(main.RegionContains({5, 5}));
    EXPECT_EQ(TextLine(main).Text(), kFirstText);
    WaitForPixel(BodyPoint(main), Color{64, 0, 128});  // the built-in dark purple
    EXPECT_TRUE(Idle(main));
    EXPECT_GT(CommandButton(main, 1).CaptureWindow().Count(Color{96, 222, 140}, 24), 10) << "no green symbol";
    EXPECT_EQ(CommandButton(main, 2).CaptureWindow().Count(Color{255, 188, 82}, 40), 0) << "the stop is not greyed";
    mouse::MoveTo(CommandButton(main, 1).WindowRect().Center());
    EXPECT_TRUE(HandAndTooltipShow(L"开始"));
  }
  ResetInput();
  for (int i = 1; i <= 4; ++i) install_.Remove(L"common\\but" + std::to_wstring(i) + L".pte");
  Process rvo = StartRvo();
  rvo.AnswerMessage();
  const Window main = WaitForDrawWindow(rvo);
  for (int i = 1; i <= 4; ++i) {
    const Rect face = CommandButton(main, i).WindowRect();
    WaitForPixel({face.left + 3, face.top + face.Height() / 2}, i == 2 ? Color{96, 100, 110} : Color{58, 74, 104},
                 kDefaultTimeout, 4);
  }
}

// A 40 x 30 PNG of one colour, RGB(200, 60, 30).
constexpr char kOrangePng[] =
    "\x89\x50\x4E\x47\x0D\x0A\x1A\x0A\x00\x00\x00\x0D\x49\x48\x44\x52\x00\x00\x00\x28\x00\x00\x00\x1E"
    "\x08\x02\x00\x00\x00\xD1\xBF\xCB\x8A\x00\x00\x00\x2C\x49\x44\x41\x54\x78\xDA\xED\xCD\x31\x0D"
    "\x00\x00\x08\x03\xB0\x29\x41\x09\xFE\x83\x2C\x64\xC0\xD1\xA4\x7F\x33\x5D\x27\x22\x16\x8B\xC5\x62"
    "\xB1\x58\x2C\x16\x8B\xC5\xE2\xBF\xF1\x02\x21\xB3\x4F\xAC\x59\x02\x72\x99\x00\x00\x00\x00\x49\x45"
    "\x4E\x44\xAE\x42\x60\x82";

// The background: a picture named by path (its content decides, not its
// extension), the skin's own when that has gone, plain white when the skin's
// is damaged (a missing one reads the same way).
TEST_F(Rvo, TheBackgroundIsTheNamedPictureOrTheSkinsOrPlainWhite) {
  install_.WriteBytes(L"pictures\\舞台.jpg", std::string_view(kOrangePng, sizeof kOrangePng - 1));
  install_.SetIniValue(L"Form", L"bgpic", install_.PathOf(L"pictures\\舞台.jpg"));
  for (int step = 0; step < 3; ++step) {
    if (step == 1) install_.SetIniValue(L"Form", L"bgpic", install_.PathOf(L"pictures\\gone.bmp"));
    if (step == 2) install_.WriteBytes(L"common\\back.pte", "BM this is no picture");
    Process rvo = StartRvo();
    const Window main = WaitForDrawWindow(rvo);
    const Point corner = Content(main).ToScreen({3, 3});
    if (step == 0) {
      WaitForPixel(Content(main).ToScreen({20, 15}), Color{200, 60, 30});
      WaitForPixel(Content(main).ToScreen({100, 100}), kWhite);  // beyond the small picture
    } else if (step == 1) {
      main.WaitUntilPainted();
      EXPECT_FALSE(ScreenPixel(corner).Near(kWhite, 40)) << "not the skin's dark background";
    } else {
      WaitForPixel(corner, kWhite);
    }
  }
}

// The window follows the pointer from the body and the title, not from the
// content; the system's move loop lags the pointer by the drag's first step.
TEST_F(Rvo, TheBodyAndTheTitleMoveTheWindowButTheContentDoesNot) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  const auto expectMoved = [&](Point from, Point by) {
    const auto arrived = [&] { const Point d = main.WindowRect().TopLeft() - from - by; return std::abs(d.x) + std::abs(d.y) <= 10; };
    EXPECT_TRUE(PollUntil(arrived)) << "moved to " << testing::PrintToString(main.WindowRect());
  };
  Point start = main.WindowRect().TopLeft();
  mouse::Drag(BodyPoint(main), BodyPoint(main) + Point{50, 40});
  expectMoved(start, {50, 40});
  start = main.WindowRect().TopLeft();
  const Point title = main.ChildById(frame::kTitle).WindowRect().Center();
  mouse::Drag(title, title + Point{-30, 20});
  expectMoved(start, {-30, 20});

  const Rect still = main.WindowRect();
  const Point text = TextLine(main).WindowRect().Center();
  mouse::Drag(text, text + Point{40, 40});
  Pause(Milliseconds{200});
  EXPECT_EQ(main.WindowRect(), still) << "dragging the content moved the window";
}

// Enter and Space from the keyboard, the same keys sent to any part of the
// window, the command buttons, and Esc ending the program during a draw.
TEST_F(Rvo, KeysAndButtonsStartAndStopTheDrawAndEscEndsIt) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  main.Activate();
  keyboard::Press(VK_RETURN);
  ASSERT_TRUE(TextLineChanges(main)) << "Enter did not start the draw";
  keyboard::Press(VK_SPACE);
  WaitUntil([&] { return Idle(main); }, "Space did not stop the draw");

  mouse::Click(CommandButton(main, 1).WindowRect().Center());
  ASSERT_TRUE(TextLineChanges(main)) << "button 1 did not start the draw";
  mouse::Click(CommandButton(main, 2).WindowRect().Center());
  WaitUntil([&] { return Idle(main); }, "button 2 did not stop the draw");

  CommandButton(main, 3).PostKey(VK_RETURN);
  ASSERT_TRUE(TextLineChanges(main)) << "Enter sent to a button did not start the draw";
  TextLine(main).PostKey(VK_SPACE);
  WaitUntil([&] { return Idle(main); }, "Space sent to the text line did not stop the draw");
  StartDraw(main);
  Content(main).PostKey(VK_ESCAPE);
  EXPECT_EQ(rvo.ExpectExit(), 0u);
}

// Reload (key 1, button 3) takes the new list and configuration; without the
// configuration file it warns and takes the defaults; an empty list refuses
// the next draw; without the name list it warns, starts rvocfg and ends.
TEST_F(Rvo, ReloadTakesEachFileAfresh) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  const std::vector<std::wstring> newNames{L"赵敏", L"黄强", L"周杰"};
  WriteNames(install_, newNames);
  install_.SetIniValue(L"Form", L"caption", L"年会抽奖");
  install_.SetIniValue(L"Style", L"width", L"700");
  mouse::Click(CommandButton(main, 3).WindowRect().Center());
  Content(main).ChildById(frame::kCaption).WaitForText(L"年会抽奖");
  EXPECT_TRUE(PollUntil([&] { return main.WindowRect().Width() == 711; }));
  StartDraw(main);
  std::set<std::wstring> seen;  // the first three names the draw shows
  PollUntil([&] { return seen.insert(TextLine(main).Text()), seen.size() == 3; });
  EXPECT_EQ(seen, std::set<std::wstring>(newNames.begin(), newNames.end()));
  StopDraw(main);

  // An empty list is no missing list: no message until a draw is asked for.
  install_.WriteBytes(Installation::kNameList, "\r\n\r\n");
  main.PostKey('1');
  Pause(Milliseconds{300});
  EXPECT_FALSE(rvo.ShowsMessage());
  main.PostKey(VK_RETURN);
  EXPECT_EQ(rvo.AnswerMessage(), L"抽签名单中没有名字,请先在配置程序中添加抽签名单");

  install_.Remove(Installation::kConfigFile);
  main.PostKey('1');
  EXPECT_EQ(rvo.AnswerMessage(), kNoConfigFile);
  EXPECT_TRUE(PollUntil([&] { return main.WindowRect().Width() == 611; }));

  install_.Remove(Installation::kNameList);
  main.PostKey('1');
  EXPECT_EQ(rvo.AnswerMessage(), kNoNameList);
  EXPECT_EQ(rvo.ExpectExit(), 0u);
  WaitForWindow({.imageName = L"rvocfg.exe"}, Milliseconds{10000});  // rvocfg's own warning of the missing file
}

// Key 2, button 4 and the menu item start rvocfg, and the menu item the style
// editor, and rvo goes on, a draw included; a missing one is reported; the
// menu's exit ends a draw.
TEST_F(Rvo, TheCompanionsStartFromKeyButtonAndMenuOrAreReportedMissing) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  main.PostKey('2');
  CloseCompanion(L"rvocfg.exe");
  mouse::Click(CommandButton(main, 4).WindowRect().Center());
  CloseCompanion(L"rvocfg.exe");
  StartDraw(main);
  ChooseMenuItem(rvo, main, MenuItem::ConfigProgram);
  CloseCompanion(L"rvocfg.exe");
  EXPECT_TRUE(TextLineChanges(main)) << "the draw stopped";
  StopDraw(main);

  ChooseMenuItem(rvo, main, MenuItem::StyleEditor);
  CloseCompanion(L"rvostyle.exe");

  install_.Remove(L"bin\\rvocfg.exe");
  install_.Remove(L"bin\\rvostyle.exe");
  main.PostKey('2');
  EXPECT_EQ(rvo.AnswerMessage(), kConfigProgramFailed);
  ChooseMenuItem(rvo, main, MenuItem::StyleEditor);
  EXPECT_EQ(rvo.AnswerMessage(), L"无法启动风格编辑器rvostyle.exe,请检查程序文件夹");
  StartDraw(main);
  ChooseMenuItem(rvo, main, MenuItem::Exit);
  EXPECT_EQ(rvo.ExpectExit(), 0u);
}

// A menu of another process cannot be read through its handle: its check
// marks are read from the screen, as ink well left of the items' captions.
std::vector<bool> CheckMarks(const Image& menu) {
  std::vector<std::pair<int, int>> items;  // last row and leftmost ink of each item
  for (int y = 1; y < menu.Height() - 1; ++y) {
    for (int x = 1; x < menu.Width() - 1; ++x) {
      if (const Color c = menu.At(x, y); c.r + c.g + c.b >= 300) continue;
      if (items.empty() || y - items.back().first > 3) items.emplace_back(y, x);  // rows of one item lie close
      items.back() = {y, std::min(items.back().second, x)};
      break;
    }
  }
  int captions = 0;
  for (const auto& item : items) captions = std::max(captions, item.second);
  std::vector<bool> marks;
  for (const auto& item : items) marks.push_back(item.second < captions - 6);
  return marks;
}

TEST_F(Rvo, TheMenuOpensFromTheFrameAndItsCheckMarksFollowTopMostAndMusic) {
  install_.SetIniValue(L"Form", L"top", L"1");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  main.WaitUntilTopmost(true);
  const auto marks = [&](Point at) {
    const Window menu = OpenMenuAt(rvo, main, at);
    const std::vector<bool> read = CheckMarks(menu.CaptureWindow());
    keyboard::Press(VK_ESCAPE);
    menu.WaitUntilVisible(false);
    return read;
  };
  EXPECT_EQ(marks(main.ChildById(frame::kTitle).WindowRect().Center()),
            (std::vector<bool>{true, true, false, false, false, false, false, false}));
  for (const Point content : {Content(main).ToScreen({40, 40}), TextLine(main).WindowRect().Center()}) {
    mouse::Click(content, mouse::Button::Right);
    EXPECT_FALSE(PollUntil([&] { return rvo.FindOneWindow({.className = kMenuClass}).has_value(); },
                           Milliseconds{600}));
  }
  ChooseMenuItem(rvo, main, MenuItem::TopMost);
  main.WaitUntilTopmost(false);
  ChooseMenuItem(rvo, main, MenuItem::Music);
  EXPECT_EQ(marks(BodyPoint(main)), std::vector<bool>(8, false));
  EXPECT_EQ(install_.IniValue(L"Form", L"top"), L"1") << "the menu never writes the file";
}

TEST_F(Rvo, TheHelpPictureShowsUntilClickedAndIsReadAfresh) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  ChooseMenuItem(rvo, main, MenuItem::Help);
  const Window help = main.WaitForChild({.controlId = ids::kHelpBox});
  WaitForPixel(help.ToScreen({0, 0}), Color{200, 160, 80}, kDefaultTimeout, 8);  // the shipped golden frame
  mouse::MoveTo(help.ToScreen({125, 50}));
  EXPECT_TRUE(HandAndTooltipShow(L"单击关闭"));
  StartDraw(main);
  mouse::Click(help.ToScreen({125, 50}));
  help.WaitUntilVisible(false);
  EXPECT_TRUE(TextLineChanges(main)) << "the click on the picture stopped the draw";
  // A picture that has gone shows nothing and says nothing.
  install_.Remove(L"common\\helpbox.pte");
  ChooseMenuItem(rvo, main, MenuItem::Help);
  Pause(Milliseconds{300});
  EXPECT_FALSE(help.IsVisible());
  EXPECT_FALSE(rvo.ShowsMessage());
}

// The glyphs are white over the body; with the pointer on a box, pen AND NOT
// screen: white AND NOT RGB(64, 0, 128).
TEST_F(Rvo, TheWindowBoxesShowTheirHoverGlyphsMinimiseAndClose) {
  constexpr Color kMaskedGlyph{191, 255, 127};
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  const Window minimize = main.ChildById(ids::kMinimizeBox);
  const Window close = main.ChildById(ids::kCloseBox);
  mouse::Click(minimize.ToScreen({5, 5}));
  WaitUntil([&] { return IsIconic(main.Handle()) != FALSE; }, "the window was not minimised");
  ResetInput();
  ShowWindow(main.Handle(), SW_RESTORE);
  mouse::MoveTo(close.ToScreen({7, 7}));
  WaitForPixel(close.ToScreen({4, 4}), kMaskedGlyph);
  ResetInput();  // one jump far away: the box sees the pointer leave
  WaitForPixel(close.ToScreen({4, 4}), kWhite);
  StartDraw(main);
  mouse::Click(close.WindowRect().Center());
  EXPECT_EQ(rvo.ExpectExit(), 0u);
}

// Without repeats, read from the configuration file at start, each name
// comes once and then starting says so; the menu item switches it off and
// writes that to the file.
TEST_F(Rvo, WithoutRepeatsEachNameComesOnceUntilTheMenuSwitchesItOff) {
  const std::vector<std::wstring> names{L"张伟", L"王芳"};
  WriteNames(install_, names);
  install_.SetIniValue(L"Draw", L"norepeat", L"1");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  std::set<std::wstring> drawn;
  for (size_t i = 0; i < names.size(); ++i) {
    StartDraw(main);
    drawn.insert(StopDraw(main));
  }
  EXPECT_EQ(drawn, std::set<std::wstring>(names.begin(), names.end()));
  main.PostKey(VK_RETURN);
  EXPECT_EQ(rvo.AnswerMessage(), L"名单中的名字已全部抽完,刷新后可重新开始");
  ChooseMenuItem(rvo, main, MenuItem::NoRepeat);
  EXPECT_TRUE(PollUntil([&] { return install_.IniValue(L"Draw", L"norepeat") == L"0"; }));
  StartDraw(main);
}

// The record: one line per stop in history.txt, and the menu item shows it
// or says why it could not be written.
TEST_F(Rvo, EveryStopGoesIntoTheRecordOrTheMenuItemSaysWhyNot) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  ChooseMenuItem(rvo, main, MenuItem::History);
  EXPECT_EQ(rvo.AnswerMessage(), L"还没有抽签记录");
  StartDraw(main);
  const std::wstring shown = StopDraw(main);
  EXPECT_TRUE(FromUtf8(install_.ReadBytes(L"history.txt")).ends_with(L"\t" + shown + L"\r\n"));

  install_.Remove(L"history.txt");
  install_.WriteBytes(L"history.txt\\blocked", "");  // a folder where the file would go
  StartDraw(main);
  StopDraw(main);
  ChooseMenuItem(rvo, main, MenuItem::History);
  EXPECT_TRUE(rvo.AnswerMessage().starts_with(L"最近的抽签结果未能记入抽签记录文件history.txt:"));
  StartDraw(main);  // and the next draw runs as usual
}

}  // namespace
}  // namespace ravelo::e2e
