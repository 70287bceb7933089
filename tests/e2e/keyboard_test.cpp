// Keyboard and screen-reader paths end to end: the settings form's Tab
// order, Space on a drawn preset and Enter saving, Esc cancelling, the
// system menu on Alt+Space and the program's menu on Alt, the name list
// editor's Enter and Ctrl+Enter, rvostyle's arrows and Ctrl+S, and what a
// screen reader reads (the accessibility objects, through oleacc) from the
// settings form and from rvo, whose new result is announced. The reading
// order itself is proven by its unit test.
#include <gtest/gtest.h>

#include <oleacc.h>

#include <functional>
#include <vector>

#include "config/win/secondary_controls.h"
#include "config/win/settings_controls.h"
#include "rvo_parts.h"
#include "style/win/style_controls.h"

namespace ravelo::e2e {
namespace {

namespace ids = ravelo::settings_controls;
namespace editor = ravelo::secondary_controls::name_list;
namespace about = ravelo::secondary_controls::about;

// What a screen reader reads of a window's client object.
struct Read {
  std::wstring name;
  long role = 0;
  long state = 0;
  std::wstring value;
};

// Whether another process reaches a window's accessibility object at all:
// asked of a window Windows (or Wine) describes by itself. 64-bit Wine 8
// hands none across processes, not even its own.
bool ScreenReadersReach(const Window& window) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window.Handle(), static_cast<DWORD>(OBJID_WINDOW), IID_IAccessible,
                                        reinterpret_cast<void**>(&object))) ||
      !object)
    return false;
  object->Release();
  return true;
}

Read ReadAccessible(const Window& window) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window.Handle(), static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&object))) ||
      !object)
    throw BenchError("no accessibility object for " + window.Describe());
  Read read;
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR text = nullptr;
  if (object->get_accName(self, &text) == S_OK && text) read.name = text;
  SysFreeString(text);
  text = nullptr;
  if (object->get_accValue(self, &text) == S_OK && text) read.value = text;
  SysFreeString(text);
  VARIANT answer{};
  if (object->get_accRole(self, &answer) == S_OK && answer.vt == VT_I4) read.role = answer.lVal;
  if (object->get_accState(self, &answer) == S_OK && answer.vt == VT_I4) read.state = answer.lVal;
  object->Release();
  return read;
}

class Keyboard : public ::testing::Test {
 protected:
  void SetUp() override { CoInitialize(nullptr); }
  void TearDown() override { CoUninitialize(); }

  Window StartForm() {
    process_.emplace(install_.Start(L"rvocfg.exe"));
    const Window form = process_->WaitForWindow({.className = ids::kWindowClass});
    form.Activate();
    return form;
  }
  static void ExpectFocus(const Window& form, int id) {
    WaitUntil([&] { return form.Focus().ControlId() == id; }, "no focus on control " + std::to_string(id));
  }
  static void WithKey(WORD modifier, WORD key) {
    keyboard::Down(modifier);
    keyboard::Press(key);
    keyboard::Up(modifier);
  }
  // Presses keys that open a menu, again if Wine lost them under load.
  void OpenMenuWith(const std::function<void()>& keys) const {
    std::optional<Window> menu;
    for (int attempt = 0; attempt < 3 && !menu; ++attempt) {
      keys();
      PollUntil([&] { return (menu = process_->FindOneWindow({.className = rvo::kMenuClass})).has_value(); },
                Milliseconds{2000});
    }
    if (!menu) throw BenchError("the keys opened no menu");
    menu->WaitUntilPainted();
  }

  Installation install_;
  std::optional<Process> process_;
};

// Every control that acts, the drawn ones included, box by box in reading
// order; the frame's boxes last, then round again; Shift+Tab goes back.
TEST_F(Keyboard, TabWalksTheSettingsFormInReadingOrderAndShiftTabGoesBack) {
  const Window form = StartForm();
  std::vector<int> expected{ids::kCaptionBox, ids::PicId(1), ids::kTextBox, ids::PicId(2), ids::kPictureBox,
                            ids::kBrowsePicture, ids::kMusicBox, ids::kBrowseMusic, ids::kSpeedBox};
  for (int link = 0; link < 6; ++link) expected.push_back(ids::kFirstLink + link);
  for (int id : {ids::kWidthBox, ids::kHeightBox, ids::PicId(3), ids::PicId(4)}) expected.push_back(id);
  for (int preset = 5; preset <= 10; ++preset) expected.push_back(ids::PicId(preset));
  for (int id : {ids::kStayOnTop, ids::kShowButtons, ids::PicId(11), ids::PicId(12), ids::PicId(13), ids::kCloseBox,
                 ids::kMinimiseBox, ids::kMenuBox, ids::kCaptionBox})
    expected.push_back(id);
  ExpectFocus(form, expected[0]);
  for (size_t i = 1; i < expected.size(); ++i) {
    keyboard::Press(VK_TAB);
    ExpectFocus(form, expected[i]);
  }
  WithKey(VK_SHIFT, VK_TAB);
  ExpectFocus(form, ids::kMenuBox);
}

