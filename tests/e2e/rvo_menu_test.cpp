// rvo's window menu and window boxes: the menu opens from the frame and the
// title but not from the content; its items in their order with their check
// marks; top-most on and off; the companion programs; the help picture;
// exit; and the hover drawing of the minimise and close boxes.
//
// A menu of another process cannot be read through its handle, so the tests
// read it from the screen: the rows of ink are its items, the grey lines its
// separators, ink in the check column a check mark, and each item's ink is
// compared with the caption drawn here in the menu font.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "rvo_parts.h"

namespace ravelo::e2e {
namespace {

using namespace rvo;

// --- Reading a menu from the screen ------------------------------------------------

bool IsInk(Color c) { return c.r + c.g + c.b < 300; }
bool IsSeparatorGrey(Color c) { return c.r + c.g + c.b >= 300 && c.r + c.g + c.b < 600; }

// The ink of an area, cut to its bounding box: true where there is ink.
struct InkMask {
  int width = 0;
  int height = 0;
  std::vector<bool> ink;

  // The share of pixels where two masks of the same size agree (0 when the
  // sizes differ).
  double Agreement(const InkMask& other) const {
    if (width != other.width || height != other.height || ink.empty()) return 0.0;
    size_t same = 0;
    for (size_t i = 0; i < ink.size(); ++i) same += ink[i] == other.ink[i] ? 1 : 0;
    return static_cast<double>(same) / static_cast<double>(ink.size());
  }
};

template <typename IsInkAt>
InkMask CutInk(int left, int top, int right, int bottom, IsInkAt isInk) {
  int x0 = right, y0 = bottom, x1 = left - 1, y1 = top - 1;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      if (!isInk(x, y)) continue;
      x0 = std::min(x0, x);
      y0 = std::min(y0, y);
      x1 = std::max(x1, x);
      y1 = std::max(y1, y);
    }
  }
  InkMask mask;
  if (x1 < x0) return mask;
  mask.width = x1 - x0 + 1;
  mask.height = y1 - y0 + 1;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) mask.ink.push_back(isInk(x, y));
  return mask;
}

// A caption as the menu draws it: the system's menu font, black on white.
InkMask CaptionInk(const std::wstring& caption) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  constexpr int kWidth = 400;
  constexpr int kHeight = 80;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  HGDIOBJ oldFont = SelectObject(dc, font);
  RECT all{0, 0, kWidth, kHeight};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  RECT text{10, 10, kWidth, kHeight};
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_SINGLELINE | DT_NOPREFIX);
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  InkMask mask = CutInk(0, 0, kWidth, kHeight, [&](int x, int y) {
    return IsInk(Color::FromColorref(RGB((pixels[y * kWidth + x] >> 16) & 0xFF, (pixels[y * kWidth + x] >> 8) & 0xFF,
                                         pixels[y * kWidth + x] & 0xFF)));
  });
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  DeleteObject(font);
  return mask;
}

struct MenuItemRows {
  int top = 0;
  int bottom = 0;  // exclusive
  int inkLeft = 0;
};

// A menu on the screen: its items (rows of ink), separators (rows of grey
// across most of the width) and each item's check mark.
class MenuPicture {
 public:
  explicit MenuPicture(Image image) : image_(std::move(image)) {
    const int w = image_.Width();
    for (int y = 1; y < image_.Height() - 1; ++y) {
      int inkLeft = -1;
      int grey = 0;
      for (int x = 1; x < w - 1; ++x) {
        const Color c = image_.At(x, y);
        if (IsInk(c) && inkLeft < 0) inkLeft = x;
        if (IsSeparatorGrey(c)) ++grey;
      }
      if (grey > w / 2) {
        separatorRows_.push_back(y);
        continue;
      }
      if (inkLeft < 0) continue;
      // Rows of one item lie close together; items are further apart.
      if (!items_.empty() && y - items_.back().bottom <= 3) {
        items_.back().bottom = y + 1;
        items_.back().inkLeft = std::min(items_.back().inkLeft, inkLeft);
      } else {
        items_.push_back({y, y + 1, inkLeft});
      }
    }
    // Text starts at about the same column in every item; a check mark
    // stands well left of it.
    for (const MenuItemRows& item : items_) textLeft_ = std::max(textLeft_, item.inkLeft);
  }

