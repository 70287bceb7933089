#include "draw/win/winners_window.h"

#include <string>

namespace ravelo::win {
namespace {

constexpr wchar_t kClass[] = L"RaveloWinners";
constexpr wchar_t kTitle[] = L"中奖名单";
constexpr wchar_t kNoWinners[] = L"还没有抽出任何奖项";
constexpr int kEditId = 1;

}  // namespace

void WinnersWindow::Show(HWND owner, std::wstring_view text) {
  if (!Handle()) {
    RECT ownerRect{};
    GetWindowRect(owner, &ownerRect);
    const WindowCreateSpec window{WS_EX_TOOLWINDOW,
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
                                  kTitle,
                                  {ownerRect.left + 40, ownerRect.top + 40, 320, 360},
                                  owner};
    if (!CreateWindowOf({kClass}, window)) return;
    edit_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0, 0,
                            0, Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), ThisModule(), nullptr);
    font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    RECT client{};
    GetClientRect(Handle(), &client);
    MoveWindow(edit_, 0, 0, client.right, client.bottom, FALSE);
  }
  ShowWindow(Handle(), SW_SHOWNORMAL);
  SetForegroundWindow(Handle());
  Update(text);
}

void WinnersWindow::Update(std::wstring_view text) {
  if (!edit_ || !IsWindowVisible(Handle())) return;
  const std::wstring shown = text.empty() ? std::wstring(kNoWinners) : std::wstring(text);
  SetWindowTextW(edit_, shown.c_str());
}

LRESULT WinnersWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (edit_) MoveWindow(edit_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_SETFOCUS:
      if (edit_) SetFocus(edit_);
      return 0;
    case WM_CLOSE:
      ShowWindow(Handle(), SW_HIDE);
      return 0;
    default:
      return Window::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace ravelo::win
