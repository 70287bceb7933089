#include "config/win/modal_form.h"

#include "shared/win/message_loop.h"

namespace ravelo::win::config {

void RunModal(HWND owner, SkinnedForm& form) {
  // Owned by the caller's window: above it, and gone with it.
  SetWindowLongPtrW(form.Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
  EnableWindow(owner, FALSE);
  form.ShowCentred();
  MSG message{};
  bool quit = false;
  while (form.Handle()) {
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
      quit = true;
      break;
    }
    if (IsFormMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  // The owner comes back before the form goes, so that it gets the activation.
  EnableWindow(owner, TRUE);
  if (form.Handle()) DestroyWindow(form.Handle());
  SetForegroundWindow(owner);
  if (quit) PostQuitMessage(static_cast<int>(message.wParam));
}

void CloseModal(SkinnedForm& form) {
  if (HWND owner = GetWindow(form.Handle(), GW_OWNER)) EnableWindow(owner, TRUE);
  DestroyWindow(form.Handle());
}

}  // namespace ravelo::win::config
