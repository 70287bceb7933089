// The end-to-end test bench: drives the suite's programs from outside, as a
// user would, under Wine or Windows. Include this one header.
//
//   Installation   a private copy of the staged installation per test (files,
//                  GBK text, INI keys), removed with all that runs from it.
//   Process        a started program: exit code, its windows and message boxes.
//   Window         any process's window: class, text, rectangles, states,
//                  region, children; posted keys.
//   MessageBoxWindow  a #32770 dialog: text, icon, Press().
//   mouse::, keyboard::  real input through SendInput.
//   ScreenPixel, CaptureScreen, WaitForPixel  the screen.
//
// Under Wine (measured, Wine 8 on Xvfb): a window is visible before it has
// painted (read pixels with WaitForPixel or after Window::WaitUntilPainted),
// and a state set just after the window shows wants WaitUntilTopmost, not
// IsTopmost; SendInput reaches other processes' windows; posted messages
// work without the foreground, and a posted WM_KEYDOWN also brings WM_CHAR;
// BM_CLICK clicks even a disabled button, so Window::ClickButton refuses one.
//
// Every wait takes a timeout (default kDefaultTimeout, 5 s), returns as soon
// as its condition holds, and otherwise throws a TimeoutError saying what was
// awaited, which gtest reports as the test's failure; a failed test leaves a
// screenshot in build\tests\e2e\failures\<Suite>.<Test>.bmp. Declare the
// Installation before the Processes started from it, so that the programs
// end before their folder is deleted.
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
