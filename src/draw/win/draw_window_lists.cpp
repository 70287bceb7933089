// The draw window's lists and data folder: which list is read and from
// where, the choice of list in the menu, the status that names the list and
// the names left, and the names drawn in a round without repeats, kept per
// list in the data folder so that the round goes on after a restart.
#include <algorithm>

#include "draw/core/drawn_state.h"
#include "draw/win/draw_controls.h"
#include "draw/win/draw_window.h"
#include "shared/core/config_schema.h"
#include "shared/core/file_system.h"
#include "shared/core/ini_file.h"
#include "shared/win/list_library.h"
#include "shared/win/message_box.h"
#include "shared/win/wide_text.h"

namespace ravelo::win {
namespace {

// A drawn-names file larger than this is not a round of any list rvo loads.
constexpr std::uint64_t kMaxDrawnStateBytes = 256u << 20;

std::wstring FolderText(const std::string& folder) { return L"“" + Widen(folder) + L"”"; }

}  // namespace

bool DrawWindow::CreateListStatus() {
  TextLabel::InitialState initial;
  initial.font = FontSpec{L"宋体", 10.0f};
  if (!listStatus_.Create(Content().Canvas(), draw_controls::kListStatus, initial)) return false;
  ShowWindow(listStatus_.Handle(), SW_HIDE);
  return true;
}

void DrawWindow::FindDataFolderAndList() {
  const FilePath configPath = PathFromUtf8(paths_.ConfigPath());
  const ProfileReader config = IsExistingFile(configPath) ? ProfileReader::Open(configPath) : ProfileReader::FromBytes("");
  data_ = DataPathsFromConfig(paths_, config);
  list_ = chosenList_ ? *chosenList_ : ListInUseFromConfig(config);

  // A folder that is missing (a disk not plugged in) or cannot be written:
  // the draw goes on with what can be read, and nothing is written anywhere.
  const std::string configured = data_.folder;
  const bool exists = IsExistingFolder(PathFromUtf8(configured));
  dataReadOnly_ = !exists || !IsWritableFolder(PathFromUtf8(configured));
  if (!exists) data_ = DataPaths::From(paths_, "");  // the lists that came with the program
  if (!dataReadOnly_) {
    warnedFolder_.clear();
  } else if (warnedFolder_ != configured) {
    warnedFolder_ = configured;
    ShowWarning(Handle(), exists ? L"数据文件夹" + FolderText(configured) +
                                       L"无法写入。本次可以照常抽签,但不会记录抽签结果,也不会保存不重复抽取的进度"
                                 : L"找不到数据文件夹" + FolderText(configured) +
                                       L"(所在的磁盘可能未连接)。本次使用程序自带的名单抽签,不会记录抽签结果,也不会保存不重复抽取的进度");
  }
}

bool DrawWindow::LoadNames() {
  // The old list gives its memory back before the new one is read.
  names_.Clear();
  NamesLoaded();
  FindDataFolderAndList();
  if (!list_.empty() && !IsExistingFile(PathFromUtf8(data_.ListPath(list_)))) {
    ShowWarning(Handle(), L"找不到名单“" + Widen(list_) + L"”,本次使用" + Widen(kDefaultListTitle));
    list_.clear();
    chosenList_.reset();
  }
  return Loadname(PathFromUtf8(data_.ListPath(list_)), names_);
}

std::string DrawWindow::ListTitle() const { return list_.empty() ? std::string(kDefaultListTitle) : list_; }

std::vector<std::size_t> DrawWindow::ReadDrawnNames() {
  const FilePath path = PathFromUtf8(data_.DrawnStatePath(list_));
  if (!IsExistingFile(path)) return {};
  const auto bytes = ReadWholeFile(path, kMaxDrawnStateBytes);
  auto drawn = bytes ? draw::DrawnIndicesFromState(*bytes, names_) : std::nullopt;
  if (drawn) return std::move(*drawn);
  ShowWarning(Handle(), Widen(draw::DrawnStateDamagedMessage(ListTitle())));
  // Said once: the round starts afresh without the file.
  if (!dataReadOnly_) RemoveFile(path);
  return {};
}

void DrawWindow::RoundChanged(const draw::DrawPool& pool, bool save) {
  UpdateListStatus();
  if (!save || dataReadOnly_) return;
  const FilePath path = PathFromUtf8(data_.DrawnStatePath(list_));
  bool saved = true;
  if (pool.Remaining() >= names_.size()) {
    saved = RemoveFile(path);  // a new round: nothing drawn
  } else {
    const FilePath folder = PathFromUtf8(data_.DrawnStateFolder());
    saved = (IsExistingFolder(folder) || MakeFolder(folder)) &&
            WriteFileAtomically(path, draw::DrawnStateText(names_, pool));
  }
  if (!saved && !roundNotSavedWarned_) {
    roundNotSavedWarned_ = true;
    ShowWarning(Handle(), L"不重复抽取的进度无法保存到数据文件夹" + FolderText(data_.folder) +
                              L",下次启动时本轮将从头开始");
  }
}

void DrawWindow::ShowMenuAt(POINT onScreen) {
  // Lists made or removed in rvocfg since the last time show up at once.
  std::vector<std::string> lists{""};
  for (std::string& name : ListNamesInDataFolder(data_)) lists.push_back(std::move(name));
  menu_.SetLists(std::move(lists), list_);
  menu_.ShowAt(Handle(), onScreen);
}

void DrawWindow::ChooseList(const std::string& name) {
  // Only between draws, as a reload.
  if (!engine_.State().canReload) return;
  const std::optional<std::string> before = chosenList_;
  chosenList_ = name;
  if (!engine_.OnListChosen()) {
    chosenList_ = before;
    return;
  }
  if (engine_.Ended()) return;  // no list at all: the program has ended
  // Remembered for the next start as the other menu switches are: the one
  // key, merged into the file as it stands.
  const FilePath config = PathFromUtf8(paths_.ConfigPath());
  if (IsExistingFile(config) &&
      WriteProfileValue(config, kListSection, kListKey, PadToField(list_, kListFieldBytes))) {
    chosenList_.reset();
  } else {
    ShowWarning(Handle(), L"所选名单未能保存到配置文件rvoconfig.rcf,这一选择只在本次运行中有效");
  }
}

void DrawWindow::UpdateListStatus() {
  std::wstring text;
  if (!list_.empty()) text = L"名单:" + Widen(list_);
  if (engine_.State().noRepeat) {
    if (!text.empty()) text += L"  ";
    text += L"剩余 " + std::to_wstring(engine_.NamesLeft()) + L"/" + std::to_wstring(names_.size());
  }
  listStatus_.SetColour(CaptionLabel().Colour());
  listStatus_.SetText(text);
  ShowWindow(listStatus_.Handle(), text.empty() ? SW_HIDE : SW_SHOWNA);
  PlaceListStatus();
}

void DrawWindow::PlaceListStatus() {
  if (!listStatus_.Handle()) return;
  RECT content{};
  GetClientRect(Content().Handle(), &content);
  const float margin = Scale().ToDevice(6.0f);
  listStatus_.SetPosition(PointF{static_cast<float>(content.right) - margin -
                                     static_cast<float>(listStatus_.SizeOf().width),
                                 margin * 2 / 3});
  // Above the caption and the text line, below the command buttons.
  SetWindowPos(listStatus_.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace ravelo::win
