// rvo on a 1920 x 1080 screen at 150 % (144 DPI) against the same window at
// 96 DPI: the design at one and a half times its size, centred. run.sh starts
// it on its own screen and compares the two window pictures saved here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
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

}  // namespace
}  // namespace ravelo::e2e
