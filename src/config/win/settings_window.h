// main: the settings form of rvocfg. Its state is one model (FormValues):
// the boxes, check boxes, swatches, presets, menus and dialogs change the
// model, and OK checks the model in the core, writes it, and shows it again.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "config/core/settings_form.h"
#include "config/core/settings_save.h"
#include "config/win/config_links.h"
#include "shared/core/companion.h"
#include "shared/core/paths.h"
#include "shared/win/common_dialogs.h"
#include "shared/win/form_controls.h"
#include "shared/win/image_button.h"
#include "shared/win/popup_menu.h"
#include "shared/win/skinned_form.h"
#include "shared/win/system_probes.h"
#include "shared/win/text_label.h"

namespace ravelo::win::config {

class SettingsWindow final : public SkinnedForm {
 public:
  // Creates the window hidden with every control and its skin.
  bool Create();
  // Fills the form from the configuration file (or the defaults, after
  // telling the operator) and shows it.
  void StartUp();

 private:
  void CreateLabels();
  bool CreateInputs();
  void CreateSwatches();
  bool CreateButtons();
  void ApplySkin();

  // The model becomes values, and the form shows it.
  void ShowValues(const ravelo::config::FormValues& values);
  void SetColour(size_t swatch, COLORREF colour);
  void ShowFont(bool isCaption, const ravelo::config::FontTexts& font);
  EditBox& BoxOf(ravelo::config::CheckedBox box);
  void Refuse(const ravelo::config::Refusal& refusal);

  void Save();               // Pic(11)
  void QuitProgram();        // Pic(12), Pic_e, close
  void ShowMainMenu(POINT onScreen);  // mymenu
  void RunMenuCommand(UINT command);
  void ChooseColour(size_t swatch);
  void ChooseLabelFont(bool isCaption);
  void Browse(bool picture);  // Label_bjll, Label_yyll
  void LaunchCompanion(Companion which);

  Win32SystemQueries system_;
  InstallPaths paths_;
  std::wstring baseFolder_;
  std::unique_ptr<ConfigLinks> links_;
  CommonDialogs dialogs_;
  // What the form loaded, then what it saved last: OK writes only the values
  // that differ from it. Empty when the file was missing at start-up.
  std::optional<ravelo::config::FormValues> stored_;
  ravelo::config::FormValues model_;  // what the form shows

  EditBox caption_;                     // txt_caption
  EditBox text_;                        // txt_nr
  EditBox backPicture_;                 // txt_bj
  EditBox music_;                       // txt_yy
  EditBox speed_;                       // txt_time
  EditBox width_;                       // txt_w
  EditBox height_;                      // txt_h
  ImageButton ok_;                        // Pic(11)
  ImageButton cancel_;                    // Pic(12)
  ImageButton defaults_;                  // Pic(13)
  CheckBox stayOnTop_;                    // Chk_zq
  CheckBox showButtons_;                  // Chk_rw
};

}  // namespace ravelo::win::config
