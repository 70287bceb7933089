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

// Forms (settings windows, editors) move the focus with Tab and Shift+Tab
// through their text boxes and check boxes, and Space ticks a check box:
// IsDialogMessage sees the keys of a marked window's descendants first.
void MarkAsForm(HWND window);
// Sent to a form before each key is pressed in it: the form makes what only
// the keyboard needs the first time.
UINT FormKeyboardMessage();
// Gives a key message to the form it belongs to; true when the form used it.
bool IsFormMessage(MSG& message);
// The message loop of a program made of forms; runs until WM_QUIT.
int RunFormMessageLoop();

}  // namespace ravelo::win
