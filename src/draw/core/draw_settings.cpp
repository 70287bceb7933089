#include "draw/core/draw_settings.h"

#include <cmath>
#include <limits>

#include "shared/core/ini_file.h"
#include "shared/core/numbers.h"
#include "shared/core/paths.h"
#include "shared/core/probes.h"

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
constexpr int kDefaultInterval = 10;
constexpr std::int16_t kDefaultContentWidth = 600;
constexpr std::int16_t kDefaultContentHeight = 450;
constexpr std::string_view kDefaultFrameColour = "8388672";  // 0x800040, dark purple
constexpr std::string_view kDefaultTitleColour = "16777215";  // white
constexpr std::string_view kDefaultFileMarker = "0";
constexpr std::string_view kDefaultBackPicture = "back.pte";
constexpr std::string_view kDefaultMusic = "sound.wma";

std::optional<std::string> FontNameFromText(const std::string& text) {
  if (text.empty()) return std::nullopt;
  return text;
}

ContentSize LimitContentSize(ContentSize configured, const ScreenBounds& screen) {
  constexpr auto kNoBound = std::numeric_limits<std::int16_t>::max();
  return ClampContentSize(configured, screen.maxWidth.value_or(kNoBound),
                          screen.maxHeight.value_or(kNoBound));
}

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
  if (configured == kDefaultFileMarker || !exists(configured)) return defaultFile;
  return configured;
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
          std::string(kDefaultTitleColour), LabelPositions{}, 1};
}

SettingsPlan PlanFromConfig(const ConfigTexts& texts, const ScreenBounds& screen,
                            const InstallPaths& paths, const FileExists& exists,
                            DrawSettingsState& state) {
  using K = ConfigKey;
  state.contentWidth = Int16FromText(texts[K::StyleWidth]);
  state.contentHeight = Int16FromText(texts[K::StyleHeight]);
  state.showButtons = Int16FromText(texts[K::FormSmc]);
  state.stayOnTop = Int16FromText(texts[K::FormTop]);
  state.drawInterval = Int16FromText(texts[K::TimeTime]);
  state.frameColour = texts[K::StyleForm];
  state.titleColour = texts[K::StyleCaption];
  state.backPicture = texts[K::FormBgpic];
  state.musicFile = texts[K::FormBrmic];
  state.positions = {PositionFromText(texts[K::StyleCaptiontop]), PositionFromText(texts[K::StyleCaptionleft]),
                     PositionFromText(texts[K::StyleTexttop]), PositionFromText(texts[K::StyleTextleft])};
  state.captionBold = Int16FromText(texts[K::CaptionFontbold]);
  state.captionItalic = Int16FromText(texts[K::CaptionFontitalic]);
  state.textBold = Int16FromText(texts[K::TextFontbold]);
  state.textItalic = Int16FromText(texts[K::TextFontitalic]);

  const ContentSize size = LimitContentSize({state.contentWidth, state.contentHeight}, screen);
  state.contentWidth = size.width;
  state.contentHeight = size.height;

  SettingsPlan plan;
  plan.fromDefaults = false;
  plan.caption = {texts[K::FormCaption], ColourFromText(texts[K::ColorCaption]),
                  {FontNameFromText(texts[K::CaptionFontname]), FontPointsFromText(texts[K::CaptionFontsize]),
                   state.captionBold != 0, state.captionItalic != 0}};
  plan.text = {texts[K::FormText], ColourFromText(texts[K::ColorText]),
               {FontNameFromText(texts[K::TextFontname]), FontPointsFromText(texts[K::TextFontsize]),
                state.textBold != 0, state.textItalic != 0}};
  plan.layout = {state.contentWidth, state.contentHeight, state.frameColour, state.titleColour,
                 state.positions,    state.showButtons};
  if (state.drawInterval >= 0) plan.timerInterval = state.drawInterval;
  plan.makeTopMost = state.stayOnTop == 1;
  plan.backgroundPath =
      ChooseSkinFile(state.backPicture, paths.CommonFile(kDefaultBackPicture), exists);
  plan.musicPath = ChooseSkinFile(state.musicFile, paths.CommonFile(kDefaultMusic), exists);
  return plan;
}

SettingsPlan PlanDefaults(const InstallPaths& paths, const FileExists& exists,
                          DrawSettingsState& state) {
  state.backPicture = std::string(kDefaultFileMarker);
  state.musicFile = std::string(kDefaultFileMarker);
  state.drawInterval = kDefaultInterval;
  state.stayOnTop = 0;

  SettingsPlan plan;
  plan.fromDefaults = true;
  plan.caption = BuiltInCaption();
  plan.text = BuiltInText();
  plan.layout = BuiltInFrameLayout();
  plan.timerInterval = kDefaultInterval;
  plan.makeTopMost = false;
  plan.backgroundPath =
      ChooseSkinFile(state.backPicture, paths.CommonFile(kDefaultBackPicture), exists);
  plan.musicPath = ChooseSkinFile(state.musicFile, paths.CommonFile(kDefaultMusic), exists);
  return plan;
}

}  // namespace ravelo
