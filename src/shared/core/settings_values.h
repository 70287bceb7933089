// The settings that the windowed programs read from the configuration file:
// the texts read with their buffer widths, their conversions to colours,
// numbers, positions and font sizes, the built-in defaults, and the rules of
// the frame colours. rvo, rvocfg and rvostyle read the same keys the same way.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "shared/core/config_schema.h"
#include "shared/core/frame_layout.h"
#include "shared/core/probes.h"

namespace ravelo {

class ProfileReader;

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

// A font name: empty is no name, and the label keeps the font it has.
std::optional<std::string> FontNameFromText(const std::string& text);

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

// The caption's and the text line's settings as the file gives them: text,
// colour, font name and size, bold and italic (a flag's number not 0).
LabelSettings CaptionSettingsFrom(const ConfigTexts& texts);
LabelSettings TextLineSettingsFrom(const ConfigTexts& texts);

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

// The built-in values that are no label or layout: the draw speed, the two
// options, and the marker of "no file chosen" for the background picture
// and the music, which then come from these files in common\.
inline constexpr int kBuiltInInterval = 10;
inline constexpr std::int16_t kBuiltInShowButtons = 1;
inline constexpr std::int16_t kBuiltInStayOnTop = 0;
inline constexpr std::string_view kNoFileChosen = "0";
inline constexpr std::string_view kDefaultBackPicture = "back.pte";
inline constexpr std::string_view kDefaultMusic = "sound.wma";

// The largest content size the screen allows (Screenrs); empty when the
// probe could not report it, in which case only the lower bounds apply.
struct ScreenBounds {
  std::optional<std::int16_t> maxWidth;
  std::optional<std::int16_t> maxHeight;
};

// The configured content size raised to the lower limits and lowered to the
// screen's (the draw window and the style editor apply it alike).
ContentSize LimitContentSize(ContentSize configured, const ScreenBounds& screen);

// The built-in look: caption, text line and frame layout (600 x 450, dark
// purple body, white title, automatic places, command buttons shown).
LabelSettings BuiltInCaption();
LabelSettings BuiltInText();
FrameLayoutArgs BuiltInFrameLayout();

using FileExists = std::function<bool(const std::string& path)>;

// The background picture or music: "0", or a path where no file exists,
// selects the default file in common\.
std::string ChooseSkinFile(const std::string& configured, const std::string& defaultFile,
                           const FileExists& exists);

}  // namespace ravelo
