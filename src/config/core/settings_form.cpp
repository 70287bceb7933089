#include "config/core/settings_form.h"

#include <cmath>
#include <limits>

#include "shared/core/ini_file.h"
#include "shared/core/numbers.h"
#include "shared/core/settings_values.h"

namespace ravelo::config {
namespace {

// The decimal text of the leading number, rounded to a 16-bit integer ("-1", "2", "0").
std::string NumberText(const std::string& text) { return std::to_string(Int16FromText(text)); }

// A swatch colour from the leading number: a value that is no RGB colour
// shows as black, as a missing key does.
std::uint32_t SwatchColour(const std::string& text) {
  const double value = std::nearbyint(LeadingNumber(text));
  if (!(value >= 0.0 && value <= 16777215.0)) return 0;
  return static_cast<std::uint32_t>(value);
}

FontTexts FontFrom(const ConfigTexts& texts, ConfigKey name, ConfigKey size, ConfigKey bold, ConfigKey italic) {
  return {texts[name], texts[size], NumberText(texts[bold]), NumberText(texts[italic])};
}

std::string PathShown(const std::string& stored) { return stored == kNoFileChosen ? std::string() : stored; }

}  // namespace

FormValues DefaultFormValues() {
  FormValues v;
  v.caption = "Ravelo";
  v.text = "开始啦";
  v.speed = "10";
  v.width = "600";
  v.height = "450";
  v.showButtons = true;
  v.stayOnTop = false;
  v.captionColour = 255;
  v.textColour = 16744576;
  v.frameColour = 8388672;
  v.titleColour = 16777215;
  v.captionFont = {"宋体", "26", "1", "0"};
  v.textFont = {"宋体", "72", "0", "0"};
  return v;
}

LoadedSettings LoadSettings(const ProfileReader& reader) {
  LoadedSettings loaded;
  if (!reader.FileExists()) {
    loaded.values = DefaultFormValues();
    return loaded;
  }
  loaded.fileFound = true;
  const ConfigTexts texts = ConfigTexts::Read(reader);
  FormValues& v = loaded.values;
  v.captionFont = FontFrom(texts, ConfigKey::CaptionFontname, ConfigKey::CaptionFontsize,
                           ConfigKey::CaptionFontbold, ConfigKey::CaptionFontitalic);
  v.textFont = FontFrom(texts, ConfigKey::TextFontname, ConfigKey::TextFontsize, ConfigKey::TextFontbold,
                        ConfigKey::TextFontitalic);
  v.caption = texts[ConfigKey::FormCaption];
  v.text = texts[ConfigKey::FormText];
  v.backPicture = PathShown(texts[ConfigKey::FormBgpic]);
  v.music = PathShown(texts[ConfigKey::FormBrmic]);
  v.speed = texts[ConfigKey::TimeTime];
  v.captionColour = SwatchColour(texts[ConfigKey::ColorCaption]);
  v.textColour = SwatchColour(texts[ConfigKey::ColorText]);
  v.width = texts[ConfigKey::StyleWidth];
  v.height = texts[ConfigKey::StyleHeight];
  v.frameColour = SwatchColour(texts[ConfigKey::StyleForm]);
  v.titleColour = SwatchColour(texts[ConfigKey::StyleCaption]);
  v.showButtons = Int16FromText(texts[ConfigKey::FormSmc]) != 0;
  v.stayOnTop = Int16FromText(texts[ConfigKey::FormTop]) != 0;
  return loaded;
}

const std::array<StylePreset, 6>& StylePresets() {
  static const std::array<StylePreset, 6> presets{{
      {"绿色风格", 32768, 16777215},
      {"黑色风格", 0, 16777215},
      {"紫色风格", 8388672, 16777215},
      {"紫红风格", 8388736, 8454143},
      {"蓝色风格", 8404992, 16777215},
      {"暗红风格", 8388863, 4210688},
  }};
  return presets;
}

std::string DescribeFont(const FontTexts& font, bool isCaption) {
  std::string description = "当前";
  description += isCaption ? "标题" : "内容";
  description += "字体:" + font.name + ". 字号:" + font.size;
  if (LeadingNumber(font.bold) != 0.0) description += " .粗体.";
  if (LeadingNumber(font.italic) != 0.0) description += "斜体.";
  return description;
}

FontPreset FontDialogPreset(bool isCaption) {
  return isCaption ? FontPreset{"宋体", 26.0f, true, false} : FontPreset{"宋体", 72.0f, false, false};
}

FontTexts FontTextsOf(const std::string& name, float points, bool bold, bool italic) {
  return {name, FormatSingleShortest(points), bold ? "1" : "0", italic ? "1" : "0"};
}

}  // namespace ravelo::config
