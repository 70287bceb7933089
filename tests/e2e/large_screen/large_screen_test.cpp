// The windows on a 3840 x 2160 screen. At 150 % (144 DPI) against 96 DPI:
// rvo shows its design one and a half times as large, centred; rvocfg's form
// grows alike; rvostyle saves a dragged label in design pixels. In full
// screen: F11 shows rvo's content alone on the whole monitor, scaled to fit
// and centred, and Esc gives the window back; a presenter remote's page key
// runs a draw and its blank key hides the screen; the choice is there again
// at the next start.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "rvo_parts.h"
#include "style/win/style_controls.h"

namespace ravelo::e2e {
namespace {

using namespace rvo;

// The mean difference, 0..1 of full scale, between a picture and a larger
// one scaled down to its size: each pixel of the small one against the mean
// of the block of the large one that it covers, channel by channel.
double MeanDifference(const Image& small, const Image& large) {
  const double sx = static_cast<double>(large.Width()) / small.Width();
  const double sy = static_cast<double>(large.Height()) / small.Height();
  double total = 0;
  for (int y = 0; y < small.Height(); ++y) {
    const int top = static_cast<int>(y * sy), bottom = std::max(top + 1, static_cast<int>((y + 1) * sy));
    for (int x = 0; x < small.Width(); ++x) {
      const int left = static_cast<int>(x * sx), right = std::max(left + 1, static_cast<int>((x + 1) * sx));
      for (const int shift : {0, 8, 16}) {
        double sum = 0;
        for (int j = top; j < bottom; ++j)
          for (int i = left; i < right; ++i) sum += large.Pixels()[j * large.Width() + i] >> shift & 0xFF;
        const double mean = sum / ((bottom - top) * (right - left));
        total += std::abs(static_cast<double>(small.Pixels()[y * small.Width() + x] >> shift & 0xFF) - mean);
      }
    }
  }
  return total / (255.0 * 3 * small.Width() * small.Height());
}

// The display's DPI for the programs started from now on: Wine reads
// HKCU\Control Panel\Desktop\LogPixels when a process starts. The prefix is
// this suite's own (run.sh), so each test sets the value it needs.
void SetLogPixels(DWORD dpi) {
  ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi, sizeof dpi),
            ERROR_SUCCESS);
}

void WaitForWindowRect(const Window& main, const Rect& expected) {
  WaitUntil([&] { return main.WindowRect() == expected; }, "the window at its place");
}

// Its design scaled as a whole: the picture at 144 DPI, scaled down by 1.5,
// matches the one at 96 DPI; the window is centred.
TEST(HighDpi, RvoShowsItsDesignOneAndAHalfTimesAsLargeAndCentred) {
  Image shot[2];
  for (const DWORD dpi : {96u, 144u}) {
    SetLogPixels(dpi);
    const Installation install;
    const Process rvo = install.Start(L"rvo.exe");
    const Window main = WaitForDrawWindow(rvo);
    main.WaitUntilPainted();
    shot[dpi == 144] = main.CaptureWindow();
    if (dpi == 96) continue;
    // The fonts grow with the geometry: the text line stays in the content
    // area and off the command buttons.
    const Rect content = Content(main).WindowRect();
    EXPECT_EQ(content.Width(), 900);
    EXPECT_EQ(content.Height(), 675);
    const Rect text = TextLine(main).WindowRect();
    EXPECT_TRUE(text.left >= content.left && text.top >= content.top && text.right <= content.right);
    EXPECT_LE(text.bottom, CommandButton(main, 1).WindowRect().top);
    const Rect window = main.WindowRect();
    const Rect screen = ScreenBounds();
    EXPECT_EQ(window.TopLeft(), (Point{(screen.Width() - window.Width()) / 2, (screen.Height() - window.Height()) / 2}));
  }
  const double difference = MeanDifference(shot[0], shot[1]);
  std::printf("rvo at 144 DPI scaled down by 1.5 against 96 DPI: mean difference %.4f\n", difference);
  EXPECT_LT(difference, 0.03);
}

TEST(HighDpi, RvocfgShowsItsFormOneAndAHalfTimesAsLarge) {
  Rect form[2];
  for (const DWORD dpi : {96u, 144u}) {
    SetLogPixels(dpi);
    const Installation install;
    const Process rvocfg = install.Start(L"rvocfg.exe");
    form[dpi == 144] = rvocfg.WaitForWindow({.className = L"RaveloSettingsForm"}).WindowRect();
  }
  EXPECT_EQ(form[1].Width(), std::lround(form[0].Width() * 1.5));
  EXPECT_EQ(form[1].Height(), std::lround(form[0].Height() * 1.5));
}

