// rvocfg's name list editor against Wine's notepad.exe on the same list of
// names (GBK, CR LF; 100,000 names are about 1 MB), in turns in the same run:
//   name_editor_bench ROUNDS INSTALLATION [NAMES]     (default 100,000)
// INSTALLATION is a staged installation (bin\rvocfg.exe); its name.txt is
// replaced by the generated list.
//   editor   from the click on L_a (a posted press and release on the link
//            drawn on the form) until the
//            editor's box holds the whole list;
//   notepad  from CreateProcess until notepad's box holds the whole file
//            (its start-up included, so it is the larger task);
//   empty    notepad on an empty file: its start-up alone, for comparison;
//   save     from the click on Pic_ent until the success message shows;
//   switch   from the choice of the other list in the editor's picker (a
//            list of as many names in lists\, other names) until the box
//            holds it, each way once a round.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "../bench_process.h"
#include "../process_window.h"
#include "config/win/secondary_controls.h"
#include "config/win/settings_controls.h"

namespace {

using namespace ravelo::bench;
namespace settings = ravelo::settings_controls;
namespace editor = ravelo::secondary_controls::name_list;

constexpr int kDefaultNames = 100000;

// Names of three to five characters from the first level of GB2312. Returns
// the file's length in UTF-16 units (every character is one).
size_t WriteNameFile(const std::wstring& path, int names, unsigned seed = 2024) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> length(3, 5);
  std::uniform_int_distribution<int> lead(0xB0, 0xD6);
  std::uniform_int_distribution<int> trail(0xA1, 0xFE);
  std::string bytes;
  size_t units = 0;
  for (int i = 0; i < names; ++i) {
    for (int c = length(random); c > 0; --c) {
      bytes += static_cast<char>(lead(random));
      bytes += static_cast<char>(trail(random));
      ++units;
    }
    bytes += "\r\n";
    units += 2;
  }
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  std::printf("name list: %d names, %.2f MB (GBK, CR LF)\n", names, static_cast<double>(bytes.size()) / 1e6);
  return units;
}

