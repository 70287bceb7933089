#include "shared/win/drawn_control_stop.h"

#include <utility>

#include "shared/win/control_messages.h"

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
  if (auto answer = keys_.Answer(message, wParam, lParam, [this] {
        if (onActivate) onActivate();
      }))
    return *answer;
  if (message == WM_SETFOCUS || message == WM_KILLFOCUS) {
    if (onFocusChange) onFocusChange(message == WM_SETFOCUS);
    return 0;
  }
  return Default(message, wParam, lParam);
}

}  // namespace ravelo::win
