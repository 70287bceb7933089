// rvo from start to its waiting window: the name list and configuration file
// found (or not) beside the program folder, the settings applied to the
// skinned frame, and the messages when something is missing.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>

#include "bench/bench.h"
#include "fixture/fixture_layout.h"
#include "rvo_parts.h"

namespace ravelo::e2e {
namespace {

using namespace rvo;

constexpr std::array<const wchar_t*, 4> kCommandNames{L"开始", L"暂停", L"刷新，重新载入配置信息或名单",
                                                      L"配置程序"};

constexpr wchar_t kNoConfig[] = L"找不到配置文件,系统将为您载入默认设置";

constexpr Color kRed{255, 0, 0};
constexpr Color kLightBlue{128, 128, 255};
constexpr Color kPurpleBody{64, 0, 128};
constexpr Color kWhite{255, 255, 255};

// The shipped look, measured on the screen with a small tolerance for the
// smoothing of letter edges.
constexpr int kInkTolerance = 8;

class RvoStartUp : public ::testing::Test {
 protected:
  // rvocfg.exe is replaced by the bench's fixture program, whose window
  // shows that rvo started it.
  void UseFixtureAsConfigProgram() const { UseFixtureAs(install_, L"rvocfg.exe"); }

  Process StartRvo() const { return install_.Start(L"rvo.exe"); }

  // A child's rectangle relative to the client area of parent.
  static Rect RectIn(const Window& parent, const Window& child) {
    const Point origin = parent.ClientRect().TopLeft();
    return child.WindowRect().Offset({-origin.x, -origin.y});
  }

  void Set(const wchar_t* section, const wchar_t* key, const wchar_t* value) const {
    install_.SetIniValue(section, key, value);
  }

