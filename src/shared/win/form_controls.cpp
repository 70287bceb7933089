#include "shared/win/form_controls.h"

#include <algorithm>
#include <vector>

#include "shared/core/encoding.h"
#include "shared/win/wide_text.h"
#include "shared/win/window_dpi.h"

namespace ravelo::win {
namespace {

constexpr wchar_t kControlProperty[] = L"RaveloFormControl";
constexpr wchar_t kClassProcedureProperty[] = L"RaveloFormControlProcedure";

FormControl* ControlOf(HWND window) {
  return window ? static_cast<FormControl*>(GetPropW(window, kControlProperty)) : nullptr;
}

}  // namespace

FormControl* FormControl::Of(HWND window) { return ControlOf(window); }

FormControl::~FormControl() {
  if (hwnd_) {
    // No message reaches the half-destroyed object.
    RemovePropW(hwnd_, kControlProperty);
    DestroyWindow(hwnd_);
  }
}

LRESULT CALLBACK FormControl::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  const auto classProcedure = reinterpret_cast<WNDPROC>(GetPropW(hwnd, kClassProcedureProperty));
  if (FormControl* control = ControlOf(hwnd)) {
    if (auto answer = control->accessibility_.HandleMessage(message, wParam, lParam)) return *answer;
  }
  if (message == WM_NCDESTROY) {
    if (FormControl* control = ControlOf(hwnd)) control->hwnd_ = nullptr;
    RemovePropW(hwnd, kControlProperty);
    RemovePropW(hwnd, kClassProcedureProperty);
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(classProcedure));
  }
  return classProcedure ? CallWindowProcW(classProcedure, hwnd, message, wParam, lParam)
                        : DefWindowProcW(hwnd, message, wParam, lParam);
}

bool FormControl::CreateControl(const wchar_t* className, DWORD style, DWORD exStyle, const std::wstring& text,
                                HWND parent, int controlId, const RECT& design) {
  const RECT bounds = ToDevice(WindowScale(parent), design);
  hwnd_ = CreateWindowExW(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, bounds.left, bounds.top,
                          bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), ThisModule(), nullptr);
  if (!hwnd_) return false;
  SetPropW(hwnd_, kControlProperty, this);
  SetPropW(hwnd_, kClassProcedureProperty, reinterpret_cast<HANDLE>(GetWindowLongPtrW(hwnd_, GWLP_WNDPROC)));
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FormControl::Procedure));
  return true;
}

void FormControl::SetAccessibleName(std::wstring name) {
  AccessibleDescription description = Describe();
  description.name = [name = std::move(name)] { return name; };
  accessibility_.Describe(hwnd_, std::move(description));
}

void FormControl::MakeAccessible() { accessibility_.Describe(hwnd_, Describe()); }

AccessibleDescription FormControl::Describe() const {
  // What the control's class says: edit boxes are the rest of the form's
  // standard controls with a name of their own.
  AccessibleDescription description;
  wchar_t className[32]{};
  GetClassNameW(hwnd_, className, static_cast<int>(std::size(className)));
  const std::wstring kind = className;
  const HWND window = hwnd_;
  if (_wcsicmp(kind.c_str(), L"ComboBox") == 0) description.role = ROLE_SYSTEM_COMBOBOX;
  else if (_wcsicmp(kind.c_str(), L"ListBox") == 0 || _wcsicmp(kind.c_str(), L"SysListView32") == 0)
    description.role = ROLE_SYSTEM_LIST;
  else description.role = ROLE_SYSTEM_TEXT;
  description.value = [window] {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
  };
  return description;
}

AccessibleDescription CheckBox::Describe() const {
  AccessibleDescription description;
  description.role = ROLE_SYSTEM_CHECKBUTTON;
  const HWND window = Handle();
  description.extraState = [window] {
    return SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED ? STATE_SYSTEM_CHECKED : 0L;
  };
  description.defaultAction = L"切换";
  description.doDefaultAction = [window] { SendMessageW(window, BM_CLICK, 0, 0); };
  return description;
}

