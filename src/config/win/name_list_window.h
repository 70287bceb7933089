// namelist: the name list editor of rvocfg. The whole of name.txt in one
// multi-line box, saved back in one piece (in the encoding it was read in)
// or dropped on cancel. Not modal: the settings form stays usable. Names
// come in also from a roster file ("导入") or as spreadsheet columns pasted,
// through the preview "导入名单"; nothing is saved until the operator saves.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "config/win/secondary_controls.h"
#include "shared/core/name_file.h"
#include "shared/win/common_dialogs.h"
#include "shared/win/form_controls.h"
#include "shared/win/image_button.h"
#include "shared/win/skinned_form.h"
#include "shared/win/text_label.h"

namespace ravelo {
class RosterSource;
}

namespace ravelo::win::config {

// A multi-line text box without a length limit. Long lines scroll sideways
// rather than wrap, so every line on the screen is one name.
class MultiLineBox final : public FormControl {
 public:
  // Set before Create: text pasted that holds a tab (cells of several
  // columns copied from a spreadsheet) goes here instead of into the box.
  std::function<void(std::wstring text)> onColumnsPasted;

  bool Create(HWND parent, int controlId, const RECT& bounds);
  std::wstring Text() const;
  void SetText(const std::wstring& text) const;

 private:
  static LRESULT CALLBACK Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool PasteColumns();
  WNDPROC original_ = nullptr;
};

class ImportPreviewWindow;

class NameListWindow final : public SkinnedForm {
 public:
  NameListWindow();
  ~NameListWindow() override;  // where the preview's type is complete

  // Creates the window, reads name.txt (baseFolder + "name.txt") into the
  // box and shows it; false when the window could not be made.
  bool Open(const std::wstring& baseFolder);
  // True from the opening until the window is gone.
  bool IsOpen() const { return Handle() != nullptr; }
  // Shows the window again over the others (restored if minimised); the file
  // is not read again.
  void Activate() const;

 private:
  bool CreateControls();
  // Reads name.txt into the box; the warning to show when it could not.
  const wchar_t* Load();
  void Save();   // Pic_ent
  void Close();  // Pic_clo, Pic_e
  void Import();  // "导入": a roster file through the preview
  void Preview(std::unique_ptr<RosterSource> source, const std::wstring& origin);

  std::wstring baseFolder_;
  NameFileEncoding encoding_ = NameFileEncoding::kGbk;
  MultiLineBox text_;
  TextLabel heading_;           // Lt
  std::array<TextLabel, 4> steps_;  // L1 .. L4
  ImageButton save_;
  ImageButton cancel_;
  ImageButton import_;
  CommonDialogs dialogs_;
  std::unique_ptr<ImportPreviewWindow> preview_;
};

}  // namespace ravelo::win::config
