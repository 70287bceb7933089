// Finding the window of a program a Wine benchmark started.
#pragma once

#include <windows.h>

namespace ravelo::bench {

// The first visible top-level window of the process that `accepts` takes,
// or nullptr.
template <typename Accepts>
HWND FindProcessWindow(DWORD processId, Accepts accepts) {
  struct Search {
    DWORD processId;
    Accepts* accepts;
    HWND found;
  };
  struct Match {
    static BOOL CALLBACK Next(HWND window, LPARAM context) {
      auto* search = reinterpret_cast<Search*>(context);
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner != search->processId || !IsWindowVisible(window) || !(*search->accepts)(window)) return TRUE;
      search->found = window;
      return FALSE;
    }
  };
  Search search{processId, &accepts, nullptr};
  EnumWindows(Match::Next, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace ravelo::bench
