// Message boxes (dialogs of class #32770): reading their title, text, icon
// and buttons, and answering them.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "bench/window.h"

namespace ravelo::e2e {

enum class MessageBoxIcon { None, Information, Warning, Error, Question, Unknown };
void PrintTo(MessageBoxIcon icon, std::ostream* os);

class MessageBoxWindow {
 public:
  explicit MessageBoxWindow(Window dialog) : dialog_(dialog) {}

  std::wstring Title() const { return dialog_.Text(); }
  // The message: the dialog's static text controls, joined by line breaks.
  std::wstring Text() const;
  // Found by comparing the icon on the screen with the system's icons
  // (information is style 64, warning/exclamation 48, error 16, question 32).
  // A box that has just opened may not be painted yet: the screen is read
  // until it shows one of them or the timeout passes (then Unknown).
  MessageBoxIcon Icon(Milliseconds timeout = kDefaultTimeout) const;
  // Clicks the button with this id (IDOK, IDCANCEL, IDYES...) and waits
  // until the dialog has closed.
  void Press(int buttonId = IDOK, Milliseconds timeout = kDefaultTimeout) const;
  std::string Describe() const;

 private:
  static MessageBoxIcon IconOnScreen(const Window& iconControl);

  Window dialog_;
};

}  // namespace ravelo::e2e
