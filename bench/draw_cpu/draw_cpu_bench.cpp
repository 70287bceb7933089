// The CPU time rvo uses for a running draw, against the same window idle,
// in one run:
//   draw_cpu_bench RVO_EXE PROBE_DLL [SECONDS] [--music] [--no-probe] [--full-screen] [--count N]
// Starts rvo, lets it settle, then measures SECONDS idle and SECONDS of a
// draw (Enter ... Space, posted to the window). --full-screen then does the
// same in full screen (F11), in the same run, and times entering and
// leaving it: from the key until the window and all its parts have painted,
// five times each, beside the floor: a plain window (full_screen_floor.exe,
// next to the probe) made the screen's size and painted with one BitBlt. Music is switched off through
// the window menu's item unless --music is given, so that the figures are the
// draw's own. The CPU times are rvo's (GetProcessTimes) and, apart, those of
// wineserver (from /proc through Wine's Z: drive), which every Wine program
// shares and which serves rvo's timer and window calls.
//
// The paint probe DLL is hooked onto rvo's window thread and reports every
// draw tick and every WM_PAINT with the size of its update region, so the
// bench also shows what one tick repaints. The probe costs rvo some CPU of
// its own; --no-probe leaves it out for the plain CPU figures.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "paint_probe.h"
#include "../process_cpu.h"
#include "../bench_process.h"
#include "../process_window.h"

