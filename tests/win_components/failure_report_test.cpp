// An exception reaching a window procedure: the operator is told once, in a
// message box naming the program, and the message loop is asked to end.
#include "shared/win/failure_report.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <new>
#include <stdexcept>
#include <string>
#include <thread>

#include "bench/bench.h"
#include "shared/win/window.h"

namespace ravelo::win {
namespace {

using namespace std::chrono_literals;

constexpr UINT kThrowOutOfMemory = WM_APP;
constexpr UINT kThrowOther = WM_APP + 1;

class ThrowingWindow : public Window {
 public:
  bool Create() {
    return CreateWindowOf({L"RaveloThrowingWindow"}, {0, WS_OVERLAPPEDWINDOW | WS_VISIBLE, L"", {0, 0, 200, 100}});
  }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kThrowOutOfMemory) throw std::bad_alloc();
    if (message == kThrowOther) throw std::runtime_error("broken");
    return Window::HandleMessage(message, wParam, lParam);
  }
};

// The text of the first message box this process shows within the wait,
// answered with OK once it shows its text; empty when none appears.
std::wstring AnswerMessageBox(std::chrono::milliseconds wait) {
  wchar_t text[256] = {};
  std::optional<e2e::Window> box;
  if (!e2e::PollUntil([&] {
        box = e2e::FindOneWindow({.className = L"#32770", .processId = GetCurrentProcessId()});
        return box && GetDlgItemTextW(box->Handle(), 0xFFFF, text, 256) > 0;
      }, wait))
    return {};
  PostMessageW(box->Handle(), WM_COMMAND, IDOK, 0);
  return text;
}

// Whether the thread's queue holds the request to end with exit code 1.
bool QuitRequested() {
  MSG message{};
  return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && message.wParam == 1;
}

TEST(FailureReport, AnUnhandledErrorIsShownOnceNamingTheProgramAndEndsTheLoop) {
  ThrowingWindow window;
  ASSERT_TRUE(window.Create());
  std::wstring shown;
  std::thread answer([&] { shown = AnswerMessageBox(10s); });
  SendMessageW(window.Handle(), kThrowOutOfMemory, 0, 0);
  answer.join();
  EXPECT_EQ(shown, L"failure_report_tests.exe 内存不足,程序将关闭");
  EXPECT_TRUE(QuitRequested());
  // A later failure is not shown again; the loop is still asked to end.
  std::thread none([&] { shown = AnswerMessageBox(1s); });
  SendMessageW(window.Handle(), kThrowOther, 0, 0);
  none.join();
  EXPECT_EQ(shown, L"");
  EXPECT_TRUE(QuitRequested());
}

}  // namespace
}  // namespace ravelo::win
