// rvostyle end to end: start-up without a file, the preview against rvo,
// dragging a label with the real mouse, each button (save, restore,
// minimise, cancel), a read-only file, the title's menu with the colour
// dialog and the launches, and rvo showing what was saved. Where a released
// label lands and what is written are proven by the unit tests of the style
// core.
#include <gtest/gtest.h>

#include "rvo_parts.h"
#include "style/win/style_controls.h"

namespace ravelo::e2e {
namespace {

namespace ids = ravelo::style_controls;
using rvo::Content;
using rvo::DragBy;
using rvo::InContent;
using rvo::frame::kCaption;

constexpr wchar_t kSaved[] = L"保存显示风格成功";

class StyleEditor : public ::testing::Test {
 protected:
  Window StartEditor() {
    editor_.emplace(install_.Start(L"rvostyle.exe"));
    const Window main = editor_->WaitForWindow({.className = ids::kWindowClass});
    main.WaitUntilPainted();
    return main;
  }
  static void Click(const Window& main, int id) { mouse::Click(main.ChildById(id).WindowRect().Center()); }
  void ChooseMenuItem(const Window& main, int item) const {  // the title's menu
    rvo::ChooseMenuItem(*editor_, main, main.ChildById(rvo::frame::kTitle).WindowRect().Center(), item);
  }

  Installation install_;
  std::optional<Process> editor_;
};

TEST_F(StyleEditor, WithoutConfigurationFileWarnsAndEnds) {
  install_.Remove(Installation::kConfigFile);
  Process editor = install_.Start(L"rvostyle.exe");
  EXPECT_EQ(editor.AnswerMessage(), L"找不到配置文件,请运行配置程序重新配置");
  EXPECT_EQ(editor.ExpectExit(), 0u);
}

// The preview looks exactly like rvo.
TEST_F(StyleEditor, ThePreviewIsRvoAndADraggedCaptionIsSavedRestoredAndShownByRvo) {
  install_.SetIniValue(L"Form", L"smc", L"0");
  install_.SetIniValue(L"Style", L"captionleft", L"40");
  install_.SetIniValue(L"Style", L"texttop", L"200");
  Image drawn;
  {
    Process rvo = install_.Start(L"rvo.exe");
    const Window main = rvo::WaitForDrawWindow(rvo);
    main.WaitUntilPainted();
    drawn = CaptureScreen(Content(main).ClientRect());
  }
  const Window main = StartEditor();
  const Image preview = CaptureScreen(Content(main).ClientRect());
  EXPECT_EQ(preview.Width(), drawn.Width());
  EXPECT_TRUE(preview.Pixels() == drawn.Pixels()) << "the preview differs from rvo's window";

  // A caption dragged past the edge is saved inside, restored, minimised, and
  // shown by rvo.
  const Window caption = Content(main).ChildById(kCaption);
  const Rect before = InContent(main, caption);
  const int dx = -before.left - before.Width() / 2 - 40;
  DragBy(caption, {dx, 7});
  WaitUntil([&] { return InContent(main, caption).left == 1; }, "the caption did not settle at left 1");
  Click(main, ids::kSave);
  EXPECT_EQ(editor_->AnswerMessage(), kSaved);
  EXPECT_EQ(install_.IniValue(L"Style", L"captionleft"), L"1");

  // Restore returns to the place at start-up, not to the save.
  const Rect saved = InContent(main, caption);
  DragBy(caption, {20, 20});
  Click(main, ids::kRestore);
  WaitUntil([&] { return InContent(main, caption) == before; }, "the caption did not return to its place at start-up");
  Click(main, ids::kMinimize);
  WaitUntil([&] { return IsIconic(main.Handle()) != FALSE; }, "the window was not minimised");
  ShowWindow(main.Handle(), SW_RESTORE);
  main.WaitUntilPainted();
  // Cancel writes nothing: rvo shows the caption where it was saved.
  Click(main, ids::kCancel);
  editor_->ExpectExit();
  Process rvo = install_.Start(L"rvo.exe");
  const Window draw = rvo::WaitForDrawWindow(rvo);
  EXPECT_EQ(InContent(draw, Content(draw).ChildById(kCaption)), saved);
}

// Where rvo's command buttons stand (shown by the shipped file) the preview
// draws dotted outlines, black dots on white, over picture and labels.
TEST_F(StyleEditor, ThePreviewOutlinesWhereTheCommandButtonsStand) {
  std::vector<Rect> buttons;
  {
    Process rvo = install_.Start(L"rvo.exe");
    const Window draw = rvo::WaitForDrawWindow(rvo);
    for (int i = 1; i <= 4; ++i) buttons.push_back(InContent(draw, rvo::CommandButton(draw, i)));
  }
  const Window main = StartEditor();
  const Point origin = Content(main).ClientRect().TopLeft();
  for (const Rect& button : buttons) {
    const Image top = CaptureScreen(Rect::FromSize(button.left, button.top, button.Width(), 1).Offset(origin));
    const Image bottom = CaptureScreen(Rect::FromSize(button.left, button.bottom - 1, button.Width(), 1).Offset(origin));
    for (const Image* edge : {&top, &bottom}) {
      EXPECT_GE(edge->Count(Color{0, 0, 0}), button.Width() / 3) << testing::PrintToString(button);
      EXPECT_GE(edge->Count(Color{255, 255, 255}), button.Width() / 3) << testing::PrintToString(button);
    }
  }
}

// The frame colour item takes the colour dialog's choice into the preview
// (what each colour item saves is rvocfg's test of the two programs' saves);
// a read-only file then is reported and left as it was. The menu starts rvo
// and reports a missing rvocfg.
TEST_F(StyleEditor, TheMenuTakesColoursFromTheDialogAndStartsTheOtherPrograms) {
  install_.Remove(L"bin\\rvocfg.exe");
  const Window main = StartEditor();
  ChooseMenuItem(main, 2);
  rvo::ChooseColour(*editor_, {255, 0, 0});
  WaitForPixel(rvo::BodyPoint(main), Color{255, 0, 0});

  const std::string saved = install_.ReadBytes(Installation::kConfigFile);
  install_.SetReadOnly(Installation::kConfigFile, true);
  DragBy(Content(main).ChildById(kCaption), {30, 30});
  Click(main, ids::kSave);
  EXPECT_EQ(editor_->AnswerMessage(), L"保存显示风格失败,请尝试去除程序系统文件夹只读属性");
  install_.SetReadOnly(Installation::kConfigFile, false);
  EXPECT_EQ(install_.ReadBytes(Installation::kConfigFile), saved);

  ChooseMenuItem(main, 4);
  EXPECT_EQ(editor_->AnswerMessage(), L"无法启动配置程序rvocfg.exe,请检查程序文件夹");
  ChooseMenuItem(main, 3);
  rvo::CloseCompanion(L"rvo.exe");
  EXPECT_TRUE(editor_->IsRunning());
}

}  // namespace
}  // namespace ravelo::e2e
