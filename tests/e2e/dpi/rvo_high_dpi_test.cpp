// The windows on a 1920 x 1080 screen at 150 % (144 DPI) against 96 DPI: rvo
// shows its design one and a half times as large, centred; rvocfg's form
// grows alike; rvostyle saves a dragged label in design pixels.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "rvo_parts.h"
#include "style/win/style_controls.h"

namespace ravelo::e2e {
namespace {

using namespace rvo;

// The display's DPI for the programs started from now on: Wine reads
// HKCU\Control Panel\Desktop\LogPixels when a process starts. The prefix is
// this suite's own (run.sh), so each test sets the value it needs.
void SetLogPixels(DWORD dpi) {
  ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi, sizeof dpi),
            ERROR_SUCCESS);
}

// The mean difference, 0..1 of full scale, between a picture and one 1.5
// times as large, over areas of the same size: each 2 x 2 block of the small
// one against the 3 x 3 block of the large one, channel by channel.
double MeanDifference(const Image& small, const Image& large) {
  const auto blockSum = [](const Image& image, int x, int y, int side, int shift) {
    int sum = 0;
    for (int j = 0; j < side; ++j)
      for (int i = 0; i < side; ++i) sum += static_cast<int>(image.Pixels()[(y + j) * image.Width() + x + i] >> shift & 0xFF);
    return sum;
  };
  double total = 0;
  int blocks = 0;
  for (int y = 0; y + 2 <= small.Height() && y / 2 * 3 + 3 <= large.Height(); y += 2)
    for (int x = 0; x + 2 <= small.Width() && x / 2 * 3 + 3 <= large.Width(); x += 2, ++blocks)
      for (const int shift : {0, 8, 16})
        total += std::abs(blockSum(small, x, y, 2, shift) / 4.0 - blockSum(large, x / 2 * 3, y / 2 * 3, 3, shift) / 9.0);
  return blocks > 0 ? total / (255.0 * 3 * blocks) : 1.0;
}

// Saves a picture as a binary PPM in the folder RAVELO_DPI_SHOTS names, if any
// (run.sh: build/win/dpi), to look at beside the other.
void Keep(const Image& image, const std::string& name) {
  const char* folder = std::getenv("RAVELO_DPI_SHOTS");
  if (!folder) return;
  std::ofstream out(std::filesystem::path(FromUtf8(folder)) / FromUtf8(name), std::ios::binary);
  out << "P6\n" << image.Width() << ' ' << image.Height() << "\n255\n";
  for (const std::uint32_t pixel : image.Pixels()) {
    const char rgb[] = {static_cast<char>(pixel >> 16), static_cast<char>(pixel >> 8), static_cast<char>(pixel)};
    out.write(rgb, 3);
  }
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
    Keep(shot[dpi == 144], "rvo-" + std::to_string(dpi) + ".ppm");
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

}  // namespace
}  // namespace ravelo::e2e
