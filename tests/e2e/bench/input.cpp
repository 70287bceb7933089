#include "bench/input.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "bench/screen.h"

namespace ravelo::e2e {
namespace {

// Time for the target's message loop between two input events; a drag loop
// that polls the pointer would otherwise see only its end.
constexpr DWORD kStepPauseMs = 15;

void Send(INPUT input) {
  if (SendInput(1, &input, sizeof input) != 1)
    throw BenchError("SendInput failed (error " + std::to_string(GetLastError()) + ")");
}

void SendMouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  Send(input);
}

void SendKey(WORD vk, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = flags;
  Send(input);
  Sleep(kStepPauseMs);
}

}  // namespace

namespace mouse {

void MoveTo(Point screen) {
  SetCursorPos(screen.x, screen.y);
  // A zero relative move makes a hardware mouse move at the new position, so
  // the window under it hears of it even where SetCursorPos alone is quiet.
  SendMouse(MOUSEEVENTF_MOVE);
  Sleep(kStepPauseMs);
}

void Press(MouseButton button) {
  SendMouse(button == MouseButton::Left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN);
  Sleep(kStepPauseMs);
}

void Release(MouseButton button) {
  SendMouse(button == MouseButton::Left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP);
  Sleep(kStepPauseMs);
}

void Click(Point screen, MouseButton button) {
  MoveTo(screen);
  Press(button);
  Release(button);
}

void RightClick(Point screen) { Click(screen, MouseButton::Right); }

void Drag(Point from, Point to, MouseButton button, int steps) {
  MoveTo(from);
  Press(button);
  steps = std::max(steps, 1);
  for (int i = 1; i <= steps; ++i)
    MoveTo({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
  Release(button);
}

}  // namespace mouse

namespace keyboard {

void Down(WORD vk) { SendKey(vk, 0); }
void Up(WORD vk) { SendKey(vk, KEYEVENTF_KEYUP); }

void Press(WORD vk) {
  Down(vk);
  Up(vk);
}

void Type(std::wstring_view text) {
  for (wchar_t c : text) {
    INPUT input[2]{};
    for (INPUT& i : input) {
      i.type = INPUT_KEYBOARD;
      i.ki.wScan = c;
      i.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    Send(input[0]);
    Send(input[1]);
    Sleep(kStepPauseMs);
  }
}

}  // namespace keyboard

void ResetInput() {
  const auto held = [](int vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; };
  if (held(VK_LBUTTON)) mouse::Release(MouseButton::Left);
  if (held(VK_RBUTTON)) mouse::Release(MouseButton::Right);
  for (int vk : {VK_SHIFT, VK_CONTROL, VK_MENU})
    if (held(vk)) SendKey(static_cast<WORD>(vk), KEYEVENTF_KEYUP);
  const Rect screen = ScreenBounds();
  mouse::MoveTo({screen.right - 1, screen.bottom - 1});
}

}  // namespace ravelo::e2e
