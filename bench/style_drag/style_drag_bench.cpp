// The CPU time rvostyle uses per mouse move while the text line is dragged
// across the content area, and what each move repaints:
//   style_drag_bench RVOSTYLE_EXE PROBE_DLL [SECONDS]
// Starts rvostyle, lets it settle, measures SECONDS idle, then presses the
// left button on the text line and moves the real pointer (SendInput) 60
// times a second back and forth across the content area for SECONDS, and
// releases. The paint probe (shared with the draw CPU benchmark) counts
// every move the text line takes as a tick and measures every update region.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>

#include "../draw_cpu/paint_probe.h"
#include "../process_cpu.h"
#include "../process_window.h"

namespace {

using ravelo::bench::ProbeCounters;

constexpr wchar_t kStyleClass[] = L"RaveloStyleWindow";
constexpr int kContentId = 100;
constexpr int kTextLineId = 103;
constexpr int kMovesPerSecond = 60;
constexpr int kStep = 6;  // pixels per move

bool IsStyleWindow(HWND window) {
  wchar_t cls[64]{};
  GetClassNameW(window, cls, 64);
  return std::wcscmp(cls, kStyleClass) == 0;
}

void SendMouse(DWORD flags, POINT at = {}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    input.mi.dx = static_cast<LONG>((at.x * 65535.0) / (GetSystemMetrics(SM_CXSCREEN) - 1) + 0.5);
    input.mi.dy = static_cast<LONG>((at.y * 65535.0) / (GetSystemMetrics(SM_CYSCREEN) - 1) + 0.5);
  }
  SendInput(1, &input, sizeof input);
}

