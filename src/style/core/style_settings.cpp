#include "style/core/style_settings.h"

#include <cstdio>
#include <cstdlib>

#include "shared/core/paths.h"

namespace ravelo {
namespace {

float ThroughDecimalText(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.7g", static_cast<double>(value));
  return std::strtof(text, nullptr);
}

std::uint32_t ColourOfText(const std::string& text) {
  // Only ever the text of a colour this program took from a window.
  return static_cast<std::uint32_t>(std::strtoul(text.c_str(), nullptr, 10));
}

}  // namespace

StyleStartPlan PlanStyleStart(const ConfigTexts& texts, const ScreenBounds& screen, const InstallPaths& paths,
                              const FileExists& exists) {
  using K = ConfigKey;
  StyleStartPlan plan;
  plan.caption = CaptionSettingsFrom(texts);
  plan.text = TextLineSettingsFrom(texts);
  const ContentSize size =
      LimitContentSize({Int16FromText(texts[K::StyleWidth]), Int16FromText(texts[K::StyleHeight])}, screen);
  plan.width = size.width;
  plan.height = size.height;
  plan.frameColour = texts[K::StyleForm];
  plan.titleColour = texts[K::StyleCaption];
  plan.positions = {PositionFromText(texts[K::StyleCaptiontop]), PositionFromText(texts[K::StyleCaptionleft]),
                    PositionFromText(texts[K::StyleTexttop]), PositionFromText(texts[K::StyleTextleft])};
  plan.backgroundPath = ChooseSkinFile(texts[K::FormBgpic], paths.CommonFile(kDefaultBackPicture), exists);
  plan.showButtons = Int16FromText(texts[K::FormSmc]);
  return plan;
}

StyleSnapshot StyleSnapshot::Take(std::uint32_t frameColour, std::uint32_t titleColour, PointF caption,
                                  PointF text) {
  return {std::to_string(frameColour), std::to_string(titleColour),
          {ThroughDecimalText(caption.x), ThroughDecimalText(caption.y)},
          {ThroughDecimalText(text.x), ThroughDecimalText(text.y)}};
}

std::uint32_t StyleSnapshot::FrameColour() const { return ColourOfText(frameColour); }
std::uint32_t StyleSnapshot::TitleColour() const { return ColourOfText(titleColour); }

}  // namespace ravelo
