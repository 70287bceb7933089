// The saves of rvocfg's settings form and of rvostyle, from the click until
// the success message shows:
//   settings_save_bench ROUNDS INSTALLATION
// INSTALLATION is a staged installation (bin\rvocfg.exe, bin\rvostyle.exe,
// common\rvoconfig.rcf). Each round changes a value first, so that every
// save writes the file: rvocfg's caption (a new text in its box), rvostyle's
// caption position (a drag of 10 pixels by posted mouse messages).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "../bench_process.h"
#include "../process_window.h"
#include "config/win/settings_controls.h"
#include "shared/win/frame_controls.h"
#include "style/win/style_controls.h"

namespace {

using namespace ravelo::bench;
namespace settings = ravelo::settings_controls;
namespace style = ravelo::style_controls;
namespace frame = ravelo::frame_controls;

HWND WaitForWindowOf(DWORD processId, const wchar_t* className) {
  HWND window = nullptr;
  WaitFor([&] {
    window = ravelo::bench::FindProcessWindow(processId, [className](HWND w) {
      wchar_t name[64] = {};
      GetClassNameW(w, name, 64);
      return std::wstring(name) == className;
    });
    return window != nullptr;
  });
  return window;
}

// Milliseconds from click() until the process shows a message box saying
// `expected`, which is then closed; negative when another or none shows.
double TimeSave(DWORD processId, const std::function<void()>& click, const std::wstring& expected) {
  const auto start = Clock::now();
  click();
  const HWND box = WaitForWindowOf(processId, L"#32770");
  const double millis = MillisSince(start);
  if (!box) return -1;
  wchar_t text[128] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(GetDlgItem(box, 0xFFFF), WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      5000, &copied);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  WaitFor([&] { return !IsWindow(box); });
  return std::wstring(text) == expected ? millis : -1;
}

void PostClick(HWND window, int x, int y) {
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

std::vector<double> SettingsSaves(const std::wstring& root, int rounds) {
  Started rvocfg = Start(root + L"bin\\rvocfg.exe");
  const HWND form = rvocfg.ok ? WaitForWindowOf(rvocfg.process.dwProcessId, settings::kWindowClass) : nullptr;
  std::vector<double> millis;
  if (!form) return millis;
  const HWND caption = GetDlgItem(form, settings::kCaptionBox);
  const HWND ok = GetDlgItem(form, settings::PicId(11));
  for (int round = 0; round < rounds; ++round) {
    const std::wstring text = L"年会抽签" + std::to_wstring(round);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(caption, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 5000,
                        &ignored);
    millis.push_back(TimeSave(rvocfg.process.dwProcessId, [ok] { PostMessageW(ok, BM_CLICK, 0, 0); },
                              L"修改成功,请重新运行Ravelo或进行刷新."));
  }
  if (form) PostMessageW(form, WM_CLOSE, 0, 0);
  End(rvocfg);
  return millis;
}

std::vector<double> StyleSaves(const std::wstring& root, int rounds) {
  Started rvostyle = Start(root + L"bin\\rvostyle.exe");
  const HWND main = rvostyle.ok ? WaitForWindowOf(rvostyle.process.dwProcessId, style::kWindowClass) : nullptr;
  std::vector<double> millis;
  if (!main) return millis;
  const HWND content = GetDlgItem(main, frame::kContent);
  const HWND caption = GetDlgItem(content, frame::kCaption);
  const HWND save = GetDlgItem(main, style::kSave);
  for (int round = 0; round < rounds; ++round) {
    // The caption dragged 10 pixels right, then back the next round.
    const int to = round % 2 ? -5 : 15;
    PostMessageW(caption, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(caption, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to, 5));
    PostMessageW(caption, WM_LBUTTONUP, 0, MAKELPARAM(to, 5));
    millis.push_back(TimeSave(rvostyle.process.dwProcessId, [save] { PostClick(save, 3, 3); }, L"保存显示风格成功"));
  }
  if (main) PostMessageW(main, WM_CLOSE, 0, 0);
  End(rvostyle);
  return millis;
}

void Print(const char* name, std::vector<double> millis) {
  std::printf("%-9s", name);
  for (double ms : millis) std::printf(" %6.1f", ms);
  std::sort(millis.begin(), millis.end());
  if (!millis.empty())
    std::printf("\n%-9s median %.1f ms, slowest %.1f ms\n", name, millis[millis.size() / 2], millis.back());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: settings_save_bench ROUNDS INSTALLATION\n");
    return 2;
  }
  const int rounds = std::max(1, _wtoi(argv[1]));
  std::wstring root = argv[2];
  if (root.back() != L'\\') root += L'\\';
  const std::vector<double> settings = SettingsSaves(root, rounds);
  const std::vector<double> style = StyleSaves(root, rounds);
  Print("rvocfg", settings);
  Print("rvostyle", style);
  const auto failed = [rounds](const std::vector<double>& v) {
    return static_cast<int>(v.size()) != rounds || std::any_of(v.begin(), v.end(), [](double ms) { return ms < 0; });
  };
  if (failed(settings) || failed(style)) {
    std::fprintf(stderr, "a save showed no success message\n");
    return 1;
  }
  return 0;
}
