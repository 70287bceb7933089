#include "config/win/name_list_window.h"

#include <algorithm>
#include <cwctype>

#include "config/core/list_files.h"
#include "config/core/name_list_text.h"
#include "config/core/roster_import.h"
#include "config/win/import_preview_window.h"
#include "config/win/list_name_prompt.h"
#include "config/win/question_box.h"
#include "config/win/roster_file.h"
#include "config/win/secondary_form.h"
#include "shared/core/file_system.h"
#include "shared/core/ini_file.h"
#include "shared/win/list_library.h"
#include "shared/win/message_box.h"
#include "shared/win/wide_text.h"

namespace ravelo::win::config {
namespace {

using namespace secondary_controls::name_list;

constexpr int kWidth = 369;
constexpr int kHeight = 335;
// The list picker's row stands above the box and the hints.
constexpr int kRow = 30;
constexpr COLORREF kInk = RGB(0, 0, 0);

constexpr wchar_t kMissingFile[] = L"找不到抽签名单文件";
constexpr wchar_t kUnreadableFile[] = L"抽签名单文件无法读取,请检查文件属性";
constexpr wchar_t kSaved[] = L"抽签名单修改成功";
constexpr wchar_t kSaveFailed[] = L"名单文件无法修改，请检查文件属性";

struct StepText {
  const wchar_t* text;
  POINT at;
  int width;
};
constexpr StepText kSteps[] = {
    {L"1、在左边的文本列表框输入抽签名单，名单以行为单位，即每一行代表一个名称。", {160, 64 + kRow}, 209},
    {L"2、每输入一个名称后按回车键输入下一个名称，直到所有名单输入为止。", {160, 112 + kRow}, 209},
    {L"3、完成名单的输入按保存按钮即可。", {160, 152 + kRow}, 209},
    {L"小提示：您也可以用记事本程序写一个文本文件，每一行写一个名字，保存到数据位置的lists文件夹中，文件名就是名单的名称。",
     {160, 184 + kRow}, 201},
};

constexpr wchar_t kConfigNotSaved[] = L"配置文件无法修改,Ravelo将使用默认名单";

constexpr wchar_t kRosterFilter[] = L"名单文件 (*.xlsx;*.csv;*.txt)|*.xlsx;*.csv;*.txt|所有文件 (*.*)|*.*";
constexpr wchar_t kPastedOrigin[] = L"粘贴的表格内容";

std::wstring WideOf(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

bool EndsWithNoCase(const std::wstring& text, std::wstring_view ending) {
  if (text.size() < ending.size()) return false;
  return std::equal(ending.begin(), ending.end(), text.end() - static_cast<std::ptrdiff_t>(ending.size()),
                    [](wchar_t a, wchar_t b) { return std::towlower(a) == std::towlower(b); });
}
std::u16string U16Of(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

}  // namespace

bool MultiLineBox::Create(HWND parent, int controlId, const RECT& bounds) {
  const DWORD style = WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN;
  if (!CreateControl(L"EDIT", style, WS_EX_CLIENTEDGE, L"", parent, controlId, bounds)) return false;
  SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);  // 0: as much as the system allows
  if (onColumnsPasted) {
    SetWindowLongPtrW(Handle(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MultiLineBox::Subclass)));
  }
  return true;
}

// Ctrl+V, Shift+Insert and the box's own menu all paste through WM_PASTE.
LRESULT CALLBACK MultiLineBox::Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* box = reinterpret_cast<MultiLineBox*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_PASTE && box && box->PasteColumns()) return 0;
  return CallWindowProcW(box->original_, window, message, wParam, lParam);
}

bool MultiLineBox::PasteColumns() {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(Handle())) return false;
  std::wstring text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text.assign(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  if (text.find(L'\t') == std::wstring::npos) return false;  // one column: pasted as it is
  onColumnsPasted(std::move(text));
  return true;
}

std::wstring MultiLineBox::Text() const {
  const int length = GetWindowTextLengthW(Handle());
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(Handle(), text.data(), length + 1)));
  return text;
}

