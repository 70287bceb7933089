#include "draw/win/draw_menu.h"

#include <algorithm>
#include <string>
#include <utility>

#include "draw/win/draw_controls.h"
#include "shared/core/data_folder.h"
#include "shared/core/prize_rounds.h"
#include "shared/win/popup_menu.h"
#include "shared/win/wide_text.h"

namespace ravelo::win {

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
  if (const auto slot = CheckSlot(itemId)) checked_[*slot] = checked;
}

bool DrawMenu::IsChecked(int itemId) const {
  const auto slot = CheckSlot(itemId);
  return slot && checked_[*slot];
}

void DrawMenu::EnableRestartRound(bool enabled) { restartEnabled_ = enabled; }

void DrawMenu::SetDrawCount(int count) { drawCount_ = count; }

std::optional<int> DrawMenu::DrawCountOf(int itemId) {
  const int count = itemId - draw_controls::kMenuDrawCount;
  if (count < kMinDrawCount || count > kMaxDrawCount) return std::nullopt;
  return count;
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

void DrawMenu::ShowAt(HWND owner, POINT onScreen) const {
  using namespace draw_controls;
  // The captions first: the entries point into them.
  std::vector<int> counts{1, 2, 3, 5, 10};
  if (std::find(counts.begin(), counts.end(), drawCount_) == counts.end()) {
    counts.push_back(drawCount_);
    std::sort(counts.begin(), counts.end());
  }
  std::vector<std::wstring> countCaptions;
  for (int count : counts) countCaptions.push_back(std::to_wstring(count));
  const std::size_t listCount =
      std::min<std::size_t>(listNames_.size(), kMenuLastList - kMenuFirstList + 1);
  std::vector<std::wstring> listCaptions;
  for (std::size_t i = 0; i < listCount; ++i)
    listCaptions.push_back(Widen(listNames_[i].empty() ? kDefaultListTitle : listNames_[i]));

  std::vector<MenuEntry> countEntries;
  for (std::size_t i = 0; i < counts.size(); ++i)
    countEntries.push_back({.id = static_cast<UINT>(kMenuDrawCount + counts[i]),
                            .caption = countCaptions[i],
                            .checked = counts[i] == drawCount_,
                            .radio = true});
  std::vector<MenuEntry> listEntries;
  for (std::size_t i = 0; i < listCount; ++i)
    listEntries.push_back({.id = static_cast<UINT>(kMenuFirstList + i),
                           .caption = listCaptions[i],
                           .checked = i == listInUse_,
                           .radio = true});
  const auto command = [this](int id, std::wstring_view caption) -> MenuEntry {
    return {.id = static_cast<UINT>(id), .caption = caption, .checked = IsChecked(id)};
  };
  const MenuEntry entries[] = {
      command(kMenuMusic, L"开启音乐"),
      command(kMenuTopMost, L"窗口置顶"),
      command(kMenuFullScreen, L"全屏显示"),
      command(kMenuNoRepeat, L"不重复抽取"),
      {.id = kMenuRestartRound, .caption = L"重新开始本轮", .enabled = restartEnabled_},
      {.caption = L"每次抽取人数", .submenu = countEntries},
      command(kMenuRounds, L"按奖项抽取"),
      command(kMenuWinners, L"中奖名单"),
      command(kMenuHistory, L"抽签记录"),
      {.caption = L"选择名单", .submenu = listEntries},
      command(kMenuHistoryCsv, L"抽签记录另存为表格..."),
      kMenuSeparator,
      command(kMenuConfig, L"配置程序"),
      command(kMenuStyle, L"编辑风格"),
      kMenuSeparator,
      command(kMenuHelp, L"操作帮助"),
      command(kMenuExit, L"退出"),
  };
  // The window takes the choice as it took a menu's WM_COMMAND, after the
  // menu has closed.
  if (const UINT chosen = ShowPopupMenu(owner, entries, onScreen))
    PostMessageW(owner, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
}

}  // namespace ravelo::win
