#include "draw/win/draw_menu.h"

#include <algorithm>
#include <string>
#include <utility>

#include "draw/win/draw_controls.h"
#include "shared/core/data_folder.h"
#include "shared/core/prize_rounds.h"
#include "shared/win/wide_text.h"

namespace ravelo::win {

DrawMenu::~DrawMenu() {
  if (menu_) DestroyMenu(menu_);
}

std::optional<std::size_t> DrawMenu::CheckSlot(int itemId) {
  switch (itemId) {
    case draw_controls::kMenuMusic: return 0;
    case draw_controls::kMenuTopMost: return 1;
    case draw_controls::kMenuNoRepeat: return 2;
    case draw_controls::kMenuFullScreen: return 3;
    case draw_controls::kMenuRounds: return 4;
    default: return std::nullopt;
  }
}

void DrawMenu::SetChecked(int itemId, bool checked) {
  const auto slot = CheckSlot(itemId);
  if (!slot) return;
  checked_[*slot] = checked;
  if (menu_) CheckMenuItem(menu_, static_cast<UINT>(itemId), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool DrawMenu::IsChecked(int itemId) const {
  const auto slot = CheckSlot(itemId);
  return slot && checked_[*slot];
}

void DrawMenu::EnableRestartRound(bool enabled) {
  restartEnabled_ = enabled;
  if (menu_)
    EnableMenuItem(menu_, draw_controls::kMenuRestartRound, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void DrawMenu::SetDrawCount(int count) {
  drawCount_ = count;
  if (menu_) FillCounts();
}

std::optional<int> DrawMenu::DrawCountOf(int itemId) {
  const int count = itemId - draw_controls::kMenuDrawCount;
  if (count < kMinDrawCount || count > kMaxDrawCount) return std::nullopt;
  return count;
}

void DrawMenu::FillCounts() {
  while (GetMenuItemCount(counts_) > 0) DeleteMenu(counts_, 0, MF_BYPOSITION);
  std::vector<int> counts{1, 2, 3, 5, 10};
  if (std::find(counts.begin(), counts.end(), drawCount_) == counts.end()) {
    counts.push_back(drawCount_);
    std::sort(counts.begin(), counts.end());
  }
  for (std::size_t i = 0; i < counts.size(); ++i) {
    AppendMenuW(counts_, MF_STRING, static_cast<UINT_PTR>(draw_controls::kMenuDrawCount + counts[i]),
                std::to_wstring(counts[i]).c_str());
    if (counts[i] == drawCount_)
      CheckMenuRadioItem(counts_, 0, static_cast<UINT>(counts.size() - 1), static_cast<UINT>(i), MF_BYPOSITION);
  }
}

void DrawMenu::SetLists(std::vector<std::string> names, const std::string& inUse) {
  listNames_ = std::move(names);
  const auto found = std::find(listNames_.begin(), listNames_.end(), inUse);
  listInUse_ = found == listNames_.end() ? 0 : static_cast<std::size_t>(found - listNames_.begin());
}

std::optional<std::string> DrawMenu::ListOf(int itemId) const {
  const int slot = itemId - draw_controls::kMenuFirstList;
  if (slot < 0 || static_cast<std::size_t>(slot) >= listNames_.size()) return std::nullopt;
  return listNames_[static_cast<std::size_t>(slot)];
}

void DrawMenu::FillLists() {
  while (GetMenuItemCount(lists_) > 0) DeleteMenu(lists_, 0, MF_BYPOSITION);
  const std::size_t count =
      std::min<std::size_t>(listNames_.size(), draw_controls::kMenuLastList - draw_controls::kMenuFirstList + 1);
  for (std::size_t i = 0; i < count; ++i) {
    const std::wstring text = Widen(listNames_[i].empty() ? kDefaultListTitle : listNames_[i]);
    AppendMenuW(lists_, MF_STRING, static_cast<UINT_PTR>(draw_controls::kMenuFirstList + i), text.c_str());
  }
  if (listInUse_ < count)
    CheckMenuRadioItem(lists_, 0, static_cast<UINT>(count - 1), static_cast<UINT>(listInUse_), MF_BYPOSITION);
}

bool DrawMenu::Build() {
  if (menu_) return true;
  HMENU menu = CreatePopupMenu();
  if (!menu) return false;
  HMENU lists = CreatePopupMenu();
  HMENU counts = CreatePopupMenu();
  if (!lists || !counts) {
    if (lists) DestroyMenu(lists);
    if (counts) DestroyMenu(counts);
    DestroyMenu(menu);
    return false;
  }
  using namespace draw_controls;
  struct Item {
    int id;  // 0: a separator; -1: the lists' submenu; -2: the counts' submenu
    const wchar_t* text;
  };
  static constexpr Item kItems[] = {
      {kMenuMusic, L"开启音乐"}, {kMenuTopMost, L"窗口置顶"}, {kMenuFullScreen, L"全屏显示"},
      {kMenuNoRepeat, L"不重复抽取"}, {kMenuRestartRound, L"重新开始本轮"}, {-2, L"每次抽取人数"},
      {kMenuRounds, L"按奖项抽取"}, {kMenuWinners, L"中奖名单"}, {kMenuHistory, L"抽签记录"},
      {-1, L"选择名单"}, {kMenuHistoryCsv, L"抽签记录另存为表格..."},
      {0, nullptr},
      {kMenuConfig, L"配置程序"}, {kMenuStyle, L"编辑风格"},   {0, nullptr},
      {kMenuHelp, L"操作帮助"},  {kMenuExit, L"退出"},
  };
  for (const Item& item : kItems) {
    const BOOL added = item.id > 0    ? AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item.id), item.text)
                       : item.id == 0 ? AppendMenuW(menu, MF_SEPARATOR, 0, nullptr)
                                      : AppendMenuW(menu, MF_POPUP,
                                                    reinterpret_cast<UINT_PTR>(item.id == -1 ? lists : counts),
                                                    item.text);
    if (!added) {
      // A submenu goes with the menu once it is in it.
      if (GetMenuItemCount(menu) < 10) DestroyMenu(lists);
      if (GetMenuItemCount(menu) < 6) DestroyMenu(counts);
      DestroyMenu(menu);
      return false;
    }
  }
  menu_ = menu;
  lists_ = lists;
  counts_ = counts;
  FillCounts();
  for (int item : {kMenuMusic, kMenuTopMost, kMenuFullScreen, kMenuNoRepeat, kMenuRounds})
    SetChecked(item, IsChecked(item));
  EnableRestartRound(restartEnabled_);
  return true;
}

void DrawMenu::ShowAt(HWND owner, POINT onScreen) {
  if (!Build()) return;
  FillLists();
  // The menu takes the mouse itself; a capture the window holds from the
  // button press would keep the first click from reaching it.
  if (GetCapture()) ReleaseCapture();
  // Without the foreground the menu would not close on a click elsewhere.
  SetForegroundWindow(owner);
  TrackPopupMenu(menu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, onScreen.x, onScreen.y, 0, owner,
                 nullptr);
  // Lets the menu close properly when it was dismissed by switching away.
  PostMessageW(owner, WM_NULL, 0, 0);
}

}  // namespace ravelo::win
