// Windows of other processes: finding, reading and posting to them.
#include <algorithm>
#include <iterator>
#include <ostream>

#include "bench/bench.h"
#include "shared/win/gdi.h"

namespace ravelo::e2e {
namespace {

// Long enough for a busy target, short enough that a hung one fails the test
// instead of hanging it.
constexpr UINT kSendTimeoutMs = 2000;

bool Matches(const Window& w, const WindowQuery& q) {
  if (q.visibleOnly && !w.IsVisible()) return false;
  if (q.className && *q.className != w.ClassName()) return false;
  if (q.controlId && *q.controlId != w.ControlId()) return false;
  if (q.processId && *q.processId != w.ProcessId()) return false;
  if (q.text && *q.text != w.Text()) return false;
  return !q.imageName || _wcsicmp(FileNameOf(ImagePathOf(w.ProcessId())).c_str(), q.imageName->c_str()) == 0;
}

BOOL CALLBACK Collect(HWND hwnd, LPARAM list) {
  reinterpret_cast<std::vector<Window>*>(list)->emplace_back(hwnd);
  return TRUE;
}

std::vector<Window> Filter(const std::vector<Window>& all, const WindowQuery& q) {
  std::vector<Window> found;
  std::copy_if(all.begin(), all.end(), std::back_inserter(found), [&](const Window& w) { return Matches(w, q); });
  return found;
}

LPARAM KeyLParam(WORD vk, bool up) {
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
  return 1 | scan | (up ? static_cast<LPARAM>(0xC0000000u) : 0);  // previous state down, transition up
}

}  // namespace

std::string WindowQuery::Describe() const {
  return "window \"" + ToUtf8(className.value_or(L"")) + "\" \"" + ToUtf8(text.value_or(L"")) + "\" id " +
         std::to_string(controlId.value_or(0)) + " of " + ToUtf8(imageName.value_or(L"pid " + std::to_wstring(processId.value_or(0))));
}

bool Window::Exists() const { return hwnd_ && IsWindow(hwnd_); }

DWORD Window::ProcessId() const {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd_, &pid);
  return pid;
}

std::wstring Window::ClassName() const {
  wchar_t name[256] = {};
  return std::wstring(name, static_cast<size_t>(std::max(GetClassNameW(hwnd_, name, 256), 0)));
}

std::wstring Window::Text() const {
  wchar_t text[4096];  // more than any text the tests read
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(hwnd_, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                           kSendTimeoutMs, &copied))
    return {};
  return std::wstring(text, std::min<size_t>(copied, std::size(text) - 1));
}

int Window::ControlId() const { return GetDlgCtrlID(hwnd_); }
bool Window::IsVisible() const { return IsWindowVisible(hwnd_); }
bool Window::IsEnabled() const { return IsWindowEnabled(hwnd_); }

std::string Window::Describe() const {
  if (!Exists()) return "a window that has gone";
  return "window of class \"" + ToUtf8(ClassName()) + "\" id " + std::to_string(ControlId()) + " with text \"" +
         ToUtf8(Text()) + "\"";
}

Rect Window::WindowRect() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  return Rect::From(r);
}

Rect Window::ClientRect() const {
  RECT r{};
  GetClientRect(hwnd_, &r);
  return Rect::From(r).Offset(ToScreen({0, 0}));
}

Point Window::ToScreen(Point client) const {
  POINT p{client.x, client.y};
  ClientToScreen(hwnd_, &p);
  return {p.x, p.y};
}

bool Window::RegionContains(Point window) const {
  win::Region region(CreateRectRgn(0, 0, 0, 0));
  return GetWindowRgn(hwnd_, region.Get()) != ERROR && PtInRegion(region.Get(), window.x, window.y);
}

std::vector<Window> Window::Children(const WindowQuery& query) const {
  std::vector<Window> all;
  EnumChildWindows(hwnd_, Collect, reinterpret_cast<LPARAM>(&all));
  return Filter(all, query);
}

Window Window::ChildById(int controlId) const {
  const auto found = Children({.controlId = controlId, .visibleOnly = false});
  if (found.empty()) throw BenchError("no control id " + std::to_string(controlId) + " in " + Describe());
  return found.front();
}

void Window::WaitForText(std::wstring_view expected) const {
  WaitUntil([&] { return Text() == expected; }, Describe() + " did not read \"" + ToUtf8(expected) + "\"");
}

void Window::WaitUntilGone() const { WaitUntil([&] { return !Exists(); }, Describe() + " did not close"); }

void Window::WaitUntilVisible(bool visible) const {
  WaitUntil([&] { return IsVisible() == visible; }, Describe() + (visible ? " did not show" : " did not hide"));
}

void Window::WaitUntilPainted() const {
  const auto pending = [&] {
    if (GetUpdateRect(hwnd_, nullptr, FALSE)) return true;
    const auto children = Children({});
    return std::any_of(children.begin(), children.end(),
                       [](const Window& c) { return GetUpdateRect(c.Handle(), nullptr, FALSE) != FALSE; });
  };
  // Wine flushes window surfaces to the screen a little later, hence two
  // equal captures 60 ms apart.
  Image previous;
  WaitUntil(
      [&] {
        if (pending()) return (previous = {}), false;
        Image now = CaptureWindow();
        const bool still = !previous.Empty() && now.Pixels() == previous.Pixels();
        previous = std::move(now);
        if (!still) Pause(Milliseconds{60});
        return still;
      },
      Describe() + " did not finish painting");
}

void Window::Activate() const {
  WaitUntil([&] { return GetForegroundWindow() == hwnd_ || (SetForegroundWindow(hwnd_), false); },
            Describe() + " did not come to the foreground");
}

Window Window::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(hwnd_, nullptr), &info) && info.hwndFocus) return Window(info.hwndFocus);
  return *this;
}

void Window::PostKey(WORD vk) const {
  PostMessageW(hwnd_, WM_KEYDOWN, vk, KeyLParam(vk, false));
  PostMessageW(hwnd_, WM_KEYUP, vk, KeyLParam(vk, true));
}

void Window::PostClose() const { PostMessageW(hwnd_, WM_CLOSE, 0, 0); }

void Window::SetText(std::wstring_view text) const {
  const std::wstring terminated(text);
  DWORD_PTR ignored = 0;
  // The system carries WM_SETTEXT's string across processes.
  if (!SendMessageTimeoutW(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(terminated.c_str()), SMTO_ABORTIFHUNG,
                           kSendTimeoutMs, &ignored))
    throw BenchError("could not set the text of " + Describe());
}

void Window::ClickButton() const {
  if (!IsVisible() || !IsEnabled()) throw BenchError("cannot click the hidden or disabled " + Describe());
  PostMessageW(hwnd_, BM_CLICK, 0, 0);
}

std::optional<Window> FindOneWindow(const WindowQuery& query) {
  std::vector<Window> all;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&all));
  const auto found = Filter(all, query);
  if (found.empty()) return std::nullopt;
  return found.front();
}

Window WaitForWindow(const WindowQuery& query, Milliseconds timeout) {
  std::optional<Window> found;
  WaitUntil([&] { return (found = FindOneWindow(query)).has_value(); }, "no " + query.Describe(), timeout);
  return *found;
}

}  // namespace ravelo::e2e
