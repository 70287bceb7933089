// The draw window `main` of rvo: the skinned frame with its window boxes,
// command buttons, help picture and menu, the name list, the timer and the
// music. Start-up finds the data folder, loads the names of the list in use
// and applies the settings (or the built-in defaults) before the window is
// first shown. The lists, the data folder and the rounds without repeats kept
// there are draw_window_lists.cpp's.
//
// What each key, button, tick and menu item does is decided by the draw
// engine; the window carries out its effects (DrawEffects) and handles the
// parts of the menu that do not touch the draw: the top-most switch, full
// screen and the help picture. A presenter remote's keys come through the
// same engine (draw_window_full_screen.cpp).
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "draw/core/draw_engine.h"
#include "draw/core/draw_settings.h"
#include "draw/core/name_list.h"
#include "draw/core/draw_history.h"
#include "draw/win/draw_menu.h"
#include "draw/win/fitted_text_line.h"
#include "draw/win/music_player.h"
#include "draw/win/name_grid_view.h"
#include "draw/win/window_box.h"
#include "draw/win/winners_window.h"
#include "shared/core/data_folder.h"
#include "shared/core/paths.h"
#include "shared/core/prize_rounds.h"
#include "shared/win/common_dialogs.h"
#include "shared/win/frame_layout_view.h"
#include "shared/win/image_button.h"
#include "shared/win/skinned_frame.h"
#include "shared/win/system_probes.h"
#include "shared/win/tooltips.h"

namespace ravelo::win {

class DrawWindow final : public SkinnedFrame, private draw::DrawEffects, private FrameButtons {
 public:
  DrawWindow();

  // Creates the window and its controls, hidden, in their design state.
  bool Create();

  // Start-up: true leaves the window ready to be shown; false when there is
  // no name list, after the message and the launch of the configuration
  // program: the program then ends without showing the window.
  bool StartUp();

  const DrawSettingsState& Settings() const { return settings_; }

 private:
  static constexpr UINT_PTR kDrawTimer = 1;

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnScaleChanged(const DisplayScale& previous) override;
  void FinishStartUp() override;
  void OnMenuItem(int itemId);

  // DrawEffects: what the engine asks of the window.
  void EnableTimer(int intervalMs) override;
  void DisableTimer() override;
  void StartMusic() override;
  void StopMusic() override;
  void SetButtonEnabled(draw::CommandButton button, bool enabled) override;
  void SetMusicChecked(bool checked) override;
  std::optional<draw::LoadedDraw> LoadNamesAndSettings() override;
  std::optional<draw::LoadedDraw> LoadList() override;
  bool LaunchCompanion(draw::Companion which) override;
  void EndProgram() override;
  void ShowName(std::size_t index) override;
  void ShowMessage(std::string_view text) override;
  void ShowNotice(std::string_view text) override;
  void SetNoRepeatChecked(bool checked) override;
  void SaveNoRepeat(bool on) override;
  void RecordResults(const std::vector<std::size_t>& indices, std::string_view round) override;
  void RoundChanged(const draw::DrawPool& pool, bool save) override;
  void ShowNames(const std::vector<std::size_t>& indices) override;
  std::string NameText(std::size_t index) const override;
  void SetDrawCountChecked(int count) override;
  void SaveDrawCount(int count) override;
  void SetRoundsChecked(bool on) override;
  void SaveRounds(bool on) override;
  void ShowRoundCaption(std::string_view text) override;

  // Several names at once (draw_window_names.cpp). A new list forgets the
  // grid and its longest name; a new layout places the names shown again.
  void NamesLoaded();
  void LayOutNameGrid(std::size_t count);
  void HideNameGrid();  // the single text line again
  void RelayOutNameGrid();
  // Every name fitted in its cell, in the content area's pixels.
  std::vector<NameGridView::Name> PlaceNames(const std::vector<std::size_t>& indices);
  void FixNames();  // the draw stopped: its names become label windows
  void ShowNameLabels(const std::vector<NameGridView::Name>& placed);
  void HideNameLabels();
  void ShowWinners();