  size_t ItemCount() const { return items_.size(); }

  bool Checked(size_t item) const { return items_.at(item).inkLeft < textLeft_ - 6; }
  std::vector<bool> CheckMarks() const {
    std::vector<bool> marks;
    for (size_t i = 0; i < items_.size(); ++i) marks.push_back(Checked(i));
    return marks;
  }

  // The number of items above each separator.
  std::vector<int> SeparatorPlaces() const {
    std::vector<int> places;
    for (int row : separatorRows_) {
      const auto above = std::count_if(items_.begin(), items_.end(), [&](const MenuItemRows& i) { return i.bottom <= row; });
      if (places.empty() || places.back() != above) places.push_back(static_cast<int>(above));
    }
    return places;
  }

  InkMask CaptionInkOf(size_t item) const {
    const MenuItemRows& rows = items_.at(item);
    return CutInk(textLeft_ - 4, rows.top - 2, image_.Width() - 1, rows.bottom + 2,
                  [&](int x, int y) { return IsInk(image_.At(x, y)); });
  }

 private:
  Image image_;
  std::vector<MenuItemRows> items_;
  std::vector<int> separatorRows_;
  int textLeft_ = 0;
};

const std::vector<std::wstring> kCaptions{L"开启音乐", L"窗口置顶", L"不重复抽取", L"抽签记录",
                                          L"配置程序", L"编辑风格", L"操作帮助", L"退出"};

class RvoMenu : public ::testing::Test {
 protected:
  Process StartRvo() const { return install_.Start(L"rvo.exe"); }

  // Opens the menu from the body, reads it and closes it again.
  static MenuPicture ReadMenu(const Process& rvo, const Window& main) {
    const Window menu = OpenMenuAt(rvo, main, BodyPoint(main));
    menu.WaitUntilPainted();
    MenuPicture picture(menu.CaptureWindow());
    CloseMenu(menu);
    return picture;
  }

  static void CloseMenu(const Window& menu) {
    keyboard::Press(VK_ESCAPE);
    WaitUntil([&] { return !menu.Exists() || !menu.IsVisible(); }, kDefaultTimeout,
              [] { return std::string("the menu stayed open"); });
  }

  static bool MenuOpensAt(const Process& rvo, const Window& main, Point screen) {
    main.Activate();
    mouse::RightClick(screen);
    const bool opened = PollUntil([&] { return FindMenu(rvo).has_value(); }, Milliseconds{600});
    if (opened) CloseMenu(*FindMenu(rvo));
    return opened;
  }

  Installation install_;
};

// --- The menu ------------------------------------------------------------------------

TEST_F(RvoMenu, OpensFromTheFrameAndTheTitleButNotFromTheContent) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  main.WaitUntilPainted();
  const Rect window = main.WindowRect();
  EXPECT_TRUE(MenuOpensAt(rvo, main, BodyPoint(main))) << "left strip of the body";
  EXPECT_TRUE(MenuOpensAt(rvo, main, {window.left + 300, window.bottom - 3})) << "bottom strip of the body";
  EXPECT_TRUE(MenuOpensAt(rvo, main, {window.left + 300, window.top + 15})) << "title row";
  EXPECT_TRUE(MenuOpensAt(rvo, main, main.ChildById(kTitleId).WindowRect().Center())) << "title label";

  const Window content = Content(main);
  EXPECT_FALSE(MenuOpensAt(rvo, main, content.ToScreen({40, 40}))) << "content area";
  EXPECT_FALSE(MenuOpensAt(rvo, main, TextLine(main).WindowRect().Center())) << "text line";
  EXPECT_FALSE(MenuOpensAt(rvo, main, content.ChildById(kCaptionId).WindowRect().Center())) << "caption";
  EXPECT_FALSE(MenuOpensAt(rvo, main, CommandButton(main, 1).WindowRect().Center())) << "command button";
  // A left press on the body opens nothing either.
  mouse::Click(BodyPoint(main));
  EXPECT_FALSE(PollUntil([&] { return FindMenu(rvo).has_value(); }, Milliseconds{400}));
}

