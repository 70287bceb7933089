// about: the about box of rvocfg. While it is open the settings form is
// disabled; however the box closes, the settings form is enabled again and
// brought to the front.
#pragma once

#include <windows.h>

#include <string>

#include "config/win/secondary_controls.h"
#include "shared/win/image_button.h"
#include "shared/win/skinned_form.h"
#include "shared/win/text_label.h"

namespace ravelo::win::config {

class AboutWindow final : public SkinnedForm {
 public:
  // Beeps, disables settingsWindow and shows the box; false (and the
  // settings form left enabled) when the window could not be made.
  bool Open(const std::wstring& baseFolder, HWND settingsWindow);
  bool IsOpen() const { return Handle() != nullptr; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool CreateControls(const std::wstring& baseFolder);
  void Close();  // Pic_ent, Pic_e, Alt+F4
  void GiveBackSettingsWindow() const;

  HWND settingsWindow_ = nullptr;
  ImageButton logo_;      // Im
  ImageButton picture1_;  // Ia
  ImageButton picture2_;  // Ib
  ImageButton ok_;        // Pic_ent
  TextLabel product_;     // La
  TextLabel version_;     // La2
  TextLabel author_;      // La3
  TextLabel rights_;      // La4
  TextLabel notice_;      // Lb
};

}  // namespace ravelo::win::config
