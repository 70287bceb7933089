// The draw window `main` of rvo: the skinned frame with its window boxes and
// command buttons, the name list, and the start-up that finds the data
// folder, loads the names and applies the settings (or the built-in
// defaults) before the window is first shown.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "draw/core/draw_engine.h"
#include "draw/core/draw_settings.h"
#include "draw/core/name_list.h"
#include "draw/win/window_box.h"
#include "shared/core/paths.h"
#include "shared/win/image_button.h"
#include "shared/win/skinned_frame.h"
#include "shared/win/system_probes.h"
#include "shared/win/tooltips.h"

namespace ravelo::win {

class DrawWindow final : public SkinnedFrame {
 public:
  // The draw, the keys and the menu hook in here; each runs on the window's
  // thread. onCommand gets the button index 0..3 (I_cmd(1)..I_cmd(4)).
  std::function<void(wchar_t key)> onKey;
  std::function<void(std::size_t index)> onCommand;
  std::function<void(UINT_PTR id)> onTimer;

  // Creates the window and its controls, hidden, in their design state.
  bool Create();

  // Start-up: true leaves the window ready to be shown; false when there is
  // no name list, after the message and the launch of the configuration
  // program: the program then ends without showing the window.
  bool StartUp();

  // Loadname on the name list file into Names(); false when it is missing
  // or unreadable.
  bool LoadNames();
  // Reads the configuration file and applies it, or applies the built-in
  // defaults after a message when it is missing.
  void LoadSettings();
  // Starts rvocfg from the program folder without waiting for it, then makes
  // start live and stop dead.
  void OpenConfigProgram();

  NameList& Names() { return names_; }
  // The text line shows the name at this index of the list (NameIndex).
  void ShowName(std::size_t index);
  const InstallPaths& Paths() const { return paths_; }
  const DrawSettingsState& Settings() const { return settings_; }

  // Which commands are live; kept here until the draw engine takes them over.
  const draw::CommandState& Commands() const { return commands_; }
  // Takes the new state and enables the command buttons to match it.
  void SetCommands(const draw::CommandState& state);

  // What the last LoadSettings chose for the draw.
  int TimerInterval() const { return timerInterval_; }
  const std::string& MusicFile() const { return musicFile_; }
  bool MusicOn() const { return musicOn_; }
  void SetMusicOn(bool on) { musicOn_ = on; }
  // The top-most check mark of the window menu.
  bool TopMostChecked() const { return topMostChecked_; }
  void SetTopMostChecked(bool checked) { topMostChecked_ = checked; }

  ImageButton& CommandButton(std::size_t index) { return commandButtons_[index]; }

 private:
  static constexpr UINT kFinishStartUp = WM_APP + 1;

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void FinishStartUp();

  void ApplyPlan(const SettingsPlan& plan);
  void ApplyLabel(TextLabel& label, const LabelSettings& settings);
  void ApplyFrameLayout(const FrameLayoutArgs& args);
  void LoadCommandPictures();
  void ApplyBackground(const SettingsPlan& plan);
  void ApplyModernTitleFont();
  void ExitProgram();

  InstallPaths paths_;
  NameList names_;
  DrawSettingsState settings_;
  draw::CommandState commands_;
  int timerInterval_ = 0;
  std::string musicFile_;
  bool musicOn_ = true;
  bool topMostChecked_ = false;

  Win32SystemQueries system_;
  WindowBox minimizeBox_;
  WindowBox closeBox_;
  std::array<ImageButton, 4> commandButtons_;
  Tooltips tooltips_;
  HCURSOR hand_ = nullptr;
};

}  // namespace ravelo::win
