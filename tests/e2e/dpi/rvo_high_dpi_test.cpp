// The windows on a 1920 x 1080 screen at 150 % (144 DPI) against 96 DPI: rvo
// shows its design one and a half times as large, centred (run.sh compares
// the two pictures of it saved here); rvocfg's form grows alike; rvostyle
// saves a dragged label in design pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "rvo_parts.h"
#include "style/win/style_controls.h"

namespace ravelo::e2e {
namespace {

using namespace rvo;

// The display's DPI for the programs started while this lives: Wine reads
// HKCU\Control Panel\Desktop\LogPixels when a process starts.
class ScopedLogPixels {
 public:
  explicit ScopedLogPixels(DWORD dpi) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kKey, kValue, RRF_RT_REG_DWORD, nullptr, &value, &size) == ERROR_SUCCESS)
      previous_ = value;
    RegSetKeyValueW(HKEY_CURRENT_USER, kKey, kValue, REG_DWORD, &dpi, sizeof dpi);
  }
  ScopedLogPixels(const ScopedLogPixels&) = delete;
  ScopedLogPixels& operator=(const ScopedLogPixels&) = delete;
  ~ScopedLogPixels() {
    if (previous_) RegSetKeyValueW(HKEY_CURRENT_USER, kKey, kValue, REG_DWORD, &*previous_, sizeof(DWORD));
    else RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, kValue);
  }

 private:
  static constexpr wchar_t kKey[] = L"Control Panel\\Desktop";
  static constexpr wchar_t kValue[] = L"LogPixels";
  std::optional<DWORD> previous_;
};

// A picture as a binary PPM, which ImageMagick reads.
void SavePpm(const Image& image, const std::wstring& path) {
  std::ofstream out(std::filesystem::path(path), std::ios::binary);
  out << "P6\n" << image.Width() << ' ' << image.Height() << "\n255\n";
  for (const std::uint32_t pixel : image.Pixels()) {
    const char rgb[] = {static_cast<char>(pixel >> 16), static_cast<char>(pixel >> 8), static_cast<char>(pixel)};
    out.write(rgb, 3);
  }
  ASSERT_TRUE(out.good()) << ToUtf8(path);
}

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

bool Apart(const Rect& a, const Rect& b) {
  return a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
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
    SavePpm(main.CaptureWindow(), FromUtf8(shots) + L"\\rvo-" + std::to_wstring(dpi) + L".ppm");
    if (dpi == 96) continue;
    const Rect content = Content(main).WindowRect();
    EXPECT_EQ(content.Width(), 900);
    EXPECT_EQ(content.Height(), 675);
    const Rect text = TextLine(main).WindowRect();
    EXPECT_TRUE(Inside(text, content)) << "the text line leaves the content area";
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(Apart(text, CommandButton(main, i).WindowRect())) << i;
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
  const Window main = editor.WaitForWindow({.className = style_controls::kWindowClass});
  logPixels.reset();
  main.WaitUntilPainted();
  const Window caption = Content(main).ChildById(frame::kCaption);
  const Point from = caption.WindowRect().Center();
  mouse::Drag(from, from + Point{31, 17}, 20);
  mouse::Click(main.ChildById(style_controls::kSave).WindowRect().Center());
  EXPECT_EQ(editor.AnswerMessage(), L"保存显示风格成功");
  const Point origin = Content(main).ClientRect().TopLeft();
  const Rect shown = caption.WindowRect().Offset({-origin.x, -origin.y});
  EXPECT_EQ(install.IniValue(L"Style", L"captionleft"), std::to_wstring(std::lround(shown.left / 1.5)));
  EXPECT_EQ(install.IniValue(L"Style", L"captiontop"), std::to_wstring(std::lround(shown.top / 1.5)));
}

}  // namespace
}  // namespace ravelo::e2e
