#include "shared/win/drawn_control_stop.h"

#include <utility>

namespace ravelo::win {
namespace {
constexpr wchar_t kStopClass[] = L"RaveloDrawnControlStop";
}  // namespace

bool DrawnControlStop::Create(HWND form, int controlId, const std::wstring& name, long role, const RECT& bounds) {
  bounds_ = bounds;
  const WindowClassSpec windowClass{kStopClass, 0, nullptr, nullptr};
  WindowCreateSpec createSpec;
  createSpec.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  createSpec.text = name.c_str();
  createSpec.bounds = {bounds.left, bounds.top, bounds.left, bounds.top};
  createSpec.parent = form;
  createSpec.controlId = controlId;
  if (!CreateWindowOf(windowClass, createSpec)) return false;
  AccessibleDescription description;
  description.role = role;
  description.defaultAction = role == ROLE_SYSTEM_LINK ? L"跳转" : L"按下";
  description.doDefaultAction = [this] {
    if (onActivate) onActivate();
  };
  description.screenBounds = [this] {
    RECT onScreen = bounds_;
    MapWindowPoints(GetParent(Handle()), nullptr, reinterpret_cast<POINT*>(&onScreen), 2);
    return onScreen;
  };
  accessibility_.Describe(Handle(), std::move(description));
  return true;
}

LRESULT DrawnControlStop::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto answer = accessibility_.HandleMessage(message, wParam, lParam)) return *answer;
  switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      spacePressed_ = false;
      if (onFocusChange) onFocusChange(message == WM_SETFOCUS);
      return 0;
    case WM_GETDLGCODE: {
      // Enter acts on the focused control rather than the form's default button.
      const auto* key = reinterpret_cast<const MSG*>(lParam);
      return key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN ? DLGC_WANTMESSAGE : 0;
    }
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) spacePressed_ = true;
      if (wParam == VK_RETURN && onActivate) onActivate();
      return 0;
    case WM_KEYUP:
      if (wParam == VK_SPACE && std::exchange(spacePressed_, false) && onActivate) onActivate();
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace ravelo::win
