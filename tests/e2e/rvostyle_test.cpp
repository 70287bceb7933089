// rvostyle end to end: start-up, dragging a label with the real mouse, each
// button (save, restore, minimise, cancel), a read-only file, the title's
// menu with the colour dialog and the launches, and rvo showing what the
// editor saved. Where a released label lands and what is written are proven
// by the unit tests of the style core.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "bench/bench.h"
#include "rvo_parts.h"

namespace ravelo::e2e {
namespace {

constexpr wchar_t kStyleClass[] = L"RaveloStyleWindow";
constexpr int kSaveId = 110;     // LB_S
constexpr int kRestoreId = 111;  // LB_R
constexpr int kMinimizeId = 112;  // LB_M
constexpr int kCancelId = 113;   // LB_C
constexpr wchar_t kSaved[] = L"保存显示风格成功";
constexpr wchar_t kSaveFailed[] = L"保存显示风格失败,请尝试去除程序系统文件夹只读属性";

class StyleEditor : public ::testing::Test {
 protected:
  Window StartEditor() {
    editor_.emplace(install_.Start(L"rvostyle.exe"));
    Window main = editor_->WaitForWindow({.className = kStyleClass});
    main.WaitUntilPainted();
    return main;
  }
  static Window Content(const Window& main) { return main.ChildById(rvo::kContentId); }
  static Window Caption(const Window& main) { return Content(main).ChildById(rvo::kCaptionId); }
  static Window TextLine(const Window& main) { return Content(main).ChildById(rvo::kTextId); }

  // A label's rectangle in the content area's client coordinates.
  static Rect InContent(const Window& main, const Window& label) {
    const Point origin = Content(main).ClientRect().TopLeft();
    return label.WindowRect().Offset({-origin.x, -origin.y});
  }

  // Drags a label by its centre by (dx, dy) with the real mouse.
  static void DragBy(const Window& label, int dx, int dy) {
    const Point from = label.WindowRect().Center();
    mouse::Drag(from, from + Point{dx, dy}, MouseButton::Left, 20);
  }

  static void ClickLabelButton(const Window& main, int id) { mouse::Click(main.ChildById(id).WindowRect().Center()); }

  // Saves and answers the message; returns its text.
  std::wstring Save(const Window& main) {
    ClickLabelButton(main, kSaveId);
    MessageBoxWindow box = editor_->WaitForMessageBox(L"Ravelo");
    const std::wstring text = box.Text();
    last_icon_ = box.Icon();
    box.Press(IDOK);
    return text;
  }

  std::wstring Style(const wchar_t* key) const { return install_.IniValue(L"Style", key); }