void FormControl::SetFont(HFONT font) const {
  // No redraw: fonts are set while the form is made, and it paints when it shows.
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void FormControl::Place(const RECT& design) const {
  const RECT bounds = ToDevice(WindowScale(GetParent(hwnd_)), design);
  SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

std::optional<LRESULT> DispatchToControl(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (FormControl* control = ControlOf(reinterpret_cast<HWND>(lParam))) {
        control->OnCommand(HIWORD(wParam));
        return 0;
      }
      return std::nullopt;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (FormControl* control = header ? ControlOf(header->hwndFrom) : nullptr) return control->OnNotify(*header);
      return std::nullopt;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      if (FormControl* control = ControlOf(reinterpret_cast<HWND>(lParam))) {
        if (HBRUSH brush = control->OnControlColour(reinterpret_cast<HDC>(wParam)))
          return reinterpret_cast<LRESULT>(brush);
      }
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

bool EditBox::Create(HWND parent, int controlId, const RECT& bounds, size_t maxGbkBytes) {
  if (!CreateControl(L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, L"", parent, controlId, bounds))
    return false;
  maxBytes_ = maxGbkBytes;
  // Every character takes a byte at least: the system stops a long paste early.
  if (maxGbkBytes > 0) SendMessageW(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(maxGbkBytes), 0);
  return true;
}

std::wstring EditBox::Text() const {
  const int length = GetWindowTextLengthW(Handle());
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
  const int got = GetWindowTextW(Handle(), buffer.data(), length + 1);
  return std::wstring(buffer.data(), static_cast<size_t>(got > 0 ? got : 0));
}

void EditBox::SetText(const std::wstring& text) {
  accepted_ = text;
  SetWindowTextW(Handle(), text.c_str());
}

void EditBox::SelectAll() const { SendMessageW(Handle(), EM_SETSEL, 0, -1); }

void EditBox::OnCommand(WORD code) {
  if (code != EN_CHANGE) return;
  if (maxBytes_ > 0) {
    std::wstring now = Text();
    // A character GBK cannot hold counts as the one '?' it would become; OK
    // refuses it with its own message.
    if (now != accepted_ && Utf8ToGbk(Narrow(now)).size() > maxBytes_) {
      // Back to the text before the change, the caret where the typing began.
      DWORD selectionEnd = 0;
      SendMessageW(Handle(), EM_GETSEL, 0, reinterpret_cast<LPARAM>(&selectionEnd));
      const size_t grown = now.size() > accepted_.size() ? now.size() - accepted_.size() : 0;
      const size_t caret = std::min<size_t>(selectionEnd >= grown ? selectionEnd - grown : 0, accepted_.size());
      SetWindowTextW(Handle(), accepted_.c_str());  // its EN_CHANGE finds the accepted text
      SendMessageW(Handle(), EM_SETSEL, caret, caret);
      MessageBeep(MB_OK);
      return;
    }
    accepted_ = std::move(now);
  }
  if (onChange) onChange();
}

bool CheckBox::Create(HWND parent, int controlId, const std::wstring& text, const RECT& bounds, COLORREF textColour,
                      COLORREF groundColour) {
  textColour_ = textColour;
  groundColour_ = groundColour;
  ground_ = Brush(CreateSolidBrush(groundColour));
  // The classic check box (the forms' programs take no themed controls)
  // draws its text in the colour it is given.
  if (!CreateControl(L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0, text, parent, controlId, bounds)) return false;
  MakeAccessible();
  return true;
}

bool CheckBox::Checked() const { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) const {
  SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBox::OnCommand(WORD code) {
  if (code == BN_CLICKED && onToggle) onToggle();
}

HBRUSH CheckBox::OnControlColour(HDC dc) {
  SetTextColor(dc, textColour_);
  SetBkColor(dc, groundColour_);
  return ground_.Get();
}

}  // namespace ravelo::win