TEST(HighDpi, RvostyleSavesADraggedLabelInDesignPixels) {
  const Installation install;
  SetLogPixels(144);
  const Process editor = install.Start(L"rvostyle.exe");
  const Window main = editor.WaitForWindow({.className = style_controls::kWindowClass});
  SetLogPixels(96);
  main.WaitUntilPainted();
  const Window caption = Content(main).ChildById(frame::kCaption);
  DragBy(caption, {31, 17});
  mouse::Click(main.ChildById(style_controls::kSave).WindowRect().Center());
  EXPECT_EQ(editor.AnswerMessage(), L"保存显示风格成功");
  const Rect shown = InContent(main, caption);
  EXPECT_EQ(install.IniValue(L"Style", L"captionleft"), std::to_wstring(std::lround(shown.left / 1.5)));
  EXPECT_EQ(install.IniValue(L"Style", L"captiontop"), std::to_wstring(std::lround(shown.top / 1.5)));
}

TEST(FullScreen, F11ShowsTheContentScaledAndCentredAndEscGivesTheWindowBack) {
  SetLogPixels(96);
  const Installation install;
  const Process rvo = install.Start(L"rvo.exe");
  const Window main = WaitForDrawWindow(rvo);
  main.WaitUntilPainted();
  const Rect windowed = main.WindowRect();
  const Image small = Content(main).CaptureWindow();

  main.PostKey(VK_F11);
  const Rect screen = ScreenBounds();
  WaitForWindowRect(main, screen);
  main.WaitUntilPainted();
  const Rect content = Content(main).WindowRect();
  // The largest uniform scale that fits: one side fills the screen but for
  // the rounding of a design pixel, the other keeps the shape.
  const double scale = static_cast<double>(content.Height()) / small.Height();
  EXPECT_GT(scale, 4.7);
  EXPECT_LE(screen.Height() - content.Height(), 5);
  EXPECT_NEAR(content.Width(), small.Width() * scale, scale);
  EXPECT_LE(std::abs((content.left - screen.left) - (screen.right - content.right)), 1);
  EXPECT_LE(std::abs((content.top - screen.top) - (screen.bottom - content.bottom)), 1);
  const Image large = Content(main).CaptureWindow();
  const double difference = MeanDifference(small, large);
  std::printf("content in full screen scaled down by %.3f against the window: mean difference %.4f\n", scale,
              difference);
  EXPECT_LT(difference, 0.04);

  main.PostKey(VK_ESCAPE);
  WaitForWindowRect(main, windowed);
  // Full screen has no shape; the frame's rounded one is back.
  WaitUntil([&] { return main.RegionContains({2, 200}); }, "the frame's shape");
  EXPECT_TRUE(rvo.IsRunning()) << "Esc in full screen leaves full screen only";
}

TEST(FullScreen, ARemoteRunsTheDrawBlanksTheScreenAndTheChoiceOutlivesTheProgram) {
  SetLogPixels(96);
  const Installation install;
  const Rect screen = ScreenBounds();
  {
    const Process rvo = install.Start(L"rvo.exe");
    const Window main = WaitForDrawWindow(rvo);
    main.PostKey(VK_F5);
    WaitForWindowRect(main, screen);
    WaitUntil([&] { return install.IniValue(L"Draw", L"fullscreen") == L"1"; }, "the choice saved");
    EXPECT_EQ(install.IniValue(L"Draw", L"fullscreenmonitor"), L"0,0");

    main.PostKey(VK_NEXT);
    ASSERT_TRUE(TextLineChanges(main)) << "PageDown started no draw";
    main.PostKey(VK_NEXT);
    WaitUntil([&] { return Idle(main); }, "PageDown stopped the draw");

    main.PostKey('B');
    const Point middle = Content(main).WindowRect().Center();
    WaitForPixel(middle, Color{0, 0, 0});
    EXPECT_EQ(CaptureScreen(screen).Count(Color{0, 0, 0}), screen.Width() * screen.Height());
    main.PostKey(VK_NEXT);
    EXPECT_FALSE(TextLineChanges(main, Milliseconds{1000})) << "a blank screen takes no draw key";
    main.PostKey(VK_OEM_PERIOD);
    WaitUntil([&] { return ScreenPixel(middle) != Color{0, 0, 0}; }, "the screen back");
    main.PostClose();
    rvo.ExpectExit();
  }
  const Process rvo = install.Start(L"rvo.exe");
  const Window main = WaitForDrawWindow(rvo);
  WaitForWindowRect(main, screen);
  main.PostKey(VK_ESCAPE);
  WaitUntil([&] { return main.WindowRect().Width() < screen.Width(); }, "the window back");
  WaitUntil([&] { return install.IniValue(L"Draw", L"fullscreen") == L"0"; }, "leaving saved");
}

}  // namespace
}  // namespace ravelo::e2e
