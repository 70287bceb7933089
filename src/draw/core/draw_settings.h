// The draw window's settings: the state it keeps and the plan of what one
// run of LoadSettings or LoadDefaults applies to the window. The Win32 view only
// carries the plan out; every decision about texts, limits and fallbacks is
// made here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "shared/core/settings_values.h"

namespace ravelo {

struct InstallPaths;

// The state the draw window keeps about its settings between runs.
struct DrawSettingsState {
  std::int16_t contentWidth = 0;
  std::int16_t contentHeight = 0;
  std::string frameColour;
  std::string titleColour;
  std::string backPicture;  // "0": the default picture
  std::string musicFile;    // "0": the default music
  std::int16_t showButtons = 0;
  std::int16_t stayOnTop = 0;
  std::int16_t drawInterval = 0;
  std::int16_t captionBold = 0;
  std::int16_t captionItalic = 0;
  std::int16_t textBold = 0;
  std::int16_t textItalic = 0;
  LabelPositions positions;
};

// What one LoadSettings (or LoadDefaults) applies to the window, in order.
struct SettingsPlan {
  // From the configuration file the font, layout, timer, top-most and
  // background steps may fail and are then skipped silently; the defaults
  // have nothing that can fail.
  bool fromDefaults = false;
  LabelSettings caption;
  LabelSettings text;
  FrameLayoutArgs layout;
  // Empty: the value cannot be a timer interval (negative); keep the old one.
  std::optional<int> timerInterval;
  bool makeTopMost = false;
  // The picture to load into the content area. If it cannot be loaded the
  // background stays as it was, except after the defaults, which leave the
  // plain white background.
  std::string backgroundPath;
  std::string musicPath;  // handed to the player; nothing is opened yet
};

// LoadSettings with a configuration file: converts the texts, updates the
// kept state and returns the plan.
SettingsPlan PlanFromConfig(const ConfigTexts& texts, const ScreenBounds& screen,
                            const InstallPaths& paths, const FileExists& exists,
                            DrawSettingsState& state);

// LoadDefaults (the file is missing). Content size, frame colours, button
// switch and positions of the state keep what they held; the layout uses
// the built-in values.
SettingsPlan PlanDefaults(const InstallPaths& paths, const FileExists& exists,
                          DrawSettingsState& state);

}  // namespace ravelo