namespace {

using ravelo::bench::ProbeCounters;
using ravelo::bench::FindStatPath;
using ravelo::bench::ProcessCpuMs;
using ravelo::bench::StatCpuMs;

constexpr wchar_t kDrawClass[] = L"RaveloDrawWindow";
constexpr WPARAM kMenuMusic = 201;
constexpr WPARAM kMenuDrawCount = 1400;  // + n: "每次抽取人数" n
constexpr int kContentId = 100;

// rvo's draw window (its tooltips are windows of the process too).
bool IsDrawWindow(HWND window) {
  wchar_t cls[64]{};
  GetClassNameW(window, cls, 64);
  return std::wcscmp(cls, kDrawClass) == 0;
}

struct Snapshot {
  double rvoMs = 0;
  double wineserverMs = 0;
  ProbeCounters probe{};
  ULONGLONG wallMs = 0;
};

struct Phase {
  const char* name;
  Snapshot from;
  Snapshot to;
  double RvoMs() const { return to.rvoMs - from.rvoMs; }
  double WineserverMs() const { return to.wineserverMs - from.wineserverMs; }
  double Seconds() const { return static_cast<double>(to.wallMs - from.wallMs) / 1000.0; }
  LONG Ticks() const { return to.probe.ticks - from.probe.ticks; }
  LONG Paints(int kind) const { return to.probe.paints[kind] - from.probe.paints[kind]; }
  LONGLONG Area(int kind) const { return to.probe.paintedArea[kind] - from.probe.paintedArea[kind]; }
  LONGLONG Outside() const { return to.probe.paintedOutsideTextLine - from.probe.paintedOutsideTextLine; }
  LONGLONG TextLineArea() const { return to.probe.textLineArea - from.probe.textLineArea; }
  LONGLONG DistinctArea() const { return to.probe.distinctPaintedArea - from.probe.distinctPaintedArea; }
};

void PrintCpu(const Phase& idle, const Phase& draw, LONG ticks, bool ticksCounted) {
  std::printf("%-6s %9s %10s %8s %14s %7s\n", "phase", "wall s", "rvo CPU ms", "CPU %", "wineserver ms", "ticks");
  for (const Phase* p : {&idle, &draw}) {
    std::printf("%-6s %9.2f %10.0f %7.2f%% %14.0f %7s\n", p->name, p->Seconds(), p->RvoMs(),
                100.0 * p->RvoMs() / (p->Seconds() * 1000.0), p->WineserverMs(),
                ticksCounted ? std::to_string(p->Ticks()).c_str() : "-");
  }
  if (ticks <= 0) return;
  // The idle phase's share is taken off, scaled to the draw's length.
  const double scale = draw.Seconds() / idle.Seconds();
  const double perTick = (draw.RvoMs() - idle.RvoMs() * scale) / ticks;
  const double serverPerTick = (draw.WineserverMs() - idle.WineserverMs() * scale) / ticks;
  std::printf("per tick: rvo %.3f ms CPU (draw minus idle), wineserver %.3f ms; %.1f ticks/s%s\n", perTick,
              serverPerTick, ticks / draw.Seconds(), ticksCounted ? "" : " (from the interval, not counted)");
}

// The content area's pixels as the window shows it now.
double ContentArea(HWND main) {
  RECT content{};
  GetClientRect(GetDlgItem(main, kContentId), &content);
  return static_cast<double>(content.right) * content.bottom;
}

// Milliseconds from a key sent to rvo until every part of its window has
// painted: the key is handled before SendMessage returns, and RDW_UPDATENOW
// has rvo's thread paint what is pending before RedrawWindow returns.
double MsToFullPaint(HWND main, WPARAM key) {
  LARGE_INTEGER frequency, from, to;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&from);
  SendMessageW(main, WM_KEYDOWN, key, 1);
  RedrawWindow(main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  QueryPerformanceCounter(&to);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Median, least and most of some timings.
std::string Spread(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  char text[96];
  std::snprintf(text, sizeof text, "%.0f ms (%.0f-%.0f)", ms[ms.size() / 2], ms.front(), ms.back());
  return text;
}

constexpr int kToggles = 5;

// Entering and leaving full screen kToggles times; the first entry may be
// given (timed before a measurement in full screen).
void TimeToggles(HWND window, std::vector<double>& enter, std::vector<double>& leave) {
  while (enter.size() < kToggles) {
    if (enter.size() == leave.size()) {
      enter.push_back(MsToFullPaint(window, VK_F11));
      Sleep(300);
    }
    leave.push_back(MsToFullPaint(window, VK_F11));
    Sleep(300);
  }
}

// The floor program's entry and leave timings, or nothing when it did not run.
bool TimeFloor(const std::wstring& program, std::vector<double>& enter, std::vector<double>& leave) {
  ravelo::bench::Started floor = ravelo::bench::Start(program);
  if (!floor.ok) return false;
  const auto isFloor = [](HWND window) {
    wchar_t cls[64]{};
    GetClassNameW(window, cls, 64);
    return std::wcscmp(cls, L"RaveloFullScreenFloor") == 0;
  };
  HWND window = nullptr;
  for (int i = 0; i < 1000 && !window; ++i) {
    window = ravelo::bench::FindProcessWindow(floor.process.dwProcessId, isFloor);
    if (!window) Sleep(10);
  }
  if (window) {
    Sleep(500);
    TimeToggles(window, enter, leave);
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  ravelo::bench::End(floor);
  return window != nullptr;
}

void PrintPaints(const Phase& idle, const Phase& draw, LONG ticks, double contentArea) {
  const char* kinds[] = {"text line", "content area", "command buttons", "other windows"};
  std::printf("repainted during the draw (update regions, pixels):\n");
  for (int k = 0; k < ravelo::bench::kWindowKinds; ++k) {
    std::printf("  %-16s %6ld paints %12lld px  %9.0f px/tick\n", kinds[k], draw.Paints(k), draw.Area(k),
                static_cast<double>(draw.Area(k)) / ticks);
  }
  // The text line's window and the content area under it share their
  // pixels (the content area paints around the line's window, clipped), so
  // the distinct pixels are counted from the union of each tick's regions.
  const double distinct = static_cast<double>(draw.DistinctArea()) / (ticks - 1);
  std::printf("  distinct pixels per tick: %.0f = %.2f%% of the %.0f px content area\n", distinct,
              100.0 * distinct / contentArea, contentArea);
  std::printf("  the text line's old and new places: %.0f px per tick\n",
              static_cast<double>(draw.TextLineArea()) / (ticks - 1));
  std::printf("  painted outside the text line's places: %lld px in all\n", draw.Outside());
  LONG idlePaints = 0;
  for (int k = 0; k < ravelo::bench::kWindowKinds; ++k) idlePaints += idle.Paints(k);
  std::printf("idle: %ld paints in %.1f s\n", idlePaints, idle.Seconds());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: draw_cpu_bench RVO_EXE PROBE_DLL [SECONDS] [--music] [--no-probe]\n");
    return 2;
  }
  const std::wstring rvo = argv[1];
  const std::wstring probeDll = argv[2];
  int seconds = 10;
  bool music = false;
  bool useProbe = true;
  bool fullScreen = false;
  int count = 1;
  for (int i = 3; i < argc; ++i) {
    if (std::wcscmp(argv[i], L"--music") == 0)
      music = true;
    else if (std::wcscmp(argv[i], L"--full-screen") == 0)
      fullScreen = true;
    else if (std::wcscmp(argv[i], L"--no-probe") == 0)
      useProbe = false;
    else if (std::wcscmp(argv[i], L"--count") == 0 && i + 1 < argc)
      count = std::clamp(_wtoi(argv[++i]), 1, 50);
    else
      seconds = std::max(1, _wtoi(argv[i]));
  }

  HANDLE sharedMemory = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(ProbeCounters),
                                           ravelo::bench::kProbeMemoryName);
  auto* probe = sharedMemory ? static_cast<volatile ProbeCounters*>(
                                   MapViewOfFile(sharedMemory, FILE_MAP_WRITE, 0, 0, sizeof(ProbeCounters)))
                             : nullptr;
  if (!probe) {
    std::fprintf(stderr, "no shared memory for the probe\n");
    return 1;
  }

  std::wstring commandLine = L"\"" + rvo + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(rvo.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::fprintf(stderr, "rvo did not start (error %lu)\n", GetLastError());
    return 1;
  }
  HWND main = nullptr;
  for (int i = 0; i < 1000 && !main; ++i) {
    main = ravelo::bench::FindProcessWindow(process.dwProcessId, IsDrawWindow);
    if (!main) Sleep(10);
  }
  if (!main) {
    std::fprintf(stderr, "rvo showed no draw window\n");
    TerminateProcess(process.hProcess, 1);
    return 1;
  }
  const DWORD thread = GetWindowThreadProcessId(main, nullptr);

  HMODULE dll = useProbe ? LoadLibraryW(probeDll.c_str()) : nullptr;
  auto* hookProc = dll ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(dll, "GetMessageProbe")))
                       : nullptr;
  HHOOK hook = hookProc ? SetWindowsHookExW(WH_GETMESSAGE, hookProc, dll, thread) : nullptr;
  if (useProbe && !hook)
    std::fprintf(stderr, "paint probe not hooked (error %lu); CPU figures only\n", GetLastError());

  if (!music) PostMessageW(main, WM_COMMAND, kMenuMusic, 0);
  PostMessageW(main, WM_NULL, 0, 0);  // the hook joins rvo's thread with its next message
  Sleep(1500);                        // start-up work after the first show, the tooltips

  // Under Wine, GetProcessTimes of another process does not follow its
  // CPU time: there rvo's Unix process is read in /proc, found by its
  // program path (ASCII in the bench). On Windows, GetProcessTimes.
  std::string rvoPath;
  for (wchar_t c : rvo) rvoPath += static_cast<char>(c);
  const std::optional<std::wstring> wineserver = FindStatPath("wineserver", "");
  // Without its drive: Wine may show the path in its Unix form.
  const std::optional<std::wstring> rvoStat = FindStatPath("rvo.exe", rvoPath.substr(rvoPath.find(':') + 1));
  auto take = [&] {
    Snapshot s;
    s.rvoMs = rvoStat ? StatCpuMs(rvoStat) : ProcessCpuMs(process.hProcess);
    s.wineserverMs = StatCpuMs(wineserver);
    s.probe = const_cast<const ProbeCounters&>(*probe);
    s.wallMs = GetTickCount64();
    return s;
  };

  struct Run {
    Phase idle, draw;
    double contentArea;
  };
  const auto measure = [&] {
    Phase idle{"idle", take(), {}};
    Sleep(static_cast<DWORD>(seconds) * 1000);
    idle.to = take();

    Phase draw{"draw", take(), {}};
    PostMessageW(main, WM_CHAR, 13, 0);
    Sleep(static_cast<DWORD>(seconds) * 1000);
    PostMessageW(main, WM_CHAR, 32, 0);
    Sleep(100);  // the stop and its last paint
    draw.to = take();
    return Run{idle, draw, ContentArea(main)};
  };
  std::vector<std::pair<std::string, Run>> runs;
  const auto setCount = [&](int n) {
    SendMessageW(main, WM_COMMAND, kMenuDrawCount + static_cast<WPARAM>(n), 0);
    Sleep(300);
  };
  const auto measureIn = [&](const std::string& where) {
    if (count > 1) {
      setCount(count);
      runs.emplace_back(where + ", " + std::to_string(count) + " names at once", measure());
      setCount(1);
      runs.emplace_back(where + ", one name", measure());
    } else {
      runs.emplace_back(where, measure());
    }
  };
  measureIn("in a window");
  std::vector<double> enter, leave;
  if (fullScreen) {
    enter.push_back(MsToFullPaint(main, VK_F11));
    Sleep(1000);
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    measureIn("full screen on " + std::to_string(width) + " x " + std::to_string(height));
    leave.push_back(MsToFullPaint(main, VK_F11));
    Sleep(300);
    TimeToggles(main, enter, leave);
  }

  PostMessageW(main, WM_CHAR, 27, 0);
  if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (hook) UnhookWindowsHookEx(hook);
  std::vector<double> floorEnter, floorLeave;
  const bool floor = fullScreen && TimeFloor(probeDll.substr(0, probeDll.find_last_of(L"\\/") + 1) +
                                                 L"full_screen_floor.exe",
                                             floorEnter, floorLeave);

  std::printf("rvo, %d s idle then %d s of a draw at the shipped interval (10 ms), music %s\n", seconds, seconds,
              music ? "on" : "off");
  std::printf("CPU times from %s; paint probe %s\n", rvoStat ? "/proc (10 ms steps)" : "GetProcessTimes",
              hook ? "hooked in" : "not used");
  const auto print = [&](const Run& run, const char* title) {
    std::printf("--- %s (%.0f px content area)\n", title, run.contentArea);
    // Without the probe nothing counts the ticks: the interval gives them.
    const LONG ticks = hook ? run.draw.Ticks() : static_cast<LONG>(run.draw.Seconds() * 100.0);
    PrintCpu(run.idle, run.draw, ticks, hook != nullptr);
    if (hook && ticks > 1) PrintPaints(run.idle, run.draw, ticks, run.contentArea);
  };
  for (const auto& [title, run] : runs) print(run, title.c_str());
  if (fullScreen) {
    std::printf("entering full screen, to the first full paint: %s; leaving: %s (median and range of %d)\n",
                Spread(enter).c_str(), Spread(leave).c_str(), kToggles);
    if (floor)
      std::printf("floor, a plain window made the screen's size with one BitBlt: entering %s; leaving %s\n",
                  Spread(floorEnter).c_str(), Spread(floorLeave).c_str());
  }
  return 0;
}