TEST_F(RvoMenu, ListsItsItemsInOrderWithTheMusicChecked) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  const MenuPicture menu = ReadMenu(rvo, main);
  ASSERT_EQ(menu.ItemCount(), kCaptions.size());
  EXPECT_EQ(menu.SeparatorPlaces(), (std::vector<int>{4, 6}));
  EXPECT_EQ(menu.CheckMarks(), (std::vector<bool>{true, false, false, false, false, false, false, false}));
  for (size_t i = 0; i < kCaptions.size(); ++i) {
    const InkMask expected = CaptionInk(kCaptions[i]);
    const InkMask shown = menu.CaptionInkOf(i);
    EXPECT_GT(shown.Agreement(expected), 0.95) << "item " << i + 1 << " is not " << ToUtf8(kCaptions[i]) << " (ink "
                                                << shown.width << "x" << shown.height << ", expected "
                                                << expected.width << "x" << expected.height << ")";
    // The reading can tell captions apart.
    if (i > 0) {
      EXPECT_LT(shown.Agreement(CaptionInk(kCaptions[i - 1])), 0.95);
    }
  }
}

TEST_F(RvoMenu, TheMusicItemTogglesItsCheckAndReloadChecksItAgain) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  ChooseMenuItem(rvo, main, MenuItem::Music);
  EXPECT_FALSE(ReadMenu(rvo, main).Checked(0));
  ChooseMenuItem(rvo, main, MenuItem::Music);
  EXPECT_TRUE(ReadMenu(rvo, main).Checked(0));
  ChooseMenuItem(rvo, main, MenuItem::Music);
  main.PostKey('1');
  EXPECT_TRUE(PollUntil([&] { return ReadMenu(rvo, main).Checked(0); }, kDefaultTimeout))
      << "reload did not turn the music on again";
}

TEST_F(RvoMenu, TopMostGoesOnAndOffWithItsCheckMark) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  EXPECT_FALSE(main.IsTopmost());
  ChooseMenuItem(rvo, main, MenuItem::TopMost);
  main.WaitUntilTopmost(true);
  EXPECT_EQ(ReadMenu(rvo, main).CheckMarks(), (std::vector<bool>{true, true, false, false, false, false, false, false}));
  ChooseMenuItem(rvo, main, MenuItem::TopMost);
  main.WaitUntilTopmost(false);
  EXPECT_EQ(ReadMenu(rvo, main).CheckMarks(), (std::vector<bool>{true, false, false, false, false, false, false, false}));
}

TEST_F(RvoMenu, TopMostFromTheSettingsIsCheckedAndTheMenuTakesItOff) {
  install_.SetIniValue(L"Form", L"top", L"1");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  main.WaitUntilTopmost(true);
  EXPECT_TRUE(ReadMenu(rvo, main).Checked(1));
  ChooseMenuItem(rvo, main, MenuItem::TopMost);
  main.WaitUntilTopmost(false);
  EXPECT_FALSE(ReadMenu(rvo, main).Checked(1));
  EXPECT_EQ(install_.IniValue(L"Form", L"top"), L"1") << "the menu never writes the file";
}

// --- Companion programs ------------------------------------------------------------

TEST_F(RvoMenu, TheConfigProgramStartsDuringADrawWhichGoesOn) {
  UseFixtureAs(install_, L"rvocfg.exe");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  main.PostKey(VK_RETURN);
  ASSERT_TRUE(TextLineChanges(main));
  ChooseMenuItem(rvo, main, MenuItem::ConfigProgram);
  WaitForWindow({.className = fixture::kClassName, .imageName = L"rvocfg.exe"});
  EXPECT_TRUE(TextLineChanges(main)) << "the draw stopped";
  EXPECT_EQ(ButtonStates(main), kDrawingButtons) << "the menu launch changed the command state";
  main.PostKey(VK_SPACE);
  EXPECT_TRUE(PollUntil([&] { return ButtonStates(main) == kIdleButtons; }, kDefaultTimeout));
}

