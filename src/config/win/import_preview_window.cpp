#include "config/win/import_preview_window.h"

#include <algorithm>

#include "config/win/secondary_controls.h"
#include "config/win/secondary_form.h"
#include "shared/win/message_box.h"

namespace ravelo::win::config {
namespace {

using namespace secondary_controls::import_preview;

constexpr int kWidth = 400;
constexpr int kHeight = 330;
constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr size_t kFirstNamesShown = 20;

std::wstring WideOf(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

}  // namespace

bool ChoiceBox::Create(HWND parent, int controlId, const RECT& bounds) {
  // The height includes the list that drops down.
  return CreateControl(L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, L"", parent, controlId, bounds);
}

void ChoiceBox::Add(const std::wstring& item) const {
  SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int ChoiceBox::Selected() const { return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0)); }

void ChoiceBox::Select(int index) const { SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

void ChoiceBox::OnCommand(WORD code) {
  if (code == CBN_SELCHANGE && onChange) onChange();
}

bool ImportPreviewWindow::Open(HWND editor, const std::wstring& baseFolder, std::unique_ptr<RosterSource> source,
                               const std::wstring& origin) {
  editor_ = editor;
  source_ = std::move(source);
  if (!Create(SecondaryFormDesign(kWindowClass, kCaption, kWidth, kHeight)) || !CreateControls(origin)) return false;
  // Owned by the editor: above it, and gone with it.
  SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(editor_));
  onClose = [this] { Close(); };
  ApplyDialogSkin(*this, baseFolder, replace_);
  for (ImageButton* button : {&append_, &cancel_}) button->SetCursor(Hand());
  FillColumns();
  EnableWindow(editor_, FALSE);
  ShowCentred();
  return true;
}

bool ImportPreviewWindow::CreateControls(const std::wstring& origin) {
  AddText(L"来源:", {16, 42}, kInk);
  if (!AddLabel(sourceLabel_, kSource, origin, {76, 42}, kInk)) return false;
  int y = 66;
  if (source_->SheetNames().size() > 1) {
    AddText(L"工作表:", {16, y + 4}, kInk);
    if (!sheets_.Create(Handle(), kSheet, {76, y, 76 + 200, y + 200})) return false;
    sheets_.SetFont(ControlFont());
    for (const auto& name : source_->SheetNames()) sheets_.Add(WideOf(name));
    sheets_.Select(0);
    sheets_.onChange = [this] { ChooseSheet(); };
    y += 28;
  }
  AddText(L"姓名列:", {16, y + 4}, kInk);
  if (!column_.Create(Handle(), kColumn, {76, y, 76 + 200, y + 240})) return false;
  column_.SetFont(ControlFont());
  column_.onChange = [this] { Refresh(); };
  y += 30;
  if (!AddLabel(summary_, kSummary, L"", {16, y}, kInk)) return false;
  y += 22;
  if (!dropRepeats_.Create(Handle(), kDropRepeats, L"去掉重复的名字", {16, y, 16 + 200, y + 18}, kInk, kWhite))
    return false;
  dropRepeats_.SetFont(ControlFont());
  dropRepeats_.SetChecked(true);
  dropRepeats_.onToggle = [this] { Refresh(); };
  y += 24;
  AddText(L"前面的名字:", {16, y}, kInk);
  y += 18;
  if (!firstNames_.Create(Handle(), kFirstNames, {16, y, kWidth - 16, 286})) return false;
  firstNames_.SetFont(ControlFont());
  SendMessageW(firstNames_.Handle(), EM_SETREADONLY, TRUE, 0);
  const struct {
    ImageButton& button;
    int id;
    const wchar_t* name;
    int left;
  } buttons[] = {{replace_, kReplace, L"替换", 168}, {append_, kAppend, L"追加", 244}, {cancel_, kCancel, L"取消", 320}};
  for (const auto& b : buttons)
    if (!AddButton(b.button, b.id, b.name, {b.left, 296, 64, 24})) return false;
  replace_.onClick = [this] { Finish(true); };
  append_.onClick = [this] { Finish(false); };
  cancel_.onClick = [this] { Close(); };
  AddTip(replace_.Handle(), L"用这些名字替换编辑框中的名单");
  AddTip(append_.Handle(), L"把这些名字加在名单的后面");
  return true;
}

void ImportPreviewWindow::FillColumns() {
  const CellTable& table = source_->Table();
  found_ = FindNamesColumn(table);
  columns_ = UsedColumns(table);
  SendMessageW(column_.Handle(), CB_RESETCONTENT, 0, 0);
  int chosen = 0;
  for (size_t i = 0; i < columns_.size(); ++i) {
    column_.Add(WideOf(ColumnLabel(table, columns_[i], found_)));
    if (columns_[i] == found_.column) chosen = static_cast<int>(i);
  }
  column_.Select(chosen);
  Refresh();
}

void ImportPreviewWindow::Refresh() {
  NamesColumn where = found_;
  const int chosen = column_.Selected();
  if (chosen >= 0 && static_cast<size_t>(chosen) < columns_.size()) where.column = columns_[static_cast<size_t>(chosen)];
  names_ = NamesInColumn(source_->Table(), where, dropRepeats_.Checked());
  std::wstring summary = L"共 " + std::to_wstring(names_.names.size()) + L" 个名字";
  summary += L",跳过空白 " + std::to_wstring(names_.emptySkipped) + L" 个";
  summary += dropRepeats_.Checked() ? L",去掉重复 " : L",其中重复 ";
  summary += std::to_wstring(names_.duplicates) + L" 个";
  summary_.SetText(summary);
  std::wstring first;
  for (size_t i = 0; i < std::min(kFirstNamesShown, names_.names.size()); ++i)
    first += (i ? L"\r\n" : L"") + WideOf(names_.names[i]);
  if (names_.names.size() > kFirstNamesShown) first += L"\r\n……";
  firstNames_.SetText(first);
  replace_.Enable(!names_.names.empty());
  append_.Enable(!names_.names.empty());
}

void ImportPreviewWindow::ChooseSheet() {
  const int chosen = sheets_.Selected();
  if (chosen < 0) return;
  const RosterProblem problem = source_->SelectSheet(static_cast<size_t>(chosen));
  if (problem != RosterProblem::kNone && problem != RosterProblem::kNoNames) {
    ShowWarning(Handle(), WideOf(RosterProblemMessage(problem)));
    sheets_.Select(static_cast<int>(source_->Sheet()));
    return;
  }
  FillColumns();
}

void ImportPreviewWindow::Finish(bool replace) {
  const std::vector<std::u16string> names = std::move(names_.names);
  const auto deliver = onImport;
  Close();
  if (deliver) deliver(replace, names);
}

void ImportPreviewWindow::Close() {
  // The editor comes back before this goes, so that it gets the activation.
  EnableWindow(editor_, TRUE);
  SetForegroundWindow(editor_);
  DestroyWindow(Handle());
}

}  // namespace ravelo::win::config
