#include "shared/win/accessible.h"

#include <utility>

#include "shared/win/system_library.h"

namespace ravelo::win {
namespace {

// The few functions of oleacc.dll the objects need, loaded once.
struct OleAcc {
  UniqueModule module = LoadSystemLibrary(L"oleacc.dll");
  decltype(&LresultFromObject) resultFromObject =
      ProcAddress<decltype(&LresultFromObject)>(module.Get(), "LresultFromObject");
  decltype(&AccessibleObjectFromWindow) objectFromWindow =
      ProcAddress<decltype(&AccessibleObjectFromWindow)>(module.Get(), "AccessibleObjectFromWindow");
  // Loaded with oleacc.dll anyway; the program imports no more than it must.
  UniqueModule automation = LoadSystemLibrary(L"oleaut32.dll");
  decltype(&SysAllocStringLen) allocateString =
      ProcAddress<decltype(&SysAllocStringLen)>(automation.Get(), "SysAllocStringLen");
};

const OleAcc& Library() {
  static const OleAcc library;
  return library;
}

UINT DefaultActionMessage() {
  static const UINT message = RegisterWindowMessageW(L"RaveloAccessibleDefaultAction");
  return message;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

BSTR Copy(const std::wstring& text) {
  const auto allocate = Library().allocateString;
  return allocate ? allocate(text.data(), static_cast<UINT>(text.size())) : nullptr;
}

void Clear(VARIANT* answer) {
  answer->vt = VT_EMPTY;
  answer->lVal = 0;
}

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
  // A mnemonic's ampersand is no part of the name.
  std::wstring name;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && i + 1 < text.size()) ++i;
    name.push_back(text[i]);
  }
  return name;
}

}  // namespace

// One control: no children; CHILDID_SELF is the only child id it answers.
class AccessibleObject final : public IAccessible {
 public:
  AccessibleObject(HWND window, std::shared_ptr<AccessibleDescription> description)
      : window_(window), description_(std::move(description)) {}

  void Disconnect() {
    window_ = nullptr;
    description_.reset();
  }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (!object) return E_POINTER;
    if (id == IID_IUnknown || id == IID_IDispatch || id == IID_IAccessible) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch: screen readers call IAccessible directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!parent) return E_POINTER;
    *parent = nullptr;
    if (!window_) return CO_E_OBJNOTCONNECTED;
    // The window object of the same window, as for every client object.
    const auto fromWindow = Library().objectFromWindow;
    if (!fromWindow) return S_FALSE;
    return fromWindow(window_, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch, reinterpret_cast<void**>(parent));
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
    if (child) *child = nullptr;
    return E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    return Text(child, name, [this] { return description_->name ? description_->name() : WindowText(window_); });
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    if (description_ && !description_->value) return Nothing(value);
    return Text(child, value, [this] { return description_->value(); });
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* text) override { return Nothing(text); }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!role) return E_POINTER;
    Clear(role);
    if (const HRESULT problem = Check(child)) return problem;
    role->vt = VT_I4;
    role->lVal = description_->role;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (!state) return E_POINTER;
    Clear(state);
    if (const HRESULT problem = Check(child)) return problem;
    long flags = description_->focusable ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_READONLY;
    if (GetFocus() == window_) flags |= STATE_SYSTEM_FOCUSED;
    if (!IsWindowEnabled(window_)) flags = STATE_SYSTEM_UNAVAILABLE;
    if (!IsWindowVisible(window_)) flags |= STATE_SYSTEM_INVISIBLE;
    if (description_->extraState) flags |= description_->extraState();
    state->vt = VT_I4;
    state->lVal = flags;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override { return Nothing(help); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
    if (topic) *topic = 0;
    return Nothing(file);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* shortcut) override { return Nothing(shortcut); }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (!focus) return E_POINTER;
    Clear(focus);
    if (!window_) return CO_E_OBJNOTCONNECTED;
    if (GetFocus() != window_) return S_FALSE;
    focus->vt = VT_I4;
    focus->lVal = CHILDID_SELF;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    if (selection) Clear(selection);
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (description_ && description_->defaultAction.empty()) return Nothing(action);
    return Text(child, action, [this] { return description_->defaultAction; });
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    if (const HRESULT problem = Check(child)) return problem;
    if (!(flags & SELFLAG_TAKEFOCUS)) return E_NOTIMPL;
    SetFocus(window_);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
    if (!left || !top || !width || !height) return E_POINTER;
    *left = *top = *width = *height = 0;
    if (const HRESULT problem = Check(child)) return problem;
    RECT bounds{};
    if (description_->screenBounds) bounds = description_->screenBounds();
    else GetWindowRect(window_, &bounds);
    *left = bounds.left;
    *top = bounds.top;
    *width = bounds.right - bounds.left;
    *height = bounds.bottom - bounds.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT* end) override {
    if (end) Clear(end);
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
    if (!child) return E_POINTER;
    Clear(child);
    long left, top, width, height;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    if (const HRESULT problem = accLocation(&left, &top, &width, &height, self); FAILED(problem)) return problem;
    if (x < left || y < top || x >= left + width || y >= top + height) return S_FALSE;
    *child = self;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (const HRESULT problem = Check(child)) return problem;
    if (!description_->doDefaultAction || !IsWindowEnabled(window_)) return DISP_E_MEMBERNOTFOUND;
    // Acted on later, from the window's own messages: the caller is a
    // screen reader waiting for this answer, and the action may open a
    // dialog.
    PostMessageW(window_, DefaultActionMessage(), 0, 0);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  ~AccessibleObject() = default;

  HRESULT Check(const VARIANT& child) const {
    if (!window_ || !description_ || !IsWindow(window_)) return CO_E_OBJNOTCONNECTED;
    return IsSelf(child) ? S_OK : E_INVALIDARG;
  }
  static HRESULT Nothing(BSTR* text) {
    if (!text) return E_POINTER;
    *text = nullptr;
    return S_FALSE;
  }
  template <typename Source>
  HRESULT Text(const VARIANT& child, BSTR* text, Source source) {
    if (!text) return E_POINTER;
    *text = nullptr;
    if (const HRESULT problem = Check(child)) return problem;
    *text = Copy(source());
    return *text ? S_OK : E_OUTOFMEMORY;
  }

  LONG references_ = 1;
  HWND window_;
  std::shared_ptr<AccessibleDescription> description_;
};

Accessibility::Accessibility() = default;

Accessibility::~Accessibility() {
  if (object_) {
    object_->Disconnect();
    object_->Release();
  }
}

void Accessibility::Describe(HWND window, AccessibleDescription description) {
  window_ = window;
  description_ = std::make_shared<AccessibleDescription>(std::move(description));
}

std::optional<LRESULT> Accessibility::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!description_) return std::nullopt;
  if (message == DefaultActionMessage()) {
    if (description_->doDefaultAction && IsWindowEnabled(window_)) description_->doDefaultAction();
    return 0;
  }
  if (message != WM_GETOBJECT || static_cast<LONG>(lParam) != static_cast<LONG>(OBJID_CLIENT)) return std::nullopt;
  const auto resultFromObject = Library().resultFromObject;
  if (!resultFromObject) return std::nullopt;
  if (!object_) object_ = new AccessibleObject(window_, description_);
  return resultFromObject(IID_IAccessible, wParam, object_);
}

void AnnounceNameChange(HWND window) { NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, CHILDID_SELF); }

}  // namespace ravelo::win
