// The controls of a form: standard edit boxes and check boxes; their
// bounds are design pixels, shown at the form's DPI. A form
// hands every WM_COMMAND and WM_NOTIFY a control sends, and
// the control's WM_CTLCOLOR* question, to the control's own object
// (DispatchToControl), so a form never switches over control ids.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "shared/win/accessible.h"
#include "shared/win/gdi.h"
#include "shared/win/window.h"

namespace ravelo::win {

// A standard control created by its object. The object is found from the
// control's window through a window property. When the window goes (with its
// form, say) the object forgets its handle, which Windows may give to
// another window.
class FormControl {
 public:
  FormControl() = default;
  FormControl(const FormControl&) = delete;
  FormControl& operator=(const FormControl&) = delete;
  virtual ~FormControl();

  // nullptr before Create and once the window is destroyed.
  HWND Handle() const { return hwnd_; }
  void Focus() const { SetFocus(hwnd_); }
  // While the form is being made (the control is not redrawn).
  void SetFont(HFONT font) const;
  void Place(const RECT& bounds) const;

  // WM_COMMAND with the notification code (EN_CHANGE, BN_CLICKED, ...).
  virtual void OnCommand(WORD) {}
  virtual LRESULT OnNotify(const NMHDR&) { return 0; }
  // WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT, WM_CTLCOLORBTN: the brush of the
  // ground, or nullptr for the system's colours.
  virtual HBRUSH OnControlColour(HDC) { return nullptr; }

  // The name a screen reader gives the control: its caption is drawn on
  // the form, where Windows does not look for it. Role as the control's
  // kind has it (an edit box's value is its text, a check box tells
  // whether it is ticked).
  void SetAccessibleName(std::wstring name);
  bool HasAccessibleName() const { return accessibility_.Described(); }
  // The object of a control's window; nullptr for other windows.
  static FormControl* Of(HWND window);

 protected:
  // Creates a control of a system class as a child of parent; false when
  // the system refused.
  bool CreateControl(const wchar_t* className, DWORD style, DWORD exStyle, const std::wstring& text,
                     HWND parent, int controlId, const RECT& bounds);
  // Named by its window text (a check box's caption).
  void MakeAccessible();

 private:
  // The control's class procedure, seen first here for WM_NCDESTROY.
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

  // What the control is to a screen reader (role and state).
  virtual AccessibleDescription Describe() const;

  HWND hwnd_ = nullptr;
  Accessibility accessibility_;
};

// For a form's window procedure: the answer of the control that sent a
// WM_COMMAND, WM_NOTIFY or WM_CTLCOLOR* message, or nullopt when the message
// is none of these or comes from no FormControl.
std::optional<LRESULT> DispatchToControl(UINT message, WPARAM wParam, LPARAM lParam);

// A single-line edit box that takes at most maxGbkBytes bytes of text in
// GBK, the file's encoding (0: the system's limit): typing or pasting beyond
// it is undone with a beep. Black on white; a Tab stop.
class EditBox final : public FormControl {
 public:
  std::function<void()> onChange;

  bool Create(HWND parent, int controlId, const RECT& bounds, size_t maxGbkBytes);
  std::wstring Text() const;
  // The program's own text is taken as it is, even beyond the limit.
  void SetText(const std::wstring& text);
  void SelectAll() const;
  void OnCommand(WORD code) override;

 private:
  size_t maxBytes_ = 0;
  std::wstring accepted_;  // the last text within the limit
};

// A check box in the given colours (drawn unthemed, so the colours hold on
// every Windows); a Tab stop, toggled by a click or Space.
class CheckBox final : public FormControl {
 public:
  std::function<void()> onToggle;

  bool Create(HWND parent, int controlId, const std::wstring& text, const RECT& bounds, COLORREF textColour,
              COLORREF groundColour);
  bool Checked() const;
  void SetChecked(bool checked) const;
  void OnCommand(WORD code) override;
  HBRUSH OnControlColour(HDC dc) override;

 private:
  AccessibleDescription Describe() const override;

  COLORREF textColour_ = RGB(0, 0, 0);
  COLORREF groundColour_ = RGB(255, 255, 255);
  Brush ground_;
};

}  // namespace ravelo::win
