// The draw window's settings: the texts of the configuration file converted
// to typed values, the built-in defaults, and the plan of what one run of
// LoadSettings or LoadDefaults applies to the window. The Win32 view only
// carries the plan out; every decision about texts, limits and fallbacks is
// made here.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "shared/core/config_schema.h"
#include "shared/core/frame_layout.h"

namespace ravelo {

class ProfileReader;
struct InstallPaths;

// The 25 configuration texts, read with their buffer widths and trimmed of
// spaces, indexed by ConfigKey.
class ConfigTexts {
 public:
  static ConfigTexts Read(const ProfileReader& reader);

  const std::string& operator[](ConfigKey key) const { return texts_[static_cast<size_t>(key)]; }
  std::string& operator[](ConfigKey key) { return texts_[static_cast<size_t>(key)]; }

 private:
  std::array<std::string, kConfigKeyCount> texts_;
};

// A colour as the configuration file holds it: the whole text a decimal
// integer from 0 to 0xFFFFFF (0x00BBGGRR). Anything else is no colour.
std::optional<std::uint32_t> ColourFromText(std::string_view text);

// A 16-bit setting: the text's leading number rounded to the nearest integer
// (halves to even), saturated at the 16-bit limits rather than overflowing
// ("9e99" fits a 5-byte field).
std::int16_t Int16FromText(std::string_view text);

// A position: the leading number as a single-precision real, saturated at
// the largest finite float.
float PositionFromText(std::string_view text);

// A font size in points: the whole text a number above 0 and at most 2160;
// anything else is no size, and the label keeps the size it has.
std::optional<float> FontPointsFromText(std::string_view text);

inline constexpr float kMaxFontPoints = 2160.0f;

struct FontChoice {
  std::optional<std::string> name;  // empty: keep the label's font name
  std::optional<float> points;      // empty: keep the label's size
  bool bold = false;
  bool italic = false;
};

struct LabelSettings {
  std::string text;
  std::optional<std::uint32_t> colour;  // empty: keep the label's colour
  FontChoice font;
};

// The arguments of the frame layout. The colours are given as texts and are
// converted by the layout itself, which is where a bad one stops it.
struct FrameLayoutArgs {
  std::int16_t width = 0;
  std::int16_t height = 0;
  std::string frameColour;
  std::string titleColour;
  LabelPositions positions;
  std::int16_t showButtons = 0;
};

// How far the frame layout gets with its colour texts: the body colour is
// applied first, the title colour second, and the first bad one ends it.
struct FrameColours {
  std::optional<std::uint32_t> body;   // empty: nothing of the layout runs
  std::optional<std::uint32_t> title;  // empty: only the body colour is applied
  bool LayoutRuns() const { return body.has_value() && title.has_value(); }
};
FrameColours ResolveFrameColours(std::string_view frameColour, std::string_view titleColour);

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

using FileExists = std::function<bool(const std::string& path)>;

// The largest content size the screen allows (Screenrs); empty when the
// probe could not report it, in which case only the lower bounds apply.
struct ScreenBounds {
  std::optional<std::int16_t> maxWidth;
  std::optional<std::int16_t> maxHeight;
};

// The built-in look: caption, text line and frame layout (600 x 450, dark
// purple body, white title, automatic places, command buttons shown).
LabelSettings BuiltInCaption();
LabelSettings BuiltInText();
FrameLayoutArgs BuiltInFrameLayout();

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

// The background picture or music: "0", or a path where no file exists,
// selects the default file in common\.
std::string ChooseSkinFile(const std::string& configured, const std::string& defaultFile,
                           const FileExists& exists);

}  // namespace ravelo
