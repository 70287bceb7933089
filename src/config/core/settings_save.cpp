#include "config/core/settings_save.h"

#include <cmath>
#include <cstdio>

#include "shared/core/config_schema.h"
#include "shared/core/numbers.h"
#include "shared/core/probes.h"
#include "shared/core/settings_values.h"

namespace ravelo::config {
namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string IntegerPartText(const std::string& text) {
  const double value = std::floor(LeadingNumber(text));
  char buffer[64];
  // Beyond 1e15 a double holds no fraction anyway; such a value is refused.
  std::snprintf(buffer, sizeof buffer, std::fabs(value) < 1e15 ? "%.0f" : "%.15g", value);
  return buffer;
}

std::string ColourText(std::uint32_t colour) { return std::to_string(colour); }

}  // namespace

void NormaliseNumbers(FormValues& values) {
  values.speed = IntegerPartText(values.speed);
  values.width = IntegerPartText(values.width);
  values.height = IntegerPartText(values.height);
}

std::optional<Refusal> CheckLimits(const FormValues& values, const ScreenLimits& screen) {
  const double speed = LeadingNumber(values.speed);
  if (!(speed >= 1 && speed <= 50)) return Refusal{CheckedBox::Speed, "抽签间隔的范围是1—50,请重新输入"};
  if (!ContentWidthRange(screen.maxWidth).Contains(static_cast<std::int64_t>(
          std::fmax(-1e18, std::fmin(1e18, LeadingNumber(values.width))))))
    return Refusal{CheckedBox::Width,
                   "界面宽度不小于250或不超过" + std::to_string(screen.maxWidth) + ",请重新输入"};
  if (!ContentHeightRange(screen.maxHeight).Contains(static_cast<std::int64_t>(
          std::fmax(-1e18, std::fmin(1e18, LeadingNumber(values.height))))))
    return Refusal{CheckedBox::Height,
                   "界面高度度不小于100或不超过" + std::to_string(screen.maxHeight) + ",请重新输入"};
  return std::nullopt;
}

bool SizeTracker::SizeChanged(const FormValues& values) {
  if (Int16FromText(values.width) != width_ || Int16FromText(values.height) != height_) changed_ = true;
  return changed_;
}

std::vector<ConfigWrite> PlanWrites(const FormValues& values, bool sizeChanged) {
  const auto path = [](const std::string& shown) {
    const std::string trimmed = Trimmed(shown);
    return trimmed.empty() ? std::string(kNoFileChosen) : trimmed;
  };
  const std::pair<ConfigKey, std::string> fields[] = {
      {ConfigKey::FormCaption, Trimmed(values.caption)},
      {ConfigKey::FormText, Trimmed(values.text)},
      {ConfigKey::FormBgpic, path(values.backPicture)},
      {ConfigKey::FormBrmic, path(values.music)},
      {ConfigKey::FormSmc, values.showButtons ? "1" : "0"},
      {ConfigKey::FormTop, values.stayOnTop ? "1" : "0"},
      {ConfigKey::TimeTime, Trimmed(values.speed)},
      {ConfigKey::ColorCaption, ColourText(values.captionColour)},
      {ConfigKey::ColorText, ColourText(values.textColour)},
      {ConfigKey::StyleWidth, Trimmed(values.width)},
      {ConfigKey::StyleHeight, Trimmed(values.height)},
      {ConfigKey::StyleForm, ColourText(values.frameColour)},
      {ConfigKey::StyleCaption, ColourText(values.titleColour)},
      {ConfigKey::CaptionFontname, Trimmed(values.captionFont.name)},
      {ConfigKey::CaptionFontsize, Trimmed(values.captionFont.size)},
      {ConfigKey::CaptionFontbold, Trimmed(values.captionFont.bold)},
      {ConfigKey::CaptionFontitalic, Trimmed(values.captionFont.italic)},
      {ConfigKey::TextFontname, Trimmed(values.textFont.name)},
      {ConfigKey::TextFontsize, Trimmed(values.textFont.size)},
      {ConfigKey::TextFontbold, Trimmed(values.textFont.bold)},
      {ConfigKey::TextFontitalic, Trimmed(values.textFont.italic)},
  };
  std::vector<ConfigWrite> writes;
  for (const auto& [key, value] : fields) {
    const ConfigKeySpec& field = SpecOf(key);
    writes.push_back({std::string(field.section), std::string(field.writtenKey), PadToField(value, field.bufferBytes)});
  }
  if (sizeChanged) {
    for (ConfigKey key : {ConfigKey::StyleCaptiontop, ConfigKey::StyleCaptionleft, ConfigKey::StyleTexttop,
                          ConfigKey::StyleTextleft}) {
      const ConfigKeySpec& field = SpecOf(key);
      writes.push_back({std::string(field.section), std::string(field.writtenKey), "0"});
    }
  }
  return writes;
}

std::string SaveReport(bool written, bool sizeChanged) {
  if (!written) return std::string(kSaveFailedMessage);
  if (sizeChanged) return "修改成功,但您已经修改显示窗口的大小.\r\n标题和内容的显示位置已还原.";
  return "修改成功,请重新运行Ravelo或进行刷新.";
}

}  // namespace ravelo::config
