#include "bench/window.h"

#include <algorithm>
#include <cstddef>
#include <sstream>

#include "bench/handles.h"
#include "bench/process_info.h"
#include "bench/text.h"

namespace ravelo::e2e {
namespace {

// Long enough for a busy target, short enough that a hung one fails the test
// instead of hanging it.
constexpr UINT kSendTimeoutMs = 2000;

bool Matches(Window w, const WindowQuery& q, bool topLevel) {
  if (q.visibleOnly && !w.IsVisible()) return false;
  if (q.className && *q.className != w.ClassName()) return false;
  if (q.controlId && *q.controlId != w.ControlId()) return false;
  if (topLevel && q.processId && *q.processId != w.ProcessId()) return false;
  if (q.imageName && !SameTextIgnoringCase(*q.imageName, FileNameOf(ImagePathOf(w.ProcessId())))) return false;
  if (q.text && *q.text != w.Text()) return false;
  return true;
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM list) {
  reinterpret_cast<std::vector<Window>*>(list)->emplace_back(hwnd);
  return TRUE;
}

std::vector<Window> AllTopLevel() {
  std::vector<Window> all;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
  return all;
}

std::vector<Window> Filter(const std::vector<Window>& all, const WindowQuery& q, bool topLevel) {
  std::vector<Window> found;
  std::copy_if(all.begin(), all.end(), std::back_inserter(found),
               [&](Window w) { return Matches(w, q, topLevel); });
  return found;
}

// "visible windows: Static "a", Button "b"" for a failure message, so that it
// shows what was there instead.
std::string Seen(const std::vector<Window>& windows) {
  std::string list;
  int shown = 0;
  for (const auto& w : windows) {
    if (!w.IsVisible()) continue;
    if (++shown > 12) {
      list += ", ...";
      break;
    }
    if (!list.empty()) list += ", ";
    list += ToUtf8(w.ClassName()) + " " + Quoted(w.Text());
  }
  return list.empty() ? " (no visible windows there)" : " (visible there: " + list + ")";
}

LPARAM KeyLParam(WORD vk, bool up) {
  const UINT scan = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
  LPARAM l = 1 | static_cast<LPARAM>(scan << 16);
  if (up) l |= static_cast<LPARAM>(0xC0000000u);  // previous state down, transition up
  return l;
}

}  // namespace

std::string WindowQuery::Describe(bool topLevel) const {
  std::string d = visibleOnly ? "visible window" : "window";
  if (className) d += " of class " + Quoted(*className);
  if (controlId) d += " with id " + std::to_string(*controlId);
  if (text) d += (topLevel ? " titled " : " with text ") + Quoted(*text);
  std::wstring image = imageName.value_or(L"");
  if (image.empty() && processId) image = FileNameOf(ImagePathOf(*processId));
  if (!image.empty()) d += " from " + ToUtf8(image);
  if (processId) d += (image.empty() ? " of pid " : " (pid ") + std::to_string(*processId) + (image.empty() ? "" : ")");
  return d;
}

bool WindowRegion::Contains(Point p) const {
  return std::any_of(rects.begin(), rects.end(), [&](const Rect& r) { return r.Contains(p); });
}

bool Window::Exists() const { return hwnd_ && IsWindow(hwnd_); }

DWORD Window::ProcessId() const {
  DWORD pid = 0;
  if (hwnd_) GetWindowThreadProcessId(hwnd_, &pid);
  return pid;
}

std::wstring Window::ClassName() const {
  wchar_t name[256] = {};
  const int n = hwnd_ ? GetClassNameW(hwnd_, name, 256) : 0;
  return std::wstring(name, static_cast<size_t>(std::max(n, 0)));
}

void Window::SetText(std::wstring_view text) const {
  const std::wstring terminated(text);
  DWORD_PTR ignored = 0;
  if (!hwnd_ || !SendMessageTimeoutW(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(terminated.c_str()),
                                     SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored))
    throw BenchError("could not set the text of " + Describe());
}

std::wstring Window::Text() const {
  DWORD_PTR length = 0;
  if (!hwnd_ || !SendMessageTimeoutW(hwnd_, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length))
    return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(hwnd_, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied))
    return {};
  text.resize(std::min<size_t>(copied, length));
  return text;
}