void MultiLineBox::SetText(const std::wstring& text) const { SetWindowTextW(Handle(), text.c_str()); }

NameListWindow::NameListWindow() = default;
NameListWindow::~NameListWindow() = default;

bool NameListWindow::Open(const InstallPaths& install) {
  install_ = install;
  baseFolder_ = Widen(install.baseFolder);
  const ProfileReader config = ProfileReader::Open(PathFromUtf8(install.ConfigPath()));
  data_ = DataPathsFromConfig(install, config);
  // The list rvo uses, or the default list when it is gone.
  list_ = ListInUseFromConfig(config);
  if (!list_.empty() && !IsExistingFile(PathFromUtf8(data_.ListPath(list_)))) list_.clear();
  SkinnedFormDesign design = SecondaryFormDesign(kWindowClass, kCaption, kWidth, kHeight);
  design.minimiseBox = true;
  if (!Create(design) || !CreateControls()) return false;
  onClose = [this] { Close(); };
  ApplyDialogSkin(*this, baseFolder_, save_);
  save_.SetPicture(CommonPicture(Pictures(), baseFolder_, L"save.pte"));
  save_.SetHoverPicture(CommonPicture(Pictures(), baseFolder_, L"msave.pte"));
  cancel_.SetPicture(CommonPicture(Pictures(), baseFolder_, L"cancel.pte"));
  cancel_.SetHoverPicture(CommonPicture(Pictures(), baseFolder_, L"mcancel.pte"));
  for (ImageButton* button : {&cancel_, &import_, &new_, &rename_, &delete_}) button->SetCursor(Hand());
  FillPicker();
  const wchar_t* problem = Load();
  ShowCentred();
  if (problem) ShowWarning(Handle(), problem);
  return true;
}

bool NameListWindow::CreateControls() {
  text_.onColumnsPasted = [this](std::wstring pasted) {
    auto source = std::make_unique<RosterSource>();
    if (source->OpenPastedText(std::u16string(pasted.begin(), pasted.end())) == RosterProblem::kNone)
      Preview(std::move(source), kPastedOrigin);
  };
  picker_ = std::make_unique<ChoiceBox>();
  if (!picker_->Create(Handle(), kPicker, {24, 36, 24 + 150, 36 + 240})) return false;
  picker_->SetFont(ControlFont());
  picker_->SetAccessibleName(L"名单");
  picker_->onChange = [this] { Pick(); };
  // The box leaves room below it for "导入", which fills it.
  if (!text_.Create(Handle(), kText, {24, 40 + kRow, 24 + 121, 40 + kRow + 208})) return false;
  text_.SetFont(ControlFont());
  text_.SetAccessibleName(L"名单内容");
  if (!AddLabel(heading_, kHeading, L"名单设置方法", {160, 40 + kRow}, kInk)) return false;
  FontSpec small = UiFont();
  small.points = 8.0f;
  for (size_t i = 0; i < steps_.size(); ++i) {
    const StepText& step = kSteps[i];
    TextLabel::InitialState initial{step.text, small, kInk,
                                    PointF{static_cast<float>(step.at.x), static_cast<float>(step.at.y)}, step.width};
    if (!AddLabel(steps_[i], kFirstStep + static_cast<int>(i), initial)) return false;
  }
  const struct {
    ImageButton& button;
    int id;
    const wchar_t* name;
    int left;
    std::function<void(NameListWindow&)> action;
    int top;
    int width;
  } buttons[] = {{new_, kNew, L"新建", 182, &NameListWindow::NewList, 36, 52},
                 {rename_, kRename, L"重命名", 238, &NameListWindow::RenameList, 36, 60},
                 {delete_, kDelete, L"删除", 302, &NameListWindow::DeleteList, 36, 52},
                 {save_, kSave, L"保存", 176, [](NameListWindow& w) { w.Save(); }, 256 + kRow, 58},
                 {cancel_, kCancel, L"取消", 264, &NameListWindow::Close, 256 + kRow, 58},
                 {import_, kImport, L"导入", 24, &NameListWindow::Import, 260 + kRow, 58}};
  for (const auto& b : buttons) {
    if (!AddButton(b.button, b.id, b.name, {b.left, b.top, b.width, 22})) return false;
    b.button.onClick = [this, action = b.action] { action(*this); };
    AddTip(b.button.Handle(), b.name);
  }
  return true;
}

