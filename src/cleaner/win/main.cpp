// rvofilecmd: removes the suite's files, folders and registry keys named in
// filelist.db beside it, then ends. It shows no window and no message; its
// exit code tells the uninstaller whether everything went (uninstall_run.h).
#include <windows.h>

#include "cleaner/win/uninstall_run.h"

namespace {

constexpr wchar_t kOwnerClass[] = L"RaveloFileCmdOwner";
constexpr wchar_t kFormClass[] = L"RaveloFileCmdForm";
constexpr wchar_t kFormCaption[] = L"Ravelo文件处理";

class Window {
 public:
  explicit Window(HWND handle) : handle_(handle) {}
  ~Window() {
    if (handle_ != nullptr && IsWindow(handle_)) DestroyWindow(handle_);
  }
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Get() const { return handle_; }

 private:
  HWND handle_;
};

ravelo::cleaner::ExitCode exitCode = ravelo::cleaner::kSomethingLeft;

// All the work happens while the form is being created; it is never shown.
void OnFormCreate(HWND form) noexcept {
  // The form's owner is the program's hidden top-level window: kept hidden,
  // it gives the program no taskbar button.
  if (const HWND owner = GetWindow(form, GW_OWNER)) ShowWindow(owner, SW_HIDE);
  exitCode = ravelo::cleaner::CleanUpInstallation();
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  if (message == WM_CREATE) {
    OnFormCreate(window);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = name;
  return RegisterClassExW(&windowClass) != 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  if (!RegisterWindowClass(instance, kOwnerClass, DefWindowProcW) ||
      !RegisterWindowClass(instance, kFormClass, FormProc)) {
    return ravelo::cleaner::kSomethingLeft;
  }
  const Window owner(CreateWindowExW(0, kOwnerClass, L"", WS_OVERLAPPED, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                     CW_USEDEFAULT, nullptr, nullptr, instance, nullptr));
  // Created without WS_VISIBLE and destroyed at once: the form never appears.
  const Window form(CreateWindowExW(0, kFormClass, kFormCaption, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, owner.Get(), nullptr, instance, nullptr));
  return exitCode;
}
