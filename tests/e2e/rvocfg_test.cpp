// rvocfg end to end, one test per path through its windows: the settings
// form with and without a file, OK refusing and saving, a preset, cancel, a
// read-only file, OK and rvostyle's save each keeping what the other saved
// meanwhile, a text its field cannot hold, the colour and font dialogs,
// the skin pictures, its links and menu (the name list editor with its lists,
// the data folder, the prize rounds, about box and help, a missing help file). The rules of
// loading, checking and saving are proven by the unit tests of the settings
// model, those of list names, list files and the data folder's copy by theirs.
#include <gtest/gtest.h>

#include "config/win/secondary_controls.h"
#include "config/win/settings_controls.h"
#include "roster_files.h"
#include "rvo_parts.h"
#include "style/win/style_controls.h"

namespace ravelo::e2e {
namespace {

namespace ids = ravelo::settings_controls;
namespace editor = ravelo::secondary_controls::name_list;
namespace about = ravelo::secondary_controls::about;
namespace preview = ravelo::secondary_controls::import_preview;
namespace prompt = ravelo::secondary_controls::list_name;
namespace data_folder = ravelo::secondary_controls::data_folder;
namespace rounds = ravelo::secondary_controls::prize_rounds;

constexpr int kOk = ids::PicId(11);
// mymenu's items in their order (the keyboard skips separators).
enum class MenuItem { NameList = 1, About = 5, Help = 6 };

class Rvocfg : public ::testing::Test {
 protected:
  Window StartForm() {
    process_.emplace(install_.Start(L"rvocfg.exe"));
    return process_->WaitForWindow({.className = ids::kWindowClass});
  }
  // The swatches Pic(1)..Pic(4), the presets Pic(5)..Pic(10) and the links
  // L_a..L_h are drawn on the form: their middles, in design pixels.
  static Point SwatchAt(int index1) { return {ids::kSwatchAt[index1 - 1][0] + 12, ids::kSwatchAt[index1 - 1][1] + 12}; }
  static Point PresetAt(int index0) { return {ids::PresetLeft(index0) + 12, ids::kPresetTop + 12}; }
  static Point LinkAt(int index0) { return {ids::kLinkLeft + 8, ids::kLinkTop[index0] + 6}; }
  static Color Swatch(const Window& form, int index1) {
    form.WaitUntilPainted();
    return ScreenPixel(form.ToScreen(SwatchAt(index1)));
  }
  // Clicks there once nothing covers the form (a window brought to the front
  // gets there a moment later under Wine).
  static void ClickOn(const Window& form, Point design) {
    const Point at = form.ToScreen(design);
    WaitUntil([&] { return WindowFromPoint(POINT{at.x, at.y}) == form.Handle(); }, "the form stayed covered");
    mouse::Click(at);
  }
  void Choose(const Window& form, MenuItem item) const {  // mymenu, opened on the body beside the groups
    rvo::ChooseMenuItem(*process_, form, form.ToScreen({8, 250}), static_cast<int>(item));
  }
  Window WaitForEditor() const { return process_->WaitForWindow({.className = editor::kWindowClass, .text = editor::kCaption}); }
  Window WaitForPreview() const {
    return process_->WaitForWindow({.className = preview::kWindowClass, .text = preview::kCaption});
  }
  // The name typed into the form that "新建" or "重命名" opens, and 确定.
  void AnswerListName(const wchar_t* caption, std::wstring_view name) const {
    const Window asked = process_->WaitForWindow({.className = prompt::kWindowClass, .text = caption});
    asked.ChildById(prompt::kName).SetText(name);
    asked.ChildById(prompt::kOk).ClickButton();
    asked.WaitUntilGone();
  }
  // A list chosen in the editor's picker, as the operator's choice reports it.
  static void PickList(const Window& editorWindow, int index) {
    const Window picker = editorWindow.ChildById(editor::kPicker);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(picker.Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    PostMessageW(editorWindow.Handle(), WM_COMMAND, MAKEWPARAM(editor::kPicker, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(picker.Handle()));
  }
  // "导入" in the editor, and the file chosen in the open dialog.
  void ImportFile(const Window& editorWindow, std::wstring_view relative) const {
    editorWindow.ChildById(editor::kImport).ClickButton();
    AnswerFileDialog(*process_, install_.PathOf(relative));
  }

  Installation install_;
  std::optional<Process> process_;  // declared after the installation: it ends first
};

// The form shows the file's values (the built-in defaults are the settings
// model's unit test), or without a file warns and shows its form.
TEST_F(Rvocfg, ShowsTheFilesValuesOrWithoutAFileWarnsAndShowsTheForm) {
  install_.Remove(Installation::kConfigFile);
  process_.emplace(install_.Start(L"rvocfg.exe"));
  EXPECT_EQ(process_->AnswerMessage(), rvo::kNoConfigFile);
  process_->WaitForWindow({.className = ids::kWindowClass});

  install_.WriteGbk(Installation::kConfigFile, L"[Form]\r\ncaption=年会抽奖\r\ntop=1\r\n[Color]\r\ncaption=65280\r\n");
  const Window form = StartForm();
  EXPECT_EQ(form.ChildById(ids::kCaptionBox).Text(), L"年会抽奖");
  EXPECT_EQ(IsDlgButtonChecked(form.Handle(), ids::kStayOnTop), BST_CHECKED);
  EXPECT_EQ(Swatch(form, 1), (Color{0, 255, 0}));
}

// OK refuses a bad value (focusing its box) and reports a read-only file;
// cancel ends; none of them writes.
TEST_F(Rvocfg, OkRefusesABadValueAndAReadOnlyFileAndCancelEndsWithoutWriting) {
  const Window form = StartForm();
  const std::string before = install_.ReadBytes(Installation::kConfigFile);
  form.ChildById(ids::kSpeedBox).SetText(L"51");
  form.ChildById(kOk).ClickButton();
  EXPECT_EQ(process_->AnswerMessage(), L"抽签间隔的范围是1—50,请重新输入");
  // The box is emptied and focused once the message has closed.
  WaitUntil([&] { return form.Focus().ControlId() == ids::kSpeedBox; }, "the refused box took no focus");
  EXPECT_EQ(form.ChildById(ids::kSpeedBox).Text(), L"");
  form.ChildById(ids::kSpeedBox).SetText(L"10");
  install_.SetReadOnly(Installation::kConfigFile, true);
  form.ChildById(ids::kCaptionBox).SetText(L"改动");
  form.ChildById(kOk).ClickButton();
  EXPECT_EQ(process_->AnswerMessage(), L"无法更新程序配置,请尝试去除程序系统文件夹只读属性");
  install_.SetReadOnly(Installation::kConfigFile, false);
  form.ChildById(ids::PicId(12)).ClickButton();
  EXPECT_EQ(process_->ExpectExit(), 0u);
  EXPECT_EQ(install_.ReadBytes(Installation::kConfigFile), before);
}

// One form at a time: a second start brings the first form, minimised,
// back to the front, and ends.
TEST_F(Rvocfg, ASecondStartBringsTheOpenFormForwardAndEnds) {
  const Window form = StartForm();
  ShowWindow(form.Handle(), SW_MINIMIZE);
  WaitUntil([&] { return IsIconic(form.Handle()) != FALSE; }, "the form was not minimised");
  Process second = install_.Start(L"rvocfg.exe");
  EXPECT_EQ(second.ExpectExit(), 0u);
  WaitUntil([&] { return !IsIconic(form.Handle()) && GetForegroundWindow() == form.Handle(); },
            "the open form did not come forward");
  EXPECT_TRUE(process_->IsRunning());
}

// rvostyle open beside the form: each program's save keeps what the other
// saved meanwhile, in either order.
TEST_F(Rvocfg, OkAndTheStyleEditorsSaveKeepWhatTheOtherSavedMeanwhile) {
  for (const auto& [key, value] : {std::pair{L"captiontop", L"30"}, {L"captionleft", L"40"}, {L"texttop", L"200"},
                                   {L"textleft", L"50"}})
    install_.SetIniValue(L"Style", key, value);
  const Window form = StartForm();
  const Process style = install_.Start(L"rvostyle.exe");
  const Window editor = style.WaitForWindow({.className = ravelo::style_controls::kWindowClass});
  editor.WaitUntilPainted();
  const auto saveStyle = [&](int menuItem, Color colour) {  // a colour from the title's menu, then save
    rvo::ChooseMenuItem(style, editor, editor.ChildById(rvo::frame::kTitle).WindowRect().Center(), menuItem);
    rvo::ChooseColour(style, colour);
    const Window save = editor.ChildById(ravelo::style_controls::kSave);
    PostMessageW(save.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    PostMessageW(save.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(style.AnswerMessage(), L"保存显示风格成功");
  };
  const auto positions = [&] {
    std::wstring all;
    for (const wchar_t* key : {L"captiontop", L"captionleft", L"texttop", L"textleft"})
      all += install_.IniValue(L"Style", key) + L" ";
    return all;
  };

  saveStyle(2, {255, 0, 0});  // the frame colour
  form.ChildById(ids::kCaptionBox).SetText(L"年会抽奖");
  form.ChildById(kOk).ClickButton();
  EXPECT_EQ(process_->AnswerMessage(), L"修改成功,请重新运行Ravelo或进行刷新.");
  EXPECT_EQ(install_.IniValue(L"Style", L"form"), L"255");
  EXPECT_EQ(install_.IniValue(L"Form", L"caption"), L"年会抽奖");

  // A new size resets the positions, which rvostyle's next save keeps.
  form.ChildById(ids::kWidthBox).SetText(L"700");
  form.ChildById(kOk).ClickButton();
  process_->AnswerMessage();
  saveStyle(1, {0, 255, 0});  // the title colour
  EXPECT_EQ(positions(), L"0 0 0 0 ");
  EXPECT_EQ(install_.IniValue(L"Style", L"caption"), L"65280");
  EXPECT_EQ(install_.IniValue(L"Style", L"form"), L"255");
  EXPECT_EQ(install_.IniValue(L"Style", L"width"), L"700");
}

// The caption box takes no more than its field holds (30 bytes of GBK: 15
// Chinese characters); a character outside GBK is refused by OK, which names
// the box, focuses it and writes nothing.
TEST_F(Rvocfg, TheCaptionBoxTakesWhatItsFieldHoldsAndOkRefusesACharacterOutsideGbk) {
  const Window form = StartForm();
  const std::string before = install_.ReadBytes(Installation::kConfigFile);
  const Window caption = form.ChildById(ids::kCaptionBox);
  caption.SetText(L"");
  form.Activate();
  WaitUntil([&] { return form.Focus().ControlId() == ids::kCaptionBox; }, "the caption box has no focus");
  keyboard::Type(L"一二三四五六七八九十一二三四五六");
  keyboard::Press(VK_TAB);  // after every character typed
  WaitUntil([&] { return form.Focus().ControlId() == ids::PicId(1); }, "Tab did not reach the caption's swatch");
  EXPECT_EQ(caption.Text(), L"一二三四五六七八九十一二三四五");

  caption.SetText(L"抽签\U0001F600");
  form.ChildById(kOk).ClickButton();
  EXPECT_EQ(process_->AnswerMessage(), L"标题中有无法保存的字符(如表情符号或生僻字),请修改后再保存");
  WaitUntil([&] { return form.Focus().ControlId() == ids::kCaptionBox; }, "the refused box took no focus");
  EXPECT_EQ(caption.Text(), L"抽签\U0001F600");
  EXPECT_EQ(install_.ReadBytes(Installation::kConfigFile), before);
}

// The style swatch (Pic(3)) and the caption's menu (Pic(1)) open the real
// dialogs; what is chosen there is saved.
TEST_F(Rvocfg, AColourAndAFontChosenInTheDialogsAreSaved) {
  const Window form = StartForm();
  ClickOn(form, SwatchAt(3));
  rvo::ChooseColour(*process_, {0, 128, 255});
  EXPECT_EQ(Swatch(form, 3), (Color{0, 128, 255}));

  rvo::OpenMenuAt(*process_, form, form.ToScreen(SwatchAt(1)), mouse::Button::Left);
  for (const int key : {VK_DOWN, VK_DOWN, VK_RETURN}) keyboard::Press(static_cast<WORD>(key));  // "设置标题字体"
  const Window fonts = process_->WaitForWindow({.className = L"#32770"});
  // Typed as the operator does: a click into the size box, the old size
  // deleted, the new one typed, Enter.
  const Window size = fonts.ChildById(0x472);
  mouse::Click(size.WindowRect().TopLeft() + Point{8, 8});
  WaitUntil([&] { return GetParent(fonts.Focus().Handle()) == size.Handle(); }, "the size box took no focus");
  keyboard::Press(VK_END);
  for (int i = 0; i < 4; ++i) keyboard::Press(VK_BACK);
  keyboard::Type(L"12");
  size.WaitForText(L"12");
  keyboard::Press(VK_RETURN);
  fonts.WaitUntilGone();

  form.ChildById(kOk).ClickButton();
  process_->AnswerMessage();
  EXPECT_EQ(install_.IniValue(L"Style", L"form"), std::to_wstring(0x00FF8000));
  EXPECT_EQ(install_.IniValue(L"Caption", L"fontsize"), L"12");
}

// With its pictures a picture button shows its hover picture while the
// pointer is on it, even when the pointer leaves straight past the window's
// edge; missing or damaged skin pictures leave plain faces that work: a
// preset and typed values are saved with OK, which says so when the typed
// background picture does not exist (the draw program takes the default).
TEST_F(Rvocfg, PictureButtonsHoverAndWorkAsPlainFacesWithoutTheirPictures) {
  {
    const Window form = StartForm();
    form.Activate();
    const Window ok = form.ChildById(kOk);
    ok.WaitUntilPainted();
    const Point sample = ok.ToScreen({4, 11});
    const Color normal = ScreenPixel(sample);
    mouse::MoveTo(ok.WindowRect().Center());
    WaitUntil([&] { return ScreenPixel(sample) != normal; }, "no hover picture");
    // Wine can hand the button the pointer's own motion for the earlier warp
    // after the move away, so the move away is made again until it lands.
    WaitUntil(
        [&] {
          mouse::MoveTo({2, 2});
          return PollUntil([&] { return ScreenPixel(sample) == normal; }, Milliseconds{1000});
        },
        "the hover picture stays after the pointer left");
  }
  for (const wchar_t* picture : {L"common\\ibg.pte", L"common\\enter.pte", L"common\\style2.pte"}) install_.Remove(picture);
  install_.WriteBytes(L"common\\ihc.pte", "BM not a picture");
  const Window form = StartForm();
  form.ChildById(ids::kCaptionBox).SetText(L"年会抽奖");
  const std::wstring picture = install_.PathOf(L"common\\舞台.jpg");
  form.ChildById(ids::kPictureBox).SetText(picture);
  ClickOn(form, PresetAt(1));  // the black preset
  form.ChildById(kOk).ClickButton();
  EXPECT_EQ(process_->AnswerMessage(), L"找不到背景图片文件,抽签程序将使用默认背景");
  EXPECT_EQ(install_.IniValue(L"Form", L"caption"), L"年会抽奖");
  EXPECT_EQ(install_.IniValue(L"Form", L"bgpic"), picture);
  EXPECT_EQ(install_.IniValue(L"Style", L"form"), L"0");
}

// What was typed is saved in the list's encoding; a list that cannot be
// written then stays as it was, and so do the edits.
TEST_F(Rvocfg, TheEditorSavesWhatWasTypedOrKeepsItWhenTheListIsReadOnly) {
  install_.WriteGbk(Installation::kNameList, L"甲\r\n乙\r\n");
  const Window form = StartForm();
  ClickOn(form, LinkAt(0));  // L_a
  const Window window = WaitForEditor();
  const Window box = window.ChildById(editor::kText);
  EXPECT_EQ(box.Text(), L"甲\r\n乙");
  mouse::Click(box.ToScreen({60, 200}));
  keyboard::Down(VK_CONTROL);
  keyboard::Press(VK_END);
  keyboard::Up(VK_CONTROL);
  keyboard::Press(VK_RETURN);
  keyboard::Type(L"丙 丁");
  box.WaitForText(L"甲\r\n乙\r\n丙 丁");
  window.ChildById(editor::kSave).ClickButton();
  EXPECT_EQ(process_->AnswerMessage(), L"抽签名单修改成功");
  const std::string saved = install_.ReadBytes(Installation::kNameList);
  EXPECT_EQ(saved, "\xBC\xD7\r\n\xD2\xD2\r\n\xB1\xFB \xB6\xA1\r\n");

  install_.SetReadOnly(Installation::kNameList, true);
  box.SetText(L"甲");
  window.ChildById(editor::kSave).ClickButton();
  EXPECT_EQ(process_->AnswerMessage(), L"名单文件无法修改，请检查文件属性");
  EXPECT_EQ(install_.ReadBytes(Installation::kNameList), saved);
  EXPECT_EQ(box.Text(), L"甲");
}

// A roster saved by LibreOffice goes through the preview into the box:
// appended (repeats dropped), then replaced (repeats kept); an old .xls is
// refused with its message. What the preview finds in a file is the roster
// import's unit test.
TEST_F(Rvocfg, ARosterFileComesIntoTheEditorThroughThePreview) {
  install_.WriteGbk(Installation::kNameList, L"甲\r\n");
  install_.WriteBytes(L"初一3班.xlsx", testing::rosters::k_libreoffice_xlsx);
  install_.WriteBytes(L"旧表格.xls", testing::rosters::k_old_xls);
  const Window form = StartForm();
  ClickOn(form, LinkAt(0));  // L_a
  const Window window = WaitForEditor();
  const Window box = window.ChildById(editor::kText);

  ImportFile(window, L"初一3班.xlsx");
  Window shown = WaitForPreview();
  EXPECT_FALSE(window.IsEnabled()) << "the editor waits for the preview";
  EXPECT_EQ(shown.ChildById(preview::kSource).Text(), L"初一3班.xlsx");
  EXPECT_EQ(shown.ChildById(preview::kColumn).Text(), L"B列 (姓名)");
  EXPECT_EQ(shown.ChildById(preview::kSheet).Text(), L"初一(3)班");
  EXPECT_EQ(shown.ChildById(preview::kSummary).Text(), L"共 5 个名字,跳过空白 1 个,去掉重复 1 个");
  EXPECT_EQ(shown.ChildById(preview::kFirstNames).Text(), L"张伟\r\n王芳\r\n李娜\r\n刘洋\r\n陈静");
  shown.ChildById(preview::kAppend).ClickButton();
  shown.WaitUntilGone();
  box.WaitForText(L"甲\r\n张伟\r\n王芳\r\n李娜\r\n刘洋\r\n陈静");
  EXPECT_TRUE(window.IsEnabled());

  ImportFile(window, L"初一3班.xlsx");
  shown = WaitForPreview();
  shown.ChildById(preview::kDropRepeats).ClickButton();
  shown.ChildById(preview::kSummary).WaitForText(L"共 6 个名字,跳过空白 1 个,其中重复 1 个");
  shown.ChildById(preview::kReplace).ClickButton();
  box.WaitForText(L"张伟\r\n王芳\r\n李娜\r\n张伟\r\n刘洋\r\n陈静");
  EXPECT_EQ(install_.ReadBytes(Installation::kNameList), ToGbk(L"甲\r\n")) << "nothing saved before 保存";

  ImportFile(window, L"旧表格.xls");
  EXPECT_EQ(process_->AnswerMessage(), L"请在表格程序中另存为.xlsx或.csv后再导入");
  EXPECT_EQ(box.Text(), L"张伟\r\n王芳\r\n李娜\r\n张伟\r\n刘洋\r\n陈静");
}

// Spreadsheet cells of several columns pasted into the box go through the
// preview, its column chosen by the header, instead of landing with tabs.
TEST_F(Rvocfg, PastedColumnsGoThroughThePreview) {
  install_.WriteGbk(Installation::kNameList, L"甲");
  const Window form = StartForm();
  ClickOn(form, LinkAt(0));  // L_a
  const Window window = WaitForEditor();
  const Window box = window.ChildById(editor::kText);
  PutOnClipboard(L"学号\t姓名\r\n2023001\t张三\r\n2023002\t李四\r\n");
  PostMessageW(box.Handle(), WM_PASTE, 0, 0);
  const Window shown = WaitForPreview();
  EXPECT_EQ(shown.ChildById(preview::kSource).Text(), L"粘贴的表格内容");
  EXPECT_EQ(shown.ChildById(preview::kSummary).Text(), L"共 2 个名字,跳过空白 0 个,去掉重复 0 个");
  shown.ChildById(preview::kAppend).ClickButton();
  box.WaitForText(L"甲\r\n张三\r\n李四");
}

// Cancel with edits asks, and "否" drops them; quitting is refused while the
// editor is open; the editor opened again (from the menu) shows the file,
// not what was dropped.
TEST_F(Rvocfg, CancelDropsTheEditsAndTheProgramWaitsForTheEditorToClose) {
  install_.WriteGbk(Installation::kNameList, L"甲\r\n");
  const Window form = StartForm();
  ClickOn(form, LinkAt(0));  // L_a
  Window window = WaitForEditor();
  window.ChildById(editor::kText).SetText(L"改过的名单");
  form.ChildById(ids::kCloseBox).ClickButton();
  EXPECT_EQ(process_->AnswerMessage(), L"当前添加/删除抽签名单窗口未关闭.\r\n请关闭添加/删除抽签名单窗口再退出.");
  window.ChildById(editor::kCancel).ClickButton();
  EXPECT_EQ(process_->AnswerMessage(IDNO), L"名单“默认名单”已修改,是否保存?");
  window.WaitUntilGone();
  EXPECT_EQ(install_.ReadBytes(Installation::kNameList), ToGbk(L"甲\r\n"));

  Choose(form, MenuItem::NameList);
  window = WaitForEditor();
  EXPECT_EQ(window.ChildById(editor::kText).Text(), L"甲") << "not the file, read afresh";
  window.ChildById(ids::kCloseBox).ClickButton();
  window.WaitUntilGone();
  form.ChildById(ids::kCloseBox).ClickButton();
  EXPECT_EQ(process_->ExpectExit(), 0u);
}

// The editor opens on the list rvo uses; switching with edits asks first;
// 新建 refuses a bad name and makes a list; 重命名 and 删除 take the list's
// round along and [Draw] list follows them. (八班, 六班, 十班 sort alike in
// pinyin and in code point order.)
TEST_F(Rvocfg, TheEditorMakesRenamesAndDeletesListsAndTheListInUseFollows) {
  install_.WriteGbk(Installation::kNameList, L"甲\r\n");
  install_.WriteGbk(L"lists\\八班.txt", L"乙\r\n");
  install_.WriteBytes(L"drawn\\八班.txt", "round");
  install_.SetIniValue(L"Draw", L"list", L"八班");
  const Window form = StartForm();
  ClickOn(form, LinkAt(0));  // L_a
  const Window window = WaitForEditor();
  const Window picker = window.ChildById(editor::kPicker);
  const Window box = window.ChildById(editor::kText);
  EXPECT_EQ(picker.Text(), L"八班");
  EXPECT_EQ(box.Text(), L"乙");

  box.SetText(L"乙\r\n丙");
  PickList(window, 0);
  EXPECT_EQ(process_->AnswerMessage(IDCANCEL), L"名单“八班”已修改,是否保存?");
  EXPECT_EQ(picker.Text(), L"八班");
  PickList(window, 0);
  process_->AnswerMessage(IDYES);
  EXPECT_EQ(process_->AnswerMessage(), L"抽签名单修改成功");
  box.WaitForText(L"甲");
  EXPECT_EQ(install_.ReadBytes(L"lists\\八班.txt"), ToGbk(L"乙\r\n丙\r\n"));
  EXPECT_FALSE(window.ChildById(editor::kRename).IsEnabled()) << "the default list keeps its name";
  EXPECT_FALSE(window.ChildById(editor::kDelete).IsEnabled());

  window.ChildById(editor::kNew).ClickButton();
  AnswerListName(prompt::kNewCaption, L"默认名单");
  EXPECT_EQ(process_->AnswerMessage(), L"“默认名单”已用作默认名单的名称,请换一个名称");
  AnswerListName(prompt::kNewCaption, L" 十班 ");  // the blanks around it go
  picker.WaitForText(L"十班");
  EXPECT_EQ(install_.ReadBytes(L"lists\\十班.txt"), "");

  PickList(window, 1);  // 默认名单, 八班, 十班
  box.WaitForText(L"乙\r\n丙");
  window.ChildById(editor::kRename).ClickButton();
  AnswerListName(prompt::kRenameCaption, L"十班");
  EXPECT_EQ(process_->AnswerMessage(), L"已经有名为“十班”的名单,请换一个名称");
  AnswerListName(prompt::kRenameCaption, L"六班");
  picker.WaitForText(L"六班");
  EXPECT_EQ(install_.ReadBytes(L"lists\\六班.txt"), ToGbk(L"乙\r\n丙\r\n"));
  EXPECT_EQ(install_.ReadBytes(L"drawn\\六班.txt"), "round");
  EXPECT_EQ(GetFileAttributesW(install_.PathOf(L"lists\\八班.txt").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(install_.IniValue(L"Draw", L"list"), L"六班");

  window.ChildById(editor::kDelete).ClickButton();
  EXPECT_EQ(process_->AnswerMessage(IDYES), L"确定要删除名单“六班”吗?删除后无法恢复。");
  picker.WaitForText(L"默认名单");
  EXPECT_EQ(GetFileAttributesW(install_.PathOf(L"lists\\六班.txt").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesW(install_.PathOf(L"drawn\\六班.txt").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(install_.IniValue(L"Draw", L"list"), L"");
  EXPECT_EQ(box.Text(), L"甲");
}

// "设置数据位置": a folder that is not a full path is refused; another
// folder (picked with "浏览") gets the lists (a different list already there kept, as answered)
// and [Draw] datadir; "恢复默认位置" stores the default again.
TEST_F(Rvocfg, TheDataFolderMovesWithTheListsAndComesBack) {
  install_.WriteGbk(Installation::kNameList, L"甲\r\n");
  install_.WriteGbk(L"lists\\一班.txt", L"乙\r\n");
  install_.WriteGbk(L"history.txt", L"2026-01-01 10:00:00\t甲\r\n");
  install_.WriteGbk(L"数据D\\lists\\一班.txt", L"丁\r\n");
  const std::wstring moved = install_.PathOf(L"数据D");
  const Window form = StartForm();
  const auto open = [&] {
    ClickOn(form, LinkAt(4));
    return process_->WaitForWindow({.className = data_folder::kWindowClass, .text = data_folder::kCaption});
  };
  Window window = open();
  const auto folderBox = [&] { return window.ChildById(data_folder::kFolder); };
  EXPECT_EQ(folderBox().Text() + L"\\", install_.PathOf(L""));
  EXPECT_FALSE(form.IsEnabled()) << "the settings form waits";
  folderBox().SetText(L"数据D");
  window.ChildById(data_folder::kOk).ClickButton();
  EXPECT_EQ(process_->AnswerMessage(), L"请填写完整的文件夹路径,如 D:\\抽签名单");
  window.ChildById(data_folder::kBrowse).ClickButton();  // the shell's folder picker
  AnswerFileDialog(*process_, moved);
  folderBox().WaitForText(moved);
  window.ChildById(data_folder::kOk).ClickButton();
  EXPECT_EQ(process_->AnswerMessage(IDYES),
            L"是否把当前的名单复制到新的数据位置?\r\n(抽签记录和不重复抽取的进度不复制,仍留在原来的位置)");
  EXPECT_EQ(process_->AnswerMessage(IDNO),
            L"新的数据位置已有下列内容不同的名单文件:\r\nlists\\一班.txt\r\n是否用当前的名单覆盖它们?\r\n"
            L"(选“否”保留这些文件,只复制其它名单)");
  EXPECT_EQ(process_->AnswerMessage(), L"数据位置已修改,请重新运行Ravelo或进行刷新.");
  window.WaitUntilGone();
  EXPECT_EQ(install_.IniValue(L"Draw", L"datadir"), moved);
  EXPECT_EQ(install_.ReadBytes(L"数据D\\name.txt"), ToGbk(L"甲\r\n"));
  EXPECT_EQ(install_.ReadBytes(L"数据D\\lists\\一班.txt"), ToGbk(L"丁\r\n"));
  EXPECT_EQ(GetFileAttributesW(install_.PathOf(L"数据D\\history.txt").c_str()), INVALID_FILE_ATTRIBUTES);

  window = open();
  EXPECT_EQ(folderBox().Text(), moved);
  window.ChildById(data_folder::kDefault).ClickButton();
  window.ChildById(data_folder::kOk).ClickButton();
  process_->AnswerMessage(IDNO);  // the lists there stay as they are
  EXPECT_EQ(process_->AnswerMessage(), L"数据位置已修改,请重新运行Ravelo或进行刷新.");
  EXPECT_EQ(install_.IniValue(L"Draw", L"datadir"), L"");
  EXPECT_EQ(install_.ReadBytes(L"lists\\一班.txt"), ToGbk(L"乙\r\n"));
}

// "奖项设置": rounds added (a bad count refused), one moved up, 取消 asking
// about the edits; 保存 writes rounds.txt whole and [Draw] count alone. The
// plan's edits, the counts taken and the file read back are the unit tests'
// part; rvo running a plan from rounds.txt is its own test.
TEST_F(Rvocfg, TheRoundsFormSavesThePlanAndEachDrawsCount) {
  install_.SetIniValue(L"Draw", L"count", L"2");
  install_.SetIniValue(L"Draw", L"list", L"八班");
  const Window form = StartForm();
  ClickOn(form, LinkAt(5));
  const Window window = process_->WaitForWindow({.className = rounds::kWindowClass, .text = rounds::kCaption});
  EXPECT_FALSE(form.IsEnabled()) << "the settings form waits";
  const Window count = window.ChildById(rounds::kDrawCount);
  EXPECT_EQ(count.Text(), L"2");
  const Window list = window.ChildById(rounds::kRounds);
  const auto roundsShown = [&] {
    DWORD_PTR shown = 0;
    SendMessageTimeoutW(list.Handle(), LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &shown);
    return static_cast<int>(shown);
  };
  const auto add = [&](std::wstring_view title, std::wstring_view roundCount) {
    window.ChildById(rounds::kTitle).SetText(title);
    window.ChildById(rounds::kRoundCount).SetText(roundCount);
    window.ChildById(rounds::kAdd).ClickButton();
  };
  add(L"二等奖", L"51");
  EXPECT_EQ(process_->AnswerMessage(), L"奖项人数为1-50之间的整数,请重新输入");
  add(L"二等奖", L"3");
  WaitUntil([&] { return roundsShown() == 1; }, "the first round was not added");
  add(L" 三等奖 ", L"5");
  WaitUntil([&] { return roundsShown() == 2; }, "the second round was not added");
  window.ChildById(rounds::kUp).ClickButton();  // the round added last is the one chosen
  count.SetText(L"10");
  window.ChildById(rounds::kCancel).ClickButton();
  EXPECT_EQ(process_->AnswerMessage(IDCANCEL), L"奖项设置已修改,是否保存?");
  window.ChildById(rounds::kSave).ClickButton();
  EXPECT_EQ(process_->AnswerMessage(), L"奖项设置已保存,请重新运行Ravelo或进行刷新.");
  window.WaitUntilGone();
  EXPECT_EQ(install_.ReadBytes(L"rounds.txt"), std::string("\xEF\xBB\xBF") + "三等奖\t5\r\n二等奖\t3\r\n");
  EXPECT_EQ(install_.IniValue(L"Draw", L"count"), L"10");
  EXPECT_EQ(install_.IniValue(L"Draw", L"list"), L"八班") << "the other keys stay";

}

// Closed by its button or by the system (Alt+F4, the task bar).
TEST_F(Rvocfg, TheAboutBoxDisablesTheFormUntilItClosesAnyWay) {
  const Window form = StartForm();
  for (const bool byItsButton : {true, false}) {
    Choose(form, MenuItem::About);
    const Window box = process_->WaitForWindow({.className = about::kWindowClass, .text = about::kCaption});
    EXPECT_FALSE(form.IsEnabled());
    if (byItsButton) box.ChildById(about::kOk).ClickButton();
    else box.PostClose();
    box.WaitUntilGone();
    EXPECT_TRUE(PollUntil([&] { return form.IsEnabled() && GetForegroundWindow() == form.Handle(); }));
  }
}

// A link (drawn on the form) shows the hand and its tooltip; a launch link
// whose program is missing says so; help (link and menu) opens the help
// file, whose own title the viewer shows, or says that it is missing.
TEST_F(Rvocfg, ALinkReportsAMissingProgramAndHelpOpensTheHelpFile) {
  install_.Remove(L"bin\\rvostyle.exe");
  const Window form = StartForm();
  EXPECT_TRUE(rvo::HandAndTooltipShow(form.ToScreen({8, 250}), form.ToScreen(LinkAt(1)), L"编辑Ravelo界面显示风格"));
  ClickOn(form, LinkAt(1));  // L_s
  EXPECT_EQ(process_->AnswerMessage(), L"无法启动风格编辑器rvostyle.exe,请检查程序文件夹");
  EXPECT_TRUE(process_->IsRunning());
  const bool helpBuilt = GetFileAttributesW(install_.PathOf(L"bin\\rvohelp.chm").c_str()) != INVALID_FILE_ATTRIBUTES;
  if (helpBuilt) {
    ClickOn(form, LinkAt(3));  // L_h
    WaitForWindow({.text = L"Ravelo 使用帮助", .imageName = L"hh.exe"}, Milliseconds{10000});
    rvo::CloseCompanion(L"hh.exe");
    install_.Remove(L"bin\\rvohelp.chm");
  }
  Choose(form, MenuItem::Help);
  EXPECT_EQ(process_->AnswerMessage(), L"找不到帮助文件rvohelp.chm");
  if (!helpBuilt) GTEST_SKIP() << "this build made no help file (no chmcmd): the viewer was not tried";
}

}  // namespace
}  // namespace ravelo::e2e
