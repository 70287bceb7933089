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

// The box as its refusals name it.
std::string BoxName(CheckedBox box) {
  switch (box) {
    case CheckedBox::Caption: return "标题";
    case CheckedBox::Text: return "内容";
    case CheckedBox::Picture: return "背景图片的路径";
    case CheckedBox::Music: return "背景音乐的路径";
    default: return {};
  }
}

bool IsPath(CheckedBox box) { return box == CheckedBox::Picture || box == CheckedBox::Music; }

}  // namespace

void NormaliseNumbers(FormValues& values) {
  values.speed = IntegerPartText(values.speed);
  values.width = IntegerPartText(values.width);
  values.height = IntegerPartText(values.height);
}

ConfigKey KeyOfBox(CheckedBox box) {
  switch (box) {
    case CheckedBox::Caption: return ConfigKey::FormCaption;
    case CheckedBox::Text: return ConfigKey::FormText;
    case CheckedBox::Picture: return ConfigKey::FormBgpic;
    case CheckedBox::Music: return ConfigKey::FormBrmic;
    case CheckedBox::Speed: return ConfigKey::TimeTime;
    case CheckedBox::Width: return ConfigKey::StyleWidth;
    default: return ConfigKey::StyleHeight;
  }
}

std::optional<Refusal> CheckText(CheckedBox box, const std::string& text) {
  const std::string name = BoxName(box);
  switch (CheckFieldText(KeyOfBox(box), Trimmed(text))) {
    case FieldProblem::NotGbk:
      return Refusal{box, name + "中有无法保存的字符(如表情符号或生僻字)," +
                              (IsPath(box) ? "请换用其他文件夹或文件名" : "请修改后再保存")};
    case FieldProblem::TooLong:
      return Refusal{box, name + "太长,最多保存" + std::to_string(FieldCapacity(KeyOfBox(box))) +
                              "个字节(一个汉字占2个字节)," + (IsPath(box) ? "请换用路径较短的文件" : "请修改后再保存")};
    default:
      return std::nullopt;
  }
}

std::optional<Refusal> CheckTexts(const FormValues& values) {
  const std::pair<CheckedBox, const std::string*> texts[] = {{CheckedBox::Caption, &values.caption},
                                                              {CheckedBox::Text, &values.text},
                                                              {CheckedBox::Picture, &values.backPicture},
                                                              {CheckedBox::Music, &values.music}};
  for (const auto& [box, text] : texts) {
    if (auto refusal = CheckText(box, *text)) return refusal;
  }
  return std::nullopt;
}

std::optional<std::string> CheckFontName(const std::string& name) {
  // Both font names have fields of the same width.
  if (CheckFieldText(ConfigKey::CaptionFontname, Trimmed(name)) == FieldProblem::None) return std::nullopt;
  return "所选字体的名称无法保存到配置文件,请选择其他字体";
}

std::optional<Refusal> CheckLimits(const FormValues& values, const ScreenLimits& screen) {
  const double speed = LeadingNumber(values.speed);
  if (!(speed >= 1 && speed <= 50)) return Refusal{CheckedBox::Speed, "抽签间隔的范围是1—50,请重新输入", true};
  if (!ContentWidthRange(screen.maxWidth).Contains(static_cast<std::int64_t>(
          std::fmax(-1e18, std::fmin(1e18, LeadingNumber(values.width))))))
    return Refusal{CheckedBox::Width,
                   "界面宽度不小于250或不超过" + std::to_string(screen.maxWidth) + ",请重新输入", true};
  if (!ContentHeightRange(screen.maxHeight).Contains(static_cast<std::int64_t>(
          std::fmax(-1e18, std::fmin(1e18, LeadingNumber(values.height))))))
    return Refusal{CheckedBox::Height,
                   "界面高度度不小于100或不超过" + std::to_string(screen.maxHeight) + ",请重新输入", true};
  return std::nullopt;
}

std::vector<FieldValue> SettingsFields(const FormValues& values) {
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
  std::vector<FieldValue> result;
  for (const auto& [key, value] : fields) result.push_back({key, PadToField(value, SpecOf(key).bufferBytes)});
  return result;
}

SavePlan PlanSave(const FormValues& values, const std::optional<FormValues>& stored) {
  SavePlan plan;
  plan.writes = ChangedFields(stored ? std::optional(SettingsFields(*stored)) : std::nullopt, SettingsFields(values));
  // rvocfg reads no positions: they are reset only by a size set here.
  plan.sizeChanged = !stored || Int16FromText(values.width) != Int16FromText(stored->width) ||
                     Int16FromText(values.height) != Int16FromText(stored->height);
  if (plan.sizeChanged) {
    for (ConfigKey key : {ConfigKey::StyleCaptiontop, ConfigKey::StyleCaptionleft, ConfigKey::StyleTexttop,
                          ConfigKey::StyleTextleft})
      plan.writes.push_back({key, "0"});
  }
  return plan;
}

std::string SaveReport(bool written, bool sizeChanged) {
  if (!written) return std::string(kSaveFailedMessage);
  if (sizeChanged) return "修改成功,但您已经修改显示窗口的大小.\r\n标题和内容的显示位置已还原.";
  return "修改成功,请重新运行Ravelo或进行刷新.";
}

}  // namespace ravelo::config
