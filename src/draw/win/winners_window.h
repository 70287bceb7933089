// "中奖名单": the winners of the prize plan so far, by round, in a small
// window of its own whose text can be selected and copied (a read-only
// edit box). It belongs to the draw window, so it stays above it, also in
// full screen; closing it only hides it.
#pragma once

#include <windows.h>

#include <string_view>

#include "shared/win/gdi.h"
#include "shared/win/window.h"

namespace ravelo::win {

class WinnersWindow final : public Window {
 public:
  // Shows the window with this text (made on first use).
  void Show(HWND owner, std::wstring_view text);
  // New text while the window shows; nothing otherwise.
  void Update(std::wstring_view text);

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  HWND edit_ = nullptr;
  HFONT font_ = nullptr;  // the stock GUI font, not owned
};

}  // namespace ravelo::win
