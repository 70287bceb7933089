// rvocfg's name list editor, about box and help, driven from the settings
// form's links and menu; and rvo drawing from what the editor saved.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "bench/bench.h"
#include "config/win/secondary_controls.h"
#include "config/win/settings_controls.h"
#include "rvo_parts.h"

namespace ravelo::e2e {
namespace {

namespace settings = ravelo::settings_controls;
namespace editor = ravelo::secondary_controls::name_list;
namespace about = ravelo::secondary_controls::about;

constexpr int kNameListLink = settings::kFirstLink;  // L_a
constexpr int kHelpLink = settings::kFirstLink + 3;  // L_h

// mymenu's items in their order (the keyboard skips separators).
enum class MenuItem { NameList = 1, About = 5, Help = 6 };
constexpr int kMenuItems = 7;

constexpr wchar_t kSaved[] = L"抽签名单修改成功";
constexpr wchar_t kSaveFailed[] = L"名单文件无法修改，请检查文件属性";
constexpr wchar_t kQuitRefused[] = L"当前添加/删除抽签名单窗口未关闭.\r\n请关闭添加/删除抽签名单窗口再退出.";

// Clicks the middle of a control once nothing covers it there (a window
// brought to the front gets there a moment later under Wine).
void ClickOn(const Window& control) {
  const Point at = control.WindowRect().Center();
  WaitUntil([&] { return WindowFromPoint(POINT{at.x, at.y}) == control.Handle(); }, kDefaultTimeout,
            [&] { return control.Describe() + " stayed covered"; });
  mouse::Click(at);
}

class RvocfgLinks : public ::testing::Test {
 protected:
  void SetUp() override { install_.WriteGbk(Installation::kNameList, L"甲\r\n乙\r\n"); }

  Window StartSettings() {
    rvocfg_.emplace(install_.Start(L"rvocfg.exe"));
    return rvocfg_->WaitForWindow({.className = settings::kWindowClass});
  }

  // Opens mymenu on the body and clicks the item.
  void Choose(const Window& settingsWindow, MenuItem item) const {
    settingsWindow.Activate();
    mouse::MoveTo(settingsWindow.ToScreen({8, 240}));
    Pause(Milliseconds{200});
    mouse::RightClick(settingsWindow.ToScreen({8, 250}));  // the body, beside the groups
    const Window menu = rvocfg_->WaitForWindow({.className = rvo::kMenuClass});
    // A click that comes before the menu's own loop runs is lost.
    menu.WaitUntilPainted();
    Pause(Milliseconds{300});
    const Rect bounds = menu.WindowRect();
    const int row = 2 * static_cast<int>(item) - 1;  // the middle of the item's row, in half rows
    mouse::Click({bounds.left + bounds.Width() / 2, bounds.top + bounds.Height() * row / (2 * kMenuItems)});
    menu.WaitUntilGone();
  }

  Window WaitForEditor() const {
    return rvocfg_->WaitForWindow({.className = editor::kWindowClass, .text = editor::kCaption});
  }

  // Clicks a picture button and answers the message box it brings.
  std::wstring PressForMessage(const Window& button, MessageBoxIcon expectedIcon) const {
    button.ClickButton();
    const MessageBoxWindow box = rvocfg_->WaitForMessageBox(L"Ravelo");
    const std::wstring text = box.Text();
    EXPECT_EQ(box.Icon(), expectedIcon) << ToUtf8(text);
    box.Press(IDOK);
    return text;
  }

