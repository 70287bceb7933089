// The end-to-end test bench: drives the suite's programs from outside, as a
// user would, under Wine or Windows: a private Installation per test, the
// Processes started from it, any process's Windows, real input (mouse::,
// keyboard::) and the screen's pixels.
//
// Under Wine (measured, Wine 8 on Xvfb): a window is visible before it has
// painted (read pixels with WaitForPixel or after WaitUntilPainted); a state
// set just after a window shows wants a wait, not one look; SendInput reaches
// other processes' windows; posted messages need no foreground, and a posted
// WM_KEYDOWN also brings WM_CHAR; BM_CLICK clicks even a disabled button, so
// ClickButton refuses one.
//
// Every wait polls until its condition holds or its timeout (5 s unless
// given) passes, and then throws a BenchError saying what it awaited,
// which gtest reports as the test's failure. Declare the Installation before
// the Processes started from it: the programs end before their folder goes.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "shared/win/unique_handle.h"
#include "shared/win/wide_text.h"

namespace ravelo::e2e {

using Milliseconds = std::chrono::milliseconds;
using win::UniqueHandle;
inline constexpr Milliseconds kDefaultTimeout{5000};

class BenchError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Polls the condition every 10 ms; whether it held within the timeout.
bool PollUntil(const std::function<bool()>& condition, Milliseconds timeout = kDefaultTimeout);
// As PollUntil, throwing BenchError("<what> within N ms") when it did not.
void WaitUntil(const std::function<bool()>& condition, const std::string& what,
               Milliseconds timeout = kDefaultTimeout);
void Pause(Milliseconds duration);  // only where time must pass (a draw running)

inline std::string ToUtf8(std::wstring_view text) { return win::Narrow(text); }
inline std::wstring FromUtf8(std::string_view utf8) { return win::Widen(utf8); }
std::string ToGbk(std::wstring_view text);  // code page 936, as the suite's files

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
  Point operator+(Point d) const { return {x + d.x, y + d.y}; }
  Point operator-(Point d) const { return {x - d.x, y - d.y}; }
};

