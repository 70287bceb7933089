// rvo's window menu and window boxes: where the menu opens, its check marks,
// each item that is no draw option (top-most, the companion programs, the
// help picture, exit), and the minimise and close boxes with their hover
// glyphs. The items are chosen by their place with the keyboard, so each
// test also proves the order of the items it uses.
//
// A menu of another process cannot be read through its handle, so the tests
// read its check marks from the screen: the rows of ink are its items, and
// ink well left of the captions is a check mark.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "rvo_parts.h"

namespace ravelo::e2e {
namespace {

using namespace rvo;

bool IsInk(Color c) { return c.r + c.g + c.b < 300; }

// The check marks of a menu's items, read from its picture.
std::vector<bool> CheckMarks(const Image& menu) {
  struct Item {
    int bottom;
    int inkLeft;
  };
  std::vector<Item> items;
  for (int y = 1; y < menu.Height() - 1; ++y) {
    int inkLeft = -1;
    for (int x = 1; x < menu.Width() - 1 && inkLeft < 0; ++x)
      if (IsInk(menu.At(x, y))) inkLeft = x;
    if (inkLeft < 0) continue;
    // Rows of one item lie close together; items are further apart.
    if (!items.empty() && y - items.back().bottom <= 3) {
      items.back().bottom = y + 1;
      items.back().inkLeft = std::min(items.back().inkLeft, inkLeft);
    } else {
      items.push_back({y + 1, inkLeft});
    }
  }
  int textLeft = 0;
  for (const Item& item : items) textLeft = std::max(textLeft, item.inkLeft);
  std::vector<bool> marks;
  for (const Item& item : items) marks.push_back(item.inkLeft < textLeft - 6);
  return marks;
}

class RvoMenu : public ::testing::Test {
 protected:
  Process StartRvo() const { return install_.Start(L"rvo.exe"); }

  static void CloseMenu(const Window& menu) {
    keyboard::Press(VK_ESCAPE);
    WaitUntil([&] { return !menu.Exists() || !menu.IsVisible(); }, kDefaultTimeout,
              [] { return std::string("the menu stayed open"); });
  }

  // Opens the menu from the body, reads its check marks and closes it again.
  static std::vector<bool> ReadCheckMarks(const Process& rvo, const Window& main) {
    const Window menu = OpenMenuAt(rvo, main, BodyPoint(main));
    menu.WaitUntilPainted();
    std::vector<bool> marks = CheckMarks(menu.CaptureWindow());
    CloseMenu(menu);
    return marks;
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

TEST_F(RvoMenu, OpensFromTheFrameAndTheTitleButNotFromTheContent) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  main.WaitUntilPainted();
  const Rect window = main.WindowRect();
  EXPECT_TRUE(MenuOpensAt(rvo, main, {window.left + 300, window.bottom - 3})) << "bottom strip of the body";
  EXPECT_TRUE(MenuOpensAt(rvo, main, main.ChildById(kTitleId).WindowRect().Center())) << "title label";
  EXPECT_FALSE(MenuOpensAt(rvo, main, Content(main).ToScreen({40, 40}))) << "content area";
  EXPECT_FALSE(MenuOpensAt(rvo, main, TextLine(main).WindowRect().Center())) << "text line";
}

// Top-most from the settings is checked, and the menu takes it off and puts
// it on again without writing the file; the music item toggles its check.
TEST_F(RvoMenu, TheCheckMarksFollowTopMostAndMusic) {
  install_.SetIniValue(L"Form", L"top", L"1");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  main.WaitUntilTopmost(true);
  EXPECT_EQ(ReadCheckMarks(rvo, main), (std::vector<bool>{true, true, false, false, false, false, false, false}));
  ChooseMenuItem(rvo, main, MenuItem::TopMost);
  main.WaitUntilTopmost(false);
  ChooseMenuItem(rvo, main, MenuItem::Music);
  EXPECT_EQ(ReadCheckMarks(rvo, main), (std::vector<bool>{false, false, false, false, false, false, false, false}));
  ChooseMenuItem(rvo, main, MenuItem::TopMost);
  main.WaitUntilTopmost(true);
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
}

TEST_F(RvoMenu, TheStyleEditorStartsAndAMissingOneIsReported) {
  UseFixtureAs(install_, L"rvostyle.exe");
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  ChooseMenuItem(rvo, main, MenuItem::StyleEditor);
  const Window editor = WaitForWindow({.className = fixture::kClassName, .imageName = L"rvostyle.exe"});
  editor.PostClose();
  WaitUntil([&] { return install_.RunningProcesses().size() == 1; }, kDefaultTimeout,
            [] { return std::string("the style editor did not end"); });

  install_.Remove(L"bin\\rvostyle.exe");
  ChooseMenuItem(rvo, main, MenuItem::StyleEditor);
  MessageBoxWindow box = rvo.WaitForMessageBox(L"Ravelo");
  EXPECT_EQ(box.Text(), kStyleEditorFailed);
  EXPECT_EQ(box.Icon(), MessageBoxIcon::Warning);
  box.Press(IDOK);
  main.PostKey(VK_RETURN);
  EXPECT_TRUE(TextLineChanges(main)) << "rvo did not go on";
}

// --- Help picture ----------------------------------------------------------------------

TEST_F(RvoMenu, TheHelpPictureCoversTheTopLeftCornerUntilClickedAndIsReadAfresh) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
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
  EXPECT_EQ(content.Children({.controlId = kHelpBoxId, .visibleOnly = false}).size(), 1u);