  Installation install_;
  std::optional<Process> rvocfg_;
};

TEST_F(RvocfgLinks, TheEditorSavesWhatWasTypedAndRvoDrawsExactlyThoseNames) {
  const Window main = StartSettings();
  ClickOn(main.ChildById(kNameListLink));
  const Window window = WaitForEditor();
  EXPECT_EQ(window.ClientRect().Width(), 369);
  EXPECT_EQ(window.ClientRect().Height(), 305);
  const Window box = window.ChildById(editor::kText);
  EXPECT_EQ(box.Text(), L"甲\r\n乙");

  // The link again: the same window, not a second one.
  main.Activate();
  ClickOn(main.ChildById(kNameListLink));
  Pause(Milliseconds{300});
  EXPECT_EQ(rvocfg_->Windows({.className = editor::kWindowClass}).size(), 1u);

  mouse::Click(box.ToScreen({60, 200}));
  keyboard::Down(VK_CONTROL);
  keyboard::Press(VK_END);
  keyboard::Up(VK_CONTROL);
  keyboard::Press(VK_RETURN);
  keyboard::Press(VK_RETURN);
  keyboard::Type(L"丙 丁");
  box.WaitForText(L"甲\r\n乙\r\n\r\n丙 丁");

  EXPECT_EQ(PressForMessage(window.ChildById(editor::kSave), MessageBoxIcon::Information), kSaved);
  EXPECT_EQ(install_.ReadBytes(Installation::kNameList), "\xBC\xD7\r\n\xD2\xD2\r\n\r\n\xB1\xFB \xB6\xA1\r\n");
  EXPECT_TRUE(window.IsVisible()) << "the editor closed after saving";

  Process draw = install_.Start(L"rvo.exe");
  const Window drawWindow = rvo::WaitForDrawWindow(draw);
  drawWindow.PostKey(VK_RETURN);
  const auto seen = rvo::Distinct(rvo::TextsDuring(drawWindow, Milliseconds{1500}));
  drawWindow.PostKey(VK_SPACE);
  // Every saved name comes up, and nothing else (a text read while the line
  // changes may come cut short).
  const std::vector<std::wstring> saved{L"甲", L"乙", L"丙 丁"};
  for (const std::wstring& name : saved) EXPECT_TRUE(seen.count(name)) << ToUtf8(name) << " never drawn";
  for (const std::wstring& text : seen) {
    const bool known = text == rvo::kFirstText || std::any_of(saved.begin(), saved.end(), [&](const auto& name) {
                         return !text.empty() && name.starts_with(text);
                       });
    EXPECT_TRUE(known) << ToUtf8(text) << " drawn";
  }
}

TEST_F(RvocfgLinks, CancelDropsTheEditsAndTheProgramWaitsForTheEditorToClose) {
  const Window main = StartSettings();
  Choose(main, MenuItem::NameList);
  Window window = WaitForEditor();
  window.ChildById(editor::kText).SetText(L"改过的名单");

  // Quitting is refused while the editor is open.
  EXPECT_EQ(PressForMessage(main.ChildById(settings::kCloseBox), MessageBoxIcon::Warning), kQuitRefused);
  EXPECT_TRUE(rvocfg_->IsRunning());

  window.ChildById(editor::kCancel).ClickButton();
  window.WaitUntilGone();
  EXPECT_EQ(install_.ReadGbk(Installation::kNameList), L"甲\r\n乙\r\n");

  // Opened again: the file, read afresh.
  install_.WriteGbk(Installation::kNameList, L"丙\r\n");
  ClickOn(main.ChildById(kNameListLink));
  window = WaitForEditor();
  EXPECT_EQ(window.ChildById(editor::kText).Text(), L"丙");
  window.ChildById(settings::kCloseBox).ClickButton();
  window.WaitUntilGone();

  main.ChildById(settings::kCloseBox).ClickButton();
  EXPECT_EQ(rvocfg_->ExpectExit(), 0u);
}

TEST_F(RvocfgLinks, AListThatCannotBeWrittenStaysAsItWasAndTheEditsStay) {
  const std::string before = install_.ReadBytes(Installation::kNameList);
  ASSERT_TRUE(SetFileAttributesW(install_.PathOf(Installation::kNameList).c_str(), FILE_ATTRIBUTE_READONLY));
  const Window main = StartSettings();
  ClickOn(main.ChildById(kNameListLink));
  const Window window = WaitForEditor();
  const Window box = window.ChildById(editor::kText);
  box.SetText(L"甲\r\n乙\r\n丙");

  EXPECT_EQ(PressForMessage(window.ChildById(editor::kSave), MessageBoxIcon::Warning), kSaveFailed);
  EXPECT_EQ(install_.ReadBytes(Installation::kNameList), before);
  EXPECT_EQ(box.Text(), L"甲\r\n乙\r\n丙");
  EXPECT_TRUE(window.IsVisible());
  SetFileAttributesW(install_.PathOf(Installation::kNameList).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(RvocfgLinks, TheAboutBoxDisablesTheSettingsFormUntilItClosesAnyWay) {
  const std::function<void(const Window&)> closeEach[] = {
      [](const Window& box) { box.ChildById(about::kOk).ClickButton(); },
      [](const Window& box) { box.ChildById(settings::kCloseBox).ClickButton(); },
      [](const Window& box) { box.PostClose(); },  // Alt+F4, the task bar
  };
  // Each way of closing on a program of its own, so none inherits the last
  // one's state.
  for (const auto& close : closeEach) {
    const Window main = StartSettings();
    Choose(main, MenuItem::About);
    const Window box = rvocfg_->WaitForWindow({.className = about::kWindowClass, .text = about::kCaption});
    EXPECT_EQ(box.ClientRect().Width(), 465);
    EXPECT_EQ(box.ChildById(about::kVersion).Text(), L"版本：2.8");
    EXPECT_FALSE(main.IsEnabled());
    close(box);
    box.WaitUntilGone();
    EXPECT_TRUE(PollUntil([&] { return main.IsEnabled(); }, kDefaultTimeout));
    EXPECT_EQ(Window(GetForegroundWindow()), main);
  }
}

TEST_F(RvocfgLinks, HelpStartsTheHelpViewerOnTheHelpFile) {
  install_.WriteBytes(L"bin\\rvohelp.chm", "ITSF");  // opened, never read by rvocfg
  const Window main = StartSettings();
  const auto viewerOnTheHelpFile = [&] {
    for (const DWORD id : rvocfg_->Descendants()) {
      const std::wstring commandLine = CommandLineOf(id);
      if (SameTextIgnoringCase(FileNameOf(ImagePathOf(id)), L"hh.exe") &&
          commandLine.find(install_.ProgramPath(L"rvohelp.chm")) != std::wstring::npos)
        return true;
    }
    return false;
  };
  const auto endViewers = [&] {
    for (const DWORD id : rvocfg_->Descendants()) TerminateProcessById(id);
  };

  ClickOn(main.ChildById(kHelpLink));
  EXPECT_TRUE(PollUntil(viewerOnTheHelpFile, Milliseconds{10000})) << "no hh.exe on rvohelp.chm after L_h";
  endViewers();
  Choose(main, MenuItem::Help);
  EXPECT_TRUE(PollUntil(viewerOnTheHelpFile, Milliseconds{10000})) << "no hh.exe on rvohelp.chm after mhelp";
  endViewers();
}

}  // namespace
}  // namespace ravelo::e2e
