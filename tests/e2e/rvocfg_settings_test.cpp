// rvocfg's settings form end to end: what it shows with and without a
// configuration file, OK refusing bad values and saving good ones (read back
// by rvo), a preset, cancel, a file that cannot be written, the colour and
// font dialogs, Tab, and a launch link whose program is missing. The rules
// themselves are proven by the unit tests of the settings model.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "bench/bench.h"
#include "config/win/settings_controls.h"
#include "rvo_parts.h"

namespace ravelo::e2e {
namespace {

namespace ids = ravelo::settings_controls;

constexpr wchar_t kMessageTitle[] = L"Ravelo";

std::wstring BoxText(const Window& box) { return box.Text(); }

void SetBoxText(const Window& box, const std::wstring& text) {
  DWORD_PTR result = 0;
  // The system carries WM_SETTEXT's string across processes.
  ASSERT_TRUE(SendMessageTimeoutW(box.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                                  SMTO_ABORTIFHUNG, 2000, &result));
}

bool IsChecked(const Window& checkBox) {
  DWORD_PTR state = 0;
  SendMessageTimeoutW(checkBox.Handle(), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &state);
  return state == BST_CHECKED;
}

class RvocfgSettings : public ::testing::Test {
 protected:
  // Starts rvocfg and waits for its form (answering no message first).
  Window StartForm() {
    process_.emplace(install_.Start(L"rvocfg.exe"));
    return process_->WaitForWindow({.className = ids::kWindowClass});
  }

  Window Box(const Window& form, int id) const { return form.ChildById(id); }

  // Clicks OK and returns the message it answers with, closed.
  MessageBoxWindow PressOk(const Window& form) const {
    form.ChildById(ids::PicId(11)).ClickButton();
    return process_->WaitForMessageBox(kMessageTitle);
  }

  Color SwatchColour(const Window& form, int index1) const {
    const Window swatch = form.ChildById(ids::PicId(index1));
    swatch.WaitUntilPainted();
    return ScreenPixel(swatch.WindowRect().Center());
  }