  Installation install_;
  std::optional<Process> editor_;  // started by StartEditor
  MessageBoxIcon last_icon_ = MessageBoxIcon::None;
};

TEST_F(StyleEditor, WithoutConfigurationFileWarnsAndEnds) {
  install_.Remove(Installation::kConfigFile);
  Process editor = install_.Start(L"rvostyle.exe");
  MessageBoxWindow box = editor.WaitForMessageBox(L"Ravelo");
  EXPECT_EQ(box.Text(), L"找不到配置文件,请运行配置程序重新配置");
  EXPECT_EQ(box.Icon(), MessageBoxIcon::Warning);
  EXPECT_FALSE(editor.FindOneWindow({.className = kStyleClass}).has_value());
  box.Press(IDOK);
  EXPECT_EQ(editor.ExpectExit(), 0u);
  EXPECT_FALSE(install_.Exists(Installation::kConfigFile));
}

TEST_F(StyleEditor, ThePreviewLooksExactlyLikeRvo) {
  install_.SetIniValue(L"Form", L"smc", L"0");
  install_.SetIniValue(L"Style", L"captiontop", L"30");
  install_.SetIniValue(L"Style", L"captionleft", L"40");
  install_.SetIniValue(L"Style", L"texttop", L"200");
  install_.SetIniValue(L"Style", L"textleft", L"90");
  Image drawn;
  {
    Process rvo = install_.Start(L"rvo.exe");
    Window main = rvo::WaitForDrawWindow(rvo);
    main.WaitUntilPainted();
    drawn = Content(main).CaptureClient();
    main.PostKey(VK_ESCAPE);
    rvo.ExpectExit();
  }
  const Image preview = Content(StartEditor()).CaptureClient();
  ASSERT_EQ(preview.Width(), drawn.Width());
  ASSERT_EQ(preview.Height(), drawn.Height());
  int differing = 0;
  for (int y = 0; y < drawn.Height(); ++y)
    for (int x = 0; x < drawn.Width(); ++x) differing += !(preview.At(x, y) == drawn.At(x, y));
  EXPECT_EQ(differing, 0);
}

TEST_F(StyleEditor, CaptionDraggedPastTheLeftEdgeIsSavedAtOneRestoredAndShownByRvo) {
  const Window main = StartEditor();
  const Window caption = Caption(main);
  const Rect before = InContent(main, caption);
  const Point grabbed = caption.WindowRect().Center();
  const int dx = -before.left - before.Width() / 2 - 40;
  mouse::MoveTo(grabbed);
  mouse::Press();
  for (int step = 1; step <= 20; ++step) {
    mouse::MoveTo(grabbed + Point{dx * step / 20, 7 * step / 20});
    Pause(Milliseconds{15});
  }
  // While moving, the point grabbed stays under the pointer and nothing bounds the label.
  WaitUntil([&] { return InContent(main, caption).TopLeft() == Point{before.left + dx, before.top + 7}; },
            kDefaultTimeout, [] { return std::string("the caption did not follow the pointer"); });
  mouse::Release();
  WaitUntil([&] { return InContent(main, caption).left == 1; }, kDefaultTimeout,
            [] { return std::string("the caption did not settle at left 1"); });
  EXPECT_EQ(InContent(main, caption).top, before.top + 7);

  EXPECT_EQ(Save(main), kSaved);
  EXPECT_EQ(last_icon_, MessageBoxIcon::Information);
  const std::string bytes = install_.ReadBytes(Installation::kConfigFile);
  // The field " 1   " loses its leading blank in the file, as with the platform's writer.
  EXPECT_NE(bytes.find("captionleft=1   \r\n"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("captiontop=" + std::to_string(before.top + 7) + " "), std::string::npos) << bytes;

  // Restore returns to the place at start-up, not to the save.
  const Rect saved = InContent(main, caption);
  DragBy(caption, 20, 20);
  ClickLabelButton(main, kRestoreId);
  WaitUntil([&] { return InContent(main, caption) == before; }, kDefaultTimeout,
            [] { return std::string("the caption did not return to its place at start-up"); });

  // rvo shows the caption where it was saved.
  ClickLabelButton(main, kCancelId);
  editor_->ExpectExit();
  Process rvo = install_.Start(L"rvo.exe");
  const Window draw = rvo::WaitForDrawWindow(rvo);
  EXPECT_EQ(InContent(draw, Caption(draw)), saved);
}

TEST_F(StyleEditor, MinimiseMinimisesAndCancelAfterADragLeavesTheFileAsItWas) {
  const std::string original = install_.ReadBytes(Installation::kConfigFile);
  const Window main = StartEditor();
  ClickLabelButton(main, kMinimizeId);
  WaitUntil([&] { return IsIconic(main.Handle()) != FALSE; }, kDefaultTimeout,
            [] { return std::string("the window was not minimised"); });
  ShowWindow(main.Handle(), SW_RESTORE);
  main.WaitUntilVisible(true);
  DragBy(TextLine(main), -40, -30);
  ClickLabelButton(main, kCancelId);
  EXPECT_EQ(editor_->ExpectExit(), 0u);
  EXPECT_EQ(install_.ReadBytes(Installation::kConfigFile), original);
}

TEST_F(StyleEditor, AReadOnlyFileIsReportedAndLeftUnchanged) {
  const std::string original = install_.ReadBytes(Installation::kConfigFile);
  const std::wstring path = install_.PathOf(Installation::kConfigFile);
  ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
  const Window main = StartEditor();
  DragBy(Caption(main), 30, 30);
  EXPECT_EQ(Save(main), kSaveFailed);
  EXPECT_EQ(last_icon_, MessageBoxIcon::Warning);
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(install_.ReadBytes(Installation::kConfigFile), original);
}

// Opens the title's menu and clicks its n-th item (of four, all alike high).
void ChooseMenuItem(const Process& editor, const Window& main, int item) {
  main.Activate();
  mouse::RightClick(main.ChildById(rvo::kTitleId).WindowRect().Center());
  const Window menu = editor.WaitForWindow({.className = rvo::kMenuClass});
  menu.WaitUntilPainted();
  const Rect r = menu.WindowRect();
  mouse::Click({r.left + r.Width() / 2, r.top + r.Height() * (2 * item - 1) / 8});
  menu.WaitUntilVisible(false);
}

// Answers the colour dialog with a colour typed into its red, green and blue boxes.
void ChooseColour(const Process& editor, Color colour) {
  const Window dialog = editor.WaitForWindow({.className = L"#32770"});
  const int values[] = {colour.r, colour.g, colour.b};
  for (int i = 0; i < 3; ++i) {
    const std::wstring text = std::to_wstring(values[i]);
    const Window box = dialog.ChildById(706 + i);  // the red, green and blue edit boxes
    DWORD_PTR result = 0;
    SendMessageTimeoutW(box.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                        2000, &result);
  }
  dialog.ChildById(IDOK).ClickButton();
  dialog.WaitUntilGone();
}

TEST_F(StyleEditor, BothColourItemsTakeTheColourDialogsChoice) {
  const Window main = StartEditor();
  ChooseMenuItem(*editor_, main, 1);
  ChooseColour(*editor_, {0, 255, 0});
  ChooseMenuItem(*editor_, main, 2);
  ChooseColour(*editor_, {255, 0, 0});
  WaitForPixel(main.ToScreen({2, 200}), Color{255, 0, 0});
  EXPECT_EQ(Save(main), kSaved);
  EXPECT_EQ(Style(L"caption"), L"65280");
  EXPECT_EQ(Style(L"form"), L"255");
}

TEST_F(StyleEditor, TheMenuStartsRvoAndReportsAMissingConfigProgram) {
  rvo::UseFixtureAs(install_, L"rvo.exe");
  install_.Remove(L"bin\\rvocfg.exe");
  const Window main = StartEditor();
  ChooseMenuItem(*editor_, main, 4);
  MessageBoxWindow box = editor_->WaitForMessageBox(L"Ravelo");
  EXPECT_EQ(box.Text(), L"无法启动配置程序rvocfg.exe,请检查程序文件夹");
  box.Press(IDOK);
  ChooseMenuItem(*editor_, main, 3);
  WaitUntil([] { return rvo::FindCompanion(L"rvo.exe").has_value(); }, kDefaultTimeout,
            [] { return std::string("rvo.exe did not start"); });
  EXPECT_TRUE(editor_->IsRunning());
}

}  // namespace
}  // namespace ravelo::e2e
