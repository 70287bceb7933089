// "导入名单": the preview of an import into the name list editor. It shows
// where the names come from, the worksheet (when a workbook has several) and
// the column they are taken from (both for the operator to change), how
// many names there are, the first of them, and what was skipped; a check box
// drops repeated names (on at first). "替换" and "追加" hand the names to the
// editor, "取消" drops them. The editor stays disabled while it is open.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/core/roster_import.h"
#include "config/win/name_list_window.h"
#include "shared/win/form_controls.h"
#include "shared/win/image_button.h"
#include "shared/win/skinned_form.h"
#include "shared/win/text_label.h"

namespace ravelo::win::config {

// A drop-down list to choose one item from.
class ChoiceBox final : public FormControl {
 public:
  std::function<void()> onChange;
  bool Create(HWND parent, int controlId, const RECT& bounds);
  void Add(const std::wstring& item) const;
  int Selected() const;
  void Select(int index) const;
  void OnCommand(WORD code) override;
};

class ImportPreviewWindow final : public SkinnedForm {
 public:
  // The names chosen and whether they replace the editor's text.
  std::function<void(bool replace, const std::vector<std::u16string>& names)> onImport;

  // origin: the file's name, or what was pasted.
  bool Open(HWND editor, const std::wstring& baseFolder, std::unique_ptr<RosterSource> source,
            const std::wstring& origin);
  bool IsOpen() const { return Handle() != nullptr; }

 private:
  bool CreateControls(const std::wstring& origin);
  void FillColumns();
  void Refresh();
  void ChooseSheet();
  void Finish(bool replace);
  void Close();

  HWND editor_ = nullptr;
  std::unique_ptr<RosterSource> source_;
  NamesColumn found_;
  std::vector<std::uint32_t> columns_;
  RosterNames names_;
  TextLabel sourceLabel_;
  TextLabel summary_;
  ChoiceBox sheets_;
  ChoiceBox column_;
  CheckBox dropRepeats_;
  MultiLineBox firstNames_;
  ImageButton replace_;
  ImageButton append_;
  ImageButton cancel_;
};

}  // namespace ravelo::win::config
