// The system colour dialog, opened with no colour preset. The sixteen custom
// colours the operator mixes stay for the next opening while the program runs.
#pragma once

#include <windows.h>

#include <array>
#include <optional>

namespace ravelo::win {

class ColourDialog {
 public:
  // The chosen colour, or nothing when the operator cancelled or the dialog
  // could not open.
  std::optional<COLORREF> Choose(HWND owner);

 private:
  std::array<COLORREF, 16> custom_{};
};

}  // namespace ravelo::win
