// rvo from start to its waiting window: the files it reads at start-up
// (configuration, name list, skin and background pictures), the frame it
// paints from them, its command buttons, and moving the window. What the
// settings mean (sizes, flags, positions, colours) is proven by the unit
// tests of the plan; here the window shows that plan.
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

constexpr Color kRed{255, 0, 0};
constexpr Color kLightBlue{128, 128, 255};
constexpr Color kPurpleBody{64, 0, 128};
constexpr Color kWhite{255, 255, 255};

// The shipped look, measured on the screen with a small tolerance for the
// smoothing of letter edges.
constexpr int kInkTolerance = 8;

class RvoStartUp : public ::testing::Test {
 protected:
  Process StartRvo() const { return install_.Start(L"rvo.exe"); }

  // A child's rectangle relative to the client area of parent.
  static Rect RectIn(const Window& parent, const Window& child) {
    const Point origin = parent.ClientRect().TopLeft();
    return child.WindowRect().Offset({-origin.x, -origin.y});
  }

  Installation install_;
};

// --- Files read at start-up ---------------------------------------------------

TEST_F(RvoStartUp, WithoutConfigurationFileWarnsThenShowsTheBuiltInWindow) {
  install_.Remove(Installation::kConfigFile);
  Process rvo = StartRvo();
  MessageBoxWindow box = rvo.WaitForMessageBox(L"Ravelo");
  EXPECT_EQ(box.Text(), L"找不到配置文件,系统将为您载入默认设置");
  EXPECT_EQ(box.Icon(), MessageBoxIcon::Warning);
  EXPECT_FALSE(rvo.FindOneWindow({.className = kDrawClass}).has_value()) << "shown before the message was read";
  box.Press(IDOK);

  Window main = WaitForDrawWindow(rvo);
  const Rect window = main.WindowRect();
  const Rect screen = ScreenBounds();
  EXPECT_EQ(window, Rect::FromSize((screen.Width() - 611) / 2, (screen.Height() - 485) / 2, 611, 485));
  const std::optional<WindowRegion> region = main.Region();
  ASSERT_TRUE(region.has_value()) << "no rounded shape";
  EXPECT_FALSE(region->Contains({0, 0})) << "the corner is not rounded";
  EXPECT_TRUE(region->Contains({5, 5}));

  const Window content = Content(main);
  EXPECT_EQ(RectIn(main, content), Rect::FromSize(5, 30, 600, 450));
  EXPECT_EQ(main.ChildById(kTitleId).Text(), L"Ravelo2.8");
  const Window caption = content.ChildById(kCaptionId);
  const Window text = content.ChildById(kTextId);
  EXPECT_EQ(caption.Text(), L"Ravelo");
  EXPECT_EQ(text.Text(), kFirstText);

  // Dark purple body, red caption, light blue text line, white title.
  WaitForPixel(main.ToScreen({2, 100}), kPurpleBody);
  EXPECT_GT(CaptureScreen(caption.WindowRect()).Count(kRed, kInkTolerance), 20);
  EXPECT_GT(CaptureScreen(text.WindowRect()).Count(kLightBlue, kInkTolerance), 200);
  EXPECT_GT(CaptureScreen(main.ChildById(kTitleId).WindowRect()).Count(kWhite, 40), 5);
  // The 72-point text line is far taller than the 26-point caption.
  EXPECT_GT(text.WindowRect().Height(), 2 * caption.WindowRect().Height());
}

// A missing or locked name list: the warning, rvocfg started, rvo gone; a
// missing rvocfg is reported before rvo ends.
TEST_F(RvoStartUp, WithoutAReadableNameListWarnsStartsTheConfigProgramAndEnds) {
  enum class Case { Missing, Locked, MissingWithoutConfigProgram };
  for (const Case c : {Case::Missing, Case::Locked, Case::MissingWithoutConfigProgram}) {
    SCOPED_TRACE(static_cast<int>(c));
    Installation install;
    UniqueHandle lock;
    if (c == Case::Locked) {
      lock = install.HoldOpen(Installation::kNameList);
    } else {
      install.Remove(Installation::kNameList);
      install.Remove(Installation::kConfigFile);  // were it read, its own message would follow
    }
    if (c == Case::MissingWithoutConfigProgram) install.Remove(L"bin\\rvocfg.exe");
    else UseFixtureAs(install, L"rvocfg.exe");
    Process rvo = install.Start(L"rvo.exe");
    MessageBoxWindow box = rvo.WaitForMessageBox(L"Ravelo");
    EXPECT_EQ(box.Text(), kNoNameList);
    EXPECT_EQ(box.Icon(), MessageBoxIcon::Warning);
    box.Press(IDOK);
    if (c == Case::MissingWithoutConfigProgram) {
      MessageBoxWindow failure = rvo.WaitForMessageBox(L"Ravelo");
      EXPECT_EQ(failure.Text(), kConfigProgramFailed);
      failure.Press(IDOK);
    }
    EXPECT_EQ(rvo.ExpectExit(), 0u);
    if (c != Case::MissingWithoutConfigProgram) {
      EXPECT_TRUE(WaitForWindow({.className = fixture::kClassName, .imageName = L"rvocfg.exe"}).IsVisible());
    }
    EXPECT_TRUE(FindWindows({.className = kDrawClass, .visibleOnly = false}).empty());
  }
}