// Space on a focused preset does what its click does; Enter anywhere but on
// a button presses OK, which saves; the file then holds the preset.
TEST_F(Keyboard, SpaceOnAPresetAndEnterOnACheckBoxSaveWithOk) {
  const Window form = StartForm();
  ExpectFocus(form, ids::kCaptionBox);
  while (form.Focus().ControlId() != ids::PicId(6)) keyboard::Press(VK_TAB);  // the black preset
  keyboard::Press(VK_SPACE);
  keyboard::Press(VK_TAB);
  keyboard::Press(VK_TAB);
  keyboard::Press(VK_TAB);
  keyboard::Press(VK_TAB);
  keyboard::Press(VK_TAB);
  ExpectFocus(form, ids::kStayOnTop);
  keyboard::Press(VK_RETURN);
  EXPECT_EQ(process_->AnswerMessage(), L"修改成功,请重新运行Ravelo或进行刷新.");
  EXPECT_EQ(install_.IniValue(L"Style", L"form"), L"0");
}

// Esc is Cancel: the program ends and the file stays as it was.
TEST_F(Keyboard, EscEndsTheSettingsFormWithoutWriting) {
  const Window form = StartForm();
  const std::string before = install_.ReadBytes(Installation::kConfigFile);
  ExpectFocus(form, ids::kCaptionBox);
  keyboard::Type(L"改");
  const Window caption = form.ChildById(ids::kCaptionBox);
  WaitUntil([&] { return caption.Text().find(L'改') != std::wstring::npos; }, "the typed text did not arrive");
  keyboard::Press(VK_ESCAPE);
  EXPECT_EQ(process_->ExpectExit(), 0u);
  EXPECT_EQ(install_.ReadBytes(Installation::kConfigFile), before);
}

// Alt+Space opens the system menu (its minimise works); Alt alone opens the
// program's menu, whose first item opens the name list editor. There Enter
// starts a new line, Ctrl+Enter saves and Esc closes.
TEST_F(Keyboard, AltSpaceAltAndTheEditorsEnterCtrlEnterAndEsc) {
  install_.WriteGbk(Installation::kNameList, L"甲\r\n");
  const Window form = StartForm();
  ExpectFocus(form, ids::kCaptionBox);
  OpenMenuWith([] { WithKey(VK_MENU, VK_SPACE); });
  keyboard::Press('N');  // 最小化(N)
  WaitUntil([&] { return IsIconic(form.Handle()) != FALSE; }, "Alt+Space, N did not minimise the form");
  ShowWindow(form.Handle(), SW_RESTORE);
  form.Activate();
  ExpectFocus(form, ids::kCaptionBox);

  OpenMenuWith([] { keyboard::Press(VK_MENU); });
  keyboard::Press(VK_DOWN);
  keyboard::Press(VK_RETURN);  // 添加/删除抽签名单
  const Window window = process_->WaitForWindow({.className = editor::kWindowClass, .text = editor::kCaption});
  const Window box = window.ChildById(editor::kText);
  window.Activate();
  while (window.Focus().ControlId() != editor::kText) keyboard::Press(VK_TAB);
  WithKey(VK_CONTROL, VK_END);
  keyboard::Press(VK_RETURN);
  keyboard::Type(L"乙");
  box.WaitForText(L"甲\r\n乙");
  WithKey(VK_CONTROL, VK_RETURN);
  EXPECT_EQ(process_->AnswerMessage(), L"抽签名单修改成功");
  EXPECT_EQ(install_.ReadBytes(Installation::kNameList), "\xBC\xD7\r\n\xD2\xD2\r\n");
  window.Activate();
  keyboard::Press(VK_ESCAPE);
  window.WaitUntilGone();
}

