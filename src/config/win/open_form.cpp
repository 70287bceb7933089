#include "config/win/open_form.h"

#include <windows.h>

#include "config/win/settings_controls.h"

namespace ravelo::win::config {
namespace {

// A first copy started a moment ago may not have made its form yet.
constexpr DWORD kWaitForFormMs = 3000;
constexpr DWORD kPollMs = 50;

struct ShownWindowSearch {
  DWORD processId = 0;
  HWND found = nullptr;
};

BOOL CALLBACK FindShownWindow(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<ShownWindowSearch*>(lParam);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId != search.processId || !IsWindowVisible(window)) return TRUE;
  search.found = window;
  return FALSE;
}

}  // namespace

bool BringOpenFormForward() {
  HWND form = FindWindowW(ravelo::settings_controls::kWindowClass, nullptr);
  for (DWORD waited = 0; !form && waited < kWaitForFormMs; waited += kPollMs) {
    Sleep(kPollMs);
    form = FindWindowW(ravelo::settings_controls::kWindowClass, nullptr);
  }
  if (!form) return false;
  if (IsIconic(form)) ShowWindow(form, SW_RESTORE);
  DWORD processId = 0;
  GetWindowThreadProcessId(form, &processId);
  // The about box or a message the form waits on, if one is open; before
  // the form shows, the message its start-up shows.
  HWND target = GetLastActivePopup(form);
  if (!IsWindowVisible(target)) {
    ShownWindowSearch search{processId};
    EnumWindows(FindShownWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) target = search.found;
  }
  // This copy was started by the operator, so it may hand the front on.
  AllowSetForegroundWindow(processId);
  SetForegroundWindow(target);
  return true;
}

}  // namespace ravelo::win::config
