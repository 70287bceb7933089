// The end-to-end test bench: drives the suite's programs from outside, as a
// user would, under Wine or Windows. Include this one header.
//
//   Installation   a private copy of the staged installation per test, its
//                  files (name.txt, common\rvoconfig.rcf as GBK text, INI
//                  keys), removed with everything running from it at the end.
//   Process        a started program: exit code, its windows and message
//                  boxes; killed with all it started when it goes out of scope.
//   Window         any process's window: class, text (WM_GETTEXT), window and
//                  client rectangles on the screen, visible, enabled,
//                  topmost, region, children; posted keys and clicks.
//   MessageBoxWindow  a #32770 dialog: title, text, icon, buttons, Press().
//   mouse::, keyboard::  real input through SendInput (clicks, right clicks,
//                  drags, hover, keys, typed Chinese text).
//   ScreenPixel, CaptureScreen, WaitForPixel, SaveScreenshot  the screen.
//   RunningProcesses, DescendantsOf, ImagePathOf  processes the programs
//                  start themselves (rvo starting rvocfg).
//
// Under Wine (measured, Wine 8 on Xvfb):
// - a window is visible before it has painted: read pixels with
//   WaitForPixel or after Window::WaitUntilPainted; and a state set just
//   after the window shows (stay-on-top) wants WaitUntilTopmost, not
//   IsTopmost;
// - SendInput reaches other processes' windows, the system move loop of
//   WM_SYSCOMMAND 0xF012 included; posted messages work without the
//   foreground, and a posted WM_KEYDOWN also brings WM_CHAR;
// - BM_CLICK clicks even a disabled button, so Window::ClickButton refuses
//   one; GetWindowRgn reads another process's window region;
// - processes a started program starts do not join its job: Process::Kill
//   ends them through the Toolhelp tree, and the Installation ends whatever
//   still runs from its folder;
// - the test program has Wine manage its windows itself while it runs
//   (display_settings.h): otherwise every captioned window that hides costs
//   a 2 s wait for a window manager that Xvfb does not have.
//
// Every wait takes a timeout (default kDefaultTimeout, 5 s) and returns as
// soon as its condition holds; when it does not, it throws a TimeoutError
// saying what was awaited, e.g. "no visible window of class "RaveloMain" from
// rvo.exe (pid 36) (visible there: #32770 "Ravelo") within 5000 ms", which
// gtest reports as the test's failure. A failed test leaves a screenshot in
// the artifact folder (build\tests\e2e\failures\<Suite>.<Test>.bmp).
//
// Example:
//
//   #include "bench/bench.h"
//
//   using namespace ravelo::e2e;
//
//   TEST(DrawProgram, WarnsAboutAMissingNameList) {
//     Installation install;                       // a fresh copy under %TEMP%
//     install.Remove(Installation::kNameList);
//     install.WriteGbk(L"common\\rvoconfig.rcf", L"[Form]\r\ncaption=年会抽奖\r\n");
//     Process rvo = install.Start(L"rvo.exe");
//     MessageBoxWindow box = rvo.WaitForMessageBox(L"Ravelo");
//     EXPECT_EQ(box.Text(), L"...");
//     EXPECT_EQ(box.Icon(), MessageBoxIcon::Warning);
//     box.Press(IDOK);
//     Window main = rvo.WaitForWindow({.className = L"...", .text = L"年会抽奖"});
//     EXPECT_EQ(main.ClientRect().Width(), 600);
//     main.PostKey(VK_RETURN);                   // or: main.Activate(); keyboard::Press(VK_RETURN);
//     mouse::Click(main.ClientRect().Center());
//     WaitForPixel(main.ToScreen({10, 10}), Color{0, 0, 128});
//     main.PostKey(VK_ESCAPE);
//     EXPECT_EQ(rvo.ExpectExit(), 0u);
//   }                                            // rvo and the copy are gone here
//
// Declare the Installation before the Processes started from it, so that
// the programs end before their folder is deleted.
#pragma once

#include "bench/geometry.h"
#include "bench/input.h"
#include "bench/installation.h"
#include "bench/locations.h"
#include "bench/message_box.h"
#include "bench/process.h"
#include "bench/process_info.h"
#include "bench/screen.h"
#include "bench/text.h"
#include "bench/wait.h"
#include "bench/window.h"