// A screen reader names and tells apart every kind of control on the form
// and in the about box.
TEST_F(Keyboard, AScreenReaderReadsTheFormsControls) {
  install_.SetIniValue(L"Form", L"top", L"1");
  const Window form = StartForm();
  ExpectFocus(form, ids::kCaptionBox);
  if (!ScreenReadersReach(form)) GTEST_SKIP() << "this Wine hands no accessibility object to another process";
  // A screen reader starts from the form, which then makes the drawn
  // controls' stops.
  ReadAccessible(form);
  const Read caption = ReadAccessible(form.ChildById(ids::kCaptionBox));
  EXPECT_EQ(caption.name, L"标题");
  EXPECT_EQ(caption.role, ROLE_SYSTEM_TEXT);
  EXPECT_EQ(caption.value, form.ChildById(ids::kCaptionBox).Text());
  EXPECT_TRUE(caption.state & STATE_SYSTEM_FOCUSED);
  const Read onTop = ReadAccessible(form.ChildById(ids::kStayOnTop));
  EXPECT_EQ(onTop.name, L"程序运行时的窗口保持在最前端");
  EXPECT_EQ(onTop.role, ROLE_SYSTEM_CHECKBUTTON);
  EXPECT_TRUE(onTop.state & STATE_SYSTEM_CHECKED);
  const Read link = ReadAccessible(form.ChildById(ids::kFirstLink));
  EXPECT_EQ(link.name, L"添加删除抽签名单");
  EXPECT_EQ(link.role, ROLE_SYSTEM_LINK);
  const Read swatch = ReadAccessible(form.ChildById(ids::PicId(3)));
  EXPECT_EQ(swatch.name, L"窗口风格背景色,单击设置");
  EXPECT_EQ(swatch.role, ROLE_SYSTEM_PUSHBUTTON);
  const Read ok = ReadAccessible(form.ChildById(ids::PicId(11)));
  EXPECT_EQ(ok.name, L"确定");
  EXPECT_EQ(ok.role, ROLE_SYSTEM_PUSHBUTTON);
  EXPECT_EQ(ReadAccessible(form.ChildById(ids::kMenuBox)).name, L"菜单");

  // The about box, from the menu: its logo acts, its two pictures do not;
  // Esc closes it.
  OpenMenuWith([] { keyboard::Press(VK_MENU); });
  for (int i = 0; i < 5; ++i) keyboard::Press(VK_DOWN);
  keyboard::Press(VK_RETURN);  // 关于
  const Window about = process_->WaitForWindow({.className = about::kWindowClass});
  EXPECT_EQ(ReadAccessible(about.ChildById(about::kLogo)).role, ROLE_SYSTEM_PUSHBUTTON);
  EXPECT_EQ(ReadAccessible(about.ChildById(about::kFirstPicture)).role, ROLE_SYSTEM_GRAPHIC);
  about.Activate();
  keyboard::Press(VK_ESCAPE);
  about.WaitUntilGone();
}

HWND announced = nullptr;
void CALLBACK OnNameChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD, DWORD) {
  if (object == OBJID_CLIENT) announced = window;
}

// rvo's drawn name is read as text, and a new result is announced.
TEST_F(Keyboard, RvosResultIsReadAndAnnounced) {
  install_.WriteGbk(Installation::kNameList, L"张三\r\n李四\r\n王五\r\n");
  Process rvo = install_.Start(L"rvo.exe");
  const Window main = rvo::WaitForDrawWindow(rvo);
  announced = nullptr;
  const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, &OnNameChange,
                                             main.ProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  rvo::StartDraw(main);
  const std::wstring name = rvo::StopDraw(main);
  const Window line = rvo::TextLine(main);
  WaitUntil(
      [&] {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        return announced == line.Handle();
      },
      "no name change was announced on the text line");
  UnhookWinEvent(hook);
  if (!ScreenReadersReach(main)) GTEST_SKIP() << "this Wine hands no accessibility object to another process";
  const Read read = ReadAccessible(line);
  EXPECT_EQ(read.name, name);
  EXPECT_EQ(read.role, ROLE_SYSTEM_STATICTEXT);
}

// In rvostyle Tab chooses the caption; the arrows move it by a design pixel,
// by ten with Shift; Ctrl+S saves where it stands; Alt+Space opens the system
// menu; Esc ends.
TEST_F(Keyboard, RvostylesArrowsMoveTheChosenCaptionAndCtrlSSavesIt) {
  // Placed (a 0 among the four would centre both labels).
  for (const auto& [key, value] : {std::pair{L"captionleft", L"40"}, {L"captiontop", L"30"}, {L"textleft", L"40"},
                                   {L"texttop", L"200"}})
    install_.SetIniValue(L"Style", key, value);
  process_.emplace(install_.Start(L"rvostyle.exe"));
  const Window main = process_->WaitForWindow({.className = ravelo::style_controls::kWindowClass});
  main.WaitUntilPainted();
  main.Activate();
  keyboard::Press(VK_TAB);
  for (int i = 0; i < 3; ++i) keyboard::Press(VK_RIGHT);
  WithKey(VK_SHIFT, VK_DOWN);
  keyboard::Press(VK_UP);
  WithKey(VK_CONTROL, 'S');
  EXPECT_EQ(process_->AnswerMessage(), L"保存显示风格成功");
  EXPECT_EQ(install_.IniValue(L"Style", L"captionleft"), L"43");
  EXPECT_EQ(install_.IniValue(L"Style", L"captiontop"), L"39");
  main.Activate();
  OpenMenuWith([] { WithKey(VK_MENU, VK_SPACE); });
  keyboard::Press(VK_ESCAPE);
  WaitUntil([&] { return !process_->FindOneWindow({.className = rvo::kMenuClass}); }, "Esc left the system menu open");
  // Wine leaves its menu mode a moment after the menu has gone.
  WaitUntil(
      [&] {
        keyboard::Press(VK_ESCAPE);
        return PollUntil([&] { return !process_->IsRunning(); }, Milliseconds{1000});
      },
      "Esc did not end rvostyle");
  EXPECT_EQ(process_->ExpectExit(), 0u);
}

}  // namespace
}  // namespace ravelo::e2e
