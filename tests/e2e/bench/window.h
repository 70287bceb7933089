// Windows of other processes: finding them, reading them (texts, rectangles,
// states, region, pixels) and posting messages to them.
#pragma once

#include <windows.h>

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "bench/geometry.h"
#include "bench/screen.h"
#include "bench/wait.h"

namespace ravelo::e2e {

// What to look for; unset fields match anything. For a top-level window the
// text is its title, for a control its caption.
struct WindowQuery {
  std::optional<std::wstring> className{};  // exact, e.g. L"#32770" or L"Static"
  std::optional<std::wstring> text{};       // exact
  std::optional<int> controlId{};           // controls only
  std::optional<DWORD> processId{};         // top-level windows only
  std::optional<std::wstring> imageName{};  // program file name, e.g. L"rvocfg.exe"
  bool visibleOnly = true;

  // "visible window of class "X" titled "Y" from rvo.exe (pid 12)"; a
  // control's text reads "with text".
  std::string Describe(bool topLevel = true) const;
};

// The shape a window set with SetWindowRgn, relative to its window rectangle.
struct WindowRegion {
  Rect bounds;
  std::vector<Rect> rects;
  bool Contains(Point p) const;
};

enum class MouseButton { Left, Right };

// A window of any process. It does not own the window; a window that has
// gone reads as empty texts and rectangles, and Exists() says so.
class Window {
 public:
  Window() = default;
  explicit Window(HWND hwnd) : hwnd_(hwnd) {}

  HWND Handle() const { return hwnd_; }
  friend bool operator==(const Window&, const Window&) = default;
  bool Exists() const;
  DWORD ProcessId() const;
  std::wstring ClassName() const;
  // WM_GETTEXT sent with a timeout: GetWindowTextW reads nothing from another
  // process's controls.
  std::wstring Text() const;
  int ControlId() const;
  LONG Style() const;
  bool IsVisible() const;
  bool IsEnabled() const;
  bool IsTopmost() const;  // WS_EX_TOPMOST
  Window Parent() const;
  // "window of class "Static" id 102 text "欢迎" (pid 12)", for messages.
  std::string Describe() const;

  // Both in screen coordinates.
  Rect WindowRect() const;
  Rect ClientRect() const;
  Point ToScreen(Point client) const;
  // The window's region, or nothing when it has none (it is its rectangle).
  std::optional<WindowRegion> Region() const;
  // The screen's pixels where the window is (or its client area).
  Image CaptureWindow() const;
  Image CaptureClient() const;

  // All descendants, in the order EnumChildWindows gives them.
  std::vector<Window> Children(const WindowQuery& query = {.visibleOnly = false}) const;
  std::optional<Window> FindChild(const WindowQuery& query) const;
  Window ChildById(int controlId) const;  // throws BenchError when none
  Window WaitForChild(const WindowQuery& query, Milliseconds timeout = kDefaultTimeout) const;

  void WaitForText(std::wstring_view expected, Milliseconds timeout = kDefaultTimeout) const;
  void WaitUntilGone(Milliseconds timeout = kDefaultTimeout) const;
  void WaitUntilVisible(bool visible, Milliseconds timeout = kDefaultTimeout) const;
  void WaitUntilTopmost(bool topmost, Milliseconds timeout = kDefaultTimeout) const;
  // A window is visible before it and its controls have painted. Waits until
  // none of them has anything left to paint and its pixels on the screen
  // hold still; not for a window that keeps changing (a draw running).
  void WaitUntilPainted(Milliseconds timeout = kDefaultTimeout) const;
  // True while it or one of its visible controls has an update region.
  bool HasPendingPaint() const;

  // Makes it the foreground window (keyboard::Press goes to its focus).
  void Activate(Milliseconds timeout = kDefaultTimeout) const;

  // The control of its thread that has the keyboard focus, or itself.
  Window Focus() const;

  // Posted messages: they reach the target's handlers without the mouse or
  // the foreground. A posted WM_KEYDOWN is turned into WM_CHAR by the
  // target's TranslateMessage, as a real key press is.
  void PostKey(WORD virtualKey) const;  // WM_KEYDOWN then WM_KEYUP
  void PostChar(wchar_t c) const;  // WM_CHAR only
  void PostClick(Point client, MouseButton button = MouseButton::Left) const;
  void PostClose() const;   // WM_CLOSE
  // WM_SETTEXT, sent (the system carries the text across processes): an
  // edit box's whole content, as a paste would replace it.
  void SetText(std::wstring_view text) const;
  // BM_CLICK: a button control clicks itself. Wine's buttons obey it even
  // when disabled, where a user could not click; so a disabled or hidden
  // button throws BenchError instead.
  void ClickButton() const;

 private:
  std::string DescribeMissingChild(const WindowQuery& query) const;

  HWND hwnd_ = nullptr;
};

void PrintTo(const Window& w, std::ostream* os);  // its Describe()

// Top-level windows of every process (the desktop's children).
std::vector<Window> FindWindows(const WindowQuery& query);
std::optional<Window> FindOneWindow(const WindowQuery& query);
Window WaitForWindow(const WindowQuery& query, Milliseconds timeout = kDefaultTimeout);
// "no visible window of class ... (visible there: ...)", for failures.
std::string DescribeMissingWindow(const WindowQuery& query);
}  // namespace ravelo::e2e
