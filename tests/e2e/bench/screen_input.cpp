// Waits, texts, the screen and real input.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "bench/bench.h"
#include "shared/win/gdi.h"

namespace ravelo::e2e {
namespace {

Color FromPixel(std::uint32_t p) {
  return {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)};
}

// Time for the target's message loop between two input events; a drag loop
// that polls the pointer would otherwise see only its end.
constexpr DWORD kStepPauseMs = 15;

void Send(INPUT input) {
  if (SendInput(1, &input, sizeof input) != 1) throw BenchError("SendInput failed");
  Sleep(kStepPauseMs);
}

void SendMouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  Send(input);
}

void SendKey(WORD vk, WORD scan, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = scan;
  input.ki.dwFlags = flags;
  Send(input);
}

}  // namespace

bool PollUntil(const std::function<bool()>& condition, Milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    Sleep(10);
  }
  return true;
}

void WaitUntil(const std::function<bool()>& condition, const std::string& what, Milliseconds timeout) {
  if (!PollUntil(condition, timeout))
    throw BenchError(what + " within " + std::to_string(timeout.count()) + " ms");
}

void Pause(Milliseconds duration) { Sleep(static_cast<DWORD>(duration.count())); }

// The platform's code page 936, not the suite's own encoder under test.
std::string ToGbk(std::wstring_view text) {
  const int n = WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(std::max(n, 0)), '\0');
  WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

bool Color::Near(Color o, int tolerance) const {
  return std::abs(r - o.r) <= tolerance && std::abs(g - o.g) <= tolerance && std::abs(b - o.b) <= tolerance;
}

void PrintTo(const Rect& r, std::ostream* os) {
  *os << "[" << r.left << ", " << r.top << " - " << r.right << ", " << r.bottom << "]";
}
void PrintTo(const Color& c, std::ostream* os) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", c.r, c.g, c.b);
  *os << text;
}

Color Image::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) throw BenchError("a pixel outside the image");
  return FromPixel(pixels_[static_cast<size_t>(y) * static_cast<size_t>(Width()) + static_cast<size_t>(x)]);
}

int Image::Count(Color c, int tolerance) const {
  return static_cast<int>(
      std::count_if(pixels_.begin(), pixels_.end(), [&](std::uint32_t p) { return FromPixel(p).Near(c, tolerance); }));
}

Rect ScreenBounds() {
  return Rect::FromSize(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                        GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

// GetDC(NULL) + BitBlt: the exact colours the user sees (PrintWindow does
// not work across processes under Wine, the screen does).
Image CaptureScreen(Rect area) {
  const Rect screen = ScreenBounds();
  const Rect clipped{std::max(area.left, screen.left), std::max(area.top, screen.top),
                     std::min(area.right, screen.right), std::min(area.bottom, screen.bottom)};
  if (clipped.Width() <= 0 || clipped.Height() <= 0) return {};
  win::WindowDc screenDc(nullptr);
  win::MemoryDc memory(screenDc.Get());
  auto dib = win::CreateTopDownDib(clipped.Width(), clipped.Height());
  if (!dib) throw BenchError("cannot create a bitmap to capture the screen");
  {
    win::ScopedSelect select(memory.Get(), dib->first.Get());
    BitBlt(memory.Get(), 0, 0, clipped.Width(), clipped.Height(), screenDc.Get(), clipped.left, clipped.top, SRCCOPY);
  }
  GdiFlush();
  std::vector<std::uint32_t> pixels(dib->second, dib->second + clipped.Width() * clipped.Height());
  for (auto& p : pixels) p &= 0x00FFFFFF;
  return Image(clipped, std::move(pixels));
}

Color ScreenPixel(Point p) {
  const Image image = CaptureScreen(Rect::FromSize(p.x, p.y, 1, 1));
  if (image.Empty()) throw BenchError("a point off the screen");
  return image.At(0, 0);
}

void WaitForPixel(Point p, Color expected, Milliseconds timeout, int tolerance) {
  std::ostringstream what;
  what << "pixel (" << p.x << ", " << p.y << ") did not become ";
  PrintTo(expected, &what);
  WaitUntil([&] { return ScreenPixel(p).Near(expected, tolerance); }, what.str(), timeout);
}

namespace mouse {

void MoveTo(Point screen) {
  SetCursorPos(screen.x, screen.y);
  // A zero relative move makes a hardware move at the new position, so the
  // window under it hears of it even where SetCursorPos alone is quiet.
  SendMouse(MOUSEEVENTF_MOVE);
}
void Press(Button button = Button::Left) { SendMouse(button == Button::Left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN); }
void Release(Button button = Button::Left) { SendMouse(button == Button::Left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP); }

void Click(Point screen, Button button) {
  MoveTo(screen);
  Press(button);
  Release(button);
}

void Drag(Point from, Point to, int steps) {
  MoveTo(from);
  Press();
  for (int i = 1; i <= steps; ++i) MoveTo(from + Point{(to.x - from.x) * i / steps, (to.y - from.y) * i / steps});
  Release();
}

}  // namespace mouse

namespace keyboard {

void Down(WORD vk) { SendKey(vk, static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)), 0); }
void Up(WORD vk) { SendKey(vk, static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)), KEYEVENTF_KEYUP); }
void Press(WORD vk) {
  Down(vk);
  Up(vk);
}
void Type(std::wstring_view text) {
  for (const wchar_t c : text) {
    SendKey(0, c, KEYEVENTF_UNICODE);
    SendKey(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP);
  }
}

}  // namespace keyboard

void ResetInput() {
  const auto held = [](int vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; };
  if (held(VK_LBUTTON)) mouse::Release(mouse::Button::Left);
  if (held(VK_RBUTTON)) mouse::Release(mouse::Button::Right);
  for (const int vk : {VK_SHIFT, VK_CONTROL, VK_MENU})
    if (held(vk)) keyboard::Up(static_cast<WORD>(vk));
  const Rect screen = ScreenBounds();
  mouse::MoveTo({screen.right - 1, screen.bottom - 1});
}

}  // namespace ravelo::e2e
