// Real input through SendInput, as a user's mouse and keyboard give it: the
// mouse goes to whatever window lies under the point (any process), the
// keyboard to the focus of the foreground window (see Window::Activate).
// Window::Post* are the fallback that needs neither.
#pragma once

#include <string_view>

#include "bench/geometry.h"
#include "bench/window.h"

namespace ravelo::e2e::mouse {

// Moves the pointer there (a hover: the window under it gets WM_MOUSEMOVE).
void MoveTo(Point screen);
void Press(MouseButton button = MouseButton::Left);
void Release(MouseButton button = MouseButton::Left);
// Moves there, presses and releases.
void Click(Point screen, MouseButton button = MouseButton::Left);
void RightClick(Point screen);
// Presses at from, moves to `to` in steps (pausing between them so that the
// target's drag loop follows), releases at to.
void Drag(Point from, Point to, MouseButton button = MouseButton::Left, int steps = 10);

}  // namespace ravelo::e2e::mouse

namespace ravelo::e2e::keyboard {

void Press(WORD virtualKey);  // down and up
void Down(WORD virtualKey);
void Up(WORD virtualKey);
// Types characters as Unicode input (Chinese included); each reaches the
// target as WM_CHAR.
void Type(std::wstring_view text);

}  // namespace ravelo::e2e::keyboard

namespace ravelo::e2e {

// Puts input back to rest before a test: releases mouse buttons and
// modifier keys an earlier test left held, and parks the pointer in the
// screen's bottom-right corner, where it hovers over no new window.
void ResetInput();

}  // namespace ravelo::e2e