const wchar_t* NameListWindow::Load() {
  const FilePath file = PathFromUtf8(data_.ListPath(list_));
  encoding_ = NameFileEncoding::kGbk;
  if (const auto read = ReadNameListText(file)) {
    encoding_ = read->encoding;
    text_.SetText(WideOf(read->text));
    loaded_ = text_.Text();
    return nullptr;
  }
  text_.SetText(L"");
  loaded_.clear();
  // A list that exists but cannot be read (locked, no access) is not
  // reported as missing.
  return IsExistingFile(file) ? kUnreadableFile : kMissingFile;
}

bool NameListWindow::Save() {
  save_.ShowNormal();
  const FilePath file = PathFromUtf8(data_.ListPath(list_));
  // A list whose folder went meanwhile gets it back.
  if (!list_.empty()) MakeFolder(PathFromUtf8(data_.ListsFolder()));
  const std::wstring text = text_.Text();
  if (const auto written = SaveNameListText(file, U16Of(text), encoding_)) {
    encoding_ = *written;
    loaded_ = text;
    ShowInformation(Handle(), kSaved);
    return true;
  }
  ShowWarning(Handle(), kSaveFailed);
  return false;
}

void NameListWindow::Close() {
  cancel_.ShowNormal();
  if (MayLeave()) DestroyWindow(Handle());
}

bool NameListWindow::MayLeave() {
  if (text_.Text() == loaded_) return true;
  const std::wstring title = list_.empty() ? Widen(kDefaultListTitle) : Widen(list_);
  switch (AskYesNoCancel(Handle(), L"名单“" + title + L"”已修改,是否保存?")) {
    case Answer::kYes: return Save();
    case Answer::kNo: return true;
    case Answer::kCancel: break;
  }
  return false;
}

void NameListWindow::FillPicker() {
  lists_ = ListNamesInDataFolder(data_);
  lists_.insert(lists_.begin(), std::string());
  SendMessageW(picker_->Handle(), CB_RESETCONTENT, 0, 0);
  int shown = 0;
  for (size_t i = 0; i < lists_.size(); ++i) {
    picker_->Add(Widen(lists_[i].empty() ? kDefaultListTitle : lists_[i]));
    if (SameListName(lists_[i], list_)) shown = static_cast<int>(i);
  }
  picker_->Select(shown);
  // The default list is neither renamed nor deleted.
  rename_.Enable(!list_.empty());
  delete_.Enable(!list_.empty());
}

void NameListWindow::ShowList(std::string name) {
  list_ = std::move(name);
  FillPicker();
  if (const wchar_t* problem = Load()) ShowWarning(Handle(), problem);
}

void NameListWindow::Pick() {
  const int chosen = picker_->Selected();
  if (chosen < 0 || static_cast<size_t>(chosen) >= lists_.size() || lists_[static_cast<size_t>(chosen)] == list_) return;
  if (!MayLeave()) {
    FillPicker();  // back to the list shown
    return;
  }
  ShowList(lists_[static_cast<size_t>(chosen)]);
}

void NameListWindow::NewList() {
  new_.ShowNormal();
  if (!MayLeave()) return;
  std::wstring typed;
  while (const auto name = AskListName(Handle(), baseFolder_, secondary_controls::list_name::kNewCaption, typed)) {
    typed = *name;
    const std::string utf8 = Narrow(typed);
    const ListFileResult result = CreateListFile(data_, utf8);
    if (result == ListFileResult::kDone) return ShowList(utf8);
    ShowWarning(Handle(), Widen(ListFileResultMessage(result, utf8)));
  }
}

