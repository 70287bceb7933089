// The colour, font and open-file dialogs of a program, with one state shared
// by all of them: the colour dialog opens on the colour chosen last, with
// the custom colours the operator made; the file dialog remembers nothing
// beyond what the system does. comdlg32 is loaded on first use, which keeps
// it out of the program's start.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "shared/win/label_font.h"
#include "shared/win/unique_handle.h"

namespace ravelo::win {

struct OpenFileRequest {
  std::wstring title;
  // Pairs of description and pattern separated by "|": "BMP(*.bmp)|*.bmp|JPG(*.jpg)|*.jpg".
  std::wstring filter;
  int filterIndex = 1;  // the preselected pair, from 1
};

class CommonDialogs {
 public:
  CommonDialogs() = default;
  CommonDialogs(const CommonDialogs&) = delete;
  CommonDialogs& operator=(const CommonDialogs&) = delete;

  // Empty when the operator cancelled or the dialog failed.
  std::optional<COLORREF> ChooseColour(HWND owner);
  // Opens on preset; the size comes back in points with tenths (10.5).
  std::optional<FontSpec> ChooseLabelFont(HWND owner, const FontSpec& preset);
  // The full path of an existing file.
  std::optional<std::wstring> OpenFile(HWND owner, const OpenFileRequest& request);
  // The full path to save to (the dialog asks before replacing a file):
  // defaultName is proposed, and defaultExtension (without the dot) added
  // when the operator types none.
  std::optional<std::wstring> SaveFile(HWND owner, const OpenFileRequest& request, const std::wstring& defaultName,
                                       const std::wstring& defaultExtension);

 private:
  HMODULE Library();

  UniqueModule comdlg32_;
  COLORREF colour_ = RGB(0, 0, 0);
  std::array<COLORREF, 16> customColours_{};
};

// "A|*.a|B|*.b" in the dialog's form: NUL-separated, ending in two NULs.
std::wstring DialogFilter(const std::wstring& pairs);

}  // namespace ravelo::win
