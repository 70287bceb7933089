#include "shared/core/settings_values.h"

#include <cmath>
#include <limits>

#include "shared/core/ini_file.h"
#include "shared/core/numbers.h"

namespace ravelo {
namespace {

std::string_view TrimSpaces(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// The built-in settings used when the configuration file is missing.
constexpr std::string_view kDefaultCaption = "Ravelo";
constexpr std::string_view kDefaultText = "开始啦";
constexpr std::uint32_t kDefaultCaptionColour = 255;       // red
constexpr std::uint32_t kDefaultTextColour = 16744576;     // 0xFF8080, light blue
constexpr std::string_view kDefaultFontName = "宋体";
constexpr float kDefaultCaptionPoints = 26.0f;
constexpr float kDefaultTextPoints = 72.0f;
constexpr std::int16_t kDefaultContentWidth = 600;
constexpr std::int16_t kDefaultContentHeight = 450;
constexpr std::string_view kDefaultFrameColour = "8388672";  // 0x800040, dark purple
constexpr std::string_view kDefaultTitleColour = "16777215";  // white

}  // namespace

ConfigTexts ConfigTexts::Read(const ProfileReader& reader) {
  ConfigTexts texts;
  for (const ConfigKeySpec& keySpec : AllConfigKeys()) {
    texts[keySpec.id] = std::string(TrimSpaces(reader.Read(keySpec.section, keySpec.key, keySpec.bufferBytes)));
  }
  return texts;
}

std::optional<std::uint32_t> ColourFromText(std::string_view text) {
  const std::optional<std::int32_t> value = ParseColour(text);
  if (!value || *value < 0 || *value > 0xFFFFFF) return std::nullopt;
  return static_cast<std::uint32_t>(*value);
}

std::int16_t Int16FromText(std::string_view text) {
  const double value = LeadingNumber(text);
  if (std::isnan(value)) return 0;
  if (const auto rounded = RoundToInt16(value)) return *rounded;
  return value < 0 ? std::numeric_limits<std::int16_t>::min() : std::numeric_limits<std::int16_t>::max();
}

float PositionFromText(std::string_view text) {
  const double value = LeadingNumber(text);
  constexpr double kLargest = std::numeric_limits<float>::max();
  if (std::isnan(value)) return 0.0f;
  if (value > kLargest) return std::numeric_limits<float>::max();
  if (value < -kLargest) return std::numeric_limits<float>::lowest();
  return static_cast<float>(value);
}

std::optional<std::string> FontNameFromText(const std::string& text) {
  if (text.empty()) return std::nullopt;
  return text;
}

ContentSize LimitContentSize(ContentSize configured, const ScreenBounds& screen) {
  constexpr auto kNoBound = std::numeric_limits<std::int16_t>::max();
  return ClampContentSize(configured, screen.maxWidth.value_or(kNoBound),
                          screen.maxHeight.value_or(kNoBound));
}

std::optional<float> FontPointsFromText(std::string_view text) {
  const std::optional<float> points = ParseFontSize(text);
  if (!points || !(*points > 0.0f) || *points > kMaxFontPoints) return std::nullopt;
  return points;
}

FrameColours ResolveFrameColours(std::string_view frameColour, std::string_view titleColour) {
  FrameColours colours;
  colours.body = ColourFromText(frameColour);
  if (colours.body) colours.title = ColourFromText(titleColour);
  return colours;
}

std::string ChooseSkinFile(const std::string& configured, const std::string& defaultFile,
                           const FileExists& exists) {
  if (configured == kNoFileChosen || !exists(configured)) return defaultFile;
  return configured;
}

LabelSettings CaptionSettingsFrom(const ConfigTexts& texts) {
  using K = ConfigKey;
  return {texts[K::FormCaption], ColourFromText(texts[K::ColorCaption]),
          {FontNameFromText(texts[K::CaptionFontname]), FontPointsFromText(texts[K::CaptionFontsize]),
           Int16FromText(texts[K::CaptionFontbold]) != 0, Int16FromText(texts[K::CaptionFontitalic]) != 0}};
}

LabelSettings TextLineSettingsFrom(const ConfigTexts& texts) {
  using K = ConfigKey;
  return {texts[K::FormText], ColourFromText(texts[K::ColorText]),
          {FontNameFromText(texts[K::TextFontname]), FontPointsFromText(texts[K::TextFontsize]),
           Int16FromText(texts[K::TextFontbold]) != 0, Int16FromText(texts[K::TextFontitalic]) != 0}};
}

LabelSettings BuiltInCaption() {
  return {std::string(kDefaultCaption), kDefaultCaptionColour,
          {std::string(kDefaultFontName), kDefaultCaptionPoints, true, false}};
}

LabelSettings BuiltInText() {
  return {std::string(kDefaultText), kDefaultTextColour,
          {std::string(kDefaultFontName), kDefaultTextPoints, false, false}};
}

FrameLayoutArgs BuiltInFrameLayout() {
  return {kDefaultContentWidth, kDefaultContentHeight, std::string(kDefaultFrameColour),
          std::string(kDefaultTitleColour), LabelPositions{}, kBuiltInShowButtons};
}

}  // namespace ravelo