struct Snapshot {
  double cpuMs = 0;
  ProbeCounters probe{};
  ULONGLONG wallMs = 0;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: style_drag_bench RVOSTYLE_EXE PROBE_DLL [SECONDS]\n");
    return 2;
  }
  const std::wstring program = argv[1];
  const int seconds = argc > 3 ? std::max(1, _wtoi(argv[3])) : 5;

  HANDLE sharedMemory = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(ProbeCounters),
                                           ravelo::bench::kProbeMemoryName);
  auto* probe = sharedMemory ? static_cast<volatile ProbeCounters*>(
                                   MapViewOfFile(sharedMemory, FILE_MAP_WRITE, 0, 0, sizeof(ProbeCounters)))
                             : nullptr;
  if (!probe) return std::fprintf(stderr, "no shared memory for the probe\n"), 1;
  probe->mouseMovesAreTicks = 1;

  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return std::fprintf(stderr, "rvostyle did not start (error %lu)\n", GetLastError()), 1;
  HWND main = nullptr;
  for (int i = 0; i < 1000 && !main; ++i) {
    main = ravelo::bench::FindProcessWindow(process.dwProcessId, IsStyleWindow);
    if (!main) Sleep(10);
  }
  HWND content = main ? GetDlgItem(main, kContentId) : nullptr;
  HWND text = content ? GetDlgItem(content, kTextLineId) : nullptr;
  if (!text) {
    TerminateProcess(process.hProcess, 1);
    return std::fprintf(stderr, "rvostyle showed no window with a text line\n"), 1;
  }
  HMODULE dll = LoadLibraryW(argv[2]);
  auto* hookProc = dll ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(dll, "GetMessageProbe")))
                       : nullptr;
  HHOOK hook = hookProc ? SetWindowsHookExW(WH_GETMESSAGE, hookProc, dll, GetWindowThreadProcessId(main, nullptr))
                        : nullptr;
  if (!hook) {
    TerminateProcess(process.hProcess, 1);
    return std::fprintf(stderr, "paint probe not hooked (error %lu)\n", GetLastError()), 1;
  }
  PostMessageW(main, WM_NULL, 0, 0);  // the hook joins rvostyle's thread with its next message
  Sleep(1500);                        // the tooltips, made after the first show

  std::string path;
  for (wchar_t c : program) path += static_cast<char>(c);
  const auto stat = ravelo::bench::FindStatPath("rvostyle.exe", path.substr(path.find(':') + 1));
  auto take = [&] {
    Snapshot s;
    s.cpuMs = stat ? ravelo::bench::StatCpuMs(stat) : ravelo::bench::ProcessCpuMs(process.hProcess);
    s.probe = const_cast<const ProbeCounters&>(*probe);
    s.wallMs = GetTickCount64();
    return s;
  };

  const Snapshot idleFrom = take();
  Sleep(static_cast<DWORD>(seconds) * 1000);
  const Snapshot idleTo = take();

  RECT area{}, label{}, client{};
  GetWindowRect(content, &area);
  GetClientRect(content, &client);
  GetWindowRect(text, &label);
  // Grabbed at its middle; the pointer sweeps so that the label crosses the
  // whole content area and back.
  const POINT grab{(label.left + label.right) / 2, (label.top + label.bottom) / 2};
  const int halfLabel = (label.right - label.left) / 2;
  const int low = area.left + halfLabel, high = std::max(low + kStep, static_cast<int>(area.right) - halfLabel);
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, grab);
  Sleep(200);
  const Snapshot dragFrom = take();
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  const int moves = seconds * kMovesPerSecond;
  int x = grab.x, direction = kStep;
  const ULONGLONG begin = GetTickCount64();
  for (int i = 1; i <= moves; ++i) {
    if (x + direction > high || x + direction < low) direction = -direction;
    x += direction;
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, {x, grab.y});
    const ULONGLONG due = begin + static_cast<ULONGLONG>(i) * 1000 / kMovesPerSecond;
    const ULONGLONG now = GetTickCount64();
    if (due > now) Sleep(static_cast<DWORD>(due - now));
  }
  SendMouse(MOUSEEVENTF_LEFTUP);
  Sleep(100);
  const Snapshot dragTo = take();

  PostMessageW(main, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  UnhookWindowsHookEx(hook);

  const double idleSeconds = static_cast<double>(idleTo.wallMs - idleFrom.wallMs) / 1000.0;
  const double dragSeconds = static_cast<double>(dragTo.wallMs - dragFrom.wallMs) / 1000.0;
  const double idleMs = idleTo.cpuMs - idleFrom.cpuMs;
  const double dragMs = dragTo.cpuMs - dragFrom.cpuMs;
  const LONG taken = dragTo.probe.ticks - dragFrom.probe.ticks;
  std::printf("rvostyle, %d s idle then a %d s drag of the text line, %d moves sent (%d/s, %d px each)\n", seconds,
              seconds, moves, kMovesPerSecond, kStep);
  std::printf("CPU times from %s\n", stat ? "/proc (10 ms steps)" : "GetProcessTimes");
  std::printf("idle: %.0f ms CPU in %.2f s; drag: %.0f ms CPU in %.2f s, %ld moves taken by the text line\n",
              idleMs, idleSeconds, dragMs, dragSeconds, taken);
  if (taken <= 1) return 1;
  // The label's own moves under the pointer bring the window a few extra
  // mouse messages; the figure is per move the operator made.
  const double perMove = (dragMs - idleMs * dragSeconds / idleSeconds) / moves;
  std::printf("per move sent: %.3f ms CPU (drag minus idle), target under 2 ms\n", perMove);
  const LONGLONG distinct = dragTo.probe.distinctPaintedArea - dragFrom.probe.distinctPaintedArea;
  const LONGLONG places = dragTo.probe.textLineArea - dragFrom.probe.textLineArea;
  const LONGLONG outside = dragTo.probe.paintedOutsideTextLine - dragFrom.probe.paintedOutsideTextLine;
  const double contentArea = static_cast<double>(client.right) * client.bottom;
  std::printf("repainted per move: %.0f px distinct (%.2f%% of the content area); the label's old and new places "
              "%.0f px; painted outside them: %lld px in all\n",
              static_cast<double>(distinct) / (taken - 1), contentArea > 0 ? 100.0 * distinct / (taken - 1) / contentArea : 0.0,
              static_cast<double>(places) / (taken - 1), outside);
  return 0;
}
