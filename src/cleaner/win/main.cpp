// rvofilecmd: removes the suite's files, folders and registry keys named in
// filelist.db beside it, then ends. It shows no window and no message; its
// exit code tells the uninstaller whether everything went (uninstall_run.h).
#include <windows.h>

#include "cleaner/win/uninstall_run.h"
#include "shared/win/window.h"

namespace {

using ravelo::cleaner::ExitCode;

constexpr wchar_t kOwnerClass[] = L"RaveloFileCmdOwner";
constexpr wchar_t kFormClass[] = L"RaveloFileCmdForm";
constexpr wchar_t kFormCaption[] = L"Ravelo文件处理";

// The program's hidden top-level window, the form's owner: kept hidden, it
// gives the program no taskbar button.
class OwnerWindow final : public ravelo::win::Window {
 public:
  bool Create() { return CreateWindowOf({.name = kOwnerClass}, {.style = WS_OVERLAPPED}); }
};

// All the work happens while the form is being created; it is never shown.
class CleanupForm final : public ravelo::win::Window {
 public:
  // Created without WS_VISIBLE and destroyed at once: the form never appears.
  bool Create(HWND owner) {
    return CreateWindowOf({.name = kFormClass}, {.style = WS_OVERLAPPEDWINDOW, .text = kFormCaption, .parent = owner});
  }
  ExitCode Result() const { return result_; }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_CREATE) return Default(message, wParam, lParam);
    if (const HWND owner = GetWindow(Handle(), GW_OWNER)) ShowWindow(owner, SW_HIDE);
    result_ = ravelo::cleaner::CleanUpInstallation();
    return 0;
  }

  ExitCode result_ = ravelo::cleaner::kSomethingLeft;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  OwnerWindow owner;
  if (!owner.Create()) return ravelo::cleaner::kSomethingLeft;
  CleanupForm form;
  form.Create(owner.Handle());
  return form.Result();
}
