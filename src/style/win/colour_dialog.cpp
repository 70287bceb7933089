#include "style/win/colour_dialog.h"

#include <commdlg.h>

namespace ravelo::win {

std::optional<COLORREF> ColourDialog::Choose(HWND owner) {
  CHOOSECOLORW choice{};
  choice.lStructSize = sizeof(choice);
  choice.hwndOwner = owner;
  choice.lpCustColors = custom_.data();
  choice.Flags = CC_ANYCOLOR;
  if (!ChooseColorW(&choice)) return std::nullopt;
  return choice.rgbResult;
}

}  // namespace ravelo::win
