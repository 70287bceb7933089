// rvo end to end, one test per path through its window: the files it reads
// at start-up, its buttons, keys, menu items and window boxes, moving it,
// reload, the companion programs, the record of results and the music. What
// the settings mean and which input acts in which state are proven by the
// unit tests of the plan and of the draw engine.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "rvo_parts.h"

namespace ravelo::e2e {
namespace {

using namespace rvo;

constexpr Color kWhite{255, 255, 255};
class Rvo : public ::testing::Test {  // on the shipped name list unless a test writes its own
 protected:
  // Starts rvo (rvo_, ending the one before) and waits for its draw window.
  Window StartRvo() {
    rvo_.emplace(install_.Start(L"rvo.exe"));
    return WaitForDrawWindow(*rvo_);
  }
  Installation install_;
  std::optional<Process> rvo_;  // declared after the installation: it ends first
};

// A missing or locked name list: the warning, rvocfg started, rvo gone.
TEST(RvoStartUp, WithoutAReadableNameListWarnsStartsTheConfigProgramAndEnds) {
  for (const bool locked : {false, true}) {
    SCOPED_TRACE(locked ? "locked" : "missing");
    Installation install;
    const UniqueHandle lock(!locked ? nullptr : CreateFileW(install.PathOf(Installation::kNameList).c_str(),
                                                            GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!locked) install.Remove(Installation::kNameList);
    Process rvo = install.Start(L"rvo.exe");
    EXPECT_EQ(rvo.AnswerMessage(), L"找不到抽签名单文件,请重新设置抽签名单");
    EXPECT_EQ(rvo.ExpectExit(), 0u);
    CloseCompanion(L"rvocfg.exe");
  }
}

// Without a configuration file: the warning, then the built-in rounded
// window with its command buttons' pictures, hand and tooltip. (The buttons'
// plain faces without their pictures are rvocfg's test: one button class.)
TEST_F(Rvo, TheBuiltInWindowWithoutAConfigurationFileAndItsCommandButtons) {
  install_.Remove(Installation::kConfigFile);
  Process rvo = install_.Start(L"rvo.exe");
  EXPECT_EQ(rvo.AnswerMessage(), kNoConfigFile);
  const Window main = WaitForDrawWindow(rvo);
  EXPECT_FALSE(main.RegionContains({0, 0})) << "the corner is not rounded";
  EXPECT_TRUE(main.RegionContains({5, 5}));
  WaitForPixel(BodyPoint(main), Color{64, 0, 128});  // the built-in dark purple
  EXPECT_GT(CommandButton(main, 1).CaptureWindow().Count(Color{96, 222, 140}, 24), 10) << "no green symbol";
  EXPECT_EQ(CommandButton(main, 2).CaptureWindow().Count(Color{255, 188, 82}, 40), 0) << "the stop is not greyed";
  EXPECT_TRUE(HandAndTooltipShow(BodyPoint(main), CommandButton(main, 1).WindowRect().Center(), L"开始"));
}

// A 40 x 30 PNG of one colour, RGB(200, 60, 30).
constexpr char kOrangePng[] =
    "\x89\x50\x4E\x47\x0D\x0A\x1A\x0A\x00\x00\x00\x0D\x49\x48\x44\x52\x00\x00\x00\x28\x00\x00\x00\x1E"
    "\x08\x02\x00\x00\x00\xD1\xBF\xCB\x8A\x00\x00\x00\x2C\x49\x44\x41\x54\x78\xDA\xED\xCD\x31\x0D"
    "\x00\x00\x08\x03\xB0\x29\x41\x09\xFE\x83\x2C\x64\xC0\xD1\xA4\x7F\x33\x5D\x27\x22\x16\x8B\xC5\x62"
    "\xB1\x58\x2C\x16\x8B\xC5\xE2\xBF\xF1\x02\x21\xB3\x4F\xAC\x59\x02\x72\x99\x00\x00\x00\x00\x49\x45"
    "\x4E\x44\xAE\x42\x60\x82";

// The background: a picture named by path (its content decides, not its
// extension); plain white when the picture cannot be shown. Which picture is
// chosen (the skin's when the named one has gone) is the settings plan's
// unit test.
TEST_F(Rvo, TheBackgroundIsTheNamedPictureOrPlainWhite) {
  install_.WriteBytes(L"pictures\\舞台.jpg", std::string_view(kOrangePng, sizeof kOrangePng - 1));
  install_.SetIniValue(L"Form", L"bgpic", install_.PathOf(L"pictures\\舞台.jpg"));
  for (const bool damaged : {false, true}) {
    if (damaged) install_.WriteBytes(L"pictures\\舞台.jpg", "BM this is no picture");
    const Window content = Content(StartRvo());
    WaitForPixel(content.ToScreen({20, 15}), damaged ? kWhite : Color{200, 60, 30});
    WaitForPixel(content.ToScreen({100, 100}), kWhite);  // beyond the small picture
  }
}

// The window follows the pointer from the body and the title (held where it
// was pressed, however the moves came together), not from the content.
// The boxes' glyphs are white over the body; with the pointer on a box, pen
// AND NOT screen: white AND NOT RGB(64, 0, 128).
TEST_F(Rvo, TheFrameMovesFromBodyAndTitleAndItsBoxesMinimiseAndClose) {
  constexpr Color kMaskedGlyph{191, 255, 127};
  const Window main = StartRvo();
  const auto expectMoved = [&](Point from, Point by) {
    const auto arrived = [&] { const Point d = main.WindowRect().TopLeft() - from - by; return std::abs(d.x) + std::abs(d.y) <= 2; };
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
  mouse::Click(close.WindowRect().Center());
  EXPECT_EQ(rvo_->ExpectExit(), 0u);
}

// Enter and Space from the keyboard, the command buttons, and Esc sent to a
// part of the window ending the program.
TEST_F(Rvo, KeysAndButtonsStartAndStopTheDrawAndEscEndsIt) {
  const Window main = StartRvo();
  main.Activate();
  keyboard::Press(VK_RETURN);
  ASSERT_TRUE(TextLineChanges(main)) << "Enter did not start the draw";
  keyboard::Press(VK_SPACE);
  WaitUntil([&] { return Idle(main); }, "Space did not stop the draw");

  mouse::Click(CommandButton(main, 1).WindowRect().Center());
  ASSERT_TRUE(TextLineChanges(main)) << "button 1 did not start the draw";
  mouse::Click(CommandButton(main, 2).WindowRect().Center());
  WaitUntil([&] { return Idle(main); }, "button 2 did not stop the draw");

  Content(main).PostKey(VK_ESCAPE);  // the message loop hands every child's keys to the window
  EXPECT_EQ(rvo_->ExpectExit(), 0u);
}

// A drawn name is shown whole in the content area and never covers the
// command buttons: centred where the centred layout put the text line; at
// 400 points shrunk into the area; placed low, moved up to the bottom edge
// and under the buttons, which the mouse still reaches. Each configuration
// comes with a reload. (The fitting at every size is the text fit's unit test.)
TEST_F(Rvo, ADrawnNameStaysWholeInTheContentAreaAndUnderTheButtons) {
  install_.WriteGbk(Installation::kNameList, L"杨磊\r\n");
  const Window main = StartRvo();
  const Rect content = Content(main).ClientRect();
  const auto drawOne = [&] {
    StartDraw(main);
    StopDraw(main);
    return TextLine(main).WindowRect();
  };
  const Rect shipped = TextLine(main).WindowRect();  // "开始啦", centred by the layout
  const Rect centred = drawOne();
  EXPECT_LE(std::abs((centred.left + centred.right) - (shipped.left + shipped.right)), 2) << "not centred";
  EXPECT_LT(centred.Width(), shipped.Width());

  install_.SetIniValue(L"Text", L"fontsize", L"400");
  main.PostKey('1');
  WaitUntil([&] { return TextLine(main).Text() == L"开始啦"; }, "no reload");
  const Rect large = drawOne();
  EXPECT_TRUE(large.left >= content.left && large.top >= content.top && large.right <= content.right &&
              large.bottom <= content.bottom)
      << testing::PrintToString(large) << " outside " << testing::PrintToString(content);
  EXPECT_GT(large.Height(), content.Height() / 2) << "shrunk more than needed";

  install_.WriteGbk(Installation::kNameList, L"欧阳娜娜娜娜\r\n司马相如如如\r\n");
  install_.SetIniValue(L"Text", L"fontsize", L"72");
  for (const auto& [key, value] : {std::pair{L"captiontop", L"20"}, {L"captionleft", L"20"}, {L"texttop", L"420"},
                                   {L"textleft", L"20"}})
    install_.SetIniValue(L"Style", key, value);
  main.PostKey('1');
  WaitUntil([&] { return TextLine(main).Text() == L"开始啦"; }, "no reload");
  const Rect low = drawOne();
  EXPECT_EQ(low.bottom, content.bottom) << "not moved up to the bottom edge";
  const Rect start = CommandButton(main, 1).WindowRect();
  ASSERT_TRUE(low.left < start.right && start.left < low.right && low.top < start.bottom && start.top < low.bottom)
      << "the name does not reach the button";
  EXPECT_EQ(WindowFromPoint(POINT{start.Center().x, start.Center().y}), CommandButton(main, 1).Handle());
  mouse::Click(start.Center());
  EXPECT_TRUE(TextLineChanges(main)) << "the start button under the name took no click";
}

// Reload (button 3, key 1) takes the new list and configuration; without the
// configuration file it warns. A missing name list is read as at start-up.
TEST_F(Rvo, ReloadTakesEachFileAfresh) {
  const Window main = StartRvo();
  install_.WriteGbk(Installation::kNameList, L"赵敏\r\n");
  install_.SetIniValue(L"Form", L"caption", L"年会抽奖");
  install_.SetIniValue(L"Style", L"width", L"700");
  mouse::Click(CommandButton(main, 3).WindowRect().Center());
  Content(main).ChildById(frame::kCaption).WaitForText(L"年会抽奖");
  EXPECT_TRUE(PollUntil([&] { return main.WindowRect().Width() == 711; }));
  StartDraw(main);
  EXPECT_EQ(StopDraw(main), L"赵敏");

  install_.Remove(Installation::kConfigFile);
  main.PostKey('1');
  EXPECT_EQ(rvo_->AnswerMessage(), kNoConfigFile);  // the defaults it takes are the settings plan's unit test
}

// Key 2, button 4 and the menu item start rvocfg, and the menu item the style
// editor, and rvo goes on, a draw included; a missing rvocfg is reported; the
// menu's exit ends the program.
TEST_F(Rvo, TheCompanionsStartFromKeyButtonAndMenuOrAreReportedMissing) {
  const Window main = StartRvo();
  main.PostKey('2');
  CloseCompanion(L"rvocfg.exe");
  mouse::Click(CommandButton(main, 4).WindowRect().Center());
  CloseCompanion(L"rvocfg.exe");
  StartDraw(main);
  ChooseMenuItem(*rvo_, main, MenuItem::ConfigProgram);
  CloseCompanion(L"rvocfg.exe");
  EXPECT_TRUE(TextLineChanges(main)) << "the draw stopped";
  StopDraw(main);

  ChooseMenuItem(*rvo_, main, MenuItem::StyleEditor);
  CloseCompanion(L"rvostyle.exe");

  install_.Remove(L"bin\\rvocfg.exe");
  main.PostKey('2');
  EXPECT_EQ(rvo_->AnswerMessage(), L"无法启动配置程序rvocfg.exe,请检查程序文件夹");
  ChooseMenuItem(*rvo_, main, MenuItem::Exit);
  EXPECT_EQ(rvo_->ExpectExit(), 0u);
}

// The menu opens from the frame (title and body), not from the content, and
// its items act: TopMost here, the others in their own tests. Which items are
// checked is the draw engine's unit test.
TEST_F(Rvo, TheMenuOpensFromTheFrameItsItemsActAndItShowsTheHelpPicture) {
  install_.SetIniValue(L"Form", L"top", L"1");
  const Window main = StartRvo();
  const auto topmost = [&] { return (GetWindowLongW(main.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
  WaitUntil(topmost, "not topmost as the file says");
  const Window menu = OpenMenuAt(*rvo_, main, main.ChildById(frame::kTitle).WindowRect().Center());
  keyboard::Press(VK_ESCAPE);
  menu.WaitUntilVisible(false);
  for (const Point content : {Content(main).ToScreen({40, 40}), TextLine(main).WindowRect().Center()}) {
    mouse::Click(content, mouse::Button::Right);
    EXPECT_FALSE(PollUntil([&] { return rvo_->FindOneWindow({.className = kMenuClass}).has_value(); },
                           Milliseconds{600}));
  }
  ChooseMenuItem(*rvo_, main, MenuItem::TopMost);
  WaitUntil([&] { return !topmost(); }, "the item left the window topmost");
  EXPECT_EQ(install_.IniValue(L"Form", L"top"), L"1") << "the menu never writes the file";

  // The help picture shows until clicked, and is read afresh each time.
  ChooseMenuItem(*rvo_, main, MenuItem::Help);
  const Window help = main.ChildById(ids::kHelpBox);
  help.WaitUntilVisible(true);
  WaitForPixel(help.ToScreen({0, 0}), Color{200, 160, 80}, kDefaultTimeout, 8);  // the shipped golden frame
  EXPECT_TRUE(HandAndTooltipShow(BodyPoint(main), help.ToScreen({125, 50}), L"单击关闭"));
  StartDraw(main);
  mouse::Click(help.ToScreen({125, 50}));
  help.WaitUntilVisible(false);
  EXPECT_TRUE(TextLineChanges(main)) << "the click on the picture stopped the draw";
  // A picture that has gone shows nothing and says nothing.
  install_.Remove(L"common\\helpbox.pte");
  ChooseMenuItem(*rvo_, main, MenuItem::Help);
  Pause(Milliseconds{300});
  EXPECT_FALSE(help.IsVisible());
  EXPECT_FALSE(rvo_->FindOneWindow({.className = L"#32770"}).has_value()) << "a message";
}

// Every stop goes into history.txt with its list; the menu item says when
// there is no record yet or why the last result could not be written. The
// "不重复抽取" item writes its choice to the file (rounds without repeats
// run in the data folder's test).
TEST_F(Rvo, EveryStopGoesIntoTheRecordAndTheNoRepeatItemIsSaved) {
  install_.SetIniValue(L"Draw", L"norepeat", L"1");
  const Window main = StartRvo();
  ChooseMenuItem(*rvo_, main, MenuItem::History);
  EXPECT_EQ(rvo_->AnswerMessage(), L"还没有抽签记录");
  StartDraw(main);
  const std::wstring shown = StopDraw(main);
  EXPECT_TRUE(FromUtf8(install_.ReadBytes(L"history.txt")).ends_with(L"\t" + shown + L"\t默认名单\t\r\n"));
  ChooseMenuItem(*rvo_, main, MenuItem::NoRepeat);
  EXPECT_TRUE(PollUntil([&] { return install_.IniValue(L"Draw", L"norepeat") == L"0"; }));

  install_.Remove(L"history.txt");
  install_.WriteBytes(L"history.txt\\blocked", "");  // a folder where the file would go
  StartDraw(main);
  StopDraw(main);
  ChooseMenuItem(*rvo_, main, MenuItem::History);
  EXPECT_TRUE(rvo_->AnswerMessage().starts_with(L"最近的抽签结果未能记入抽签记录文件history.txt:"));
}

// The data folder set in the file holds the lists, the record and the
// rounds: a list chosen from the menu is used, remembered and shown, and its
// round without repeats goes on after a restart until it runs out; the new
// round starts from the menu. Nothing lands beside the programs.
TEST_F(Rvo, AListChosenFromTheDataFolderAndItsRoundLastAcrossARestart) {
  install_.WriteGbk(L"数据\\name.txt", L"张三\r\n");
  install_.WriteGbk(L"数据\\lists\\二班.txt", L"李雷\r\n韩梅梅\r\n");
  install_.SetIniValue(L"Draw", L"datadir", install_.PathOf(L"数据"));
  install_.SetIniValue(L"Draw", L"norepeat", L"1");
  const std::vector<std::wstring> second{L"李雷", L"韩梅梅"};
  std::wstring first;
  {
    const Window main = StartRvo();
    const Window status = Content(main).ChildById(ids::kListStatus);
    status.WaitForText(L"剩余 1/1");
    ChooseList(*rvo_, main, 2);
    status.WaitForText(L"名单:二班  剩余 2/2");
    EXPECT_EQ(install_.IniValue(L"Draw", L"list"), L"二班");
    StartDraw(main);
    first = StopDraw(main);
    EXPECT_NE(std::find(second.begin(), second.end(), first), second.end()) << ToUtf8(first);
    status.WaitForText(L"名单:二班  剩余 1/2");
    EXPECT_TRUE(FromUtf8(install_.ReadBytes(L"数据\\history.txt")).ends_with(L"\t" + first + L"\t二班\t\r\n"));
    main.PostKey(VK_ESCAPE);
    EXPECT_EQ(rvo_->ExpectExit(), 0u);
  }
  const Window main = StartRvo();
  StartDraw(main);
  const std::wstring last = StopDraw(main);
  EXPECT_TRUE(last != first && std::find(second.begin(), second.end(), last) != second.end()) << ToUtf8(last);
  main.PostKey(VK_RETURN);
  EXPECT_EQ(rvo_->AnswerMessage(), L"名单中的名字已全部抽完,刷新后可重新开始");
  ChooseMenuItem(*rvo_, main, MenuItem::RestartRound);
  Content(main).ChildById(ids::kListStatus).WaitForText(L"名单:二班  剩余 2/2");
  EXPECT_EQ(GetFileAttributesW(install_.PathOf(L"history.txt").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesW(install_.PathOf(L"drawn").c_str()), INVALID_FILE_ATTRIBUTES);
}

// A data folder that is not there (a disk not plugged in): the warning names
// it, the draw works on the names that came with the program, and nothing is
// written anywhere.
TEST_F(Rvo, AMissingDataFolderIsNamedAndTheDrawGoesOnRecordingNothing) {
  install_.SetIniValue(L"Draw", L"datadir", install_.PathOf(L"U盘\\名单"));
  Process rvo = install_.Start(L"rvo.exe");
  const std::wstring said = rvo.AnswerMessage();
  EXPECT_TRUE(said.starts_with(L"找不到数据文件夹“" + install_.PathOf(L"U盘\\名单\\") + L"”")) << ToUtf8(said);
  const Window main = WaitForDrawWindow(rvo);
  StartDraw(main);
  EXPECT_FALSE(StopDraw(main).empty());
  Pause(Milliseconds{300});
  EXPECT_EQ(GetFileAttributesW(install_.PathOf(L"history.txt").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesW(install_.PathOf(L"U盘").c_str()), INVALID_FILE_ATTRIBUTES);
}

// "抽签记录另存为表格..." saves the record as a CSV file where the operator
// says (what the file holds is the record's unit test).
TEST_F(Rvo, TheRecordIsSavedAsATable) {
  install_.WriteBytes(L"history.txt", "\xEF\xBB\xBF" "2026-03-07 09:05:02\t王芳\r\n");
  const Window main = StartRvo();
  ChooseMenuItem(*rvo_, main, MenuItem::HistoryCsv);
  AnswerFileDialog(*rvo_, install_.PathOf(L"记录"));
  const std::wstring said = rvo_->AnswerMessage();
  EXPECT_TRUE(said.starts_with(L"抽签记录已保存为表格:") && said.ends_with(L"记录.csv")) << ToUtf8(said);
  EXPECT_EQ(install_.ReadBytes(L"记录.csv"), "\xEF\xBB\xBF时间,姓名\r\n2026-03-07 09:05:02,王芳\r\n");
}

// The music of a draw: it plays with the draw (the shipped sound when the
// file named has gone), stops with it, and the menu switches it off. How the
// player treats any file, and that it closes with the program, is proven by
// the music player's own tests. The test run captures the sound output (see the
// bench); without a capture the test skips.
TEST_F(Rvo, TheShippedSoundPlaysWithTheDrawUnlessTheMenuSwitchesItOff) {
  if (!CapturedSoundBytes()) GTEST_SKIP() << "no sound capture (RAVELO_AUDIO_CAPTURE)";
  ClearSoundCapture();
  install_.SetIniValue(L"Form", L"brmic", install_.PathOf(L"不存在.wav"));
  const Window main = StartRvo();
  StartDraw(main);
  EXPECT_TRUE(SoundFlows()) << "no music with the draw";
  StopDraw(main);
  EXPECT_TRUE(SoundSilent()) << "the music did not stop with the draw";

  ChooseMenuItem(*rvo_, main, MenuItem::Music);
  StartDraw(main);
  EXPECT_TRUE(SoundSilent()) << "switched off between draws, the draw has music";
}

// Several names at once: a draw of 3 ([Draw] count) shows 3 names in labels
// of their own, in place of the single line, and the record gets a line for
// each name shown, with the same time; the menu's count is saved. (That the
// names differ is the draw engine's unit test.)
TEST_F(Rvo, ADrawOfThreeShowsThreeDifferentNamesAndRecordsALineEach) {
  install_.WriteGbk(L"name.txt", L"甲\r\n乙\r\n丙\r\n丁\r\n戊\r\n");
  install_.SetIniValue(L"Draw", L"count", L"3");
  const Window main = StartRvo();
  main.PostKey(VK_RETURN);
  WaitForNamesToFlip(main);
  main.PostKey(VK_SPACE);
  WaitUntil([&] { return Idle(main); }, "the draw did not stop");
  const std::vector<std::wstring> shown = ShownNames(main);
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_FALSE(TextLine(main).IsVisible());

  const std::wstring record = FromUtf8(install_.ReadBytes(L"history.txt"));
  std::wstring expected;
  const std::wstring time = record.substr(1, 19);  // after the byte-order mark
  for (const auto& name : shown) expected += time + L"\t" + name + L"\t默认名单\t\r\n";
  EXPECT_EQ(record, L"\uFEFF" + expected);

  ChooseMenuItem(*rvo_, main, BodyPoint(main), static_cast<int>(MenuItem::DrawCount), 1);
  EXPECT_TRUE(PollUntil([&] { return install_.IniValue(L"Draw", L"count") == L"1"; }));
  StartDraw(main);
  EXPECT_TRUE(ShownNames(main).empty()) << "one name: the single line again";
}

// A plan of two rounds from rounds.txt: each start draws the next round's
// count under its title, nobody wins twice, the record names the round, the
// plan ends with "全部奖项已抽完" and Enter then does nothing; "中奖名单" lists
// the winners by round.
TEST_F(Rvo, APlanOfTwoRoundsRunsInOrderUnderItsTitlesAndEnds) {
  install_.WriteGbk(L"name.txt", L"甲\r\n乙\r\n丙\r\n丁\r\n");
  install_.WriteBytes(L"rounds.txt", "\xEF\xBB\xBF二等奖\t2\r\n一等奖\t1\r\n");
  install_.SetIniValue(L"Draw", L"rounds", L"1");
  const Window main = StartRvo();
  const Window caption = Content(main).ChildById(frame::kCaption);
  std::set<std::wstring> winners;

  main.PostKey(VK_RETURN);
  caption.WaitForText(L"二等奖");
  WaitForNamesToFlip(main);
  main.PostKey(VK_SPACE);
  WaitUntil([&] { return Idle(main); }, "the draw did not stop");
  const std::vector<std::wstring> second = ShownNames(main);
  EXPECT_EQ(second.size(), 2u);
  winners.insert(second.begin(), second.end());
  EXPECT_EQ(caption.Text(), L"二等奖");

  main.PostKey(VK_RETURN);
  caption.WaitForText(L"一等奖");
  ASSERT_TRUE(TextLineChanges(main));
  const std::wstring first = StopDraw(main);
  winners.insert(first);
  EXPECT_EQ(winners.size(), 3u) << "no one twice";
  caption.WaitForText(L"全部奖项已抽完");
  EXPECT_TRUE(FromUtf8(install_.ReadBytes(L"history.txt")).ends_with(L"\t" + first + L"\t默认名单\t一等奖\r\n"));
  main.PostKey(VK_RETURN);
  EXPECT_FALSE(TextLineChanges(main, Milliseconds{600})) << "the plan is over";
  EXPECT_TRUE(Idle(main));

  ChooseMenuItem(*rvo_, main, MenuItem::Winners);
  const Window list = rvo_->WaitForWindow({.className = L"RaveloWinners"});
  const std::wstring text = list.Children({.className = L"Edit"}).at(0).Text();
  EXPECT_TRUE(text.starts_with(L"二等奖\r\n") && text.find(L"一等奖\r\n    " + first) != std::wstring::npos)
      << ToUtf8(text);
}

}  // namespace
}  // namespace ravelo::e2e