void NameListWindow::RenameList() {
  rename_.ShowNormal();
  if (list_.empty()) return;
  std::wstring typed = Widen(list_);
  while (const auto name = AskListName(Handle(), baseFolder_, secondary_controls::list_name::kRenameCaption, typed)) {
    typed = *name;
    const std::string utf8 = Narrow(typed);
    if (utf8 == list_) return;
    const ListFileResult result = RenameListFile(data_, list_, utf8);
    if (result == ListFileResult::kDone) {
      const std::string old = list_;
      list_ = utf8;  // the box keeps its edits: they now belong to the new name
      FillPicker();
      FollowListInUse(old, utf8);
      return;
    }
    ShowWarning(Handle(), Widen(ListFileResultMessage(result, utf8)));
  }
}

void NameListWindow::DeleteList() {
  delete_.ShowNormal();
  if (list_.empty()) return;
  if (!AskYesNo(Handle(), L"确定要删除名单“" + Widen(list_) + L"”吗?删除后无法恢复。")) return;
  const ListFileResult result = DeleteListFile(data_, list_);
  if (result != ListFileResult::kDone) return ShowWarning(Handle(), Widen(ListFileResultMessage(result, list_)));
  const std::string old = list_;
  ShowList(std::string());
  FollowListInUse(old, std::nullopt);
}

void NameListWindow::FollowListInUse(const std::string& from, std::optional<std::string> to) {
  const FilePath config = PathFromUtf8(install_.ConfigPath());
  const ProfileReader reader = ProfileReader::Open(config);
  if (!reader.FileExists()) return;
  const auto next = ListInUseAfter(ListInUseFromConfig(reader), from, to);
  if (!next) return;
  // This key alone, merged into the file as it is now.
  const ProfileWrite write{kListSection, kListKey, *next};
  if (!WriteProfileValues(config, std::span<const ProfileWrite>(&write, 1))) ShowWarning(Handle(), kConfigNotSaved);
}

void NameListWindow::Import() {
  import_.ShowNormal();
  const auto path = dialogs_.OpenFile(Handle(), {L"导入名单", kRosterFilter, 1});
  if (!path) return;
  if (EndsWithNoCase(*path, L".xls")) {
    ShowWarning(Handle(), WideOf(RosterProblemMessage(RosterProblem::kOldXls)));
    return;
  }
  RosterFileRead read = ReadRosterFile(*path);
  if (!read.bytes) {
    ShowWarning(Handle(), read.problem);
    return;
  }
  auto source = std::make_unique<RosterSource>();
  if (const RosterProblem problem = source->OpenFile(std::move(*read.bytes)); problem != RosterProblem::kNone) {
    ShowWarning(Handle(), WideOf(RosterProblemMessage(problem)));
    return;
  }
  const size_t slash = path->find_last_of(L"\\/");
  Preview(std::move(source), slash == std::wstring::npos ? *path : path->substr(slash + 1));
}

void NameListWindow::Preview(std::unique_ptr<RosterSource> source, const std::wstring& origin) {
  preview_ = std::make_unique<ImportPreviewWindow>();
  preview_->onImport = [this](bool replace, const std::vector<std::u16string>& names) {
    const std::u16string text = replace ? ReplaceWithNames(names) : AppendNames(U16Of(text_.Text()), names);
    text_.SetText(WideOf(text));
    // The end of the box, where appended names arrive.
    SendMessageW(text_.Handle(), EM_SETSEL, static_cast<WPARAM>(text.size()), static_cast<LPARAM>(text.size()));
    SendMessageW(text_.Handle(), EM_SCROLLCARET, 0, 0);
    text_.Focus();
  };
  if (!preview_->Open(Handle(), baseFolder_, std::move(source), origin)) preview_.reset();
}

void NameListWindow::Activate() const {
  if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
  SetForegroundWindow(Handle());
}

}  // namespace ravelo::win::config