  Installation install_;
};

// --- Missing files ---------------------------------------------------------

TEST_F(RvoStartUp, WithoutConfigurationFileWarnsThenShowsTheBuiltInWindow) {
  install_.Remove(Installation::kConfigFile);
  Process rvo = StartRvo();
  MessageBoxWindow box = rvo.WaitForMessageBox(L"Ravelo");
  EXPECT_EQ(box.Text(), kNoConfig);
  EXPECT_EQ(box.Icon(), MessageBoxIcon::Warning);
  EXPECT_EQ(box.ButtonIds(), std::vector<int>{IDOK});
  EXPECT_FALSE(rvo.FindOneWindow({.className = kDrawClass}).has_value()) << "shown before the message was read";
  box.Press(IDOK);

  Window main = WaitForDrawWindow(rvo);
  const Rect window = main.WindowRect();
  EXPECT_EQ(window.Width(), 611);
  EXPECT_EQ(window.Height(), 485);
  const Rect screen = ScreenBounds();
  EXPECT_EQ(window.left, (screen.Width() - 611) / 2);
  EXPECT_EQ(window.top, (screen.Height() - 485) / 2);
  EXPECT_FALSE(main.IsTopmost());

  const std::optional<WindowRegion> region = main.Region();
  ASSERT_TRUE(region.has_value()) << "no rounded shape";
  // The shape is CreateRoundRectRgn(0, 0, 611, 485, 5, 5), whose right and
  // bottom edges GDI leaves out.
  HRGN expected = CreateRoundRectRgn(0, 0, 611, 485, 5, 5);
  RECT shapeBox{};
  GetRgnBox(expected, &shapeBox);
  DeleteObject(expected);
  EXPECT_EQ(region->bounds, Rect::From(shapeBox));
  EXPECT_FALSE(region->Contains({0, 0})) << "the corner is not rounded";
  EXPECT_TRUE(region->Contains({5, 5}));

  const Window content = Content(main);
  EXPECT_EQ(RectIn(main, content), Rect::FromSize(5, 30, 600, 450));
  EXPECT_EQ(main.ChildById(kTitleId).Text(), L"Ravelo2.8");
  EXPECT_EQ(RectIn(main, main.ChildById(kTitleId)).TopLeft(), (Point{10, 10}));
  const Window caption = content.ChildById(kCaptionId);
  const Window text = content.ChildById(kTextId);
  EXPECT_EQ(caption.Text(), L"Ravelo");
  EXPECT_EQ(text.Text(), L"开始啦");

  // Dark purple body, red caption, light blue text line, white title.
  WaitForPixel(main.ToScreen({2, 100}), kPurpleBody);
  EXPECT_GT(CaptureScreen(caption.WindowRect()).Count(kRed, kInkTolerance), 20);
  EXPECT_GT(CaptureScreen(text.WindowRect()).Count(kLightBlue, kInkTolerance), 200);
  EXPECT_GT(CaptureScreen(main.ChildById(kTitleId).WindowRect()).Count(kWhite, 40), 5);
  // The 72-point text line is far taller than the 26-point caption.
  EXPECT_GT(text.WindowRect().Height(), 2 * caption.WindowRect().Height());

  for (int i = 1; i <= 4; ++i) EXPECT_TRUE(CommandButton(main, i).IsVisible()) << "I_cmd(" << i << ")";
  EXPECT_FALSE(CommandButton(main, 2).IsEnabled());
}

TEST_F(RvoStartUp, WithoutNameListOnlyWarnsStartsTheConfigProgramAndEnds) {
  UseFixtureAsConfigProgram();
  install_.Remove(Installation::kNameList);
  // Were the configuration file read, its own message would follow.
  install_.Remove(Installation::kConfigFile);
  Process rvo = StartRvo();
  MessageBoxWindow box = rvo.WaitForMessageBox(L"Ravelo");
  EXPECT_EQ(box.Text(), kNoNameList);
  EXPECT_EQ(box.Icon(), MessageBoxIcon::Warning);
  box.Press(IDOK);

  EXPECT_EQ(rvo.ExpectExit(), 0u);
  const Window configProgram =
      WaitForWindow({.className = fixture::kClassName, .imageName = L"rvocfg.exe"});
  EXPECT_TRUE(configProgram.IsVisible());
  EXPECT_TRUE(FindWindows({.className = kDrawClass, .visibleOnly = false}).empty());
}

TEST_F(RvoStartUp, ALockedNameListCountsAsMissing) {
  UseFixtureAsConfigProgram();
  UniqueHandle lock = install_.HoldOpen(Installation::kNameList);
  Process rvo = StartRvo();
  EXPECT_EQ(rvo.WaitForMessageBox(L"Ravelo").Text(), kNoNameList);
  rvo.WaitForMessageBox(L"Ravelo").Press(IDOK);
  EXPECT_EQ(rvo.ExpectExit(), 0u);
  WaitForWindow({.className = fixture::kClassName, .imageName = L"rvocfg.exe"});
}

TEST_F(RvoStartUp, AMissingConfigProgramIsReportedBeforeTheProgramEnds) {
  install_.Remove(Installation::kNameList);
  install_.Remove(L"bin\\rvocfg.exe");
  Process rvo = StartRvo();
  rvo.WaitForMessageBox(L"Ravelo").Press(IDOK);
  MessageBoxWindow failure = rvo.WaitForMessageBox(L"Ravelo");
  EXPECT_EQ(failure.Text(), kConfigProgramFailed);
  EXPECT_EQ(failure.Icon(), MessageBoxIcon::Warning);
  failure.Press(IDOK);
  EXPECT_EQ(rvo.ExpectExit(), 0u);
}

// --- Settings ----------------------------------------------------------------

TEST_F(RvoStartUp, ContentSizeIsKeptBetweenTheMinimumAndTheScreen) {
  const Rect screen = ScreenBounds();
  Set(L"Style", L"width", L"100");
  Set(L"Style", L"height", L"9999");
  {
    Process rvo = StartRvo();
    const Window main = WaitForDrawWindow(rvo);
    EXPECT_EQ(RectIn(main, Content(main)).Width(), 250);
    EXPECT_EQ(RectIn(main, Content(main)).Height(), screen.Height() - 100);
    EXPECT_EQ(main.WindowRect().Width(), 261);
    EXPECT_EQ(install_.IniValue(L"Style", L"width"), L"100") << "rvo never writes the file";
  }
  Set(L"Style", L"width", L"9999");
  Set(L"Style", L"height", L"");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  EXPECT_EQ(RectIn(main, Content(main)).Width(), screen.Width() - 20);  // 1004 on 1024 x 768
  EXPECT_EQ(RectIn(main, Content(main)).Height(), 100);
  EXPECT_EQ(main.WindowRect().Height(), 135);
}

TEST_F(RvoStartUp, TopIsExactlyOneForStayOnTop) {
  Set(L"Form", L"top", L"1");
  {
    Process rvo = StartRvo();
    EXPECT_TRUE(WaitForDrawWindow(rvo).IsTopmost()) << "top-most before it is shown";
  }
  Set(L"Form", L"top", L"2");
  Process rvo = StartRvo();
  EXPECT_FALSE(WaitForDrawWindow(rvo).IsTopmost());
}

TEST_F(RvoStartUp, ALongCaptionIsCutToFifteenChineseCharacters) {
  Set(L"Form", L"caption", L"一二三四五六七八九十甲乙丙丁戊己庚辛壬癸");
  Set(L"Form", L"text", L"张三 & 李四");
  Process rvo = StartRvo();
  const Window content = Content(WaitForDrawWindow(rvo));
  EXPECT_EQ(content.ChildById(kCaptionId).Text(), L"一二三四五六七八九十甲乙丙丁戊");
  EXPECT_EQ(content.ChildById(kTextId).Text(), L"张三 & 李四");
}

TEST_F(RvoStartUp, GivenPositionsPlaceTheLabelsAndAZeroCentresThem) {
  Set(L"Style", L"captiontop", L"40");
  Set(L"Style", L"captionleft", L"30");
  Set(L"Style", L"texttop", L"200");
  Set(L"Style", L"textleft", L"50");
  {
    Process rvo = StartRvo();
    const Window content = Content(WaitForDrawWindow(rvo));
    EXPECT_EQ(RectIn(content, content.ChildById(kCaptionId)).TopLeft(), (Point{30, 40}));
    EXPECT_EQ(RectIn(content, content.ChildById(kTextId)).TopLeft(), (Point{50, 200}));
  }
  Set(L"Style", L"captionleft", L"0");
  Process rvo = StartRvo();
  const Window content = Content(WaitForDrawWindow(rvo));
  const Rect caption = RectIn(content, content.ChildById(kCaptionId));
  const Rect text = RectIn(content, content.ChildById(kTextId));
  // Centred from the label sizes; the positions stand on whole pixels.
  const double captionTop = (450.0 - caption.Height() - text.Height() - 10) / 2;
  EXPECT_NEAR(caption.left, (600.0 - caption.Width()) / 2, 0.5);
  EXPECT_NEAR(caption.top, captionTop, 0.5);
  EXPECT_NEAR(text.left, (600.0 - text.Width()) / 2, 0.5);
  EXPECT_NEAR(text.top, 450.0 - captionTop - caption.Height() - 10, 0.5);
}

TEST_F(RvoStartUp, CommandButtonsStandRightAlignedWithTheStopButtonDisabled) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  const Window content = Content(main);
  int right = 600 - 10;
  for (int i = 4; i >= 1; --i) {
    const Window button = CommandButton(main, i);
    const Rect r = RectIn(content, button);
    EXPECT_EQ(button.Parent(), content);
    EXPECT_EQ(button.Text(), kCommandNames[i - 1]);
    EXPECT_EQ(r.Width(), 48) << "I_cmd(" << i << ") takes its picture's size";
    EXPECT_EQ(r.Height(), 24);
    EXPECT_EQ(r.right, right) << "I_cmd(" << i << ")";
    EXPECT_EQ(r.top, 450 - 60);
    EXPECT_EQ(button.IsEnabled(), i != 2) << "I_cmd(" << i << ")";
    right = r.left - 5;
  }
  // The symbols: green start, and the stop button's amber bars greyed out.
  EXPECT_GT(CaptureScreen(CommandButton(main, 1).WindowRect()).Count(Color{96, 222, 140}, 24), 10);
  const Image stop = CaptureScreen(CommandButton(main, 2).WindowRect());
  EXPECT_EQ(stop.Count(Color{255, 188, 82}, 40), 0) << "the disabled stop button is not greyed";
  const Rect stopRect = CommandButton(main, 2).WindowRect();
  const Color bar = ScreenPixel({stopRect.left + stopRect.Width() / 2 - 3, stopRect.top + stopRect.Height() / 2});
  EXPECT_GT(bar.r, 90) << "no bar where the left pause bar stands";
  EXPECT_LT(std::abs(bar.r - bar.g) + std::abs(bar.g - bar.b), 50) << "the bar is not grey";

