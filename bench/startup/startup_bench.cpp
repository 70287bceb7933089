// Start-up time of programs until their window is visible, started in turns
// in the same run:
//   startup_bench ROUNDS PROGRAM REFERENCE [MORE...]
// Each start is timed from CreateProcess until the new process has a visible
// top-level window (tooltips and other tool windows aside); the program is
// then closed and the next one starts, each round in a rotated order.
// Prints every time, the medians and least times, and their ratios to the
// reference's.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "../process_window.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Subject {
  std::wstring program;
  std::string name;  // the file name
  std::vector<double> millis;
};

bool IsNoToolWindow(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) == 0; }

// Milliseconds until the window shows; negative when it never does.
double TimeOneStart(const Subject& subject) {
  std::wstring commandLine = L"\"" + subject.program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  const auto start = Clock::now();
  if (!CreateProcessW(subject.program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return -1;
  HWND found = nullptr;
  double elapsed = -1;
  while (Clock::now() - start < std::chrono::seconds(20)) {
    found = ravelo::bench::FindProcessWindow(process.dwProcessId, IsNoToolWindow);
    if (found) {
      elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
      break;
    }
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) break;  // ended without a window
    Sleep(1);
  }
  if (found) PostMessageW(found, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return elapsed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The file name, and for a second copy of a program the installation it is
// in (the folder above bin).
std::string NameOf(const std::wstring& path, const std::vector<Subject>& before) {
  const std::size_t slash = path.find_last_of(L"\\/");
  const std::wstring name = path.substr(slash + 1);
  std::string text(name.begin(), name.end());  // the bench's own ASCII names
  const bool again = std::any_of(before.begin(), before.end(), [&](const Subject& s) { return s.name == text; });
  if (!again || slash == std::wstring::npos) return text;
  const std::wstring folder = path.substr(0, path.find_last_of(L"\\/", slash - 1));
  const std::wstring installation = folder.substr(folder.find_last_of(L"\\/") + 1);
  return text + " " + std::string(installation.begin(), installation.end());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: startup_bench ROUNDS PROGRAM REFERENCE [MORE...]\n");
    return 2;
  }
  const int rounds = std::max(1, _wtoi(argv[1]));
  std::vector<Subject> subjects;
  for (int i = 2; i < argc; ++i) subjects.push_back({argv[i], NameOf(argv[i], subjects), {}});
  // One start of each first: the first start of a program loads its DLLs
  // from disk and is not what an operator waits for twice.
  for (Subject& s : subjects) {
    if (TimeOneStart(s) < 0) {
      std::fprintf(stderr, "%s showed no window\n", s.name.c_str());
      return 1;
    }
  }
  // Each round starts with the next program: the first start of a round is
  // slower, and no program should always be the one that pays for it.
  for (int round = 0; round < rounds; ++round) {
    for (size_t i = 0; i < subjects.size(); ++i) {
      Subject& s = subjects[(static_cast<size_t>(round) + i) % subjects.size()];
      s.millis.push_back(TimeOneStart(s));
    }
  }
  for (const Subject& s : subjects) {
    std::printf("%-24s", s.name.c_str());
    for (double ms : s.millis) std::printf(" %6.1f", ms);
    std::printf("\n");
  }
  // The medians and the least times, with their ratios; and the median of
  // the ratios within each round: the starts of a round follow each other
  // within a second, so that figure holds when the machine's load drifts
  // between rounds (the ratio of the medians then moves by a tenth or more).
  const Subject& ref = subjects[1];
  const double reference = Median(ref.millis);
  const double referenceMin = *std::min_element(ref.millis.begin(), ref.millis.end());
  std::printf("median and least time until the window is visible, ratios to %s; median ratio within a round:\n",
              ref.name.c_str());
  for (const Subject& s : subjects) {
    const double median = Median(s.millis);
    const double least = *std::min_element(s.millis.begin(), s.millis.end());
    std::vector<double> ratios;
    for (size_t i = 0; i < s.millis.size(); ++i) ratios.push_back(s.millis[i] / ref.millis[i]);
    std::printf("  %-24s %7.1f ms  %.2f   least %7.1f ms  %.2f   round %.2f\n", s.name.c_str(), median,
                median / reference, least, least / referenceMin, Median(ratios));
  }
  return 0;
}
