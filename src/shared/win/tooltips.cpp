#include "shared/win/tooltips.h"

#include <commctrl.h>

#include "shared/win/common_controls_context.h"
#include "shared/win/window.h"

namespace ravelo::win {

Tooltips::~Tooltips() {
  if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
}

bool Tooltips::Create() {
  if (tooltip_) return true;
  const ScopedCommonControls themed;
  if (!commonControls_) commonControls_ = LoadSystemLibrary(L"comctl32.dll");
  if (!commonControls_) return false;
  using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  const auto init = ProcAddress<InitFn>(commonControls_.Get(), "InitCommonControlsEx");
  const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES};
  if (!init || !init(&classes)) return false;
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                             ThisModule(), nullptr);
  if (!tooltip_) return false;
  for (const Tip& tip : pending_) Give(tip);
  pending_.clear();
  return true;
}

namespace {

TTTOOLINFOW ToolOf(HWND window, const std::wstring& text) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(window);
  tool.uId = reinterpret_cast<UINT_PTR>(window);
  tool.lpszText = const_cast<wchar_t*>(text.c_str());  // copied by the control
  return tool;
}

}  // namespace

void Tooltips::Give(const Tip& tip) const {
  TTTOOLINFOW tool = ToolOf(tip.window, tip.text);
  if (!IsRectEmpty(&tip.area)) {
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = tip.window;
    tool.uId = tip.areaId;
    tool.rect = tip.area;
  }
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Tooltips::Add(HWND window, const std::wstring& text) {
  const Tip tip{window, 0, {}, text};
  if (tooltip_) Give(tip);
  else pending_.push_back(tip);
}

void Tooltips::AddArea(HWND host, UINT_PTR areaId, const RECT& area, const std::wstring& text) {
  const Tip tip{host, areaId, area, text};
  if (tooltip_) Give(tip);
  else pending_.push_back(tip);
}

void Tooltips::SetText(HWND window, const std::wstring& text) {
  if (!tooltip_) {
    for (Tip& tip : pending_)
      if (tip.window == window && IsRectEmpty(&tip.area)) {
        tip.text = text;
        return;
      }
    pending_.push_back({window, 0, {}, text});
    return;
  }
  TTTOOLINFOW tool = ToolOf(window, text);
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace ravelo::win