LRESULT TextLength(HWND box) {
  DWORD_PTR length = 0;
  if (!box || !SendMessageTimeoutW(box, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return -1;
  return static_cast<LRESULT>(length);
}

HWND ChildOfClass(HWND parent, const wchar_t* className) {
  return FindWindowExW(parent, nullptr, className, nullptr);
}

// A press and release at a point of the window's client area (a button
// window, or a hot area drawn on a form; the bench runs at 96 DPI, where
// design pixels are screen pixels).
void PostClick(HWND window, int x = 3, int y = 3) {
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// One opening of the editor: milliseconds until its box holds the list;
// negative when it never does. Leaves the editor open in `window`.
double OpenEditor(HWND settingsWindow, DWORD processId, LRESULT expected, HWND& window) {
  const auto start = Clock::now();
  // L_a is drawn on the form: a click in its text.
  PostClick(settingsWindow, settings::kLinkLeft + 8, settings::kLinkTop[0] + 6);
  window = nullptr;
  const bool shown = WaitFor([&] {
    if (!window) window = ravelo::bench::FindProcessWindow(processId, [](HWND w) {
      wchar_t name[64] = {};
      GetClassNameW(w, name, 64);
      return std::wstring(name) == editor::kWindowClass;
    });
    return window && TextLength(GetDlgItem(window, editor::kText)) == expected;
  });
  return shown ? MillisSince(start) : -1;
}

// Milliseconds from choosing the picker's item (as the operator's choice
// reports it) until the box holds `expected` units.
double SwitchList(HWND window, int index, LRESULT expected) {
  const HWND picker = GetDlgItem(window, editor::kPicker);
  const auto start = Clock::now();
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(picker, CB_SETCURSEL, static_cast<WPARAM>(index), 0, SMTO_ABORTIFHUNG, 5000, &ignored);
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(editor::kPicker, CBN_SELCHANGE), reinterpret_cast<LPARAM>(picker));
  const bool shown = WaitFor([&] { return TextLength(GetDlgItem(window, editor::kText)) == expected; });
  return shown ? MillisSince(start) : -1;
}

// Milliseconds from the click on Pic_ent until the message box shows.
double Save(HWND window, DWORD processId) {
  const auto start = Clock::now();
  PostClick(GetDlgItem(window, editor::kSave));
  HWND box = nullptr;
  const bool shown = WaitFor([&] {
    box = ravelo::bench::FindProcessWindow(processId, [](HWND w) {
      wchar_t name[16] = {};
      GetClassNameW(w, name, 16);
      return std::wstring(name) == L"#32770";
    });
    return box != nullptr;
  });
  const double millis = MillisSince(start);
  if (!shown) return -1;
  wchar_t text[64] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(GetDlgItem(box, 0xFFFF), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      5000, &copied);  // the static that holds the message
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  WaitFor([&] { return !IsWindow(box); });
  return std::wstring(text) == L"抽签名单修改成功" ? millis : -1;
}

double Notepad(const std::wstring& file, LRESULT expected) {
  Started notepad = Start(L"notepad.exe", L"\"" + file + L"\"");
  if (!notepad.ok) return -1;
  const auto start = Clock::now();
  HWND window = nullptr;
  const bool shown = WaitFor([&] {
    if (!window) window = ravelo::bench::FindProcessWindow(notepad.process.dwProcessId, [](HWND w) {
      return ChildOfClass(w, L"Edit") != nullptr;
    });
    return window && TextLength(ChildOfClass(window, L"Edit")) == expected;
  });
  const double millis = shown ? MillisSince(start) : -1;
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  End(notepad);
  return millis;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void PrintRow(const char* name, const std::vector<double>& millis) {
  std::printf("%-8s", name);
  for (double ms : millis) std::printf(" %7.1f", ms);
  std::printf("\n");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: name_editor_bench ROUNDS INSTALLATION [NAMES]\n");
    return 2;
  }
  const int rounds = std::max(1, _wtoi(argv[1]));
  std::wstring root = argv[2];
  if (root.back() != L'\\') root += L'\\';
  const std::wstring file = root + L"name.txt";
  const int names = argc == 4 ? std::max(1, _wtoi(argv[3])) : kDefaultNames;
  const size_t units = WriteNameFile(file, names);
  const auto inEditor = static_cast<LRESULT>(units - 2);  // no line end after the last name
  const auto inNotepad = static_cast<LRESULT>(units);
  CreateDirectoryW((root + L"lists").c_str(), nullptr);
  const auto inOther = static_cast<LRESULT>(WriteNameFile(root + L"lists\\other.txt", names, 2025) - 2);

  Started rvocfg = Start(root + L"bin\\rvocfg.exe", L"");
  HWND settingsWindow = nullptr;
  if (!rvocfg.ok || !WaitFor([&] {
        settingsWindow = FindWindowW(settings::kWindowClass, nullptr);
        return settingsWindow && IsWindowVisible(settingsWindow);
      })) {
    std::fprintf(stderr, "rvocfg showed no settings window\n");
    return 1;
  }
  const DWORD cfgId = rvocfg.process.dwProcessId;

  // One of each first: a first start loads its DLLs from disk.
  HWND window = nullptr;
  if (OpenEditor(settingsWindow, cfgId, inEditor, window) < 0 || Notepad(file, inNotepad) < 0) {
    std::fprintf(stderr, "the editor or notepad never showed the whole list\n");
    return 1;
  }
  PostMessageW(window, WM_CLOSE, 0, 0);
  WaitFor([&] { return !IsWindow(window); });

  const std::wstring emptyFile = root + L"empty.txt";
  CloseHandle(CreateFileW(emptyFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));

  std::vector<double> editorMillis, notepadMillis, emptyMillis, saveMillis, switchMillis;
  for (int round = 0; round < rounds; ++round) {
    editorMillis.push_back(OpenEditor(settingsWindow, cfgId, inEditor, window));
    saveMillis.push_back(Save(window, cfgId));
    switchMillis.push_back(SwitchList(window, 1, inOther));  // 默认名单, other
    switchMillis.push_back(SwitchList(window, 0, inEditor));
    PostMessageW(window, WM_CLOSE, 0, 0);
    WaitFor([&] { return !IsWindow(window); });
    notepadMillis.push_back(Notepad(file, inNotepad));
    emptyMillis.push_back(Notepad(emptyFile, 0));
  }
  PostMessageW(settingsWindow, WM_CLOSE, 0, 0);
  End(rvocfg);

  PrintRow("editor", editorMillis);
  PrintRow("notepad", notepadMillis);
  PrintRow("empty", emptyMillis);
  PrintRow("save", saveMillis);
  PrintRow("switch", switchMillis);
  const double editorMedian = Median(editorMillis);
  const double notepadMedian = Median(notepadMillis);
  std::printf("median until the whole list shows: editor %.1f ms, notepad %.1f ms, ratio %.2f\n", editorMedian,
              notepadMedian, editorMedian / notepadMedian);
  std::printf("notepad's start-up alone (empty file): %.1f ms; its load of the list alone: %.1f ms\n",
              Median(emptyMillis), notepadMedian - Median(emptyMillis));
  std::printf("median save of the list (click to message): %.1f ms\n", Median(saveMillis));
  std::printf("median switch to the other list of %d names (choice to whole text): %.1f ms\n", names,
              Median(switchMillis));
  const bool allOk = std::none_of(editorMillis.begin(), editorMillis.end(), [](double v) { return v < 0; }) &&
                     std::none_of(notepadMillis.begin(), notepadMillis.end(), [](double v) { return v < 0; }) &&
                     std::none_of(saveMillis.begin(), saveMillis.end(), [](double v) { return v < 0; }) &&
                     std::none_of(switchMillis.begin(), switchMillis.end(), [](double v) { return v < 0; });
  return allOk ? 0 : 1;
}
