// What a screen reader is told of a control that Windows cannot describe by
// itself: a picture button, a link or swatch drawn on a form, an edit box
// whose caption is drawn text rather than a label window. The control
// answers WM_GETOBJECT with its own accessibility object (IAccessible):
// name, role, state, value and default action. The accessibility library
// is loaded on the first question, so a program nobody reads this way
// never loads it.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace ravelo::win {

struct AccessibleDescription {
  // Empty: the window text.
  std::function<std::wstring()> name;
  long role = ROLE_SYSTEM_PUSHBUTTON;
  // False: text only to be read, which takes no focus.
  bool focusable = true;
  // States beyond focusable, focused, unavailable and invisible, which are
  // read off the window (STATE_SYSTEM_CHECKED, say).
  std::function<long()> extraState;
  std::function<std::wstring()> value;
  // "按下", "单击"...; empty: none, and nothing to do.
  std::wstring defaultAction;
  std::function<void()> doDefaultAction;
  // Where the control stands on the screen; empty: the window's rectangle.
  std::function<RECT()> screenBounds;
};

class AccessibleObject;

// Owned by the control; gone with it (a screen reader still holding the
// object is then told the control is gone).
class Accessibility {
 public:
  Accessibility();
  Accessibility(const Accessibility&) = delete;
  Accessibility& operator=(const Accessibility&) = delete;
  ~Accessibility();

  void Describe(HWND window, AccessibleDescription description);
  bool Described() const { return description_ != nullptr; }
  // For the control's window procedure: answers WM_GETOBJECT and runs a
  // default action a screen reader asked for; nullopt for other messages.
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  HWND window_ = nullptr;
  std::shared_ptr<AccessibleDescription> description_;
  AccessibleObject* object_ = nullptr;  // one reference held while made
};

// Tells screen readers that the control's name changed (a new result shown).
void AnnounceNameChange(HWND window);

}  // namespace ravelo::win