// Right and bottom are exclusive, as in RECT.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  static Rect From(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
  static Rect FromSize(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  Point TopLeft() const { return {left, top}; }
  Point Center() const { return {left + Width() / 2, top + Height() / 2}; }
  Rect Offset(Point d) const { return {left + d.x, top + d.y, right + d.x, bottom + d.y}; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Color {
  std::uint8_t r = 0, g = 0, b = 0;
  bool Near(Color other, int tolerance) const;  // every channel within tolerance
  friend bool operator==(const Color&, const Color&) = default;
};

void PrintTo(const Rect& r, std::ostream* os);
void PrintTo(const Color& c, std::ostream* os);

class Image {
 public:
  Image() = default;
  Image(Rect area, std::vector<std::uint32_t> pixels) : area_(area), pixels_(std::move(pixels)) {}
  int Width() const { return area_.Width(); }
  int Height() const { return area_.Height(); }
  bool Empty() const { return pixels_.empty(); }
  Color At(int x, int y) const;
  int Count(Color c, int tolerance = 0) const;  // pixels of this colour
  const std::vector<std::uint32_t>& Pixels() const { return pixels_; }  // 0x00RRGGBB, top row first

 private:
  Rect area_;
  std::vector<std::uint32_t> pixels_;
};

Rect ScreenBounds();
Image CaptureScreen(Rect area);  // clipped to the screen
Color ScreenPixel(Point p);
void WaitForPixel(Point p, Color expected, Milliseconds timeout = kDefaultTimeout, int tolerance = 0);

// What to look for; unset fields match anything.
struct WindowQuery {
  std::optional<std::wstring> className{};
  std::optional<std::wstring> text{};       // title or caption, exact
  std::optional<int> controlId{};
  std::optional<DWORD> processId{};
  std::optional<std::wstring> imageName{};  // program file name, e.g. L"rvocfg.exe"
  bool visibleOnly = true;
  std::string Describe() const;
};

// A window of any process, not owned; a window that has gone reads empty.
class Window {
 public:
  Window() = default;
  explicit Window(HWND hwnd) : hwnd_(hwnd) {}
  HWND Handle() const { return hwnd_; }

  bool Exists() const;
  DWORD ProcessId() const;
  std::wstring ClassName() const;
  std::wstring Text() const;  // WM_GETTEXT, which reads other processes' controls
  int ControlId() const;
  bool IsVisible() const;
  bool IsEnabled() const;
  std::string Describe() const;

  Rect WindowRect() const;  // screen coordinates
  Rect ClientRect() const;  // screen coordinates
  Point ToScreen(Point client) const;
  bool RegionContains(Point window) const;  // false without a region
  Image CaptureWindow() const { return CaptureScreen(WindowRect()); }

  std::vector<Window> Children(const WindowQuery& query = {.visibleOnly = false}) const;
  Window ChildById(int controlId) const;  // throws BenchError when none

  void WaitForText(std::wstring_view expected) const;
  void WaitUntilGone() const;
  void WaitUntilVisible(bool visible) const;
  // Until no paint is pending and its pixels on the screen hold still; not
  // for a window that keeps changing (a draw running).
  void WaitUntilPainted() const;
  void Activate() const;  // the foreground window, so keyboard:: reaches it
  Window Focus() const;   // the focused control of its thread, or itself

  void PostKey(WORD virtualKey) const;  // WM_KEYDOWN, WM_KEYUP
  void PostClose() const;
  void SetText(std::wstring_view text) const;  // WM_SETTEXT: an edit box's whole content
  void ClickButton() const;                    // BM_CLICK; throws on a disabled or hidden button

 private:
  HWND hwnd_ = nullptr;
};

std::optional<Window> FindOneWindow(const WindowQuery& query);  // a top-level window of any process
Window WaitForWindow(const WindowQuery& query, Milliseconds timeout = kDefaultTimeout);

// A started program, ended (if still running) when this goes.
class Process {
 public:
  static Process Start(const std::wstring& program, const std::wstring& folder);
  Process(Process&&) noexcept = default;
  Process& operator=(Process&&) noexcept = delete;
  ~Process();

  bool IsRunning() const;
  DWORD ExpectExit(Milliseconds timeout = kDefaultTimeout) const;  // its exit code; throws when it runs on

  std::optional<Window> FindOneWindow(WindowQuery query) const;
  // Fails at once when the program ends before the window shows.
  Window WaitForWindow(WindowQuery query, Milliseconds timeout = kDefaultTimeout) const;
  // Waits for its message box titled "Ravelo", presses its button (OK
  // unless given) and returns the message.
  std::wstring AnswerMessage(int button = IDOK) const;
  std::string Describe() const;

 private:
  Process(UniqueHandle process, DWORD id, std::wstring name);
  UniqueHandle process_;
  DWORD id_ = 0;
  std::wstring name_;
};

// Waits for the program's open or save dialog, types path into its file name
// box and presses its OK button.
void AnswerFileDialog(const Process& program, const std::wstring& path);

// Puts text on the clipboard, as a copy from another program does.
void PutOnClipboard(const std::wstring& text);

struct ProcessEntry {
  DWORD id = 0;
  std::wstring path;  // its program file, empty when unreadable
};
std::vector<ProcessEntry> RunningProcesses();
std::wstring ImagePathOf(DWORD processId);
std::wstring FileNameOf(const std::wstring& path);

// The sound output: RAVELO_AUDIO_CAPTURE names the file an ALSA file sink
// writes every sample to (each opening of the output a file of its own beside
// it). Without a capture (on Windows, or run by hand) the bytes are empty.
std::optional<std::uint64_t> CapturedSoundBytes();
void ClearSoundCapture();
bool SoundFlows();   // a few buffers arrive from now on
bool SoundSilent();  // after a moment for buffers on their way, nothing arrives for a while

// A private copy of the staged installation in a fresh folder under %TEMP%.
class Installation {
 public:
  static constexpr std::wstring_view kNameList = L"name.txt";
  static constexpr std::wstring_view kConfigFile = L"common\\rvoconfig.rcf";

  Installation();
  Installation(const Installation&) = delete;
  Installation& operator=(const Installation&) = delete;
  ~Installation();  // ends what runs from it, deletes it

  std::wstring PathOf(std::wstring_view relative) const { return root_ + std::wstring(relative); }

  // Paths relative to the root; failures throw; writes create folders.
  std::string ReadBytes(std::wstring_view relative) const;
  void WriteBytes(std::wstring_view relative, std::string_view bytes) const;
  void WriteGbk(std::wstring_view relative, std::wstring_view text) const { WriteBytes(relative, ToGbk(text)); }
  void Remove(std::wstring_view relative) const;  // a file or a folder; a missing one is fine
  void SetReadOnly(std::wstring_view relative, bool readOnly) const;

  std::wstring IniValue(std::wstring_view section, std::wstring_view key) const;
  void SetIniValue(std::wstring_view section, std::wstring_view key, std::wstring_view value) const;

  // Starts bin\program in a working folder outside the installation.
  Process Start(std::wstring_view program) const;

 private:
  std::wstring root_;
};

}  // namespace ravelo::e2e

namespace ravelo::e2e::mouse {
enum class Button { Left, Right };
void MoveTo(Point screen);  // a hover: the window under it hears of the move
void Click(Point screen, Button button = Button::Left);
// Presses at from, moves to `to` in steps the target's drag loop follows.
void Drag(Point from, Point to, int steps = 10);
}  // namespace ravelo::e2e::mouse

namespace ravelo::e2e::keyboard {
void Press(WORD virtualKey);
void Down(WORD virtualKey);
void Up(WORD virtualKey);
void Type(std::wstring_view text);  // Unicode input, each character a WM_CHAR
}  // namespace ravelo::e2e::keyboard

namespace ravelo::e2e {
// Releases what an earlier test left held and parks the pointer in the
// screen's bottom-right corner, over no new window (as each new Installation
// does).
void ResetInput();
}  // namespace ravelo::e2e