TEST_F(RvoMenu, TheStyleEditorStartsAndAMissingOneIsReported) {
  UseFixtureAs(install_, L"rvostyle.exe");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  ChooseMenuItem(rvo, main, MenuItem::StyleEditor);
  const Window editor = WaitForWindow({.className = fixture::kClassName, .imageName = L"rvostyle.exe"});
  const Process editorProcess = Process::Attach(editor.ProcessId());
  PostMessageW(editor.Handle(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(editorProcess.WaitForExit());

  install_.Remove(L"bin\\rvostyle.exe");
  ChooseMenuItem(rvo, main, MenuItem::StyleEditor);
  MessageBoxWindow box = rvo.WaitForMessageBox(L"Ravelo");
  EXPECT_EQ(box.Text(), kStyleEditorFailed);
  EXPECT_EQ(box.Icon(), MessageBoxIcon::Warning);
  box.Press(IDOK);
  EXPECT_EQ(ButtonStates(main), kIdleButtons);
  main.PostKey(VK_RETURN);
  EXPECT_TRUE(TextLineChanges(main)) << "rvo did not go on";
  main.PostKey(VK_SPACE);
}

TEST_F(RvoMenu, AMissingConfigProgramIsReportedAndTheDrawGoesOn) {
  install_.Remove(L"bin\\rvocfg.exe");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  main.PostKey(VK_RETURN);
  ASSERT_TRUE(TextLineChanges(main));
  ChooseMenuItem(rvo, main, MenuItem::ConfigProgram);
  MessageBoxWindow box = rvo.WaitForMessageBox(L"Ravelo");
  EXPECT_EQ(box.Text(), kConfigProgramFailed);
  EXPECT_TRUE(TextLineChanges(main)) << "the draw waits behind the message";
  box.Press(IDOK);
  EXPECT_EQ(ButtonStates(main), kDrawingButtons);
  EXPECT_TRUE(TextLineChanges(main));
  main.PostKey(VK_SPACE);
}

// --- Help picture ----------------------------------------------------------------------

TEST_F(RvoMenu, TheHelpPictureCoversTheTopLeftCornerUntilClicked) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  EXPECT_FALSE(main.FindChild({.controlId = kHelpBoxId}).has_value()) << "shown before it was asked for";

  ChooseMenuItem(rvo, main, MenuItem::Help);
  const Window help = main.WaitForChild({.controlId = kHelpBoxId});
  const Window content = Content(main);
  EXPECT_EQ(help.Parent(), content);
  EXPECT_EQ(help.WindowRect(), Rect::FromSize(content.ClientRect().left, content.ClientRect().top, 250, 100));
  // The shipped picture: a light gradient inside a golden frame.
  WaitForPixel(help.ToScreen({0, 0}), Color{200, 160, 80}, kDefaultTimeout, 8);
  EXPECT_TRUE(ScreenPixel(help.ToScreen({120, 3})).Near(Color{255, 251, 230}, 12));

  // Twice: still the one picture.
  ChooseMenuItem(rvo, main, MenuItem::Help);
  Pause(Milliseconds{200});
  EXPECT_TRUE(help.IsVisible());
  EXPECT_EQ(help.WindowRect(), Rect::FromSize(content.ClientRect().left, content.ClientRect().top, 250, 100));
  EXPECT_EQ(content.Children({.controlId = kHelpBoxId, .visibleOnly = false}).size(), 1u);

  // Over it: the hand and the tooltip.
  mouse::MoveTo(help.ToScreen({125, 50}));
  EXPECT_TRUE(PointerLeavesTheArrow()) << "the arrow over the help picture";
  EXPECT_TRUE(TooltipShows(L"单击关闭"));

  // The draw and the keys go on while it shows.
  main.PostKey(VK_RETURN);
  EXPECT_TRUE(TextLineChanges(main));
  mouse::Click(help.ToScreen({125, 50}));
  help.WaitUntilVisible(false);
  EXPECT_TRUE(TextLineChanges(main)) << "the click on the picture stopped the draw";
  main.PostKey(VK_SPACE);
  EXPECT_TRUE(PollUntil([&] { return ButtonStates(main) == kIdleButtons; }, kDefaultTimeout));
}

TEST_F(RvoMenu, TheHelpPictureIsReadAfreshAndAMissingOneShowsNothing) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  install_.Remove(L"common\\helpbox.pte");
  ChooseMenuItem(rvo, main, MenuItem::Help);
  Pause(Milliseconds{300});
  EXPECT_FALSE(main.FindChild({.controlId = kHelpBoxId}).has_value());
  EXPECT_FALSE(rvo.FindMessageBox().has_value());

  // A picture of another size shows at its own size.
  install_.CopyIn(install_.PathOf(L"common\\but1.pte"), L"common\\helpbox.pte");
  ChooseMenuItem(rvo, main, MenuItem::Help);
  const Window help = main.WaitForChild({.controlId = kHelpBoxId});
  EXPECT_EQ(help.WindowRect().Width(), 48);
  EXPECT_EQ(help.WindowRect().Height(), 24);
}

