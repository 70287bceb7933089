// The windows on a 1920 x 1080 screen at 150 % (144 DPI) against 96 DPI: rvo
// shows its design at one and a half times its size, centred (run.sh starts
// these tests on their own screen and compares the two pictures of rvo saved
// here); rvocfg's form grows alike; rvostyle saves in design pixels.
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

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

bool Overlap(const Rect& a, const Rect& b) {
  return std::max(a.left, b.left) < std::min(a.right, b.right) && std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

Image ShootRvo(DWORD dpi, const std::wstring& path, Rect* content = nullptr, Rect* window = nullptr) {
  const ScopedLogPixels logPixels(dpi);
  const Installation install;
  const Process rvo = install.Start(L"rvo.exe");
  const Window main = WaitForDrawWindow(rvo);
  main.WaitUntilPainted();
  if (window) *window = main.WindowRect();
  if (content) {
    *content = Content(main).WindowRect();
    const Rect text = TextLine(main).WindowRect();
    EXPECT_TRUE(Inside(text, *content)) << "the text line leaves the content area";
    for (int i = 1; i <= 4; ++i) EXPECT_FALSE(Overlap(text, CommandButton(main, i).WindowRect())) << "button " << i;
  }
  Image shot = main.CaptureWindow();
  EXPECT_TRUE(shot.SaveBmp(path));
  return shot;
}

TEST(RvoHighDpi, ShowsTheDesignOneAndAHalfTimesAsLarge) {
  const char* folder = std::getenv("RAVELO_DPI_SHOTS");
  ASSERT_NE(folder, nullptr) << "run by tests/e2e/dpi/run.sh";
  const std::wstring shots = FromUtf8(folder);
  const Image design = ShootRvo(96, shots + L"\\rvo-96.bmp");
  EXPECT_EQ(design.Width(), 611);

  Rect content;
  Rect window;
  ShootRvo(144, shots + L"\\rvo-144.bmp", &content, &window);
  EXPECT_EQ(content.Width(), 900);
  EXPECT_EQ(content.Height(), 675);
  const Rect screen = ScreenBounds();
  EXPECT_EQ(window.TopLeft(), (Point{(screen.Width() - window.Width()) / 2, (screen.Height() - window.Height()) / 2}));
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
  std::optional<Process> editor;
  std::optional<ScopedLogPixels> logPixels(144);
  editor.emplace(install.Start(L"rvostyle.exe"));
  const Window main = editor->WaitForWindow({.className = L"RaveloStyleWindow"});
  logPixels.reset();
  main.WaitUntilPainted();
  const Window content = Content(main);
  const Window caption = content.ChildById(kCaptionId);
  const Point from = caption.WindowRect().Center();
  mouse::Drag(from, from + Point{31, 17}, MouseButton::Left, 20);
  mouse::Click(main.ChildById(110).WindowRect().Center());  // save
  editor->WaitForMessageBox(L"Ravelo").Press(IDOK);
  const Point origin = content.ClientRect().TopLeft();
  const Rect shown = caption.WindowRect().Offset({-origin.x, -origin.y});
  EXPECT_EQ(install.IniValue(L"Style", L"captionleft"), std::to_wstring(std::lround(shown.left / 1.5)));
  EXPECT_EQ(install.IniValue(L"Style", L"captiontop"), std::to_wstring(std::lround(shown.top / 1.5)));
}

}  // namespace
}  // namespace ravelo::e2e
