#include "config/win/prize_rounds_window.h"

#include <optional>
#include <string>
#include <vector>

#include "config/core/prize_plan_edit.h"
#include "config/win/modal_form.h"
#include "config/win/question_box.h"
#include "config/win/secondary_controls.h"
#include "config/win/secondary_form.h"
#include "shared/core/data_folder.h"
#include "shared/core/file_system.h"
#include "shared/core/ini_file.h"
#include "shared/core/prize_rounds.h"
#include "shared/win/form_controls.h"
#include "shared/win/image_button.h"
#include "shared/win/message_box.h"
#include "shared/win/skinned_form.h"
#include "shared/win/wide_text.h"

namespace ravelo::win::config {
namespace {

using namespace secondary_controls::prize_rounds;

constexpr int kWidth = 440;
constexpr int kHeight = 330;
constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr COLORREF kHintInk = RGB(192, 64, 0);
constexpr size_t kTitleBytes = 40;  // in GBK, as the caption shows it

constexpr wchar_t kCountRefused[] = L"每次抽取人数为1-50之间的整数,请重新输入";
constexpr wchar_t kRoundCountRefused[] = L"奖项人数为1-50之间的整数,请重新输入";
constexpr wchar_t kTitleEmpty[] = L"请输入奖项名称";
constexpr wchar_t kTitleBroken[] = L"奖项名称不能含有制表符或换行";
constexpr wchar_t kChooseFirst[] = L"请先在列表中选择一个奖项";
constexpr wchar_t kConfigMissing[] = L"找不到配置文件,请先按“确定”保存配置,再设置每次抽取人数";
constexpr wchar_t kRoundsNotSaved[] = L"奖项设置无法保存,请检查数据位置的文件夹属性";
constexpr wchar_t kCountNotSaved[] = L"配置文件无法修改,请检查文件属性";
constexpr wchar_t kSaved[] = L"奖项设置已保存,请重新运行Ravelo或进行刷新.";
constexpr wchar_t kAskSave[] = L"奖项设置已修改,是否保存?";

// The rounds, one a line: the title, then the count at a tab stop.
class RoundList final : public FormControl {
 public:
  std::function<void()> onChange;