  // The buttons show the pointing hand and their tooltips.
  mouse::MoveTo(CommandButton(main, 1).WindowRect().Center());
  EXPECT_TRUE(PointerLeavesTheArrow()) << "the arrow over a command button";
  EXPECT_TRUE(TooltipShows(L"开始"));
  mouse::MoveTo({0, 0});
}

TEST_F(RvoStartUp, ButtonsAreHiddenUnlessSmcIsExactlyOne) {
  for (const wchar_t* smc : {L"0", L"2", L"-1"}) {
    Set(L"Form", L"smc", smc);
    Process rvo = StartRvo();
    const Window main = WaitForDrawWindow(rvo);
    for (int i = 1; i <= 4; ++i)
      EXPECT_FALSE(CommandButton(main, i).IsVisible()) << "smc=" << ToUtf8(smc) << " I_cmd(" << i << ")";
  }
}

TEST_F(RvoStartUp, ButtonsWithoutPicturesShowAPlainFaceAndStillWork) {
  for (int i = 1; i <= 4; ++i) install_.Remove(L"common\\but" + std::to_wstring(i) + L".pte");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  const Window content = Content(main);
  int right = 600 - 10;
  for (int i = 4; i >= 1; --i) {
    const Window button = CommandButton(main, i);
    const Rect r = RectIn(content, button);
    EXPECT_TRUE(button.IsVisible());
    EXPECT_GE(r.Width(), 48);
    EXPECT_GE(r.Height(), 24);
    EXPECT_EQ(r.right, right);
    right = r.left - 5;
    // The slate face: neither the background picture nor white.
    const Rect face = button.WindowRect();
    const Color edge = ScreenPixel({face.left + 3, face.top + face.Height() / 2});
    EXPECT_TRUE(edge.Near(i == 2 ? Color{96, 100, 110} : Color{58, 74, 104}, 4)) << "I_cmd(" << i << ")";
  }
  EXPECT_FALSE(CommandButton(main, 2).IsEnabled());
}

TEST_F(RvoStartUp, ColoursThatAreNoNumbersKeepTheLabelColours) {
  Set(L"Color", L"caption", L"");
  Set(L"Color", L"text", L"blue");
  Process rvo = StartRvo();
  const Window content = Content(WaitForDrawWindow(rvo));
  EXPECT_GT(CaptureScreen(content.ChildById(kCaptionId).WindowRect()).Count(kRed, kInkTolerance), 20);
  EXPECT_GT(CaptureScreen(content.ChildById(kTextId).WindowRect()).Count(kLightBlue, kInkTolerance), 200);
}

TEST_F(RvoStartUp, ABadFrameColourSkipsTheLayoutButNotTheRest) {
  Set(L"Style", L"form", L"purple");
  Set(L"Style", L"width", L"800");
  Set(L"Form", L"top", L"1");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  EXPECT_EQ(main.WindowRect().Width(), 611) << "the window keeps its design size";
  EXPECT_TRUE(main.IsTopmost()) << "the steps after the layout still run";
  for (int i = 1; i <= 4; ++i) EXPECT_FALSE(CommandButton(main, i).IsVisible());
}

// --- Background picture --------------------------------------------------------

// A point of the content area that no label or button covers.
Point BackgroundPoint(const Window& main) { return Content(main).ToScreen({3, 3}); }

// A 40 x 30 PNG of one colour, RGB(200, 60, 30).
constexpr char kOrangePng[] =
    "\x89\x50\x4E\x47\x0D\x0A\x1A\x0A\x00\x00\x00\x0D\x49\x48\x44\x52\x00\x00\x00\x28\x00\x00\x00\x1E"
    "\x08\x02\x00\x00\x00\xD1\xBF\xCB\x8A\x00\x00\x00\x2C\x49\x44\x41\x54\x78\xDA\xED\xCD\x31\x0D"
    "\x00\x00\x08\x03\xB0\x29\x41\x09\xFE\x83\x2C\x64\xC0\xD1\xA4\x7F\x33\x5D\x27\x22\x16\x8B\xC5\x62"
    "\xB1\x58\x2C\x16\x8B\xC5\xE2\xBF\xF1\x02\x21\xB3\x4F\xAC\x59\x02\x72\x99\x00\x00\x00\x00\x49\x45"
    "\x4E\x44\xAE\x42\x60\x82";

TEST_F(RvoStartUp, TheBackgroundIsTheSkinPictureUnlessAnotherIsGiven) {
  Color shipped;
  {
    Process rvo = StartRvo();
    const Window main = WaitForDrawWindow(rvo);
    PollUntil([&] { return !ScreenPixel(BackgroundPoint(main)).Near(kWhite, 0); }, kDefaultTimeout);
    shipped = ScreenPixel(BackgroundPoint(main));
    EXPECT_FALSE(shipped.Near(kWhite, 40)) << "the shipped background is dark";
    // The command buttons' corners are transparent: the background shows there.
    const Window start = CommandButton(main, 1);
    const Color corner = ScreenPixel(start.WindowRect().TopLeft());
    EXPECT_FALSE(corner.Near(Color{0, 0, 0}, 2)) << "a black corner";
    EXPECT_FALSE(corner.Near(kWhite, 40)) << "a white corner";
  }
  // A picture named by path: the content decides, not the extension.
  install_.WriteBytes(L"pictures\\舞台.jpg", std::string_view(kOrangePng, sizeof kOrangePng - 1));
  Set(L"Form", L"bgpic", (install_.Root() + L"pictures\\舞台.jpg").c_str());
  {
    Process rvo = StartRvo();
    const Window main = WaitForDrawWindow(rvo);
    WaitForPixel(Content(main).ToScreen({20, 15}), Color{200, 60, 30});
    WaitForPixel(Content(main).ToScreen({100, 100}), kWhite);  // beyond the small picture
  }
  install_.CopyIn(install_.PathOf(L"common\\but1.pte"), L"pictures\\按钮.dat");
  Set(L"Form", L"bgpic", (install_.Root() + L"pictures\\按钮.dat").c_str());
  {
    Process rvo = StartRvo();
    WaitForPixel(Content(WaitForDrawWindow(rvo)).ToScreen({24, 0}), Color{112, 128, 176}, kDefaultTimeout,
                 6);  // the button's rim
  }
  // A picture that has gone: the skin's background instead.
  Set(L"Form", L"bgpic", (install_.Root() + L"pictures\\gone.bmp").c_str());
  Process rvo = StartRvo();
  WaitForPixel(BackgroundPoint(WaitForDrawWindow(rvo)), shipped);
}

TEST_F(RvoStartUp, AMissingOrDamagedSkinPictureLeavesThePlainWhiteGround) {
  install_.Remove(L"common\\back.pte");
  {
    Process rvo = StartRvo();
    WaitForPixel(BackgroundPoint(WaitForDrawWindow(rvo)), kWhite);
  }
  install_.WriteBytes(L"common\\back.pte", "BM this is no picture");
  install_.Remove(Installation::kConfigFile);
  Process rvo = StartRvo();
  rvo.WaitForMessageBox(L"Ravelo").Press(IDOK);
  const Window main = WaitForDrawWindow(rvo);
  WaitForPixel(BackgroundPoint(main), kWhite);
  EXPECT_EQ(main.WindowRect().Width(), 611);
}

// --- Name lists ------------------------------------------------------------------

TEST_F(RvoStartUp, NameListsInUtf8OrWithBareLineFeedsAreNameLists) {
  install_.WriteBytes(Installation::kNameList, "\xEF\xBB\xBF张三\r\n李四\r\n");
  {
    Process rvo = StartRvo();
    WaitForDrawWindow(rvo);
    EXPECT_FALSE(rvo.FindMessageBox().has_value());
  }
  install_.WriteGbk(Installation::kNameList, L"张三\n李四\n王五");
  Process rvo = StartRvo();
  WaitForDrawWindow(rvo);
  EXPECT_FALSE(rvo.FindMessageBox().has_value());
  EXPECT_TRUE(install_.RunningProcesses().size() == 1) << "only rvo runs; rvocfg was not started";
}

// --- Frame -----------------------------------------------------------------------

// The window follows the pointer from the first move with the left button
// held; that move starts the system's move loop, so the window lags the
// pointer by the first step of the drag at most.
void ExpectMovedBy(const Window& main, Point from, Point by, const char* what) {
  Rect last;
  const bool moved = PollUntil(
      [&] {
        const Point d = (last = main.WindowRect()).TopLeft() - from;
        return std::abs(d.x - by.x) <= std::abs(by.x) / 5 + 1 && std::abs(d.y - by.y) <= std::abs(by.y) / 5 + 1 &&
               d != Point{};
      },
      kDefaultTimeout);
  EXPECT_TRUE(moved) << what << " moved the window to " << last.left << "," << last.top << " from " << from.x
                     << "," << from.y;
}

TEST_F(RvoStartUp, TheBodyAndTheTitleMoveTheWindowButTheContentDoesNot) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  // From the body's left strip across the content area: the body keeps the mouse.
  Point start = main.WindowRect().TopLeft();
  mouse::Drag(main.ToScreen({2, 200}), main.ToScreen({52, 240}));
  ExpectMovedBy(main, start, {50, 40}, "the body");

