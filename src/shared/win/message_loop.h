// The message loop of a program with one main window whose keys are its
// own: key messages meant for any of its child windows (a button that took
// the focus, a tool posting to a control) go to the main window instead, so
// its key handler sees every key typed while it is active.
#pragma once

#include <windows.h>

namespace ravelo::win {

// Sends key messages aimed at a descendant of keyOwner to keyOwner itself;
// other messages are left alone. True when the message was redirected.
bool RouteKeyMessage(HWND keyOwner, MSG& message);

// Runs until WM_QUIT and returns its exit code.
int RunMessageLoop(HWND keyOwner);

}  // namespace ravelo::win
