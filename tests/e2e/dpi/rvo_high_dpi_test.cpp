// The windows on a 1920 x 1080 screen at 150 % (144 DPI) against 96 DPI: rvo
// shows its design one and a half times as large, centred (run.sh compares
// the two pictures of it saved here); rvocfg's form grows alike; rvostyle
// saves a dragged label in design pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "bench/bench.h"
#include "bench/display_settings.h"
#include "rvo_parts.h"

namespace ravelo::e2e {
namespace {

using namespace rvo;

Rect Intersection(const Rect& a, const Rect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

TEST(HighDpi, RvoShowsItsDesignOneAndAHalfTimesAsLargeAndCentred) {
  const char* shots = std::getenv("RAVELO_DPI_SHOTS");
  ASSERT_NE(shots, nullptr) << "run by tests/e2e/dpi/run.sh";
  for (const DWORD dpi : {96u, 144u}) {
    const ScopedLogPixels logPixels(dpi);
    const Installation install;
    const Process rvo = install.Start(L"rvo.exe");
    const Window main = WaitForDrawWindow(rvo);
    main.WaitUntilPainted();
    EXPECT_TRUE(main.CaptureWindow().SaveBmp(FromUtf8(shots) + L"\\rvo-" + std::to_wstring(dpi) + L".bmp"));
    if (dpi == 96) continue;
    const Rect content = Content(main).WindowRect();
    EXPECT_EQ(content.Width(), 900);
    EXPECT_EQ(content.Height(), 675);
    const Rect text = TextLine(main).WindowRect();
    EXPECT_EQ(Intersection(text, content), text) << "the text line leaves the content area";
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(Intersection(text, CommandButton(main, i).WindowRect()).Empty()) << i;
    const Rect window = main.WindowRect();
    const Rect screen = ScreenBounds();
    EXPECT_EQ(window.TopLeft(), (Point{(screen.Width() - window.Width()) / 2, (screen.Height() - window.Height()) / 2}));
  }
}

TEST(HighDpi, RvocfgShowsItsFormOneAndAHalfTimesAsLarge) {
  Rect form[2];
  for (const DWORD dpi : {96u, 144u}) {
    const ScopedLogPixels logPixels(dpi);
    const Installation install;
    const Process rvocfg = install.Start(L"rvocfg.exe");
    form[dpi == 144] = rvocfg.WaitForWindow({.className = L"RaveloSettingsForm"}).WindowRect();
  }
  EXPECT_EQ(form[1].Width(), std::lround(form[0].Width() * 1.5));
  EXPECT_EQ(form[1].Height(), std::lround(form[0].Height() * 1.5));
}

TEST(HighDpi, RvostyleSavesADraggedLabelInDesignPixels) {
  const Installation install;
  std::optional<ScopedLogPixels> logPixels(144);
  const Process editor = install.Start(L"rvostyle.exe");
  const Window main = editor.WaitForWindow({.className = L"RaveloStyleWindow"});
  logPixels.reset();
  main.WaitUntilPainted();
  const Window caption = Content(main).ChildById(kCaptionId);
  const Point from = caption.WindowRect().Center();
  mouse::Drag(from, from + Point{31, 17}, MouseButton::Left, 20);
  mouse::Click(main.ChildById(110).WindowRect().Center());  // save
  editor.WaitForMessageBox(L"Ravelo").Press(IDOK);
  const Point origin = Content(main).ClientRect().TopLeft();
  const Rect shown = caption.WindowRect().Offset({-origin.x, -origin.y});
  EXPECT_EQ(install.IniValue(L"Style", L"captionleft"), std::to_wstring(std::lround(shown.left / 1.5)));
  EXPECT_EQ(install.IniValue(L"Style", L"captiontop"), std::to_wstring(std::lround(shown.top / 1.5)));
}

}  // namespace
}  // namespace ravelo::e2e
