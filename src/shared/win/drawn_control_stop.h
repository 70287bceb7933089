// A place in a form's Tab order for a control the form draws itself (a
// link, a colour swatch, a preset): a window of no size at the control's
// corner, so it neither covers nor clips the drawing. It holds the focus for
// the drawn control, acts on Space or Enter, tells the form when the focus
// comes or goes (the form draws the focus mark), and answers screen readers
// for it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "shared/win/accessible.h"
#include "shared/win/control_messages.h"
#include "shared/win/window.h"

namespace ravelo::win {

class DrawnControlStop final : public Window {
 public:
  std::function<void()> onActivate;
  std::function<void(bool focused)> onFocusChange;

  // bounds: the drawn control, in the form's client area (device pixels).
  bool Create(HWND form, int controlId, const std::wstring& name, long role, const RECT& bounds);
  const RECT& Bounds() const { return bounds_; }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  RECT bounds_{};
  ButtonKeys keys_;
  Accessibility accessibility_;
};

}  // namespace ravelo::win