  bool Create(HWND parent, int controlId, const RECT& bounds) {
    if (!CreateControl(L"LISTBOX", WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT,
                       0, L"", parent, controlId, bounds))
      return false;
    int stop = 100;  // quarters of the font's mean character width
    SendMessageW(Handle(), LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&stop));
    return true;
  }
  void Show(const std::vector<PrizeRound>& rounds, std::optional<size_t> selected) const {
    SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
    for (const PrizeRound& round : rounds) {
      const std::wstring line = Widen(round.title) + L"\t" + std::to_wstring(round.count) + L"人";
      SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
    SendMessageW(Handle(), LB_SETCURSEL, selected ? static_cast<WPARAM>(*selected) : static_cast<WPARAM>(-1), 0);
  }
  std::optional<size_t> Selected() const {
    const LRESULT index = SendMessageW(Handle(), LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return std::nullopt;
    return static_cast<size_t>(index);
  }
  void OnCommand(WORD code) override {
    if (code == LBN_SELCHANGE && onChange) onChange();
  }
};

class PrizeRoundsForm final : public SkinnedForm {
 public:
  explicit PrizeRoundsForm(const InstallPaths& install) : install_(install) {}

  bool Open(HWND owner) {
    const ProfileReader config = ProfileReader::Open(PathFromUtf8(install_.ConfigPath()));
    loadedCount_ = DrawCountFromText(config.Read(kDrawCountSection, kDrawCountKey, kDrawCountFieldBytes));
    roundsFile_ = PathFromUtf8(DataPathsFromConfig(install_, config).RoundsPath());
    if (IsExistingFile(roundsFile_)) {
      if (auto rounds = ReadPrizeRounds(roundsFile_)) plan_ = PrizePlanEdit(std::move(*rounds));
      else
        ShowWarning(owner, L"奖项设置文件无法读取:\r\n" + Widen(PathToUtf8(roundsFile_)) +
                               L"\r\n现在显示空的奖项设置,保存之前不会修改这个文件.");
    }
    if (!Create(SecondaryFormDesign(kWindowClass, kCaption, kWidth, kHeight)) || !CreateControls()) return false;
    rounds_.Show(plan_.Rounds(), plan_.Rounds().empty() ? std::nullopt : std::optional<size_t>(0));
    ShowChosen();
    return true;
  }

 private:
  bool CreateControls() {
    AddText(L"每次抽取人数:", {16, 48}, kInk);
    if (!count_.Create(Handle(), kDrawCount, {104, 44, 140, 68}, 2)) return false;
    count_.SetFont(ControlFont());
    count_.SetText(std::to_wstring(loadedCount_));
    AddText(L"(不按奖项抽取时每次抽出的人数,1-50)", {148, 48}, kHintInk);
    AddText(L"奖项(按抽取的先后顺序):", {16, 80}, kInk);
    if (!rounds_.Create(Handle(), kRounds, {16, 98, 256, 278})) return false;
    rounds_.SetFont(ControlFont());
    rounds_.onChange = [this] { ShowChosen(); };
    AddText(L"奖项名称:", {272, 100}, kInk);
    if (!title_.Create(Handle(), kTitle, {272, 116, 424, 140}, kTitleBytes)) return false;
    AddText(L"人数:", {272, 152}, kInk);
    if (!roundCount_.Create(Handle(), kRoundCount, {312, 148, 348, 172}, 2)) return false;
    for (EditBox* box : {&title_, &roundCount_}) box->SetFont(ControlFont());
    if (!AddButton(add_, kAdd, L"添加", {272, 184, 72, 24}) || !AddButton(change_, kChange, L"修改", {352, 184, 72, 24}) ||
        !AddButton(remove_, kRemove, L"删除", {272, 216, 72, 24}) || !AddButton(up_, kUp, L"上移", {272, 248, 72, 24}) ||
        !AddButton(down_, kDown, L"下移", {352, 248, 72, 24}) || !AddButton(save_, kSave, L"保存", {280, 292, 64, 24}) ||
        !AddButton(cancel_, kCancel, L"取消", {360, 292, 64, 24}))
      return false;
    AddText(L"按奖项抽取时,每轮抽出该奖项的人数.", {16, 296}, kHintInk);
    add_.onClick = [this] { AddRound(); };
    change_.onClick = [this] { ChangeRound(); };
    remove_.onClick = [this] { Select(plan_.Remove(Chosen().value_or(plan_.Rounds().size()))); };
    up_.onClick = [this] { Move(&PrizePlanEdit::MoveUp); };
    down_.onClick = [this] { Move(&PrizePlanEdit::MoveDown); };
    save_.onClick = [this] { Save(); };
    cancel_.onClick = [this] { Leave(); };
    onClose = [this] { Leave(); };
    AddTip(change_.Handle(), L"选中的奖项改用上面的名称和人数");
    ApplyDialogSkin(*this, Widen(install_.baseFolder), save_);
    for (ImageButton* button : {&add_, &change_, &remove_, &up_, &down_, &cancel_}) button->SetCursor(Hand());
    return true;
  }

  std::optional<size_t> Chosen() {
    const auto chosen = rounds_.Selected();
    if (!chosen) ShowWarning(Handle(), kChooseFirst);
    return chosen;
  }

  // The list shown again with that round chosen, its title and count in the boxes.
  void Select(std::optional<size_t> round) {
    rounds_.Show(plan_.Rounds(), round);
    ShowChosen();
  }

  void ShowChosen() {
    const auto chosen = rounds_.Selected();
    if (!chosen) return;
    const PrizeRound& round = plan_.Rounds()[*chosen];
    title_.SetText(Widen(round.title));
    roundCount_.SetText(std::to_wstring(round.count));
  }

  void Refuse(EditBox& box, const wchar_t* message) {
    ShowWarning(Handle(), message);
    box.SelectAll();
    box.Focus();
  }

  // The round typed in the boxes, or nullopt after saying what is wrong.
  std::optional<PrizeRound> TypedRound() {
    const std::string title = TrimmedPrizeTitle(Narrow(title_.Text()));
    switch (CheckPrizeTitle(title)) {
      case PrizeTitleProblem::Empty: Refuse(title_, kTitleEmpty); return std::nullopt;
      case PrizeTitleProblem::HasTabOrLineBreak: Refuse(title_, kTitleBroken); return std::nullopt;
      case PrizeTitleProblem::None: break;
    }
    const auto count = DrawCountInput(Narrow(roundCount_.Text()));
    if (!count) {
      Refuse(roundCount_, kRoundCountRefused);
      return std::nullopt;
    }
    return PrizeRound{title, *count};
  }

  void AddRound() {
    if (auto round = TypedRound()) Select(plan_.Add(std::move(*round)));
  }

  void ChangeRound() {
    const auto chosen = Chosen();
    if (!chosen) return;
    if (auto round = TypedRound()) Select(plan_.Replace(*chosen, std::move(*round)));
  }

  void Move(std::optional<size_t> (PrizePlanEdit::*move)(size_t)) {
    const auto chosen = Chosen();
    if (!chosen) return;
    if (const auto moved = (plan_.*move)(*chosen)) Select(moved);
  }

  bool Edited() const {
    return plan_.Changed() || DrawCountInput(Narrow(count_.Text())) != std::optional<int>(loadedCount_);
  }

  void Leave() {
    cancel_.ShowNormal();
    if (Edited()) {
      const Answer answer = AskYesNoCancel(Handle(), kAskSave);
      if (answer == Answer::kCancel) return;
      if (answer == Answer::kYes) return Save();
    }
    CloseModal(*this);
  }

  // Writes what changed and closes; stays open after a refusal or a failure.
  void Save() {
    save_.ShowNormal();
    const auto count = DrawCountInput(Narrow(count_.Text()));
    if (!count) return Refuse(count_, kCountRefused);
    const FilePath config = PathFromUtf8(install_.ConfigPath());
    const bool countChanged = *count != loadedCount_;
    // A file of this key alone would hide every default of the others.
    if (!countChanged && !plan_.Changed()) return CloseModal(*this);
    if (countChanged && !IsExistingFile(config)) return ShowWarning(Handle(), kConfigMissing);
    if (plan_.Changed()) {
      if (!WriteFileAtomically(roundsFile_, PrizeRoundsFileText(plan_.Rounds()))) return ShowWarning(Handle(), kRoundsNotSaved);
      plan_.MarkSaved();
    }
    if (countChanged) {
      const std::string field = DrawCountFieldText(*count);
      const ProfileWrite write{kDrawCountSection, kDrawCountKey, field};
      if (!WriteProfileValues(config, std::span<const ProfileWrite>(&write, 1))) return ShowWarning(Handle(), kCountNotSaved);
      loadedCount_ = *count;
    }
    ShowInformation(Handle(), kSaved);
    CloseModal(*this);
  }

  InstallPaths install_;
  FilePath roundsFile_;
  PrizePlanEdit plan_;
  int loadedCount_ = kMinDrawCount;
  EditBox count_;
  RoundList rounds_;
  EditBox title_;
  EditBox roundCount_;
  ImageButton add_;
  ImageButton change_;
  ImageButton remove_;
  ImageButton up_;
  ImageButton down_;
  ImageButton save_;
  ImageButton cancel_;
};

}  // namespace

void EditPrizeRounds(HWND owner, const InstallPaths& install) {
  PrizeRoundsForm form(install);
  if (!form.Open(owner)) {
    ShowWarning(owner, L"无法打开奖项设置窗口");
    return;
  }
  RunModal(owner, form);
}

}  // namespace ravelo::win::config