  start = main.WindowRect().TopLeft();
  const Point title = main.ChildById(kTitleId).WindowRect().Center();
  mouse::Drag(title, title + Point{-30, 20});
  ExpectMovedBy(main, start, {-30, 20}, "the title");

  const Rect still = main.WindowRect();
  mouse::Drag(Content(main).ToScreen({50, 50}), Content(main).ToScreen({90, 90}));
  mouse::Drag(Content(main).ChildById(kTextId).WindowRect().Center(),
              Content(main).ChildById(kTextId).WindowRect().Center() + Point{40, 40});
  Pause(Milliseconds{200});
  EXPECT_EQ(main.WindowRect(), still) << "dragging the content moved the window";
}

TEST_F(RvoStartUp, TheWindowBoxesMinimiseAndClose) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  const Window minimize = main.ChildById(kMinimizeId);
  const Window close = main.ChildById(kCloseId);
  EXPECT_EQ(RectIn(main, minimize), Rect::FromSize(611 - 15 - 15 - 5 - 8, 9, 15, 15));
  EXPECT_EQ(RectIn(main, close), Rect::FromSize(611 - 15 - 8, 9, 15, 15));
  // The close glyph: white lines from (4, 4) to (11, 11) on the body colour.
  WaitForPixel(close.ToScreen({4, 4}), kWhite);
  WaitForPixel(close.ToScreen({11, 11}), kWhite);
  WaitForPixel(close.ToScreen({1, 1}), kPurpleBody);
  WaitForPixel(minimize.ToScreen({8, 8}), kWhite);

  mouse::Click(minimize.WindowRect().Center());
  EXPECT_TRUE(PollUntil([&] { return IsIconic(main.Handle()) != FALSE; }, kDefaultTimeout));
  ShowWindow(main.Handle(), SW_RESTORE);
  main.WaitUntilVisible(true);
  mouse::Click(close.WindowRect().Center());
  EXPECT_EQ(rvo.ExpectExit(), 0u);
}

}  // namespace
}  // namespace ravelo::e2e
