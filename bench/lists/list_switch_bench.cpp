// Switching rvo between two lists from its menu, under Wine:
//   list_switch_bench ROUNDS INSTALLATION
// Starts INSTALLATION\bin\rvo.exe (whose lists\ holds two lists), opens its
// menu once (the lists' submenu is filled when the menu shows) and then
// chooses the two lists in turns, each choice the WM_COMMAND of its item,
// timed until rvo has handled it and its status names the new list: the
// names read, the list's round read, the settings applied and the choice
// written to the configuration file. Prints every time, the median and the
// largest.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "../bench_process.h"
#include "../process_window.h"
#include "draw/win/draw_controls.h"
#include "shared/win/frame_controls.h"

namespace {

using ravelo::bench::Clock;

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, &copied);
  return text;
}

bool IsClass(HWND window, const wchar_t* name) {
  wchar_t found[64] = {};
  GetClassNameW(window, found, 64);
  return wcscmp(found, name) == 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: list_switch_bench ROUNDS INSTALLATION\n");
    return 2;
  }
  const int rounds = std::max(1, _wtoi(argv[1]));
  ravelo::bench::Started rvo = ravelo::bench::Start(std::wstring(argv[2]) + L"\\bin\\rvo.exe");
  if (!rvo.ok) {
    std::fprintf(stderr, "rvo did not start\n");
    return 1;
  }
  const DWORD pid = rvo.process.dwProcessId;
  HWND main = nullptr;
  ravelo::bench::WaitFor([&] {
    main = ravelo::bench::FindProcessWindow(pid, [](HWND w) { return IsClass(w, ravelo::draw_controls::kWindowClass); });
    return main != nullptr;
  });
  if (!main) {
    std::fprintf(stderr, "rvo showed no window\n");
    ravelo::bench::End(rvo);
    return 1;
  }
  const HWND status = GetDlgItem(GetDlgItem(main, ravelo::frame_controls::kContent), ravelo::draw_controls::kListStatus);

  // The menu once, so that it knows the lists; closed again at once.
  PostMessageW(main, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 200));
  const auto menuShows = [&] {
    return ravelo::bench::FindProcessWindow(pid, [](HWND w) { return IsClass(w, L"#32768"); }) != nullptr;
  };
  if (!ravelo::bench::WaitFor(menuShows)) {
    std::fprintf(stderr, "rvo showed no menu\n");
    ravelo::bench::End(rvo);
    return 1;
  }
  DWORD_PTR result = 0;
  SendMessageTimeoutW(main, WM_CANCELMODE, 0, 0, SMTO_NORMAL, 5000, &result);
  ravelo::bench::WaitFor([&] { return !menuShows(); });

  // The first choice leaves the default list; the timed ones go from one
  // list to the other.
  std::vector<double> millis;
  for (int round = -1; round < rounds; ++round) {
    const int item = ravelo::draw_controls::kMenuFirstList + 1 + (round + 2) % 2;
    const std::wstring before = TextOf(status);
    const auto start = Clock::now();
    SendMessageTimeoutW(main, WM_COMMAND, static_cast<WPARAM>(item), 0, SMTO_NORMAL, 30000, &result);
    if (!ravelo::bench::WaitFor([&] { return TextOf(status) != before; })) {
      std::fprintf(stderr, "the list did not change\n");
      ravelo::bench::End(rvo);
      return 1;
    }
    if (round >= 0) millis.push_back(ravelo::bench::MillisSince(start));
  }
  PostMessageW(main, WM_CLOSE, 0, 0);
  ravelo::bench::End(rvo);

  std::printf("list switch, choice to list shown:");
  for (const double ms : millis) std::printf(" %.1f", ms);
  std::sort(millis.begin(), millis.end());
  std::printf("\n  median %.1f ms  largest %.1f ms  (target under 100 ms)\n", millis[millis.size() / 2],
              millis.back());
  return 0;
}
