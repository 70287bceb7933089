#include "config/win/data_folder_window.h"

#include <vector>

#include "config/core/data_folder_choice.h"
#include "config/win/folder_picker.h"
#include "config/win/modal_form.h"
#include "config/win/question_box.h"
#include "config/win/secondary_controls.h"
#include "config/win/secondary_form.h"
#include "shared/core/data_folder.h"
#include "shared/core/file_system.h"
#include "shared/core/ini_file.h"
#include "shared/win/form_controls.h"
#include "shared/win/image_button.h"
#include "shared/win/message_box.h"
#include "shared/win/skinned_form.h"
#include "shared/win/wide_text.h"

namespace ravelo::win::config {
namespace {

using namespace secondary_controls::data_folder;

constexpr int kWidth = 440;
constexpr int kHeight = 170;
constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr COLORREF kHintInk = RGB(192, 64, 0);

constexpr wchar_t kAskCopy[] =
    L"是否把当前的名单复制到新的数据位置?\r\n(抽签记录和不重复抽取的进度不复制,仍留在原来的位置)";
constexpr wchar_t kConfigMissing[] = L"找不到配置文件,请先按“确定”保存配置,再设置数据位置";
constexpr wchar_t kNotSaved[] = L"配置文件无法修改,请检查文件属性";
constexpr wchar_t kSaved[] = L"数据位置已修改,请重新运行Ravelo或进行刷新.";

std::wstring FolderShown(const std::string& folder) {
  std::string shown = folder;
  if (shown.size() > 3 && (shown.back() == '\\' || shown.back() == '/')) shown.pop_back();
  return Widen(shown);
}

class DataFolderForm final : public SkinnedForm {
 public:
  explicit DataFolderForm(const InstallPaths& install) : install_(install) {}

  bool Open() {
    const std::wstring baseFolder = Widen(install_.baseFolder);
    if (!Create(SecondaryFormDesign(kWindowClass, kCaption, kWidth, kHeight))) return false;
    const ProfileReader config = ProfileReader::Open(PathFromUtf8(install_.ConfigPath()));
    current_ = DataPathsFromConfig(install_, config);
    AddText(L"数据位置:", {16, 48}, kInk);
    if (!folder_.Create(Handle(), kFolder, {84, 44, 340, 68}, 0)) return false;
    folder_.SetFont(ControlFont());
    folder_.SetText(FolderShown(current_.folder));
    AddText(L"名单、抽签记录和不重复抽取的进度都保存在数据位置。", {16, 80}, kHintInk);
    AddText(L"电脑装有还原软件时,请选择不会被还原的磁盘上的文件夹。", {16, 100}, kHintInk);
    if (!AddButton(browse_, kBrowse, L"浏览", {352, 44, 72, 24}) ||
        !AddButton(default_, kDefault, L"恢复默认位置", {16, 132, 100, 24}) ||
        !AddButton(ok_, kOk, L"确定", {280, 132, 64, 24}) || !AddButton(cancel_, kCancel, L"取消", {360, 132, 64, 24}))
      return false;
    browse_.onClick = [this] { Browse(); };
    default_.onClick = [this] { folder_.SetText(FolderShown(install_.baseFolder)); };
    ok_.onClick = [this] { Accept(); };
    cancel_.onClick = [this] { CloseModal(*this); };
    onClose = [this] { CloseModal(*this); };
    AddTip(default_.Handle(), L"名单和记录保存在程序所在的位置");
    ApplyDialogSkin(*this, baseFolder, ok_);
    for (ImageButton* button : {&browse_, &default_, &cancel_}) button->SetCursor(Hand());
    return true;
  }

 private:
  void Browse() {
    browse_.ShowNormal();
    if (const auto picked = PickFolder(Handle(), L"选择数据位置", folder_.Text())) folder_.SetText(*picked);
  }

  void Refuse(const std::wstring& message) {
    ShowWarning(Handle(), message);
    folder_.SelectAll();
    folder_.Focus();
  }

  void Accept() {
    ok_.ShowNormal();
    const std::string value = DataFolderValue(Narrow(folder_.Text()), install_);
    if (const DataFolderProblem problem = CheckDataFolderValue(value); problem != DataFolderProblem::kNone)
      return Refuse(Widen(DataFolderProblemMessage(problem, value)));
    const DataPaths chosen = DataPaths::From(install_, value);
    if (SameDataFolder(chosen.folder, current_.folder)) return CloseModal(*this);  // nothing to change
    if (const DataFolderProblem problem = PrepareDataFolder(chosen); problem != DataFolderProblem::kNone)
      return Refuse(Widen(DataFolderProblemMessage(problem, value)));
    const FilePath config = PathFromUtf8(install_.ConfigPath());
    // A file of this key alone would hide every default of the others.
    if (!IsExistingFile(config)) return ShowWarning(Handle(), kConfigMissing);
    if (!CopyListsTo(chosen)) return;
    const ProfileWrite write{kDataFolderSection, kDataFolderKey, value};
    if (!WriteProfileValues(config, std::span<const ProfileWrite>(&write, 1))) return ShowWarning(Handle(), kNotSaved);
    ShowInformation(Handle(), kSaved);
    CloseModal(*this);
  }

  // False when the operator cancelled or a list could not be copied: the
  // data folder then stays as it was.
  bool CopyListsTo(const DataPaths& chosen) {
    const std::vector<ListCopy> plan = PlanListCopy(current_, chosen);
    if (plan.empty()) return true;
    const Answer copy = AskYesNoCancel(Handle(), kAskCopy);
    if (copy == Answer::kCancel) return false;
    if (copy == Answer::kNo) return true;
    std::wstring taken;
    for (const ListCopy& file : plan)
      if (file.replaces) taken += L"\r\n" + Widen(file.title);
    bool replace = false;
    if (!taken.empty()) {
      const Answer answer = AskYesNoCancel(
          Handle(), L"新的数据位置已有下列内容不同的名单文件:" + taken +
                        L"\r\n是否用当前的名单覆盖它们?\r\n(选“否”保留这些文件,只复制其它名单)");
      if (answer == Answer::kCancel) return false;
      replace = answer == Answer::kYes;
    }
    const std::vector<std::string> failed = CopyLists(plan, replace);
    if (failed.empty()) return true;
    std::wstring names;
    for (const std::string& title : failed) names += L"\r\n" + Widen(title);
    ShowWarning(Handle(), L"下列名单无法复制到新的数据位置,数据位置没有修改:" + names);
    return false;
  }

  InstallPaths install_;
  DataPaths current_;
  EditBox folder_;
  ImageButton browse_;
  ImageButton default_;
  ImageButton ok_;
  ImageButton cancel_;
};

}  // namespace

void ChangeDataFolder(HWND owner, const InstallPaths& install) {
  DataFolderForm form(install);
  if (!form.Open()) {
    ShowWarning(owner, L"无法打开数据位置窗口");
    return;
  }
  RunModal(owner, form);
}

}  // namespace ravelo::win::config