  // Over it: the hand and the tooltip.
  mouse::MoveTo(help.ToScreen({125, 50}));
  EXPECT_TRUE(PointerLeavesTheArrow()) << "the arrow over the help picture";
  EXPECT_TRUE(TooltipShows(L"单击关闭"));

  // The draw goes on while it shows and when it is clicked away.
  main.PostKey(VK_RETURN);
  EXPECT_TRUE(TextLineChanges(main));
  mouse::Click(help.ToScreen({125, 50}));
  help.WaitUntilVisible(false);
  EXPECT_TRUE(TextLineChanges(main)) << "the click on the picture stopped the draw";

  // Read afresh each time: a picture that has gone shows nothing and says nothing.
  install_.Remove(L"common\\helpbox.pte");
  ChooseMenuItem(rvo, main, MenuItem::Help);
  Pause(Milliseconds{300});
  EXPECT_FALSE(help.IsVisible());
  EXPECT_FALSE(rvo.FindMessageBox().has_value());
}

TEST_F(RvoMenu, ExitEndsTheProgramEvenDuringADraw) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  main.PostKey(VK_RETURN);
  ASSERT_TRUE(TextLineChanges(main));
  ChooseMenuItem(rvo, main, MenuItem::Exit);
  EXPECT_EQ(rvo.ExpectExit(), 0u);
}

// --- Window boxes ------------------------------------------------------------------------

// The glyphs over the body colour: white lines normally; with the pointer
// over the box, pen AND NOT screen: white AND NOT RGB(64, 0, 128).
constexpr Color kWhite{255, 255, 255};
constexpr Color kMaskedGlyph{191, 255, 127};

TEST_F(RvoMenu, TheWindowBoxesDrawTheirHoverGlyphsMinimiseAndClose) {
  Process rvo = StartRvo();
  const Window main = WaitForDrawWindow(rvo);
  const Window minimize = main.ChildById(kMinimizeId);
  const Window close = main.ChildById(kCloseId);
  const Point farAway{ScreenBounds().right - 2, ScreenBounds().bottom - 2};

  mouse::MoveTo(minimize.ToScreen({5, 5}));
  WaitForPixel(minimize.ToScreen({4, 8}), kMaskedGlyph);
  mouse::Click(minimize.ToScreen({5, 5}));
  EXPECT_TRUE(PollUntil([&] { return IsIconic(main.Handle()) != FALSE; }, kDefaultTimeout));
  mouse::MoveTo(farAway);
  ShowWindow(main.Handle(), SW_RESTORE);
  main.WaitUntilVisible(true);
  WaitForPixel(minimize.ToScreen({4, 8}), kWhite);
  WaitForPixel(minimize.ToScreen({4, 4}), Color{64, 0, 128});

  WaitForPixel(close.ToScreen({4, 4}), kWhite);
  mouse::MoveTo(close.ToScreen({7, 7}));
  WaitForPixel(close.ToScreen({4, 4}), kMaskedGlyph);
  // One jump far away: the box holds the mouse and sees the pointer leave.
  mouse::MoveTo(farAway);
  WaitForPixel(close.ToScreen({4, 4}), kWhite);

  // The close box ends the program even during a draw.
  main.PostKey(VK_RETURN);
  ASSERT_TRUE(TextLineChanges(main));
  mouse::Click(close.WindowRect().Center());
  EXPECT_EQ(rvo.ExpectExit(), 0u);
}

}  // namespace
}  // namespace ravelo::e2e