// --- Command buttons -----------------------------------------------------------

TEST_F(RvoStartUp, CommandButtonsShowTheirPicturesHandAndTooltipAndTheStopButtonGreyed) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  EXPECT_EQ(ButtonStates(main), kIdleButtons);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(CommandButton(main, i).Parent(), Content(main));
  // The symbols: green start, and the stop button's amber bars greyed out.
  EXPECT_GT(CaptureScreen(CommandButton(main, 1).WindowRect()).Count(Color{96, 222, 140}, 24), 10);
  const Rect stopRect = CommandButton(main, 2).WindowRect();
  EXPECT_EQ(CaptureScreen(stopRect).Count(Color{255, 188, 82}, 40), 0) << "the disabled stop button is not greyed";
  const Color bar = ScreenPixel({stopRect.left + stopRect.Width() / 2 - 3, stopRect.top + stopRect.Height() / 2});
  EXPECT_GT(bar.r, 90) << "no bar where the left pause bar stands";
  EXPECT_LT(std::abs(bar.r - bar.g) + std::abs(bar.g - bar.b), 50) << "the bar is not grey";

  mouse::MoveTo(CommandButton(main, 1).WindowRect().Center());
  EXPECT_TRUE(PointerLeavesTheArrow()) << "the arrow over a command button";
  EXPECT_TRUE(TooltipShows(L"开始"));
  mouse::MoveTo({0, 0});
}

TEST_F(RvoStartUp, ButtonsWithoutPicturesShowAPlainFace) {
  for (int i = 1; i <= 4; ++i) install_.Remove(L"common\\but" + std::to_wstring(i) + L".pte");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  for (int i = 1; i <= 4; ++i) {
    const Rect face = CommandButton(main, i).WindowRect();
    EXPECT_GE(face.Width(), 48);
    const Color edge = ScreenPixel({face.left + 3, face.top + face.Height() / 2});
    EXPECT_TRUE(edge.Near(i == 2 ? Color{96, 100, 110} : Color{58, 74, 104}, 4)) << "I_cmd(" << i << ")";
  }
}

// --- Background picture ----------------------------------------------------------

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
    const Color corner = ScreenPixel(CommandButton(main, 1).WindowRect().TopLeft());
    EXPECT_FALSE(corner.Near(Color{0, 0, 0}, 2)) << "a black corner";
    EXPECT_FALSE(corner.Near(kWhite, 40)) << "a white corner";
  }
  // A picture named by path: the content decides, not the extension.
  install_.WriteBytes(L"pictures\\舞台.jpg", std::string_view(kOrangePng, sizeof kOrangePng - 1));
  install_.SetIniValue(L"Form", L"bgpic", install_.PathOf(L"pictures\\舞台.jpg"));
  {
    Process rvo = StartRvo();
    const Window main = WaitForDrawWindow(rvo);
    WaitForPixel(Content(main).ToScreen({20, 15}), Color{200, 60, 30});
    WaitForPixel(Content(main).ToScreen({100, 100}), kWhite);  // beyond the small picture
  }
  // A picture that has gone: the skin's background instead.
  install_.SetIniValue(L"Form", L"bgpic", install_.PathOf(L"pictures\\gone.bmp"));
  Process rvo = StartRvo();
  WaitForPixel(BackgroundPoint(WaitForDrawWindow(rvo)), shipped);
}

TEST_F(RvoStartUp, AMissingOrDamagedSkinPictureLeavesThePlainWhiteGround) {
  for (const bool damaged : {false, true}) {
    if (damaged) install_.WriteBytes(L"common\\back.pte", "BM this is no picture");
    else install_.Remove(L"common\\back.pte");
    Process rvo = StartRvo();
    WaitForPixel(BackgroundPoint(WaitForDrawWindow(rvo)), kWhite);
  }
}

// --- Moving the window -------------------------------------------------------------

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
  const Point text = TextLine(main).WindowRect().Center();
  mouse::Drag(text, text + Point{40, 40});
  Pause(Milliseconds{200});
  EXPECT_EQ(main.WindowRect(), still) << "dragging the content moved the window";
}

}  // namespace
}  // namespace ravelo::e2e