// --- Exit --------------------------------------------------------------------------------

TEST_F(RvoMenu, ExitEndsTheProgramEvenDuringADraw) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  main.PostKey(VK_RETURN);
  ASSERT_TRUE(TextLineChanges(main));
  ChooseMenuItem(rvo, main, MenuItem::Exit);
  EXPECT_EQ(rvo.ExpectExit(), 0u);
}

// --- Window boxes ------------------------------------------------------------------------

// The close glyph over the body colour: white lines normally; with the
// pointer over the box, pen AND NOT screen: white AND NOT RGB(64, 0, 128).
constexpr Color kWhite{255, 255, 255};
constexpr Color kMaskedGlyph{191, 255, 127};

TEST_F(RvoMenu, TheCloseBoxDrawsItsHoverGlyphUntilThePointerLeavesHoweverFast) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  const Window close = main.ChildById(kCloseId);
  WaitForPixel(close.ToScreen({4, 4}), kWhite);
  mouse::MoveTo(close.ToScreen({7, 7}));
  WaitForPixel(close.ToScreen({4, 4}), kMaskedGlyph);
  WaitForPixel(close.ToScreen({10, 4}), kMaskedGlyph);
  // One jump far away: the box holds the mouse and sees the pointer leave.
  mouse::MoveTo({ScreenBounds().right - 2, ScreenBounds().bottom - 2});
  WaitForPixel(close.ToScreen({4, 4}), kWhite);
  EXPECT_TRUE(rvo.IsRunning());
}

TEST_F(RvoMenu, TheMinimiseBoxMinimisesAndKeepsItsNormalGlyph) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  const Window minimize = main.ChildById(kMinimizeId);
  mouse::MoveTo(minimize.ToScreen({5, 5}));
  WaitForPixel(minimize.ToScreen({4, 8}), kMaskedGlyph);
  mouse::Click(minimize.ToScreen({5, 5}));
  EXPECT_TRUE(PollUntil([&] { return IsIconic(main.Handle()) != FALSE; }, kDefaultTimeout));
  mouse::MoveTo({ScreenBounds().right - 2, ScreenBounds().bottom - 2});
  ShowWindow(main.Handle(), SW_RESTORE);
  main.WaitUntilVisible(true);
  WaitForPixel(minimize.ToScreen({4, 8}), kWhite);
  WaitForPixel(minimize.ToScreen({4, 4}), Color{64, 0, 128});
}

}  // namespace
}  // namespace ravelo::e2e
