// namelist: the name list editor of rvocfg. A picker at the top chooses the
// list ("默认名单", name.txt, then every list of the data folder's lists
// folder); "新建", "重命名" and "删除" manage the lists (the default list is
// neither renamed nor deleted). The whole list stands in one multi-line box,
// saved back in one piece (in the encoding it was read in); edits not saved
// are asked about before another list shows or the editor closes. Not
// modal: the settings form stays usable. Names come in also from a roster
// file ("导入") or as spreadsheet columns pasted, through the preview
// "导入名单"; nothing is saved until the operator saves.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "config/win/secondary_controls.h"
#include "shared/core/data_folder.h"
#include "shared/core/name_file.h"
#include "shared/core/paths.h"
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
class ChoiceBox;

class NameListWindow final : public SkinnedForm {
 public:
  NameListWindow();
  ~NameListWindow() override;  // where the preview's type is complete

  // Creates the window on the list rvo uses ([Draw] list; the default list
  // when that list is gone), reads it into the box and shows it; false when
  // the window could not be made.
  bool Open(const InstallPaths& install);
  // True from the opening until the window is gone.
  bool IsOpen() const { return Handle() != nullptr; }
  // Shows the window again over the others (restored if minimised); the file
  // is not read again.
  void Activate() const;

 private:
  bool CreateControls();
  // Reads the list shown into the box; the warning to show when it could not.
  const wchar_t* Load();
  bool Save();   // Pic_ent; true when saved
  void Close();  // Pic_clo, Pic_e
  // Edits not saved: asks whether to save them first; false when the
  // operator cancelled (or the save failed) and the list must stay.
  bool MayLeave();
  void ShowList(std::string name);  // the list becomes the one shown, read afresh
  void FillPicker();
  void Pick();
  void NewList();     // "新建"
  void RenameList();  // "重命名"
  void DeleteList();  // "删除"
  // [Draw] list after `from` was renamed to `to` (or deleted).
  void FollowListInUse(const std::string& from, std::optional<std::string> to);
  void Import();  // "导入": a roster file through the preview
  void Preview(std::unique_ptr<RosterSource> source, const std::wstring& origin);

  std::wstring baseFolder_;
  InstallPaths install_;
  DataPaths data_;
  std::string list_;                // the list shown, "" for the default list
  std::vector<std::string> lists_;  // the picker's lists, "" first
  std::wstring loaded_;             // the box as read or saved last
  NameFileEncoding encoding_ = NameFileEncoding::kGbk;
  std::unique_ptr<ChoiceBox> picker_;
  ImageButton new_;
  ImageButton rename_;
  ImageButton delete_;
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