  Installation install_;
  std::optional<Process> process_;  // declared after the installation: it ends first
};

TEST_F(RvocfgSettings, WithoutAConfigurationFileWarnsAndShowsTheDefaults) {
  install_.Remove(Installation::kConfigFile);
  process_.emplace(install_.Start(L"rvocfg.exe"));
  MessageBoxWindow box = process_->WaitForMessageBox(kMessageTitle);
  EXPECT_EQ(box.Text(), L"找不到配置文件,系统将为您载入默认设置");
  EXPECT_EQ(box.Icon(), MessageBoxIcon::Warning);
  box.Press(IDOK);
  const Window form = process_->WaitForWindow({.className = ids::kWindowClass});
  EXPECT_EQ(form.Text(), ids::kWindowCaption);
  EXPECT_EQ(form.ClientRect().Width(), 649);
  EXPECT_EQ(form.ClientRect().Height(), 449);
  EXPECT_EQ(BoxText(Box(form, ids::kCaptionBox)), L"Ravelo");
  EXPECT_EQ(BoxText(Box(form, ids::kTextBox)), L"开始啦");
  EXPECT_EQ(BoxText(Box(form, ids::kSpeedBox)), L"10");
  EXPECT_EQ(BoxText(Box(form, ids::kWidthBox)), L"600");
  EXPECT_EQ(BoxText(Box(form, ids::kHeightBox)), L"450");
  EXPECT_TRUE(IsChecked(Box(form, ids::kShowButtons)));
  EXPECT_FALSE(IsChecked(Box(form, ids::kStayOnTop)));
  EXPECT_EQ(SwatchColour(form, 1), (Color{255, 0, 0}));
  EXPECT_EQ(SwatchColour(form, 3), (Color{64, 0, 128}));
  EXPECT_FALSE(install_.Exists(Installation::kConfigFile)) << "nothing is written before OK";
}

TEST_F(RvocfgSettings, ShowsTheValuesOfTheConfigurationFile) {
  install_.WriteGbk(Installation::kConfigFile,
                    L"[Form]\r\ncaption=年会抽奖\r\ntext=准备\r\nbgpic=0\r\nbrmic=C:\\a.wav\r\nsmc=0\r\ntop=1\r\n"
                    L"[Time]\r\ntime=25\r\n[Color]\r\ncaption=65280\r\n[Style]\r\nwidth=abc\r\nheight=500\r\n");
  const Window form = StartForm();
  EXPECT_EQ(BoxText(Box(form, ids::kCaptionBox)), L"年会抽奖");
  EXPECT_EQ(BoxText(Box(form, ids::kPictureBox)), L"");
  EXPECT_EQ(BoxText(Box(form, ids::kMusicBox)), L"C:\\a.wav");
  EXPECT_EQ(BoxText(Box(form, ids::kSpeedBox)), L"25");
  EXPECT_EQ(BoxText(Box(form, ids::kWidthBox)), L"abc");
  EXPECT_FALSE(IsChecked(Box(form, ids::kShowButtons)));
  EXPECT_TRUE(IsChecked(Box(form, ids::kStayOnTop)));
  EXPECT_EQ(SwatchColour(form, 1), (Color{0, 255, 0}));
  EXPECT_EQ(SwatchColour(form, 3), (Color{0, 0, 0})) << "a missing colour shows black";
}

TEST_F(RvocfgSettings, OkRefusesEachBadValueEmptiesItsBoxAndWritesNothing) {
  const Window form = StartForm();
  const std::string before = install_.ReadBytes(Installation::kConfigFile);
  struct Case {
    int box;
    const wchar_t* value;
    const wchar_t* message;
  };
  const Case cases[] = {
      {ids::kSpeedBox, L"51", L"抽签间隔的范围是1—50,请重新输入"},
      {ids::kWidthBox, L"1005", L"界面宽度不小于250或不超过1004,请重新输入"},  // a 1024 x 768 screen
      {ids::kHeightBox, L"99", L"界面高度度不小于100或不超过668,请重新输入"},
  };
  for (const Case& c : cases) {
    SetBoxText(Box(form, ids::kSpeedBox), L"10");
    SetBoxText(Box(form, ids::kWidthBox), L"600");
    SetBoxText(Box(form, ids::kHeightBox), L"450");
    SetBoxText(Box(form, c.box), c.value);
    MessageBoxWindow box = PressOk(form);
    EXPECT_EQ(box.Text(), c.message);
    EXPECT_EQ(box.Icon(), MessageBoxIcon::Warning);
    box.Press(IDOK);
    EXPECT_EQ(BoxText(Box(form, c.box)), L"") << c.message;
    EXPECT_EQ(form.Focus().ControlId(), c.box) << c.message;
  }
  EXPECT_EQ(install_.ReadBytes(Installation::kConfigFile), before);
}

TEST_F(RvocfgSettings, OkSavesEveryFieldPaddedAndRvoShowsTheNewLook) {
  const Window form = StartForm();
  SetBoxText(Box(form, ids::kCaptionBox), L"年会抽奖");
  SetBoxText(Box(form, ids::kSpeedBox), L"5a");
  SetBoxText(Box(form, ids::kWidthBox), L"700");
  form.ChildById(ids::PicId(6)).ClickButton();  // the black preset
  MessageBoxWindow box = PressOk(form);
  EXPECT_EQ(box.Text(), L"修改成功,但您已经修改显示窗口的大小.\r\n标题和内容的显示位置已还原.");
  EXPECT_EQ(box.Icon(), MessageBoxIcon::Information);
  box.Press(IDOK);
  EXPECT_EQ(BoxText(Box(form, ids::kSpeedBox)), L"5");

  const std::wstring file = install_.ReadGbk(Installation::kConfigFile);
  for (const std::wstring& line :
       {L"caption=年会抽奖" + std::wstring(23, L' ') + L"\r\n", std::wstring(L"time=5  \r\n"),
        std::wstring(L"width=700  \r\n"), std::wstring(L"form=0         \r\n"), std::wstring(L"smc=1 \r\n"),
        std::wstring(L"bgpic=0") + std::wstring(255, L' ') + L"\r\n", std::wstring(L"captiontop=0\r\n")})
    EXPECT_NE(file.find(line), std::wstring::npos) << "missing line: " << std::string(line.begin(), line.end());

  Process rvo = install_.Start(L"rvo.exe");
  const Window draw = rvo.WaitForWindow({.className = rvo::kDrawClass});
  EXPECT_EQ(draw.ClientRect().Width(), 700 + 11);
  const Window content = draw.ChildById(rvo::kContentId);
  EXPECT_EQ(content.ChildById(rvo::kCaptionId).Text(), L"年会抽奖");
  WaitForPixel(draw.ToScreen({2, 100}), Color{0, 0, 0});  // the black body
}

TEST_F(RvocfgSettings, CancelEndsWithoutWriting) {
  const Window form = StartForm();
  const std::string before = install_.ReadBytes(Installation::kConfigFile);
  SetBoxText(Box(form, ids::kCaptionBox), L"不保存");
  form.ChildById(ids::PicId(12)).ClickButton();
  EXPECT_EQ(process_->ExpectExit(), 0u);
  EXPECT_EQ(install_.ReadBytes(Installation::kConfigFile), before);
}

TEST_F(RvocfgSettings, AReadOnlyFileIsReportedAndKeptWhole) {
  const Window form = StartForm();
  const std::string before = install_.ReadBytes(Installation::kConfigFile);
  ASSERT_TRUE(SetFileAttributesW(install_.PathOf(Installation::kConfigFile).c_str(), FILE_ATTRIBUTE_READONLY));
  SetBoxText(Box(form, ids::kCaptionBox), L"改动");
  MessageBoxWindow box = PressOk(form);
  EXPECT_EQ(box.Text(), L"无法更新程序配置,请尝试去除程序系统文件夹只读属性");
  EXPECT_EQ(box.Icon(), MessageBoxIcon::Warning);
  box.Press(IDOK);
  SetFileAttributesW(install_.PathOf(Installation::kConfigFile).c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(install_.ReadBytes(Installation::kConfigFile), before);
}

// The caption's menu (Pic(1)) and the style colour swatch (Pic(3)) open the
// real dialogs; what is chosen there is saved.
TEST_F(RvocfgSettings, AColourAndAFontChosenInTheDialogsAreSaved) {
  const Window form = StartForm();
  form.ChildById(ids::PicId(3)).ClickButton();
  const Window colourDialog = process_->WaitForWindow({.className = L"#32770"});
  // The red, green and blue boxes of the dialog.
  SetBoxText(colourDialog.ChildById(706), L"0");
  SetBoxText(colourDialog.ChildById(707), L"128");
  SetBoxText(colourDialog.ChildById(708), L"255");
  colourDialog.ChildById(IDOK).ClickButton();
  colourDialog.WaitUntilGone();
  EXPECT_EQ(SwatchColour(form, 3), (Color{0, 128, 255}));

  form.Activate();
  mouse::Click(form.ChildById(ids::PicId(1)).WindowRect().Center());
  process_->WaitForWindow({.className = rvo::kMenuClass});
  keyboard::Press(VK_DOWN);
  keyboard::Press(VK_DOWN);
  keyboard::Press(VK_RETURN);  // "设置标题字体"
  const Window fontDialog = process_->WaitForWindow({.className = L"#32770"});
  // Typed as the operator does: a click into the size box, then into the
  // style box, whose fourth entry is bold italic; each step waits for the
  // dialog.
  const auto focusOn = [&](int comboId) {
    const Rect combo = fontDialog.ChildById(comboId).WindowRect();
    mouse::Click({combo.left + 8, combo.top + 8});
    WaitUntil([&] { return fontDialog.Focus().Parent().ControlId() == comboId; }, kDefaultTimeout,
              [] { return std::string("the font dialog's box did not take the focus"); });
  };
  focusOn(0x472);
  keyboard::Press(VK_END);
  for (int i = 0; i < 4; ++i) keyboard::Press(VK_BACK);
  keyboard::Type(L"12");
  fontDialog.ChildById(0x472).WaitForText(L"12");
  focusOn(0x471);
  for (int i = 0; i < 3; ++i) keyboard::Press(VK_DOWN);
  fontDialog.ChildById(0x471).WaitForText(L"粗斜体");
  keyboard::Press(VK_RETURN);
  fontDialog.WaitUntilGone();

  PressOk(form).Press(IDOK);
  EXPECT_EQ(install_.IniValue(L"Style", L"form"), std::to_wstring(0x00FF8000));
  EXPECT_EQ(install_.IniValue(L"Caption", L"fontsize"), L"12");
  EXPECT_EQ(install_.IniValue(L"Caption", L"fontbold"), L"1");
  EXPECT_EQ(install_.IniValue(L"Caption", L"fontitalic"), L"1");
}

TEST_F(RvocfgSettings, TabWalksTheBoxesAndSpaceTicksACheckBox) {
  const Window form = StartForm();
  form.Activate();
  // The keys arrive through the input queue: wait for each move.
  const auto expectFocus = [&](int id) {
    WaitUntil([&] { return form.Focus().ControlId() == id; }, kDefaultTimeout,
              [&] { return "the focus is on control " + std::to_string(form.Focus().ControlId()) +
                           ", not on " + std::to_string(id); });
  };
  expectFocus(ids::kCaptionBox);
  for (int id : {ids::kTextBox, ids::kPictureBox, ids::kMusicBox, ids::kSpeedBox, ids::kWidthBox, ids::kHeightBox,
                 ids::kStayOnTop, ids::kShowButtons, ids::kCaptionBox}) {
    keyboard::Press(VK_TAB);
    expectFocus(id);
  }
  keyboard::Down(VK_SHIFT);
  keyboard::Press(VK_TAB);
  keyboard::Up(VK_SHIFT);
  expectFocus(ids::kShowButtons);
  keyboard::Press(VK_SPACE);
  WaitUntil([&] { return !IsChecked(Box(form, ids::kShowButtons)); }, kDefaultTimeout,
            [] { return std::string("Space did not clear the check box"); });
}

TEST_F(RvocfgSettings, MissingOrDamagedSkinPicturesLeavePlainFacesThatWork) {
  install_.Remove(L"common\\ibg.pte");
  install_.Remove(L"common\\enter.pte");
  install_.Remove(L"common\\style2.pte");
  install_.WriteBytes(L"common\\ihc.pte", "BM not a picture");
  const Window form = StartForm();
  // The black preset shows its colour without its picture, and still works.
  form.ChildById(ids::PicId(6)).ClickButton();
  EXPECT_EQ(SwatchColour(form, 3), (Color{0, 0, 0}));
  const Window ok = form.ChildById(ids::PicId(11));
  EXPECT_EQ(ok.Text(), L"确定");
  MessageBoxWindow box = PressOk(form);
  EXPECT_EQ(box.Text(), L"修改成功,请重新运行Ravelo或进行刷新.");
  box.Press(IDOK);
  EXPECT_EQ(install_.IniValue(L"Style", L"form"), L"0");
}

// The pointer over a picture button shows its hover picture; leaving it,
// even straight past the window's edge, brings the normal one back.
TEST_F(RvocfgSettings, APictureButtonShowsItsHoverPictureWhileThePointerIsOnIt) {
  const Window form = StartForm();
  form.Activate();
  const Window ok = form.ChildById(ids::PicId(11));
  ok.WaitUntilPainted();
  const Point sample = ok.ToScreen({4, 11});
  const Color normal = ScreenPixel(sample);
  mouse::MoveTo(ok.WindowRect().Center());
  WaitUntil([&] { return ScreenPixel(sample) != normal; }, kDefaultTimeout,
            [] { return std::string("no hover picture"); });
  mouse::MoveTo({2, 2});  // outside the window in one jump
  WaitForPixel(sample, normal);
}

TEST_F(RvocfgSettings, ALaunchLinkWithItsProgramMissingSaysSo) {
  install_.Remove(L"bin\\rvostyle.exe");
  const Window form = StartForm();
  const Window link = form.ChildById(ids::kFirstLink + 1);  // L_s
  EXPECT_EQ(link.Text(), L"编辑界面显示风格");
  link.PostClick({3, 3});
  MessageBoxWindow box = process_->WaitForMessageBox(kMessageTitle);
  EXPECT_EQ(box.Text(), L"无法启动风格编辑器rvostyle.exe,请检查程序文件夹");
  box.Press(IDOK);
  EXPECT_TRUE(process_->IsRunning());
}

}  // namespace
}  // namespace ravelo::e2e