int Window::ControlId() const { return hwnd_ ? GetDlgCtrlID(hwnd_) : 0; }
LONG Window::Style() const { return hwnd_ ? GetWindowLongW(hwnd_, GWL_STYLE) : 0; }
bool Window::IsVisible() const { return hwnd_ && IsWindowVisible(hwnd_); }
bool Window::IsEnabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }
bool Window::IsTopmost() const { return hwnd_ && (GetWindowLongW(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
Window Window::Parent() const { return Window(hwnd_ ? GetAncestor(hwnd_, GA_PARENT) : nullptr); }

std::string Window::Describe() const {
  std::ostringstream os;
  if (!Exists()) {
    os << "window " << static_cast<const void*>(hwnd_) << " (gone)";
    return os.str();
  }
  os << "window of class " << Quoted(ClassName());
  if (Style() & WS_CHILD) os << " id " << ControlId();
  os << " with text " << Quoted(Text()) << " of pid " << ProcessId();
  return os.str();
}

Rect Window::WindowRect() const {
  RECT r{};
  if (hwnd_) GetWindowRect(hwnd_, &r);
  return Rect::From(r);
}

Rect Window::ClientRect() const {
  RECT r{};
  if (!hwnd_ || !GetClientRect(hwnd_, &r)) return {};
  const Point origin = ToScreen({0, 0});
  return Rect::From(r).Offset(origin);
}

Point Window::ToScreen(Point client) const {
  POINT p{client.x, client.y};
  if (hwnd_) ::ClientToScreen(hwnd_, &p);
  return {p.x, p.y};
}

std::optional<WindowRegion> Window::Region() const {
  GdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  if (!hwnd_ || GetWindowRgn(hwnd_, region.Get()) == ERROR) return std::nullopt;
  WindowRegion shape;
  RECT box{};
  GetRgnBox(region.Get(), &box);
  shape.bounds = Rect::From(box);
  const DWORD size = GetRegionData(region.Get(), 0, nullptr);
  std::vector<std::byte> data(size);
  auto* header = reinterpret_cast<RGNDATA*>(data.data());
  if (size && GetRegionData(region.Get(), size, header)) {
    const auto* rects = reinterpret_cast<const RECT*>(header->Buffer);
    for (DWORD i = 0; i < header->rdh.nCount; ++i) shape.rects.push_back(Rect::From(rects[i]));
  }
  return shape;
}

Image Window::CaptureWindow() const { return CaptureScreen(WindowRect()); }
Image Window::CaptureClient() const { return CaptureScreen(ClientRect()); }

std::vector<Window> Window::Children(const WindowQuery& query) const {
  std::vector<Window> all;
  if (hwnd_) EnumChildWindows(hwnd_, CollectWindow, reinterpret_cast<LPARAM>(&all));
  return Filter(all, query, false);
}

std::optional<Window> Window::FindChild(const WindowQuery& query) const {
  auto found = Children(query);
  if (found.empty()) return std::nullopt;
  return found.front();
}

std::string Window::DescribeMissingChild(const WindowQuery& query) const {
  return "no child " + query.Describe(false) + " in " + Describe() + Seen(Children());
}

Window Window::ChildById(int controlId) const {
  const WindowQuery query{.controlId = controlId, .visibleOnly = false};
  if (auto w = FindChild(query)) return *w;
  throw BenchError(DescribeMissingChild(query));
}

Window Window::WaitForChild(const WindowQuery& query, Milliseconds timeout) const {
  std::optional<Window> found;
  WaitUntil([&] { return (found = FindChild(query)).has_value(); }, timeout,
            [&] { return DescribeMissingChild(query); });
  return *found;
}

void Window::WaitForText(std::wstring_view expected, Milliseconds timeout) const {
  std::wstring last;
  WaitUntil([&] { return (last = Text()) == expected; }, timeout,
            [&] { return "text of " + Describe() + " did not become " + Quoted(expected) + " (last " + Quoted(last) + ")"; });
}

void Window::WaitUntilGone(Milliseconds timeout) const {
  const std::string what = Describe();
  WaitUntil([&] { return !Exists(); }, timeout, [&] { return what + " did not close"; });
}

void Window::WaitUntilVisible(bool visible, Milliseconds timeout) const {
  WaitUntil([&] { return IsVisible() == visible; }, timeout,
            [&] { return Describe() + (visible ? " did not show" : " did not hide"); });
}

void Window::WaitUntilTopmost(bool topmost, Milliseconds timeout) const {
  WaitUntil([&] { return IsTopmost() == topmost; }, timeout,
            [&] { return Describe() + (topmost ? " did not become topmost" : " stayed topmost"); });
}

bool Window::HasPendingPaint() const {
  if (!Exists()) return false;
  if (GetUpdateRect(hwnd_, nullptr, FALSE)) return true;
  for (const auto& child : Children({}))
    if (GetUpdateRect(child.Handle(), nullptr, FALSE)) return true;
  return false;
}

void Window::WaitUntilPainted(Milliseconds timeout) const {
  // The screen shows a painted window a little later (Wine flushes window
  // surfaces to X periodically), hence the second capture.
  constexpr Milliseconds kSettle{60};
  Image previous;
  WaitUntil(
      [&] {
        if (HasPendingPaint()) {
          previous = {};
          return false;
        }
        Image now = CaptureWindow();
        const bool still = !previous.Empty() && now.SameAs(previous);
        previous = std::move(now);
        if (!still) Pause(kSettle);
        return still;
      },
      timeout, [&] { return Describe() + (HasPendingPaint() ? " did not finish painting" : " kept changing on the screen"); });
}

void Window::Activate(Milliseconds timeout) const {
  WaitUntil(
      [&] {
        if (GetForegroundWindow() == hwnd_) return true;
        SetForegroundWindow(hwnd_);
        return GetForegroundWindow() == hwnd_;
      },
      timeout, [&] { return Describe() + " did not become the foreground window"; });
}

Window Window::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = hwnd_ ? GetWindowThreadProcessId(hwnd_, nullptr) : 0;
  if (thread && GetGUIThreadInfo(thread, &info) && info.hwndFocus) return Window(info.hwndFocus);
  return *this;
}

void Window::PostKey(WORD vk) const {
  PostMessageW(hwnd_, WM_KEYDOWN, vk, KeyLParam(vk, false));
  PostMessageW(hwnd_, WM_KEYUP, vk, KeyLParam(vk, true));
}

void Window::PostChar(wchar_t c) const { PostMessageW(hwnd_, WM_CHAR, c, 1); }

void Window::PostClick(Point client, MouseButton button) const {
  const bool left = button == MouseButton::Left;
  const LPARAM at = MAKELPARAM(static_cast<WORD>(client.x), static_cast<WORD>(client.y));
  PostMessageW(hwnd_, WM_MOUSEMOVE, 0, at);
  PostMessageW(hwnd_, left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, left ? MK_LBUTTON : MK_RBUTTON, at);
  PostMessageW(hwnd_, left ? WM_LBUTTONUP : WM_RBUTTONUP, 0, at);
}

void Window::PostClose() const { PostMessageW(hwnd_, WM_CLOSE, 0, 0); }
void Window::ClickButton() const {
  if (!IsVisible() || !IsEnabled()) throw BenchError("cannot click the hidden or disabled " + Describe());
  PostMessageW(hwnd_, BM_CLICK, 0, 0);
}

void PrintTo(const Window& w, std::ostream* os) { *os << w.Describe(); }

std::vector<Window> FindWindows(const WindowQuery& query) { return Filter(AllTopLevel(), query, true); }

std::optional<Window> FindOneWindow(const WindowQuery& query) {
  auto found = FindWindows(query);
  if (found.empty()) return std::nullopt;
  return found.front();
}

Window WaitForWindow(const WindowQuery& query, Milliseconds timeout) {
  std::optional<Window> found;
  WaitUntil([&] { return (found = FindOneWindow(query)).has_value(); }, timeout,
            [&] { return DescribeMissingWindow(query); });
  return *found;
}

std::string DescribeMissingWindow(const WindowQuery& query) {
  const WindowQuery sameOwner{.processId = query.processId, .imageName = query.imageName};
  return "no " + query.Describe() + Seen(FindWindows(sameOwner));
}

}  // namespace ravelo::e2e