  // Loadname on the list in use in the data folder, after emptying the
  // list; false when the file is missing or unreadable. A configured list
  // that has gone gives the default list, a data folder that is missing or
  // cannot be written a read-only run, each with a warning.
  bool LoadNames();
  // The data folder and the list in use as the configuration file names
  // them (or as the menu last chose the list).
  void FindDataFolderAndList();
  // The names drawn in the list's round as the data folder keeps them.
  std::vector<std::size_t> ReadDrawnNames();
  std::string ListTitle() const;  // the list in use, "默认名单" for name.txt
  void ChooseList(const std::string& name);  // from the menu
  void ShowMenuAt(POINT onScreen);
  bool CreateListStatus();
  // The list in use and, without repeats, the names left, top right of the
  // content; nothing for the default list without repeats.
  void UpdateListStatus();
  void PlaceListStatus();
  // Reads the configuration file and applies it, or applies the built-in
  // defaults after a message when it is missing.
  void LoadSettings();
  void ApplyPlan(const SettingsPlan& plan);
  void Layout(const FrameLayoutArgs& args);
  // FrameButtons: the window boxes and the command-button row.
  void OnBodyColour(COLORREF colour) override;
  void OnTitleColour(COLORREF colour) override;
  FrameParts MeasureParts(const FrameLayoutArgs& args) override;
  void PlaceParts(const FrameLayout& layout) override;
  void LoadCommandPictures();
  void ApplyBackground(const SettingsPlan& plan);
  void ApplyModernTitleFont();

  // Full screen and the presenter remote (draw_window_full_screen.cpp).
  // True when the key was one of them.
  bool OnKeyDown(WPARAM key, LPARAM flags);
  // Esc, Enter, Space, 1 and 2: false when the window keeps the key from
  // the engine (Esc leaves full screen; a blank screen takes no draw keys).
  bool PassesCharToEngine(int characterCode);
  void SetFullScreen(bool on);
  // Shows full screen on the monitor (entering it, or moving there).
  void FullScreenOn(const RECT& monitor);
  void MoveFullScreen(int step);
  void StartInFullScreen();
  void SaveFullScreen(bool on);
  void ToggleBlank();
  void PlaceBlankCover();  // over the whole window while blank

  // The menu's own items.
  void ToggleTopMost();
  bool CreateHelpBox();
  void ShowHelpPicture();
  void ShowHistory();
  void SaveHistoryAsTable();  // the record as a .csv file where the operator says

  InstallPaths paths_;
  DataPaths data_;          // where the names, the record and the rounds are read
  bool dataReadOnly_ = false;  // nothing is written to the data folder
  std::string warnedFolder_;   // the data folder last warned about
  std::string list_;           // the list in use (UTF-8), empty for name.txt
  std::optional<std::string> chosenList_;  // chosen from the menu, not (yet) in the file
  bool roundNotSavedWarned_ = false;
  NameList names_;
  DrawSettingsState settings_;
  int timerInterval_ = 0;
  bool noRepeat_ = false;  // [Draw] norepeat as last read
  int drawCount_ = 1;      // [Draw] count as last read
  bool rounds_ = false;    // [Draw] rounds as last read
  std::vector<PrizeRound> prizeRounds_;  // rounds.txt as last read
  std::wstring configuredCaption_;       // the caption's text as the settings gave it
  bool startFullScreen_ = false;  // [Draw] fullscreen as last read
  std::string fullScreenMonitor_;  // [Draw] fullscreenmonitor as last read
  HWND blankCover_ = nullptr;  // black over everything while the screen is blank
  bool blank_ = false;
  // Why the last line of the record could not be written; cleared by the
  // next line that could.
  std::optional<draw::HistoryFailure> historyFailure_;
  CommonDialogs dialogs_;
  FittedTextLine fittedText_{TextLine()};
  bool labelsCentred_ = false;  // the last layout centred caption and text line

  FrameLayoutArgs layoutArgs_;  // the last layout, for a change of DPI
  Win32SystemQueries system_;
  WindowBox minimizeBox_;
  WindowBox closeBox_;
  std::array<ImageButton, 4> commandButtons_;
  ImageButton helpBox_;
  TextLabel listStatus_;
  // The names of a draw of several: labels made as a draw first needs them.
  std::array<TextLabel, kMaxDrawCount> nameCells_;
  std::optional<std::size_t> grid_;  // the names the grid was laid out for
  std::optional<ravelo::Size> longestName_;  // at the configured font
  std::vector<ravelo::Rect> gridCells_;
  ravelo::Point gridOrigin_{};
  FontSpec gridFont_;
  std::vector<std::size_t> gridIndices_;  // the names the grid shows
  bool flipping_ = false;  // the view paints them (a draw runs), not the labels
  NameGridView gridView_;
  WinnersWindow winners_;
  Tooltips tooltips_;
  DrawMenu menu_;
  draw::MusicPlayer music_;
  HCURSOR hand_ = nullptr;

  // Last: it calls back into everything above.
  draw::DrawEngine engine_;
};

}  // namespace ravelo::win
